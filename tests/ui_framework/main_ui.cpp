#include "tst_ui.h"

#include <QApplication>
#include <QTest>

int main(int argc, char **argv) {
    // As QTEST_MAIN does: the same logical DPI on every machine.
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);
    int status = 0;
    {
        GraphicsTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        PrintingTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        StyledTextPrinterTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        ControlsTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

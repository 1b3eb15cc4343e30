#include "tst_windows.h"

#include <QApplication>
#include <QTest>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    int status = 0;
    {
        HelpWindowTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        HelpPrintingTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        PageWindowTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        PagePrintTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

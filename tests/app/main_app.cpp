#include "tst_app.h"

#include <QApplication>
#include <QTest>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    int status = 0;
    {
        StartupTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        MenuTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        LayoutNumbersTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

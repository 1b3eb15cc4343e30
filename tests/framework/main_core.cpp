#include <QCoreApplication>
#include <QTest>

#include "tst_core.h"

int main(int argc, char **argv) {
    int status = 0;
    {
        TextFunctionsTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        ListboxTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        StringArrayTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

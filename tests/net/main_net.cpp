#include <QCoreApplication>
#include <QTest>

#include "tst_net.h"

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    int status = 0;
    {
        HttpRequestTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        HttpReplyFramerTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        HttpSocketTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

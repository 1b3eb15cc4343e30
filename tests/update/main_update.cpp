#include "tst_update.h"

#include <QApplication>
#include <QTest>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    int status = 0;
    {
        AboutBoxTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        ManifestTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        UpdateCheckTest t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "testmain.h"
#include "tst_update.h"

#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    return runTests<AboutBoxTest, UpdateCheckTest>(argc, argv);
}

#include "testmain.h"
#include "tst_app.h"

#include <QApplication>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    return runTests<StartupTest, MenuTest, LayoutNumbersTest>(argc, argv);
}

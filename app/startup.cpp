#include "app/startup.h"

#include "engine/module1.h"

#include <QApplication>
#include <QWidget>

int runQuillory(int argc, char **argv) {
    Module1::initialise();
    int code = 0;
    {
        QApplication application(argc, argv);
        QWidget window;
        window.setWindowTitle(QStringLiteral("Your Bridge Hand"));
        window.setFixedSize(310, 142);
        window.show();
        code = application.exec();
    }
    Module1::release();
    return code;
}

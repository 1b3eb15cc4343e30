#include "app/startup.h"

#include "app/app.h"
#include "app/menubars.h"
#include "engine/module1.h"
#include "windows/window1.h"

#include <QApplication>
#include <QPointer>
#include <memory>

namespace {

std::unique_ptr<App> application;

HandTables &mainWindow() {
    return Window1::instance();
}

} // namespace

bool startUp() {
    Module1::initialise();
    application = std::make_unique<App>();
    application->setMenuBar(&MenuBar1::instance());
    fw::registerApplicationObject(application.get());
    application->AddMenuHandlers();
    Module1::setWindowAccessor(mainWindow);
    // Closing the main window quits; closing any other never does.
    QApplication::setQuitOnLastWindowClosed(false);
    return fw::guarded([] { Window1::instance(); }) &&
           fw::guarded([] { application->Event_Open(); });
}

void shutDown() {
    QList<QPointer<fw::Window>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<fw::Window *>(widget))
            windows << window;
    for (const QPointer<fw::Window> &window : windows)
        delete window.data();
    Module1::setWindowAccessor(nullptr);
    fw::registerApplicationObject(nullptr);
    application.reset();
    releaseMenuBars();
    Module1::release();
}

int runQuillory(int argc, char **argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillory"));
    const int code = startUp() ? QApplication::exec() : 1;
    shutDown();
    return code;
}

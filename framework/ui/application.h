#pragma once

#include "framework/ui/menuhandlers.h"

#include <QString>
#include <exception>

namespace fw {

class MenuBar;

// The application object of the runtime: its menu bar, its menu handlers, the
// program's version and quitting. One object is registered for the whole run.
class Application : public MenuHandlers {
public:
    Application();
    virtual ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Raised once at start, and before a menu of a menu bar is shown.
    virtual void Event_Open() {}
    virtual void Event_EnableMenuItems() {}

    // The default menu bar: shown by windows that have none of their own.
    MenuBar *DefaultMenuBar() const { return menuBar_; }
    void setMenuBar(MenuBar *bar) { menuBar_ = bar; }

    int MajorVersion() const;
    int MinorVersion() const;
    int BugVersion() const;
    QString ShortVersion() const;
    QString LongVersion() const;

    // Ends the event loop, nested ones included, with this exit code.
    void Quit(int code = 0);

private:
    MenuBar *menuBar_ = nullptr;
};

// The registered application object, or nullptr.
Application *applicationObject();
void registerApplicationObject(Application *app);

// Reports an exception that no handler caught and ends the event loop with code 1.
void UnhandledException(const std::exception &e);

// Runs a handler, handing any exception that escapes it to UnhandledException.
template <typename F> bool guarded(F &&f) {
    try {
        f();
        return true;
    } catch (const std::exception &e) {
        UnhandledException(e);
        return false;
    }
}

} // namespace fw

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <xcb/xcb.h>

class QSocketNotifier;

// A window manager and another program on an X connection of their own, standing in for a
// desktop where a test asks what the program does with the keyboard.
//
// As the window manager it claims the screen before the program connects, and it tells the
// program that it activates windows on request (_NET_ACTIVE_WINDOW), as window managers do. It
// maps the windows that the program shows and activates a window when asked by giving it the
// focus, keeping a list of those requests; either can be held back, as by a window manager that
// has not got to them yet. Like fluxbox, it gives the focus straight to the window, so a window
// that has the X focus already hears nothing.
//
// As the other program it has a window of its own, which takes the keyboard as when the user
// clicks it.
class StandInDesktop {
public:
    // Connects to the display; missing() says what went wrong, if anything.
    explicit StandInDesktop(const QByteArray &display);
    ~StandInDesktop();
    StandInDesktop(const StandInDesktop &) = delete;
    StandInDesktop &operator=(const StandInDesktop &) = delete;

    const QString &missing() const { return missing_; }
    // Starts answering the program, on the event loop; needs the application object.
    void serve();

    // Whether windows that the program shows from now on stay unmapped, and whether requests to
    // activate a window go unanswered, as by a window manager that has not got to them yet.
    void holdMaps(bool hold) { holdingMaps_ = hold; }
    void holdActivations(bool hold) { holdingActivations_ = hold; }
    // The window manager gives the keyboard to window, as after the window above it closed.
    void focus(xcb_window_t window);
    // The other program takes the keyboard, as when the user clicks it.
    void focusOtherProgram() { focus(otherProgram_); }
    xcb_window_t otherProgram() const { return otherProgram_; }
    // The window with the X input focus now, as the server says.
    xcb_window_t inputFocus();
    // The windows that the program asked to activate, in order.
    QList<xcb_window_t> activationRequests;

private:
    void handleEvents();
    void handle(const xcb_generic_event_t &event);
    xcb_atom_t atom(const char *name);

    xcb_connection_t *connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    xcb_window_t otherProgram_ = XCB_NONE;
    xcb_atom_t activeWindow_ = XCB_NONE;
    bool holdingMaps_ = false, holdingActivations_ = false;
    std::unique_ptr<QSocketNotifier> notifier_;
    QString missing_;
};

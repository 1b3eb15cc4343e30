#include "framework/ui/keyboard.h"

#include <QGuiApplication>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstdlib>
#include <memory>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace fw {

namespace {

#if QT_CONFIG(xcb)
// Whether the X input focus is on one of ours. None and PointerRoot (the keyboard follows the
// pointer) are nobody's window; the program has no native windows within its windows.
bool inputFocusOnOwnWindow(xcb_connection_t *connection) {
    const std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&std::free)> reply(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr), &std::free);
    if (!reply)
        return false;
    const QWindowList windows = QGuiApplication::allWindows();
    return std::any_of(windows.begin(), windows.end(), [&](QWindow *window) {
        // winId() would make a native window for one that has none.
        return window->handle() && xcb_window_t(window->winId()) == reply->focus;
    });
}
#endif

} // namespace

bool keyboardIsInThisProgram() {
#if QT_CONFIG(xcb)
    // Offered on every platform; only X's has a connection.
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        if (xcb_connection_t *connection = x11->connection())
            return inputFocusOnOwnWindow(connection);
#endif
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

} // namespace fw

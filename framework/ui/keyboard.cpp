#include "framework/ui/keyboard.h"

#include <QGuiApplication>
#include <QSet>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <memory>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace fw {

namespace {

#if QT_CONFIG(xcb)
template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

// Walks up from the window with the X input focus to the root, looking for one of ours. None
// and PointerRoot (the keyboard follows the pointer) are nobody's window.
bool inputFocusInOwnWindow(xcb_connection_t *connection) {
    QSet<xcb_window_t> own;
    for (QWindow *window : QGuiApplication::allWindows())
        if (window->handle()) // never make a native window just to ask
            own.insert(xcb_window_t(window->winId()));
    const Owned<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr), &std::free);
    xcb_window_t window = focus ? focus->focus : xcb_window_t(XCB_NONE);
    while (window != XCB_NONE && window != XCB_INPUT_FOCUS_POINTER_ROOT) {
        if (own.contains(window))
            return true;
        const Owned<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr),
            &std::free);
        window = tree ? tree->parent : xcb_window_t(XCB_NONE); // the root's parent is None
    }
    return false;
}
#endif

} // namespace

bool keyboardIsInThisProgram() {
#if QT_CONFIG(xcb)
    // Offered on every platform; only X's has a connection.
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        if (xcb_connection_t *connection = x11->connection())
            return inputFocusInOwnWindow(connection);
#endif
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

} // namespace fw

#include "standindesktop.h"

#include <QSocketNotifier>
#include <cstdlib>
#include <cstring>

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

// A window of the stand-in's own, on the screen, which no window manager handles.
xcb_window_t ownWindow(xcb_connection_t *c, const xcb_screen_t &screen, int x, int y, int width,
                       int height) {
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t values[] = {screen.white_pixel, 1};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen.root, int16_t(x), int16_t(y),
                      uint16_t(width), uint16_t(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen.root_visual, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    xcb_map_window(c, window);
    return window;
}

} // namespace

StandInDesktop::StandInDesktop(const QByteArray &display) {
    int screenNumber = 0;
    connection_ = xcb_connect(display.constData(), &screenNumber);
    if (xcb_connection_has_error(connection_)) {
        missing_ = QStringLiteral("no connection to the X server at %1").arg(display);
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int n = 0; n < screenNumber; ++n)
        xcb_screen_next(&screens);
    const xcb_screen_t &screen = *screens.data;
    root_ = screen.root;

    // Only one client may redirect the root's children: being the window manager.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT;
    if (Owned<xcb_generic_error_t> error(
            xcb_request_check(connection_, xcb_change_window_attributes_checked(
                                               connection_, root_, XCB_CW_EVENT_MASK, &mask)),
            &std::free);
        error) {
        missing_ = QStringLiteral("another window manager runs on %1").arg(display);
        return;
    }
    otherProgram_ = ownWindow(connection_, screen, 700, 600, 200, 100);

    // What a program reads of its window manager when it connects.
    activeWindow_ = atom("_NET_ACTIVE_WINDOW");
    const xcb_atom_t check = atom("_NET_SUPPORTING_WM_CHECK");
    const xcb_window_t own = ownWindow(connection_, screen, -10, -10, 1, 1);
    for (xcb_window_t window : {root_, own})
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, check, XCB_ATOM_WINDOW, 32,
                            1, &own);
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, root_, atom("_NET_SUPPORTED"),
                        XCB_ATOM_ATOM, 32, 1, &activeWindow_);
    inputFocus(); // so that all of it is in place before the program connects
}

StandInDesktop::~StandInDesktop() {
    notifier_.reset();
    xcb_disconnect(connection_);
}

void StandInDesktop::serve() {
    notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_),
                                                  QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { handleEvents(); });
    handleEvents();
}

xcb_atom_t StandInDesktop::atom(const char *name) {
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection_,
                              xcb_intern_atom(connection_, 0, uint16_t(std::strlen(name)), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_NONE);
}

void StandInDesktop::focus(xcb_window_t window) {
    xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    inputFocus(); // done once the server has answered
}

xcb_window_t StandInDesktop::inputFocus() {
    const Owned<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr),
        &std::free);
    handleEvents(); // what arrived while waiting for the answer
    return reply ? reply->focus : xcb_window_t(XCB_NONE);
}

void StandInDesktop::handleEvents() {
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
        handle(*event);
        std::free(event);
    }
    xcb_flush(connection_);
}

void StandInDesktop::handle(const xcb_generic_event_t &event) {
    switch (event.response_type & 0x7f) { // the high bit marks an event another client sent
    case XCB_MAP_REQUEST:
        if (!holdingMaps_)
            xcb_map_window(connection_, reinterpret_cast<const xcb_map_request_event_t &>(event).window);
        break;
    case XCB_CLIENT_MESSAGE: {
        const auto &message = reinterpret_cast<const xcb_client_message_event_t &>(event);
        if (message.type != activeWindow_)
            break;
        activationRequests << message.window;
        if (!holdingActivations_)
            xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, message.window,
                                XCB_CURRENT_TIME);
        break;
    }
    default:
        break;
    }
}

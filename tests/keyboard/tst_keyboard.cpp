#include "plainwindow.h"
#include "standindesktop.h"
#include "xserver.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

xcb_window_t xWindow(const QWidget &window) {
    return xcb_window_t(window.winId());
}

} // namespace

// Where the keyboard goes when a window closes itself, on a real X server with a window manager
// and another program standing in for the user's desktop: it is handed back when the window
// manager left it on a window that no longer answers, and never taken from the other program.
class KeyboardTest : public QObject {
    Q_OBJECT
    StandInDesktop &desktop_;
    std::unique_ptr<PlainWindow> main_;

public:
    explicit KeyboardTest(StandInDesktop &desktop) : desktop_(desktop) {}

private slots:
    void init() {
        desktop_.holdMaps(false);
        desktop_.holdActivations(false);
        main_ = std::make_unique<PlainWindow>();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        QTRY_COMPARE(desktop_.inputFocus(), xWindow(*main_)); // at times a little after Qt's word
        desktop_.activationRequests.clear();
    }
    void cleanup() { main_.reset(); }

    // The window manager focused the main window while a modal window blocked it, one that it
    // has not mapped yet, or not focused yet: Qt passed the focus on to the modal window, which
    // could not take it, and no key reaches the main window. When the modal window closes, the
    // main window is active again, and stays so: Qt drops a window it took for active 100 ms after
    // that window is gone, the modal one here when it activated it on its own request.
    void aModalWindowClosedBeforeTheWindowManagerGotToItHandsTheKeyboardBack_data() {
        QTest::addColumn<bool>("mapped");
        QTest::newRow("not mapped") << false;
        QTest::newRow("mapped, not focused") << true;
    }
    void aModalWindowClosedBeforeTheWindowManagerGotToItHandsTheKeyboardBack() {
        QFETCH(bool, mapped);
        desktop_.focusOtherProgram(); // say, the window that opened the modal one
        QTRY_COMPARE(QApplication::activeWindow(), nullptr);
        desktop_.holdMaps(!mapped);
        desktop_.holdActivations(mapped);
        auto *modal = new PlainWindow;
        bool mainInactive = false; // no key would be answered
        QTimer::singleShot(0, modal, [&] {
            desktop_.focus(xWindow(*main_)); // as when the window above the main one closes
            QTimer::singleShot(200, modal, [&] {
                mainInactive = QApplication::activeWindow() != main_.get();
                modal->Close();
            });
        });
        modal->ShowModal();
        QVERIFY(mainInactive);
        QTest::qWait(400);
        QCOMPARE(QApplication::activeWindow(), main_.get());
        QCOMPARE(desktop_.inputFocus(), xWindow(*main_));
    }

    // While another program has the keyboard, a window opens and closes itself before the window
    // manager maps it: the other program keeps the keyboard, and nothing asks for it.
    void aWindowClosedBeforeItWasMappedLeavesTheKeyboardWithTheOtherProgram_data() {
        QTest::addColumn<bool>("modal");
        QTest::newRow("modal") << true;
        QTest::newRow("not modal") << false;
    }
    void aWindowClosedBeforeItWasMappedLeavesTheKeyboardWithTheOtherProgram() {
        QFETCH(bool, modal);
        desktop_.focusOtherProgram();
        QTRY_COMPARE(QApplication::activeWindow(), nullptr);
        desktop_.holdMaps(true);
        auto *window = new PlainWindow;
        if (modal) {
            QTimer::singleShot(0, window, &fw::Window::Close);
            window->ShowModal();
        } else {
            window->Close();
        }
        QTest::qWait(400); // for any hand-on, both of them, and the window manager's answer
        QCOMPARE(desktop_.activationRequests, QList<xcb_window_t>());
        QCOMPARE(desktop_.inputFocus(), desktop_.otherProgram());
    }

    // The user goes to another program, and a window that had the keyboard closes itself before
    // Qt has heard of it (Qt reports a window inactive some 100 ms after the X focus left it):
    // the other program keeps the keyboard, and nothing asks for it.
    void aWindowClosingJustAfterTheUserWentElsewhereTakesNothing() {
        PlainWindow *window = new PlainWindow;
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTRY_COMPARE(desktop_.inputFocus(), xWindow(*window));
        desktop_.activationRequests.clear();
        desktop_.focusOtherProgram(); // no event of Qt's is handled until the test waits below
        QCOMPARE(QApplication::activeWindow(), window);
        window->Close();
        QTest::qWait(400);
        QCOMPARE(desktop_.activationRequests, QList<xcb_window_t>());
        QCOMPARE(desktop_.inputFocus(), desktop_.otherProgram());
    }
};

// The X server and the stand-in window manager come before the application object, which
// connects to them and reads what the window manager offers as it starts.
int main(int argc, char **argv) {
    const XServer server;
    if (!server.missing().isEmpty()) {
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(server.missing()));
        return 1;
    }
    StandInDesktop desktop(server.display());
    if (!desktop.missing().isEmpty()) {
        std::fprintf(stderr, "FAIL: no stand-in desktop: %s\n", qPrintable(desktop.missing()));
        return 1;
    }
    qputenv("DISPLAY", server.display());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("WAYLAND_DISPLAY");
    // Qt on X asks the session's message bus about menus and tray icons: a bus that is not there,
    // rather than the user's, or one started through the X server.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/quillory-tests-have-no-bus");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    desktop.serve();
    KeyboardTest test(desktop);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keyboard.moc"

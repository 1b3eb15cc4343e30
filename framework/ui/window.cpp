#include "framework/ui/window.h"

#include "framework/ui/application.h"
#include "framework/ui/canvas.h"
#include "framework/ui/keyboard.h"
#include "framework/ui/menu.h"
#include "framework/ui/menubarview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLayout>
#include <QShortcut>
#include <QTimer>

namespace fw {

namespace {
constexpr int smallestSide = 64;
constexpr int largestSide = 32000;
// Longer than Qt's wait, under X, between a window's losing the focus and its report of it.
constexpr int focusOutDeferral = 150;

// The windows in the order they were last active, the latest first.
QList<QPointer<Window>> &activationOrder() {
    static QList<QPointer<Window>> order;
    return order;
}

// Gives the keyboard to the window that should have it now, unless a window has it or the
// keyboard is with another program: the modal window if one shows, else the open window that was
// active last.
void activateNextWindow() {
    QWidget *active = QApplication::activeWindow();
    if ((active && active->isVisible()) || !keyboardIsInThisProgram())
        return;
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal->activateWindow();
    for (const QPointer<Window> &window : activationOrder())
        if (window && window->isVisible() && !window->isClosed())
            return window->activateWindow();
}
} // namespace

Window::Window() : content_(new QWidget(this)) {
    setCentralWidget(content_);
    // The window takes the size of its content area and its menu bar, and the
    // user cannot resize it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    auto pressDefault = [this] {
        if (defaultButton_ && defaultButton_->isEnabled() && defaultButton_->isVisible())
            defaultButton_->click();
    };
    for (QKeySequence key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, pressDefault);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] {
        if (cancelButton_ && cancelButton_->isEnabled() && cancelButton_->isVisible())
            cancelButton_->click();
    });
}

Window::~Window() = default;

void Window::construct() {
    ++running_;
    guarded([this] {
        Layout();
        CreateControls();
        AddMenuHandlers();
        buildMenuBar();
        Event_Open();
        // The default button starts with the keyboard focus, as in a dialog.
        if (defaultButton_)
            defaultButton_->setFocus();
        if (!closed_)
            Show();
    });
    --running_;
    deleteWhenIdle();
}

void Window::setDesign(const QString &title, int width, int height, WindowFrame frame) {
    // Only the buttons asked for: the window manager offers no others.
    Qt::WindowFlags flags =
        (frame.code == 1 ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags.setFlag(Qt::WindowCloseButtonHint, frame.closeButton);
    flags.setFlag(Qt::WindowMinimizeButtonHint, frame.minimizeButton);
    flags.setFlag(Qt::WindowMaximizeButtonHint, frame.maximizeButton);
    setWindowFlags(flags);
    setWindowTitle(title);
    content_->setFixedSize(width, height);
}

void Window::buildMenuBar() {
    MenuBar *bar = menuBar_;
    if (!bar && applicationObject())
        bar = applicationObject()->DefaultMenuBar();
    if (bar)
        buildQtMenuBar(*bar, *this);
}

void Window::Show() {
    if (closed_)
        return;
    show();
    raise();
    activateWindow();
}

void Window::ShowModal() {
    if (closed_)
        return;
    ++running_;
    if (windowModality() != Qt::ApplicationModal) {
        // Modality takes effect when a window is shown, so show it anew. One the window manager
        // has not mapped yet gets a new native window: withdrawn and mapped again before it was
        // mapped, it at times stayed withdrawn, off the screen, while Qt took it for shown.
        const bool mapped = testAttribute(Qt::WA_Mapped);
        hide();
        if (!mapped)
            destroy();
        setWindowModality(Qt::ApplicationModal);
    }
    Show();
    if (!closed_) {
        QEventLoop loop;
        connect(this, &Window::closed, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::DialogExec);
    }
    --running_;
    deleteWhenIdle();
}

// A window that closes itself hands the keyboard on. A window manager does so only for a window
// it had focused: one closed before it was mapped leaves the X focus on the window beneath, which
// Qt left inactive as the focus came while a modal window blocked it, and then no window answers
// the keyboard. Nothing is handed on unless the keyboard is in one of this program's windows: the
// user may have gone to another program just before, which Qt does not know yet. Asked once the
// caller has shown what it opens next.
//
// Under X, Qt drops its active window some 100 ms after a window it took for active is gone, even
// one that never had the X focus (a modal window that Qt activated on its own request before the
// window manager got to it). A window activated meanwhile is dropped with it, while the X focus
// stays where it was and no event comes to undo that: so the keyboard is handed on once more when
// that time has passed.
void Window::Close() {
    const bool handOn = isVisible() && (isActiveWindow() || !activationOrder().contains(this));
    close();
    if (!handOn)
        return;
    QMetaObject::invokeMethod(qApp, &activateNextWindow, Qt::QueuedConnection);
    connect(this, &QObject::destroyed, qApp,
            [] { QTimer::singleShot(focusOutDeferral, qApp, &activateNextWindow); });
}

void Window::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        activationOrder().removeIf([this](const QPointer<Window> &w) { return !w || w == this; });
        activationOrder().prepend(this);
    }
    QMainWindow::changeEvent(event);
}

void Window::closeEvent(QCloseEvent *event) {
    event->accept();
    if (closed_)
        return;
    closed_ = true;
    ++running_;
    guarded([this] { Event_Close(); });
    --running_;
    emit closed();
    deleteWhenIdle();
}

void Window::deleteWhenIdle() {
    if (closed_ && running_ == 0)
        deleteLater();
}

// A deal asks for a redraw many times before the event loop paints anything, so the requests of
// one turn of the loop come to one repaint, made when the loop next runs. Standard controls
// repaint themselves when their contents change; a canvas draws module state that Qt cannot see
// change, so the canvases are what a redraw repaints.
void Window::Refresh(bool) {
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refreshPending_ = false;
            for (Canvas *canvas : content_->findChildren<Canvas *>())
                canvas->update();
        },
        Qt::QueuedConnection);
}

// QWidget::move places the frame, which a window manager draws only once the window is on the
// screen: a window moved before and after that would land in two places. The geometry is the
// inside of the frame in both cases.
void Window::setLeft(int left) {
    setGeometry(left, Top(), width(), height());
}
void Window::setTop(int top) {
    setGeometry(Left(), top, width(), height());
}

int Window::Width() const {
    return content_->width();
}
int Window::Height() const {
    return content_->height();
}

void Window::setWidth(int width) {
    content_->setFixedWidth(std::clamp(width, smallestSide, largestSide));
}

void Window::setHeight(int height) {
    content_->setFixedHeight(std::clamp(height, smallestSide, largestSide));
}

bool Window::runHandler(const std::function<bool()> &handler) {
    ++running_;
    bool result = false;
    guarded([&] { result = handler(); });
    --running_;
    deleteWhenIdle();
    return result;
}

void Window::runAction(const std::function<void()> &action) {
    runHandler([&] {
        action();
        return false;
    });
}

void Window::setDefaultButton(QAbstractButton *button) {
    defaultButton_ = button;
}
void Window::setCancelButton(QAbstractButton *button) {
    cancelButton_ = button;
}

void Window::bindAction(QAbstractButton *button, std::function<void()> action) {
    connect(button, &QAbstractButton::clicked, this,
            [this, action = std::move(action)] { runAction(action); });
}

Window *frontWindow() {
    return qobject_cast<Window *>(QApplication::activeWindow());
}

bool dispatchMenuItem(const QString &itemName, Window *front) {
    bool ran = false;
    if (front && front->hasMenuHandler(itemName)) {
        ran = true;
        const MenuHandlers::Handler handler = front->menuHandler(itemName);
        if (front->runHandler(handler))
            return true;
    }
    Application *app = applicationObject();
    if (app && app->hasMenuHandler(itemName)) {
        ran = true;
        const MenuHandlers::Handler handler = app->menuHandler(itemName);
        guarded([&] { handler(); });
    }
    return ran;
}

} // namespace fw

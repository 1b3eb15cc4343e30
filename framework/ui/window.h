#pragma once

#include "framework/core/exceptions.h"
#include "framework/ui/menuhandlers.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAbstractButton;

namespace fw {

class MenuBar;

// The frame a window's design asks for: code 0 is a document window, 1 a modal dialog's frame;
// and which buttons its title bar offers.
struct WindowFrame {
    int code = 0;
    bool closeButton = true;
    bool minimizeButton = false;
    bool maximizeButton = false;
};

// A window of the runtime on a QMainWindow. Its content area (the central widget)
// has the design size and holds the controls at their design positions; its menu
// bar is built from a menu model. A window is reached through its class's implicit
// instance (implicitInstance below): made on first use, forgotten when closed, and
// deleted only once none of its handlers is still running.
class Window : public QMainWindow, public MenuHandlers {
    Q_OBJECT
public:
    Window();
    ~Window() override;

    // Runs the window's construction: Layout, CreateControls, AddMenuHandlers, the
    // Open event, then shows the window (every design is visible), unless it closed meanwhile.
    void construct();

    void Show();
    // Shows the window modally; returns once it has closed. The event loop runs meanwhile.
    void ShowModal();
    void Close();
    // Asks for the window to be redrawn; requests made before the event loop next runs come to
    // one repaint then.
    void Refresh(bool eraseBackground = true);
    bool isClosed() const { return closed_; }

    // Position on the screen of the window's inside, within the frame that the window manager
    // draws around it (the menu bar at its top, where a Mac shows it at the top of the screen);
    // and the size of its content area below the menu bar.
    int Left() const { return geometry().x(); }
    int Top() const { return geometry().y(); }
    int Width() const;
    int Height() const;
    void setLeft(int left);
    void setTop(int top);
    // Sizes are kept within the design's minimum and maximum (64 to 32000).
    void setWidth(int width);
    void setHeight(int height);

    // The window's own menu bar model; without one it shows the application's.
    MenuBar *WindowMenuBar() const { return menuBar_; }
    void setWindowMenuBar(MenuBar *bar) { menuBar_ = bar; }

    // Runs one of this window's handlers: the window stays alive while it runs,
    // and an exception that escapes it is reported.
    bool runHandler(const std::function<bool()> &handler);
    void runAction(const std::function<void()> &action);

    // The control registered under that name (its object name); raises
    // NilObjectException when there is none.
    template <typename T> T &control(const QString &name) const {
        T *found = findChild<T *>(name);
        if (!found)
            throw NilObjectException(("no control named " + name).toStdString());
        return *found;
    }

    // The content area that holds the controls.
    QWidget *content() const { return content_; }

signals:
    void closed();

protected:
    // Construction steps a window class fills in.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}
    virtual void Event_Open() {}
    virtual void Event_Close() {}

    // Design helpers for Layout and CreateControls. Every window is visible by its design.
    void setDesign(const QString &title, int width, int height, WindowFrame frame = {});
    // Registers a control under its name at its design place in the content area.
    template <typename T>
    T *addControl(T *control, const QString &name, int left, int top, int width, int height) {
        control->setParent(content_);
        control->setObjectName(name);
        control->setGeometry(left, top, width, height);
        return control;
    }
    // Return presses the default button, Escape the cancel button.
    void setDefaultButton(QAbstractButton *button);
    void setCancelButton(QAbstractButton *button);
    // Binds a button's Action event to a handler of this window.
    void bindAction(QAbstractButton *button, std::function<void()> action);

    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void deleteWhenIdle();
    void buildMenuBar();

    QWidget *content_;
    MenuBar *menuBar_ = nullptr;
    QPointer<QAbstractButton> defaultButton_, cancelButton_;
    bool closed_ = false;
    int running_ = 0;
    bool refreshPending_ = false;
};

template <typename T> QPointer<T> &instanceSlot() {
    static QPointer<T> current;
    return current;
}

// The implicit instance of a window class: the open window of that class, or a new
// one made and constructed now.
template <typename T> T &implicitInstance() {
    QPointer<T> &current = instanceSlot<T>();
    if (current.isNull() || current->isClosed()) {
        T *window = new T;
        current = window;
        window->construct();
    }
    return *current;
}

// Shows the one window of a class and returns false: a menu handler that only
// shows a window leaves the command to the next handler too.
template <typename T> bool showInstance() {
    implicitInstance<T>().Show();
    return false;
}

// The open window of a class, or nullptr; never makes one.
template <typename T> T *openInstance() {
    QPointer<T> &current = instanceSlot<T>();
    return current.isNull() || current->isClosed() ? nullptr : current.data();
}

// The window that menu commands go to first: the active window, or nullptr.
Window *frontWindow();

// Dispatches a chosen menu item by name: to the front window's handler, then,
// unless that one returned true, to the application's. Returns whether a
// handler ran.
bool dispatchMenuItem(const QString &itemName, Window *front);

} // namespace fw

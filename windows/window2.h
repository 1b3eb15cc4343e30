#pragma once

#include "framework/ui/window.h"

namespace fw {
class Canvas;
class Graphics;
} // namespace fw

// The page window, "Page of Quillory": a worksheet of the eight hands of the last page dealt,
// painted from the module's state. It keeps nothing of its own; printing the page is the
// application's command on this window's menu bar.
class Window2 : public fw::Window {
    Q_OBJECT
public:
    // The one page window, made (and shown) on first use.
    static Window2 &instance() { return fw::implicitInstance<Window2>(); }

    fw::Canvas &Canvas1() const;
    // Every paint draws the whole page.
    void Canvas1_Paint(fw::Canvas &canvas, fw::Graphics &g);

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void _CreateControls0();
};

#pragma once

#include "framework/ui/window.h"

// A window of the framework with nothing in it, shown as it is made.
class PlainWindow : public fw::Window {
public:
    PlainWindow() { construct(); }

protected:
    void Layout() override { setDesign(QStringLiteral("Plain"), 100, 80); }
};

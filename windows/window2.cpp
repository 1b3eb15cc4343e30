#include "windows/window2.h"

#include "app/menubars.h"
#include "framework/ui/canvas.h"
#include "windows/worksheet.h"

void Window2::Layout() {
    setWindowMenuBar(&MenuBar2::instance());
    setDesign(QStringLiteral("Page of Quillory"), 612, 792);
}

void Window2::CreateControls() {
    _CreateControls0();
}

void Window2::_CreateControls0() {
    // The canvas keeps the full page size; a smaller window cuts it off at its edges, and the
    // page is then painted with smaller numbers so that it stays inside.
    auto *canvas = addControl(new fw::Canvas, QStringLiteral("Canvas1"), 0, 0, 612, 792);
    canvas->PaintHandler = [this](fw::Canvas &c, fw::Graphics &g) {
        runAction([&] { Canvas1_Paint(c, g); });
    };
}

fw::Canvas &Window2::Canvas1() const {
    return control<fw::Canvas>(QStringLiteral("Canvas1"));
}

void Window2::Canvas1_Paint(fw::Canvas &, fw::Graphics &g) {
    drawWorksheet(g, screenLayout());
}

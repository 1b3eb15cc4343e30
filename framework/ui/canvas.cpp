#include "framework/ui/canvas.h"

#include "framework/ui/graphicspainter.h"

#include <QPainter>

namespace fw {

Canvas::Canvas(QWidget *parent) : QWidget(parent) {
    // The paint event covers every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!PaintHandler)
        return;
    PainterGraphics graphics(painter, QSizeF(size()));
    PaintHandler(*this, graphics);
}

} // namespace fw

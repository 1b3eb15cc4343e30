#pragma once

#include "framework/ui/graphics.h"

#include <QSizeF>

class QPainter;

namespace fw {

// Graphics on a QPainter: the canvas, an image, or a printer (see printing.h). The painter's unit
// must already be one page unit; text is laid out in page units and drawn through the painter's
// transform, so a printer's painter scaled to points prints N-unit text N points high.
class PainterGraphics : public Graphics {
public:
    PainterGraphics(QPainter &painter, const QSizeF &pageSize);

    void DrawString(const QString &text, double x, double y, double wrapWidth = 0,
                    bool condense = false) override;
    void NextPage() override {}
    double Width() const override { return size_.width(); }
    double Height() const override { return size_.height(); }
    void drawTextBlock(const TextBlock &block, double x, double y) override;

protected:
    QPainter &painter() const { return painter_; }

private:
    QPainter &painter_;
    QSizeF size_;
};

} // namespace fw

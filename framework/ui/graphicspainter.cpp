#include "framework/ui/graphicspainter.h"

#include "framework/ui/graphicsfonts.h"
#include "framework/ui/graphicstextblock.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

namespace fw {

namespace {

// Wider than any page, so an unwrapped line is never broken.
constexpr double unwrappedWidth = 1e6;

} // namespace

PainterGraphics::PainterGraphics(QPainter &painter, const QSizeF &pageSize)
    : painter_(painter), size_(pageSize) {}

void PainterGraphics::DrawString(const QString &text, double x, double y, double wrapWidth,
                                 bool condense) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QFont font = this->font();
    const bool cut = condense && wrapWidth > 0;
    QString shown = text;
    if (cut) {
        shown.replace(lineBreak, QStringLiteral(" "));
        shown = QFontMetricsF(font, &pageUnitDevice()).elidedText(shown, Qt::ElideRight, wrapWidth);
    } else {
        shown.replace(lineBreak, QString(QChar::LineSeparator));
    }

    QTextLayout layout(shown, font, &pageUnitDevice());
    QTextOption option;
    option.setWrapMode(wrapWidth > 0 && !cut ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                             : QTextOption::ManualWrap);
    // Unhinted advances, so a line is as long on screen as on paper.
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.beginLayout();
    double top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrapWidth > 0 ? wrapWidth : unwrappedWidth);
        line.setPosition(QPointF(0, top));
        top += line.height();
    }
    layout.endLayout();
    if (layout.lineCount() == 0)
        return;
    painter_.setPen(ForeColor());
    layout.draw(&painter_, QPointF(x, y - layout.lineAt(0).ascent()));
}

void PainterGraphics::drawTextBlock(const TextBlock &block, double x, double y) {
    painter_.setPen(ForeColor());
    block.draw(painter_, QPointF(x, y));
}

} // namespace fw

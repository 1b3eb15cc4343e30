#include "framework/ui/graphicspainter.h"

#include "framework/ui/graphicsfonts.h"
#include "framework/ui/graphicstextblock.h"

#include <QCache>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>
#include <memory>

namespace fw {

namespace {

// Wider than any page, so an unwrapped line is never broken.
constexpr double unwrappedWidth = 1e6;

// Lays a text out in page units, its first line's top at 0.
std::unique_ptr<QTextLayout> layOut(const QString &text, const QFont &font, double wrapWidth,
                                    bool condense) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const bool cut = condense && wrapWidth > 0;
    // Few texts hold a line break; the others need no expression.
    const bool breaks = text.contains(u'\n') || text.contains(u'\r');
    QString shown = text;
    if (cut) {
        if (breaks)
            shown.replace(lineBreak, QStringLiteral(" "));
        shown = QFontMetricsF(font, &pageUnitDevice()).elidedText(shown, Qt::ElideRight, wrapWidth);
    } else if (breaks) {
        shown.replace(lineBreak, QString(QChar::LineSeparator));
    }

    auto layout = std::make_unique<QTextLayout>(shown, font, &pageUnitDevice());
    QTextOption option;
    option.setWrapMode(wrapWidth > 0 && !cut ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                             : QTextOption::ManualWrap);
    // Unhinted advances, so a line is as long on screen as on paper.
    option.setUseDesignMetrics(true);
    layout->setTextOption(option);
    // Keeps the shaped glyphs for drawing, which would otherwise shape the text again.
    layout->setCacheEnabled(true);
    layout->beginLayout();
    double top = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(wrapWidth > 0 ? wrapWidth : unwrappedWidth);
        line.setPosition(QPointF(0, top));
        top += line.height();
    }
    layout->endLayout();
    return layout;
}

// Unwrapped texts as laid out, for the next paint: a page draws the same labels every time, and
// its holdings repeat. A layout is made on pageUnitDevice() whatever the painter, so it depends
// on the text and the font alone.
struct LayoutKey {
    QString text;
    QFont font;
    friend bool operator==(const LayoutKey &a, const LayoutKey &b) {
        return a.text == b.text && a.font == b.font;
    }
};

size_t qHash(const LayoutKey &key, size_t seed = 0) {
    return qHashMulti(seed, key.text, key.font);
}

using LayoutCache = QCache<LayoutKey, QTextLayout>;
// Enough for a few pages of different strings.
constexpr qsizetype keptLayouts = 256;

LayoutCache *layoutCache = nullptr;

// Goes with the application: a layout holds font engines, which must not outlive the font
// database.
void dropLayoutCache() {
    delete layoutCache;
    layoutCache = nullptr;
}

const QTextLayout &unwrappedLayout(const QString &text, const QFont &font) {
    if (!layoutCache) {
        layoutCache = new LayoutCache(keptLayouts);
        qAddPostRoutine(dropLayoutCache);
    }
    LayoutKey key{text, font};
    if (QTextLayout *kept = layoutCache->object(key))
        return *kept;
    QTextLayout *layout = layOut(text, font, 0, false).release();
    layoutCache->insert(std::move(key), layout);
    return *layout;
}

} // namespace

PainterGraphics::PainterGraphics(QPainter &painter, const QSizeF &pageSize)
    : painter_(painter), size_(pageSize) {}

void PainterGraphics::DrawString(const QString &text, double x, double y, double wrapWidth,
                                 bool condense) {
    const QFont font = this->font();
    std::unique_ptr<QTextLayout> wrapped;
    if (wrapWidth > 0)
        wrapped = layOut(text, font, wrapWidth, condense);
    const QTextLayout &layout = wrapped ? *wrapped : unwrappedLayout(text, font);
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

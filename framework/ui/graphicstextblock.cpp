#include "framework/ui/graphicstextblock.h"

namespace fw {

QStringList TextBlock::texts() const {
    QStringList texts;
    for (const Line &line : lines_)
        texts << line.text;
    return texts;
}

void TextBlock::draw(QPainter &painter, const QPointF &topLeft) const {
    for (const Line &line : lines_)
        line.line.draw(&painter, topLeft + line.origin);
}

} // namespace fw

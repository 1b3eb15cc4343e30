#pragma once

#include <QList>
#include <QPointF>
#include <QStringList>
#include <QTextLine>

class QPainter;

namespace fw {

// Whole lines of a text laid out by Qt, as a StyledTextPrinter hands them to a surface. The lines
// are handles into the printer's layout and are valid only during Graphics::drawTextBlock.
class TextBlock {
public:
    struct Line {
        QTextLine line;
        QString text;   // the line as shown, without the spaces it broke at
        QPointF origin; // where QTextLine::draw puts it, relative to the block's top-left corner
    };

    TextBlock(QList<Line> lines, double height) : lines_(std::move(lines)), height_(height) {}

    const QList<Line> &lines() const { return lines_; }
    QStringList texts() const;
    // From the top of the first line to the bottom of the last, in page units.
    double height() const { return height_; }

    // Draws the lines with the block's top-left corner at topLeft, in the painter's pen colour.
    void draw(QPainter &painter, const QPointF &topLeft) const;

private:
    QList<Line> lines_;
    double height_;
};

} // namespace fw

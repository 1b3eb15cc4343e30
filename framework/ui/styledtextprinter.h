#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QTextLine>
#include <memory>

class QTextDocument;

namespace fw {

class Graphics;

// Prints a long plain text block by block, for pages. The text is laid out once, by Qt, at the
// given width in the font that the Graphics holds at construction (family, size, boldness):
// lines break at word boundaries (a word longer than a line breaks anywhere), and each line
// break in the text (CR, LF or CR LF) ends a paragraph, so CR CR leaves an empty line. Each
// block is drawn in the colour the Graphics holds at that moment.
// The Graphics must outlive the printer.
class StyledTextPrinter {
public:
    StyledTextPrinter(const QString &text, Graphics &graphics, double width);
    StyledTextPrinter(StyledTextPrinter &&) noexcept;
    StyledTextPrinter &operator=(StyledTextPrinter &&) noexcept;
    ~StyledTextPrinter();

    // Draws, with its top-left corner at (x, y), the next whole lines that fit into the height,
    // continuing where the last block stopped. A line taller than the height is drawn alone, so
    // a loop of blocks always comes to an end. Nothing happens once Eof() is true.
    void DrawBlock(double x, double y, double height);

    // True once every line has been drawn; true from the start for a text without any.
    // (Not "EOF": the C library makes that a macro.)
    bool Eof() const { return next_ >= lines_.size(); }

private:
    struct Line {
        QTextLine line;
        QString text;
        QPointF layoutPosition;
        double top; // in the whole text
        double bottom;
    };

    Graphics *graphics_;
    std::unique_ptr<QTextDocument> document_; // owns the layouts that the lines point into
    QList<Line> lines_;
    qsizetype next_ = 0;
};

} // namespace fw

#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

namespace fw {

class TextBlock;

// A drawing surface: the canvas of a window, a printed page, or a recorder in tests.
//
// Page units: x grows to the right and y downwards from the surface's top-left corner. On a
// canvas one unit is one pixel; on paper one unit is one point (1/72 inch) and the origin is the
// top-left corner of the printer's printable area. A text size of N units is N pixels on screen
// and N points on paper.
//
// The drawing state (font, size, colour, boldness) holds for every later drawing until changed.
class Graphics {
public:
    Graphics() = default;
    Graphics(const Graphics &) = delete;
    Graphics &operator=(const Graphics &) = delete;
    virtual ~Graphics();

    // Font family by name; "System" is the application's font. Families that are not installed
    // fall back to metric-compatible faces (see graphicsfonts.h).
    virtual void setTextFont(const QString &family);
    QString TextFont() const { return family_; }
    // Text size in page units; 0 or less means the default size of 12.
    virtual void setTextSize(double size);
    double TextSize() const { return size_; }
    virtual void setForeColor(const QColor &color);
    QColor ForeColor() const { return color_; }
    virtual void setBold(bool bold);
    bool Bold() const { return bold_; }

    // Draws text with the start of its first baseline at (x, y). A wrap width above 0 breaks the
    // text into lines at word boundaries, each line one line height below the last; with condense
    // the text is cut to fit the wrap width on one line, ending in an ellipsis. Line breaks in the
    // text (CR, LF or CR LF) always start a new line.
    virtual void DrawString(const QString &text, double x, double y, double wrapWidth = 0,
                            bool condense = false) = 0;

    // Ends the printed page and starts the next; a screen surface has one page and ignores it.
    virtual void NextPage() = 0;

    // The size of the surface in page units.
    virtual double Width() const = 0;
    virtual double Height() const = 0;

    // Draws lines laid out by a StyledTextPrinter, the top-left corner of the first at (x, y), in
    // the current colour. The lines keep the font they were laid out in.
    virtual void drawTextBlock(const TextBlock &block, double x, double y) = 0;

    // The current font, family and size resolved for page units (see pageFont()).
    QFont font() const;

private:
    QString family_ = QStringLiteral("System");
    double size_ = 12;
    QColor color_ = Qt::black;
    bool bold_ = false;
    // The font resolved for the state above; a page sets its font once for many strings, and
    // resolving one is costly.
    mutable std::optional<QFont> font_;
};

// A colour from red, green and blue (0 to 255) and a transparency, where 0 is opaque and 255 is
// fully transparent: RGB(0, 0, 0, 0) is black.
QColor RGB(int red, int green, int blue, int transparency = 0);

} // namespace fw

#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>

// The smallest rectangle holding every pixel darker than mid-grey; a null rectangle when there
// is none.
QRect inkBounds(const QImage &image);

// The bands of rows that hold ink, top to bottom: the lines of text on a page.
QList<QRect> inkBands(const QImage &image);

// The colour of the darkest pixel within the rectangle: the colour a text was drawn in.
QColor inkColour(const QImage &image, const QRect &within);

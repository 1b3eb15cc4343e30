#include "imageink.h"

namespace {

bool isInk(QRgb pixel) {
    return qGray(pixel) < 128;
}

// The ink of rows first to last, or a null rectangle.
QRect inkOfRows(const QImage &image, int first, int last) {
    QRect bounds;
    for (int y = first; y <= last; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

QRect inkBounds(const QImage &image) {
    return inkOfRows(image, 0, image.height() - 1);
}

QList<QRect> inkBands(const QImage &image) {
    QList<QRect> bands;
    int first = -1;
    for (int y = 0; y <= image.height(); ++y) {
        const bool ink = y < image.height() && !inkOfRows(image, y, y).isNull();
        if (ink && first < 0)
            first = y;
        if (!ink && first >= 0) {
            bands << inkOfRows(image, first, y - 1);
            first = -1;
        }
    }
    return bands;
}

QColor inkColour(const QImage &image, const QRect &within) {
    QRgb darkest = qRgb(255, 255, 255);
    const QRect area = within & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < qGray(darkest))
                darkest = image.pixel(x, y);
    return QColor::fromRgba(darkest);
}

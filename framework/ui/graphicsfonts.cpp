#include "framework/ui/graphicsfonts.h"

#include <QGuiApplication>
#include <QImage>

namespace fw {

void installFontSubstitutions() {
    static const bool installed = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Geneva"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Courier"), QStringLiteral("Liberation Mono"));
        return true;
    }();
    Q_UNUSED(installed);
}

QFont pageFont(const QString &family, double size, bool bold) {
    installFontSubstitutions();
    QFont font = family == QLatin1String("System") ? QGuiApplication::font() : QFont(family);
    // At 72 dots per inch a point is a pixel, so the size in points is the size in units.
    font.setPointSizeF(size > 0 ? size : 12);
    font.setBold(bold);
    return QFont(font, &pageUnitDevice());
}

QPaintDevice &pageUnitDevice() {
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        const int dotsPerMeter = qRound(72 / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

} // namespace fw

#include "framework/ui/controls.h"

#include <QApplication>

namespace fw {

QFont designFont(const QString &family, int size, bool bold) {
    QFont font = QApplication::font();
    if (family != QLatin1String("System"))
        font.setFamily(family);
    if (size > 0)
        font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

} // namespace fw

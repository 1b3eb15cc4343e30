#include "framework/ui/controls.h"

#include <QApplication>

namespace fw {

QFont designFont(const QString &family, int pointSize, bool bold) {
    QFont font = QApplication::font();
    if (family != QLatin1String("System"))
        font.setFamily(family);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace fw

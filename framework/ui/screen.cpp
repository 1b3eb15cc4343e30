#include "framework/ui/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <limits>

namespace fw {

int ScreenAvailableHeight() {
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().height() : 0;
}

int toInt32(double value) {
    if (std::isnan(value))
        return 0;
    const double rounded = std::round(value);
    if (rounded >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(rounded);
}

} // namespace fw

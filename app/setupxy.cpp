#include "app/app.h"

#include "engine/module1.h"
#include "framework/ui/screen.h"

#include <array>

namespace {

// The full-size page: a US Letter sheet of 612 by 792 points. Row r of hands
// starts at 70 + 180 r, its six lines at 0, 20, 40, 60, 100 and 120 below that.
constexpr std::array<int, 6> baseX = {10, 25, 120, 330, 425, 130};
constexpr std::array<int, 26> baseY = {20,  70,  90,  110, 130, 170, 190, 250, 270,
                                       290, 310, 350, 370, 430, 450, 470, 490, 530,
                                       550, 610, 630, 650, 670, 710, 730, 780};
constexpr int baseWindowHeight = 792;
constexpr int baseWindowWidth = 612;
constexpr int baseTextSize = 14;
// Screens up to this available height get the page scaled down.
constexpr int fullSizeThreshold = 892;

} // namespace

void App::SetUpXY() {
    setUpXYFor(fw::ScreenAvailableHeight());
}

void App::setUpXYFor(int h) {
    if (h > fullSizeThreshold) {
        for (std::size_t i = 0; i < baseX.size(); ++i)
            Module1::X[i] = baseX[i];
        for (std::size_t i = 0; i < baseY.size(); ++i)
            Module1::Y[i] = baseY[i];
        Module1::Window2Height = baseWindowHeight;
        Module1::Window2Width = baseWindowWidth;
        Module1::TextFontSize = baseTextSize;
        return;
    }
    // Every number shrinks by one factor, each from its base value.
    Module1::Scale = double(h - 100) / double(fullSizeThreshold);
    const double scale = Module1::Scale;
    for (std::size_t i = 0; i < baseX.size(); ++i)
        Module1::X[i] = fw::toInt32(baseX[i] * scale);
    for (std::size_t i = 0; i < baseY.size(); ++i)
        Module1::Y[i] = fw::toInt32(baseY[i] * scale);
    Module1::Window2Height = fw::toInt32(baseWindowHeight * scale);
    Module1::Window2Width = fw::toInt32(baseWindowWidth * scale);
    Module1::TextFontSize = fw::toInt32(baseTextSize * scale);
}

#include "windows/worksheet.h"

#include "app/addresses.h"
#include "engine/module1.h"
#include "framework/ui/graphics.h"

namespace {

const QString header = QStringLiteral(
    "This page of Quillory may help a new Bridge player learn to make an initial bid.");

// Offsets of a row's six lines below its first: four suits, then a gap before the labels.
constexpr std::array<int, 6> lineOffsets = {0, 20, 40, 60, 100, 120};

} // namespace

WorksheetLayout screenLayout() {
    WorksheetLayout layout;
    layout.headerX = Module1::X0;
    layout.headerY = Module1::Y0;
    layout.labelX = {Module1::X1, Module1::X3};
    layout.holdingX = {Module1::X2, Module1::X4};
    // Y1 to Y24, six to a row.
    for (std::size_t r = 0; r < 4; ++r)
        for (std::size_t line = 0; line < 6; ++line)
            layout.lineY[r][line] = Module1::Y[1 + 6 * r + line];
    layout.footerX = Module1::X5;
    layout.footerY = Module1::Y25;
    layout.textSize = Module1::TextFontSize;
    return layout;
}

WorksheetLayout printedLayout() {
    WorksheetLayout layout;
    layout.headerX = 5;
    layout.headerY = 20;
    layout.labelX = {25, 330};
    layout.holdingX = {120, 425};
    for (std::size_t r = 0; r < 4; ++r)
        for (std::size_t line = 0; line < 6; ++line)
            layout.lineY[r][line] = 50 + 180 * int(r) + lineOffsets[line];
    layout.footerX = 130;
    layout.footerY = 730;
    layout.textSize = 14;
    return layout;
}

void drawWorksheet(fw::Graphics &g, const WorksheetLayout &layout) {
    // Set once: every string below is drawn in it.
    g.setTextFont(QStringLiteral("Geneva"));
    g.setTextSize(layout.textSize);
    g.setForeColor(fw::RGB(0, 0, 0, 0));
    g.setBold(true);

    g.DrawString(header, layout.headerX, layout.headerY);
    // Row by row, left hand before right: 1, 5, 2, 6, 3, 7, 4, 8.
    for (std::size_t r = 0; r < 4; ++r) {
        const std::array<int, 6> &y = layout.lineY[r];
        for (std::size_t column = 0; column < 2; ++column) {
            const std::size_t hand = 4 * column + r;
            const int label = layout.labelX[column];
            const int holding = layout.holdingX[column];
            g.DrawString(Module1::Title1, label, y[0]);
            g.DrawString(Module1::SpadesOfHand[hand], holding, y[0]);
            g.DrawString(Module1::Title2, label, y[1]);
            g.DrawString(Module1::HeartsOfHand[hand], holding, y[1]);
            g.DrawString(Module1::Title3, label, y[2]);
            g.DrawString(Module1::DiamondsOfHand[hand], holding, y[2]);
            g.DrawString(Module1::Title4, label, y[3]);
            g.DrawString(Module1::ClubsOfHand[hand], holding, y[3]);
            g.DrawString(Module1::Points[hand], label, y[4]);
            g.DrawString(Module1::Bid, label, y[5]);
        }
    }
    g.DrawString(addresses::makerWebAddress, layout.footerX, layout.footerY);
}

#pragma once

#include <array>

namespace fw {
class Graphics;
}

// Where the worksheet of eight hands stands on a surface: the page window's canvas or a printed
// page. Both draw the same 82 strings in the same order; only these numbers differ.
struct WorksheetLayout {
    int headerX = 0, headerY = 0;
    // Column 0 holds hands 1 to 4, column 1 hands 5 to 8.
    std::array<int, 2> labelX{}, holdingX{};
    // Row r holds hands r + 1 and r + 5. Its six lines: spades, hearts, diamonds, clubs, then the
    // points label and the bid label.
    std::array<std::array<int, 6>, 4> lineY{};
    int footerX = 0, footerY = 0;
    int textSize = 0;
};

// The page window's layout: the page layout numbers computed at start-up for this screen.
WorksheetLayout screenLayout();

// The printed layout: fixed, so the paper is the same whatever the screen.
WorksheetLayout printedLayout();

// Draws the header, the eight hands (1, 5, 2, 6, 3, 7, 4, 8) from the module's page holdings and
// labels, and the footer.
void drawWorksheet(fw::Graphics &g, const WorksheetLayout &layout);

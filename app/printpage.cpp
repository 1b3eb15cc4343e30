#include "app/app.h"

#include "framework/ui/printing.h"
#include "windows/worksheet.h"

// Prints the page on show at fixed coordinates, the same on every screen. The job is one page
// and ends when the printer's Graphics is let go. A cancelled dialog prints nothing; the command
// is handled either way.
bool App::_FilePrintPageofHands_Action() {
    if (std::unique_ptr<fw::Graphics> g = fw::OpenPrinterDialog())
        drawWorksheet(*g, printedLayout());
    return true;
}

#pragma once

#include "framework/ui/graphics.h"

#include <memory>

class QPrinter;

namespace fw {

// Shows the print dialog, with no parent window and no page set-up of the program's own, and
// returns the Graphics of the print job, or nullptr when the user cancels (or the printer cannot
// be opened, which a message box then says). The job is printed when the returned Graphics is destroyed.
//
// On paper the origin is the top-left corner of the printable area that the chosen printer and
// paper give, one unit is one point, and Width() x Height() is the printable area in points.
std::unique_ptr<Graphics> OpenPrinterDialog();

// Starts a print job on a printer that is set up; nullptr when it cannot start.
std::unique_ptr<Graphics> printerGraphics(std::unique_ptr<QPrinter> printer);

} // namespace fw

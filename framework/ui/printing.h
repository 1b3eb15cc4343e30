#pragma once

#include "framework/ui/graphics.h"

#include <QMarginsF>
#include <functional>
#include <memory>

class QPrinter;

namespace fw {

// Shows the print dialog, with no parent window and no page set-up of the program's own, and
// returns the Graphics of the print job, or nullptr when the user cancels (or the printer cannot
// be opened). The job is printed when the returned Graphics is destroyed.
//
// On paper the origin is the top-left corner of the printable area that the chosen printer and
// paper give, one unit is one point, and Width() x Height() is the printable area in points.
std::unique_ptr<Graphics> OpenPrinterDialog();

// Stands in for the dialog in tests: OpenPrinterDialog() returns what the function returns. An
// empty function brings the real dialog back.
using PrinterDialog = std::function<std::unique_ptr<Graphics>()>;
void setPrinterDialogForTesting(PrinterDialog dialog);

// Starts a print job on a printer that is set up; nullptr when it cannot start.
std::unique_ptr<Graphics> printerGraphics(std::unique_ptr<QPrinter> printer);

// A print job that writes a PDF file on US Letter paper (612 x 792 points) with the given
// margins in points. With no margins the printable area is the whole sheet and page units are
// the sheet's own coordinates.
std::unique_ptr<Graphics> pdfPrinterGraphics(const QString &pdfPath, const QMarginsF &margins = {});

} // namespace fw

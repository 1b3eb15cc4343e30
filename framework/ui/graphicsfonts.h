#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

namespace fw {

// The program names fonts of another desktop: "Geneva", "Courier", "Arial" and "System". Where a
// family is not installed, Qt is told to use a metric-compatible face so that lines measure as
// designed: Arial and Geneva give Liberation Sans, Courier gives Liberation Mono. Geneva goes to
// Liberation Sans rather than the wider DejaVu Sans so the page's header line fits its 612 units.
// "System" is the application's font. Called by pageFont(); harmless to call again.
void installFontSubstitutions();

// The font for a family, a size in page units (0 or less: 12) and boldness, resolved for
// pageUnitDevice(): a text laid out on that device measures in page units.
QFont pageFont(const QString &family, double size, bool bold);

// A paint device of 72 dots per inch, on which one pixel is one page unit. Text is laid out on it
// whatever surface it is drawn on, so a line measures the same on screen, on paper and in a
// recorder.
QPaintDevice &pageUnitDevice();

} // namespace fw

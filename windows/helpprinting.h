#pragma once

#include <QString>
#include <functional>

namespace fw {
class Graphics;
class TextArea;
} // namespace fw

// Prints the help text: asks for a printer, then prints the text of the text area that
// textArea gives with drawHelpPages, dated when the command was chosen (before the dialog).
// textArea is called only when the dialog returned a printer; a cancelled dialog prints nothing.
void printHelp(const std::function<fw::TextArea &()> &textArea);

// Draws the text of a text area page by page on g, with the page number and dateText at the
// foot of every page.
void drawHelpPages(fw::Graphics &g, const fw::TextArea &textArea, const QString &dateText);

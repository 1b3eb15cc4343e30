#pragma once

#include <functional>

namespace fw {
class TextArea;
}

// Prints the help text: asks for a printer, then prints the text of the text area
// that textArea gives, page by page, with the page number and the date and time
// (taken before the dialog) at the foot of every page. textArea is called only when
// the dialog returned a printer; a cancelled dialog prints nothing.
void printHelp(const std::function<fw::TextArea &()> &textArea);

#include "windows/helpprinting.h"

#include "framework/core/text.h"
#include "framework/core/yieldpoint.h"
#include "framework/ui/date.h"
#include "framework/ui/printing.h"
#include "framework/ui/styledtextprinter.h"
#include "framework/ui/textarea.h"

namespace {

void drawFooter(fw::Graphics &g, int page, const QString &dateText) {
    g.setTextFont(QStringLiteral("Arial"));
    g.setBold(false);
    g.DrawString(QStringLiteral("page ") + fw::Str(page), 40, 720, 0, false);
    g.DrawString(dateText, 100, 720, 0, false);
}

} // namespace

void printHelp(const std::function<fw::TextArea &()> &textArea) {
    // Every page carries the moment the command was chosen, not when the dialog closed.
    const fw::Date now;
    const QString dateText = now.ShortTime() + QStringLiteral(", ") + now.ShortDate();
    if (const std::unique_ptr<fw::Graphics> g = fw::OpenPrinterDialog())
        drawHelpPages(*g, textArea(), dateText);
}

void drawHelpPages(fw::Graphics &g, const fw::TextArea &textArea, const QString &dateText) {
    g.setTextFont(QStringLiteral("Courier"));
    g.setTextSize(10);
    g.setForeColor(fw::RGB(0, 0, 0));
    g.setBold(true);

    // Whatever the printer offers, the page is taken to be 540 x 720.
    const int pageWidth = 540;
    const int pageHeight = 720;
    int page = 1;
    fw::StyledTextPrinter printer = textArea.styledTextPrinter(g, pageWidth - 48);
    while (!printer.Eof()) {
        printer.DrawBlock(36, 36, pageHeight - 48);
        if (!printer.Eof()) {
            drawFooter(g, page, dateText);
            g.setTextFont(QStringLiteral("Courier"));
            g.setBold(true);
            ++page;
            g.NextPage();
        }
        fw::yieldPoint();
    }
    drawFooter(g, page, dateText);
}

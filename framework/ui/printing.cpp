#include "framework/ui/printing.h"

#include "framework/ui/dialogs.h"
#include "framework/ui/graphicspainter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QtDebug>

namespace fw {

namespace {

// Painter graphics that own their printer; destroying them ends the job.
class PrinterGraphics final : public PainterGraphics {
public:
    PrinterGraphics(std::unique_ptr<QPrinter> printer, std::unique_ptr<QPainter> painter)
        : PainterGraphics(*painter, printer->pageRect(QPrinter::Point).size()),
          printer_(std::move(printer)), painter_(std::move(painter)) {}
    ~PrinterGraphics() override { painter_->end(); }

    void NextPage() override { printer_->newPage(); }

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
};

} // namespace

std::unique_ptr<Graphics> OpenPrinterDialog() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(QCoreApplication::applicationName());
    QPrintDialog dialog(printer.get());
    // Every page is drawn in order, so a range or selection could not be honoured.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    // A print to a file has no printer name; the file names the job then.
    const QString name =
        printer->printerName().isEmpty() ? printer->outputFileName() : printer->printerName();
    std::unique_ptr<Graphics> graphics = printerGraphics(std::move(printer));
    // The user asked to print: say so when nothing can come of it, rather than
    // behave as if the dialog had been cancelled.
    if (!graphics)
        MsgBox(QStringLiteral("The printer \"%1\" could not be started. Nothing was printed.")
                   .arg(name));
    return graphics;
}

std::unique_ptr<Graphics> printerGraphics(std::unique_ptr<QPrinter> printer) {
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(printer.get())) {
        qWarning() << "cannot start printing on" << printer->printerName()
                   << printer->outputFileName();
        return nullptr;
    }
    // The painter starts in printer dots at the printable area's corner; make a unit a point.
    const double dotsPerPoint = printer->resolution() / 72.0;
    painter->scale(dotsPerPoint, dotsPerPoint);
    return std::make_unique<PrinterGraphics>(std::move(printer), std::move(painter));
}

} // namespace fw

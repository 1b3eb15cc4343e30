#pragma once

#include "framework/ui/printing.h"

#include <QList>
#include <QPageLayout>
#include <QPrinter>
#include <QString>
#include <QTest>

// A print job that writes a PDF file on US Letter paper (612 x 792 points) without margins:
// page units are the sheet's own coordinates.
inline std::unique_ptr<fw::Graphics> pdfGraphics(const QString &path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFileName(path);
    printer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, {}, QPageLayout::Point));
    return fw::printerGraphics(std::move(printer));
}

// The words of a printed PDF as poppler's pdftotext -bbox reads them back, in points from each
// page's top-left corner: a word runs from its glyph origin (xMin) and between the font's
// ascent and descent (yMin, yMax).
struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax;
};

using PdfPage = QList<PdfWord>;

// The pages and their words in the file's order; nothing, with a warning, when the tool fails.
QList<PdfPage> readPdfPages(const QString &pdfPath);

// The words in reading order: line by line from the top, each line from the left. (pdftotext
// may take the two spaces between sentences for a gap between columns and read a column first.)
QList<PdfWord> inReadingOrder(QList<PdfWord> words);

// Fails the test unless actual lies within tolerance of expected, naming both.
#define QCOMPARE_NEAR(actual, expected, tolerance)                                                 \
    QVERIFY2(qAbs(double(actual) - double(expected)) <= (tolerance),                               \
             qPrintable(QStringLiteral(#actual " is %1, expected %2").arg(actual).arg(expected)))

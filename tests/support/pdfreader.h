#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What poppler's pdftotext and pdffonts read back from a printed PDF, in points from each
// page's top-left corner.
struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax;
};

struct PdfPage {
    double width, height;
    QList<PdfWord> words;
};

// The pages and their words in the file's order (pdftotext -bbox). Sets error and returns
// nothing when the tool fails.
QList<PdfPage> readPdfPages(const QString &pdfPath, QString *error);

// The base names of the fonts the file uses, without a subset's tag (pdffonts).
QStringList readPdfFonts(const QString &pdfPath, QString *error);

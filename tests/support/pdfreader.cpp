#include "pdfreader.h"

#include <QProcess>
#include <QXmlStreamReader>
#include <QtDebug>
#include <algorithm>
#include <cmath>

QList<PdfPage> readPdfPages(const QString &pdfPath) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    // A page or two takes pdftotext a few milliseconds.
    if (!pdftotext.waitForFinished(5000) || pdftotext.exitCode() != 0) {
        qWarning() << "pdftotext failed:" << pdftotext.errorString()
                   << pdftotext.readAllStandardError();
        return {};
    }
    QList<PdfPage> pages;
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const auto number = [&](const char *name) {
            return a.value(QLatin1String(name)).toDouble();
        };
        if (xml.name() == QLatin1String("page")) {
            pages.append(PdfPage());
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            PdfWord word{{}, number("xMin"), number("yMin"), number("xMax"), number("yMax")};
            word.text = xml.readElementText();
            pages.last() << word;
        }
    }
    return pages;
}

QList<PdfWord> inReadingOrder(QList<PdfWord> words) {
    std::sort(words.begin(), words.end(), [](const PdfWord &a, const PdfWord &b) {
        return std::pair(std::lround(a.yMax), a.xMin) < std::pair(std::lround(b.yMax), b.xMin);
    });
    return words;
}

#include "pdfreader.h"

#include <QProcess>
#include <QXmlStreamReader>

namespace {

QByteArray run(const QString &program, const QStringList &arguments, QString *error) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        *error = program + QStringLiteral(" failed: ") + process.errorString() + QLatin1Char(' ') +
                 QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    return process.readAllStandardOutput();
}

} // namespace

QList<PdfPage> readPdfPages(const QString &pdfPath, QString *error) {
    const QByteArray xhtml = run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")}, error);
    QList<PdfPage> pages;
    QXmlStreamReader xml(xhtml);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const auto number = [&](const char *name) {
            return a.value(QLatin1String(name)).toDouble();
        };
        if (xml.name() == QLatin1String("page")) {
            pages.append({number("width"), number("height"), {}});
        } else if (xml.name() == QLatin1String("word") && !pages.isEmpty()) {
            const double xMin = number("xMin"), yMin = number("yMin");
            const double xMax = number("xMax"), yMax = number("yMax");
            pages.last().words.append({xml.readElementText(), xMin, yMin, xMax, yMax});
        }
    }
    if (xml.hasError() && error->isEmpty())
        *error = QStringLiteral("pdftotext output: ") + xml.errorString();
    return pages;
}

QStringList readPdfFonts(const QString &pdfPath, QString *error) {
    const QString table = QString::fromLocal8Bit(run(QStringLiteral("pdffonts"), {pdfPath}, error));
    QStringList names;
    // Two heading lines, then one font a line, its name first.
    for (const QString &line : table.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2)) {
        const QString name = line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        names << name.mid(name.indexOf(QLatin1Char('+')) + 1);
    }
    return names;
}

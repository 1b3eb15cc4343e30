#include "tst_ui.h"

#include "comparenear.h"
#include "pdfreader.h"
#include "recordinggraphics.h"

#include "framework/ui/printing.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTest>

namespace {

// pdftotext places a word from its glyph origin (xMin) and between the font's ascent and descent
// (yMin, yMax), to a hundredth of a point or so.
constexpr double pdfTolerance = 0.2;

QList<PdfPage> pagesOf(const QString &pdf) {
    QString error;
    const QList<PdfPage> pages = readPdfPages(pdf, &error);
    if (!error.isEmpty())
        qWarning() << error;
    return pages;
}

QStringList fontsOf(const QString &pdf) {
    QString error;
    QStringList fonts = readPdfFonts(pdf, &error);
    if (!error.isEmpty())
        qWarning() << error;
    fonts.sort();
    return fonts;
}

} // namespace

void PrintingTest::cleanup() {
    fw::setPrinterDialogForTesting({});
}

void PrintingTest::printedStringsStandWhereTheyAreDrawn_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("header") << "Geneva"
                            << "Header" << 5.0 << 20.0;
    QTest::newRow("footer") << "Arial"
                            << "Footer" << 130.0 << 730.0;
    QTest::newRow("holding") << "Courier"
                             << "AKQJ" << 425.0 << 670.0;
}

void PrintingTest::printedStringsStandWhereTheyAreDrawn() {
    QFETCH(QString, family);
    QFETCH(QString, text);
    QFETCH(double, x);
    QFETCH(double, y);
    const QString pdf = dir_.filePath(QStringLiteral("strings.pdf"));
    QFont font;
    {
        std::unique_ptr<fw::Graphics> g = fw::pdfPrinterGraphics(pdf);
        QVERIFY(g);
        QCOMPARE(g->Width(), 612.0);
        QCOMPARE(g->Height(), 792.0);
        g->setTextFont(family);
        g->setTextSize(14);
        g->setBold(true);
        g->DrawString(text, x, y);
        font = g->font();
    }
    const QList<PdfPage> pages = pagesOf(pdf);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0].width, 612.0);
    QCOMPARE(pages[0].height, 792.0);
    QCOMPARE(pages[0].words.size(), 1);
    const PdfWord &word = pages[0].words[0];
    QCOMPARE(word.text, text);
    // The baseline is the font's descent above the bottom of the word, and a 14-unit text is
    // 14 points high on paper.
    const QFontMetricsF metrics(font);
    QCOMPARE_NEAR(word.xMin, x, pdfTolerance);
    QCOMPARE_NEAR(word.yMax - metrics.descent(), y, pdfTolerance);
    QCOMPARE_NEAR(word.yMax - word.yMin, metrics.ascent() + metrics.descent(), pdfTolerance);
}

void PrintingTest::printedFontsAreTheMetricCompatibleFaces() {
    const QString pdf = dir_.filePath(QStringLiteral("fonts.pdf"));
    {
        std::unique_ptr<fw::Graphics> g = fw::pdfPrinterGraphics(pdf);
        QVERIFY(g);
        g->setTextSize(10);
        g->setTextFont(QStringLiteral("Courier"));
        g->setBold(true);
        g->DrawString(QStringLiteral("Body"), 36, 36);
        g->setTextFont(QStringLiteral("Arial"));
        g->setBold(false);
        g->DrawString(QStringLiteral("page 1"), 40, 720);
        g->setTextFont(QStringLiteral("Geneva"));
        g->setBold(true);
        g->DrawString(QStringLiteral("Hearts:"), 25, 70);
    }
    QCOMPARE(fontsOf(pdf),
             QStringList({"LiberationMono-Bold", "LiberationSans", "LiberationSans-Bold"}));
}

void PrintingTest::marginsMoveTheOriginToThePrintableArea() {
    const QString pdf = dir_.filePath(QStringLiteral("margins.pdf"));
    QFont font;
    {
        std::unique_ptr<fw::Graphics> g = fw::pdfPrinterGraphics(pdf, QMarginsF(36, 36, 36, 36));
        QVERIFY(g);
        QCOMPARE(g->Width(), 540.0);
        QCOMPARE(g->Height(), 720.0);
        g->setTextFont(QStringLiteral("Arial"));
        g->setTextSize(10);
        g->DrawString(QStringLiteral("page"), 40, 720);
        font = g->font();
    }
    const QList<PdfPage> pages = pagesOf(pdf);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0].width, 612.0);
    QCOMPARE(pages[0].words.size(), 1);
    QCOMPARE_NEAR(pages[0].words[0].xMin, 36 + 40, pdfTolerance);
    QCOMPARE_NEAR(pages[0].words[0].yMax - QFontMetricsF(font).descent(), 36 + 720, pdfTolerance);
}

void PrintingTest::nextPageStartsAPageWithTheSameUnitsAndState() {
    const QString pdf = dir_.filePath(QStringLiteral("pages.pdf"));
    {
        std::unique_ptr<fw::Graphics> g = fw::pdfPrinterGraphics(pdf);
        QVERIFY(g);
        g->setTextFont(QStringLiteral("Arial"));
        g->setTextSize(14);
        g->setBold(true);
        g->DrawString(QStringLiteral("One"), 40, 720);
        g->NextPage();
        g->DrawString(QStringLiteral("Two"), 40, 720);
    }
    const QList<PdfPage> pages = pagesOf(pdf);
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages[0].words.size(), 1);
    QCOMPARE(pages[1].words.size(), 1);
    QCOMPARE(pages[0].words[0].text, QStringLiteral("One"));
    QCOMPARE(pages[1].words[0].text, QStringLiteral("Two"));
    QCOMPARE_NEAR(pages[1].words[0].xMin, pages[0].words[0].xMin, 0.01);
    QCOMPARE_NEAR(pages[1].words[0].yMax, pages[0].words[0].yMax, 0.01);
    QCOMPARE_NEAR(pages[0].words[0].xMin, 40, pdfTolerance);
    QCOMPARE(fontsOf(pdf), QStringList({"LiberationSans-Bold"}));
}

void PrintingTest::theDialogStandInDecidesWhatIsReturned() {
    int shown = 0;
    fw::setPrinterDialogForTesting([&]() -> std::unique_ptr<fw::Graphics> {
        ++shown;
        return nullptr;
    });
    QVERIFY(!fw::OpenPrinterDialog());
    QCOMPARE(shown, 1);

    auto recorder = std::make_unique<RecordingGraphics>(QSizeF(540, 720));
    const fw::Graphics *expected = recorder.get();
    const auto recording = recorder->recording();
    fw::setPrinterDialogForTesting([&] { return std::move(recorder); });
    std::unique_ptr<fw::Graphics> g = fw::OpenPrinterDialog();
    QCOMPARE(g.get(), expected);
    g->DrawString(QStringLiteral("page 1"), 40, 720);
    g.reset();
    QCOMPARE(describe(*recording),
             QStringList({"DrawString \"page 1\" 40 720 0 false", "Release"}));
}

void PrintingTest::aPrinterThatCannotStartGivesNoGraphics() {
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^cannot start printing")));
    QVERIFY(!fw::pdfPrinterGraphics(dir_.filePath(QStringLiteral("missing/folder/page.pdf"))));
}

#include "comparenear.h"
#include "pdfreader.h"
#include "recordinggraphics.h"
#include "testmain.h"

#include "framework/ui/printing.h"
#include "framework/ui/styledtextprinter.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QTemporaryDir>

// What the window tests, which draw through recorders, take for granted of the drawing surfaces.
class UiFrameworkTest : public QObject {
    Q_OBJECT
private slots:
    void printedStringStandsOnItsBaselineInPoints_data();
    void printedStringStandsOnItsBaselineInPoints();
    void aLineTallerThanTheBlockIsDrawnAloneAndTheTextEnds();

private:
    QTemporaryDir dir_;
};

void UiFrameworkTest::printedStringStandsOnItsBaselineInPoints_data() {
    QTest::addColumn<double>("margin");
    QTest::newRow("whole sheet") << 0.0;
    QTest::newRow("margins of 36") << 36.0;
}

// On paper a unit is a point from the printable area's corner, and (x, y) is where the
// baseline starts: a 40-unit word drawn at (100, 300) spans 40 points' ascent and descent.
void UiFrameworkTest::printedStringStandsOnItsBaselineInPoints() {
    QFETCH(double, margin);
    const QString pdf = dir_.filePath(QStringLiteral("word.pdf"));
    QFont font;
    {
        auto g = fw::pdfPrinterGraphics(pdf, QMarginsF(margin, margin, margin, margin));
        QVERIFY(g);
        QCOMPARE(QSizeF(g->Width(), g->Height()), QSizeF(612 - 2 * margin, 792 - 2 * margin));
        g->setTextFont(QStringLiteral("Arial"));
        g->setTextSize(40);
        g->DrawString(QStringLiteral("Hand"), 100, 300);
        font = g->font();
    }
    const QList<PdfPage> pages = readPdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages[0].words.size(), 1);
    const PdfWord &word = pages[0].words[0];
    const QFontMetricsF metrics(font);
    QCOMPARE(word.text, QStringLiteral("Hand"));
    QCOMPARE_NEAR(word.xMin, margin + 100, 0.2);
    QCOMPARE_NEAR(word.yMax - metrics.descent(), margin + 300, 0.2);
    QCOMPARE_NEAR(word.yMax - word.yMin, metrics.ascent() + metrics.descent(), 0.2);
}

// A block too low for any line still takes one, so a print loop always comes to an end.
void UiFrameworkTest::aLineTallerThanTheBlockIsDrawnAloneAndTheTextEnds() {
    RecordingGraphics g;
    g.setTextFont(QStringLiteral("Courier"));
    g.setTextSize(10);
    fw::StyledTextPrinter printer(QStringLiteral("One.\rTwo."), g, 492);
    QVERIFY(!printer.Eof());
    printer.DrawBlock(36, 36, 1);
    QVERIFY(!printer.Eof());
    printer.DrawBlock(36, 50, 1);
    QVERIFY(printer.Eof());
    printer.DrawBlock(36, 64, 1);
    const auto recording = g.recording();
    QCOMPARE(recording->calls.mid(2),
             QStringList({"TextBlock 36 36 lines 1", "TextBlock 36 50 lines 1"}));
    QCOMPARE(recording->blocks, QList<QStringList>({{"One."}, {"Two."}}));
}

int main(int argc, char **argv) {
    // As QTEST_MAIN does: the same logical DPI on every machine.
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);
    return runTests<UiFrameworkTest>(argc, argv);
}

#include "tst_ui.moc"

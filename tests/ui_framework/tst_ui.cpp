#include "comparenear.h"
#include "pdfreader.h"

#include "framework/core/listbox.h"
#include "framework/ui/graphicsfonts.h"
#include "framework/ui/listboxview.h"
#include "framework/ui/printing.h"
#include "framework/ui/window.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

class PlainWindow : public fw::Window {
public:
    PlainWindow() { construct(); }

protected:
    void Layout() override { setDesign(u"Plain"_s, 100, 80); }
};

} // namespace

// What the program's windows and printouts take for granted of the framework beneath them.
class UiFrameworkTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void printedStringsStandOnTheirBaselinesInPoints_data() {
        QTest::addColumn<double>("margin");
        QTest::newRow("whole sheet") << 0.0;
        QTest::newRow("margins of 36") << 36.0;
    }

    // On paper a unit is a point from the printable area's corner, and (x, y) is where the
    // first baseline starts: each word spans its own font's ascent, descent and advance, with the
    // font as it stands at that string, and a line break or the wrap width starts a new line one
    // line spacing lower.
    void printedStringsStandOnTheirBaselinesInPoints() {
        QFETCH(double, margin);
        const QString pdf = dir_.filePath(u"words.pdf"_s);
        {
            auto g = fw::pdfPrinterGraphics(pdf, QMarginsF(margin, margin, margin, margin));
            QVERIFY(g);
            QCOMPARE(QSizeF(g->Width(), g->Height()), QSizeF(612 - 2 * margin, 792 - 2 * margin));
            g->setTextFont(u"Arial"_s);
            g->setTextSize(40);
            g->DrawString(u"Hand"_s, 100, 300);
            g->setTextSize(20);
            g->DrawString(u"One\rTwo"_s, 100, 400);
            g->setBold(true);
            g->DrawString(u"Three"_s, 100, 500);
            g->setTextFont(u"Courier"_s);
            g->DrawString(u"Four Five"_s, 100, 600, 60);
        }
        const QList<PdfPage> pages = readPdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        const QFont arial40 = fw::pageFont(u"Arial"_s, 40, false);
        const QFont arial20 = fw::pageFont(u"Arial"_s, 20, false);
        const QFont bold20 = fw::pageFont(u"Arial"_s, 20, true);
        const QFont courier20 = fw::pageFont(u"Courier"_s, 20, true);
        const double arialLine = QFontMetricsF(arial20).lineSpacing();
        const double courierLine = QFontMetricsF(courier20).lineSpacing();
        const QList<std::tuple<QString, QFont, double>> expected = {
            {u"Hand"_s, arial40, 300},
            {u"One"_s, arial20, 400},
            {u"Two"_s, arial20, 400 + arialLine},
            {u"Three"_s, bold20, 500},
            {u"Four"_s, courier20, 600},
            {u"Five"_s, courier20, 600 + courierLine}};
        QCOMPARE(pages[0].words.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const auto &[text, font, baseline] = expected[i];
            const PdfWord &word = pages[0].words[i];
            const QFontMetricsF metrics(font);
            QCOMPARE(word.text, text);
            QCOMPARE_NEAR(word.xMin, margin + 100, 0.2);
            // Qt's line heights and the PDF's metrics round apart by up to a third of a point.
            QCOMPARE_NEAR(word.yMax - metrics.descent(), margin + baseline, 0.4);
            QCOMPARE_NEAR(word.yMax - word.yMin, metrics.ascent() + metrics.descent(), 0.2);
            QCOMPARE_NEAR(word.xMax - word.xMin, metrics.horizontalAdvance(text), 0.5);
        }
    }

    // A window's lists and views may go in either order: a view whose list is gone shows
    // nothing and touches nothing of it, and a list outlives the views it had.
    void listsAndTheirViewsMayGoInEitherOrder() {
        auto list = std::make_unique<fw::Listbox>(2);
        fw::ListboxView view(*list);
        view.resize(200, 60);
        list->AddRow({u"Spades:"_s, u"A K "_s});
        QCOMPARE(view.model()->index(0, 1).data().toString(), u"A K "_s);
        list.reset();
        QCOMPARE(view.model()->rowCount(), 0);
        QVERIFY(!view.grab().isNull());
        fw::Listbox other(2);
        std::make_unique<fw::ListboxView>(other).reset();
        other.AddRow(u"Hearts:"_s); // reaches no view
    }

    // A window closed while a deeper modal loop runs stays alive until its own ShowModal has
    // returned, and is deleted afterwards.
    void aWindowClosedDuringItsModalLoopLivesUntilShowModalReturns() {
        auto *outer = new PlainWindow, *inner = new PlainWindow;
        QPointer<fw::Window> outerAlive(outer), innerAlive(inner);
        bool aliveAfterClose = false;
        QTimer::singleShot(0, inner, [&] {
            QTimer::singleShot(0, outer, [&] { outer->Close(); });
            QTimer::singleShot(50, inner, [&] {
                aliveAfterClose = !outerAlive.isNull();
                inner->Close();
            });
            inner->ShowModal();
        });
        QTimer::singleShot(3000, inner, &fw::Window::Close); // bounds the test should it hang
        outer->ShowModal();
        QVERIFY(aliveAfterClose);
        QTRY_VERIFY2_WITH_TIMEOUT(outerAlive.isNull() && innerAlive.isNull(), "not deleted", 2000);
    }

    // Frames as the designs give them (the update window's is checked on the real one), and
    // sizes within the design's bounds.
    void theDesignChoosesTheFrameAndItsSizeStaysInBounds() {
        PlainWindow window;
        QCOMPARE(window.windowFlags() & (Qt::WindowType_Mask | Qt::WindowMinMaxButtonsHint |
                                         Qt::WindowCloseButtonHint),
                 Qt::Window | Qt::WindowCloseButtonHint);
        window.setWidth(10);
        window.setHeight(33000);
        QCOMPARE(QSize(window.Width(), window.Height()), QSize(64, 32000));
    }
};

int main(int argc, char **argv) {
    // As QTEST_MAIN does: the same logical DPI on every machine.
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);
    UiFrameworkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ui.moc"

#include "comparenear.h"
#include "pdfreader.h"
#include "recordinggraphics.h"

#include "framework/core/listbox.h"
#include "framework/ui/listboxview.h"
#include "framework/ui/printing.h"
#include "framework/ui/styledtextprinter.h"
#include "framework/ui/window.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A window's kind and its title bar's buttons.
constexpr Qt::WindowFlags framing = Qt::WindowType_Mask | Qt::WindowCloseButtonHint |
                                    Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;

class PlainWindow : public fw::Window {
public:
    explicit PlainWindow(fw::WindowFrame frame = {}) : frame_(frame) { construct(); }

protected:
    void Layout() override { setDesign(u"Plain"_s, 100, 80, frame_); }

private:
    fw::WindowFrame frame_;
};

} // namespace

// What the program's windows and printouts take for granted of the framework beneath them.
class UiFrameworkTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void printedStringStandsOnItsBaselineInPoints_data() {
        QTest::addColumn<double>("margin");
        QTest::newRow("whole sheet") << 0.0;
        QTest::newRow("margins of 36") << 36.0;
    }

    // On paper a unit is a point from the printable area's corner, and (x, y) is where the
    // baseline starts: a 40-unit word drawn at (100, 300) spans 40 points' ascent and descent.
    void printedStringStandsOnItsBaselineInPoints() {
        QFETCH(double, margin);
        const QString pdf = dir_.filePath(u"word.pdf"_s);
        QFont font;
        {
            auto g = fw::pdfPrinterGraphics(pdf, QMarginsF(margin, margin, margin, margin));
            QVERIFY(g);
            QCOMPARE(QSizeF(g->Width(), g->Height()), QSizeF(612 - 2 * margin, 792 - 2 * margin));
            g->setTextFont(u"Arial"_s);
            g->setTextSize(40);
            g->DrawString(u"Hand"_s, 100, 300);
            font = g->font();
        }
        const QList<PdfPage> pages = readPdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0].words.size(), 1);
        const PdfWord &word = pages[0].words[0];
        const QFontMetricsF metrics(font);
        QCOMPARE(word.text, u"Hand"_s);
        QCOMPARE_NEAR(word.xMin, margin + 100, 0.2);
        QCOMPARE_NEAR(word.yMax - metrics.descent(), margin + 300, 0.2);
        QCOMPARE_NEAR(word.yMax - word.yMin, metrics.ascent() + metrics.descent(), 0.2);
    }

    // A block too low for any line still takes one, so a print loop always comes to an end.
    void aLineTallerThanTheBlockIsDrawnAloneAndTheTextEnds() {
        RecordingGraphics g;
        g.setTextFont(u"Courier"_s);
        g.setTextSize(10);
        fw::StyledTextPrinter printer(u"One.\rTwo."_s, g, 492);
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

    // A window's lists may go before its widgets: the view then shows nothing and touches
    // nothing of the list.
    void aViewOutlivesTheListItShows() {
        auto list = std::make_unique<fw::Listbox>(2);
        fw::ListboxView view(*list);
        view.resize(200, 60);
        list->AddRow({u"Spades:"_s, u"A K "_s});
        QCOMPARE(view.model()->index(0, 1).data().toString(), u"A K "_s);
        list.reset();
        QCOMPARE(view.model()->rowCount(), 0);
        QVERIFY(!view.grab().isNull());
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

    void theDesignChoosesTheFrameAndItsButtons_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("minimize");
        QTest::addColumn<int>("flags");
        QTest::newRow("document, close box only") << 0 << false
                                                  << int(Qt::Window | Qt::WindowCloseButtonHint);
        QTest::newRow("modal dialog, close and minimize")
            << 1 << true
            << int(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    }
    void theDesignChoosesTheFrameAndItsButtons() {
        QFETCH(int, code);
        QFETCH(bool, minimize);
        PlainWindow window({.code = code, .minimizeButton = minimize});
        QVERIFY(window.windowFlags().testFlag(Qt::CustomizeWindowHint)); // no buttons but these
        QTEST(int(window.windowFlags() & framing), "flags");
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

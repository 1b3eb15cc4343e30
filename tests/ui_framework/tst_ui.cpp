#include "pdfreader.h"

#include "framework/core/listbox.h"
#include "framework/ui/graphicsfonts.h"
#include "framework/ui/listboxview.h"
#include "framework/ui/window.h"

#include <QFontMetricsF>
#include <QHeaderView>
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
    // baseline starts: each word spans the ascent, descent and advance of the font as it stands
    // when the word is drawn.
    void printedStringsStandOnTheirBaselinesInPoints() {
        QFETCH(double, margin);
        const QString pdf = dir_.filePath(u"words.pdf"_s);
        {
            auto g = pdfGraphics(pdf, QMarginsF(margin, margin, margin, margin));
            QVERIFY(g);
            g->setTextFont(u"Arial"_s);
            g->setTextSize(40);
            g->DrawString(u"Hand"_s, 100, 300);
            g->setTextSize(20);
            g->DrawString(u"One"_s, 100, 400);
            g->setBold(true);
            g->DrawString(u"Two"_s, 100, 500);
            g->setTextFont(u"Courier"_s);
            g->DrawString(u"Three"_s, 100, 600);
        }
        const QList<PdfPage> pages = readPdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        const QList<QFont> fonts = {
            fw::pageFont(u"Arial"_s, 40, false), fw::pageFont(u"Arial"_s, 20, false),
            fw::pageFont(u"Arial"_s, 20, true), fw::pageFont(u"Courier"_s, 20, true)};
        QCOMPARE(pages[0].words.size(), fonts.size());
        for (int i = 0; i < fonts.size(); ++i) {
            const PdfWord &word = pages[0].words[i];
            const QFontMetricsF metrics(fonts[i]);
            QCOMPARE(word.text, QStringList({"Hand", "One", "Two", "Three"})[i]);
            QCOMPARE_NEAR(word.xMin, margin + 100, 0.2);
            QCOMPARE_NEAR(word.yMax - metrics.descent(), margin + 300 + 100 * i, 0.2);
            QCOMPARE_NEAR(word.yMax - word.yMin, metrics.ascent() + metrics.descent(), 0.2);
            QCOMPARE_NEAR(word.xMax - word.xMin, metrics.horizontalAdvance(word.text), 0.5);
        }
    }

    // A window's lists and views may go in either order: a view whose list is gone, or that
    // another view took the place of, shows no rows and touches nothing of the list; and a list
    // outlives the views it had.
    void listsAndTheirViewsMayGoInEitherOrder() {
        auto list = std::make_unique<fw::Listbox>(2);
        fw::ListboxView displaced(*list);
        list->AddRow({u"Spades:"_s, u"A K "_s});
        QCOMPARE(displaced.verticalHeader()->count(), 1);
        fw::ListboxView view(*list);
        QCOMPARE(displaced.verticalHeader()->count(), 0);
        QCOMPARE(view.model()->index(0, 1).data().toString(), u"A K "_s);
        list.reset();
        QCOMPARE(view.verticalHeader()->count(), 0);
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
};

QTEST_MAIN(UiFrameworkTest)

#include "tst_ui.moc"

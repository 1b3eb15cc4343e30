#include "tst_pagesheet.h"
#include "tst_windows.h"

#include "comparenear.h"
#include "imageink.h"
#include "recordinggraphics.h"

#include "app/app.h"
#include "app/menubars.h"
#include "app/startup.h"
#include "engine/module1.h"
#include "framework/core/stringarray.h"
#include "framework/ui/canvas.h"
#include "framework/ui/graphicsfonts.h"
#include "framework/ui/screen.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using pagesheet::Places;
Q_DECLARE_METATYPE(Places)

namespace {

// Lays the page out for a screen of that available height, as start-up does.
void useScreen(int availableHeight) {
    fw::setScreenAvailableHeightForTesting(availableHeight);
    App::instance().SetUpXY();
}

void pressShowPage() {
    QTest::mouseClick(&Window1::instance().PageOfHands(), Qt::LeftButton);
}

QStringList cellsOf(const fw::Listbox &list) {
    QStringList cells;
    for (int r = 0; r < list.ListCount(); ++r)
        cells << list.Cell(r, 0) + u'|' + list.Cell(r, 1);
    return cells;
}

QStringList deck(const fw::StringArray &cards) {
    QStringList texts;
    for (int i = 0; i <= 51; ++i)
        texts << cards[i];
    return texts;
}

QList<Window2 *> pageWindows() {
    QList<Window2 *> found;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *page = qobject_cast<Window2 *>(widget); page && !page->isClosed())
            found << page;
    return found;
}

// Counts the paint events that reach a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

void PageWindowTest::init() {
    // A screen tall enough for the full-size page, whatever the test machine has.
    fw::setScreenAvailableHeightForTesting(1000);
    QVERIFY(startUp());
}

void PageWindowTest::cleanup() {
    fw::setScreenAvailableHeightForTesting(-1);
    shutDown();
}

void PageWindowTest::paintDrawsTheSheetFromModuleState_data() {
    QTest::addColumn<int>("availableHeight");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<Places>("places");
    // Spot checks from the page's description: index into the calls, and the call.
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("call");
    QTest::newRow("before any page: empty holdings")
        << 1000 << false << pagesheet::fullSizeScreen << 12 << "DrawString \"\" 120 130 0 false";
    QTest::newRow("full size: hand 8's clubs")
        << 1000 << true << pagesheet::fullSizeScreen << 82 << "DrawString \"C8 \" 425 670 0 false";
    QTest::newRow("full size: hand 2 points without colon")
        << 1000 << true << pagesheet::fullSizeScreen << 33
        << "DrawString \"Hand 2 Points\" 25 350 0 false";
    QTest::newRow("half size: hand 5's spades")
        << 546 << true << pagesheet::halfSizeScreen << 16 << "DrawString \"S5 \" 213 35 0 false";
}

void PageWindowTest::paintDrawsTheSheetFromModuleState() {
    QFETCH(int, availableHeight);
    QFETCH(bool, marked);
    QFETCH(Places, places);
    QFETCH(int, index);
    QFETCH(QString, call);
    useScreen(availableHeight);
    if (marked)
        pagesheet::markHoldings();
    Window2 &page = Window2::instance();
    RecordingGraphics g;
    page.Canvas1_Paint(page.Canvas1(), g);
    const QStringList painted = describe(g.calls());
    QCOMPARE(painted, pagesheet::calls(places, pagesheet::holdingsNow()));
    QCOMPARE(painted.size(), 4 + 82);
    QCOMPARE(painted[index], call);
    if (!marked)
        QCOMPARE(drawnStrings(g.calls()).count(QString()), 32);
    // A second paint with nothing changed draws the same page.
    RecordingGraphics again;
    page.Canvas1_Paint(page.Canvas1(), again);
    QCOMPARE(describe(again.calls()), painted);
}

void PageWindowTest::showPageOpensThePagePlacedSizedAndWhole_data() {
    QTest::addColumn<int>("availableHeight");
    QTest::addColumn<QSize>("size");
    QTest::newRow("full size") << 1000 << QSize(612, 792);
    QTest::newRow("892") << 892 << QSize(543, 703);
    QTest::newRow("half size") << 546 << QSize(306, 396);
}

void PageWindowTest::showPageOpensThePagePlacedSizedAndWhole() {
    QFETCH(int, availableHeight);
    QFETCH(QSize, size);
    useScreen(availableHeight);
    QVERIFY(pageWindows().isEmpty());
    pressShowPage();
    QCOMPARE(pageWindows().size(), 1);
    Window2 &page = *pageWindows().first();
    QVERIFY(page.isVisible());
    QCOMPARE(page.windowTitle(), QStringLiteral("Page of Quillory"));
    QCOMPARE(QPoint(page.Left(), page.Top()), QPoint(330, 50));
    QCOMPARE(QSize(page.Width(), page.Height()), size);
    QCOMPARE(page.content()->size(), size);
    // The canvas keeps the page's size; the window cuts it off.
    QCOMPARE(page.Canvas1().geometry(), QRect(0, 0, 612, 792));
    QCOMPARE(page.WindowMenuBar(), &MenuBar2::instance());
    QStringList menus;
    for (QAction *action : page.menuBar()->actions())
        menus << action->text();
    QCOMPARE(menus, QStringList({"File", "&Edit"}));
    QVERIFY(page.menuHandlerNames().isEmpty());

    // The longest holding there is, in the right column, where it runs furthest: every line
    // is painted whole inside the window.
    Module1::Spades5 = QStringLiteral("A K Q J 10 9 8 7 6 5 4 3 2 ");
    const QImage image = page.Canvas1().grab().toImage();
    QVERIFY(QRect(QPoint(0, 0), size).contains(inkBounds(image)));
    // One band of ink per line, header, 24 lines of hands and footer, each on its baseline.
    const QList<QRect> bands = inkBands(image);
    QCOMPARE(bands.size(), 26);
    for (int i = 0; i < 26; ++i)
        QVERIFY2(bands[i].top() < Module1::Y[i] && Module1::Y[i] <= bands[i].bottom() + 1,
                 qPrintable(QStringLiteral("line at %1").arg(Module1::Y[i])));
    // The long holding stands on hand 5's spades line, from the right column's holding x.
    const QFontMetricsF metrics(
        fw::pageFont(QStringLiteral("Geneva"), Module1::TextFontSize, true));
    const double end = Module1::X4 + metrics.horizontalAdvance(Module1::Spades5.trimmed());
    QCOMPARE_NEAR(bands[1].right() + 1, end, 2);
}

void PageWindowTest::showPageLeavesResultsAndCardsUntouched() {
    Window1 &main = Window1::instance();
    const QStringList results = cellsOf(main.Results());
    const QStringList cards = deck(Module1::Cards);
    const QString title1 = Module1::Title1;
    pressShowPage();
    QCOMPARE(cellsOf(main.Results()), results);
    QCOMPARE(deck(Module1::Cards), cards);
    QCOMPARE(Module1::Title1, title1);
    QCOMPARE(Module1::Points2, QStringLiteral("Hand 2 Points"));
    // Table 2 holds the page's last hand.
    QCOMPARE(cellsOf(main.Results2()),
             QStringList({"Spades:|" + Module1::Spades8, "Hearts:|" + Module1::Hearts8,
                          "Diamonds:|" + Module1::Diamonds8, "Clubs:|" + Module1::Clubs8}));
}

void PageWindowTest::secondPressReusesMovesBackAndRepaintsTheWindow() {
    fw::seedShuffleForTesting(7);
    pressShowPage();
    Window2 *first = &Window2::instance();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    const QList<QStringList> firstPage = pagesheet::holdingsNow();
    const QImage firstImage = first->Canvas1().grab().toImage();

    // The user moves the page away; the next press puts it back and paints it again.
    first->move(500, 400);
    QCOMPARE(QPoint(first->Left(), first->Top()), QPoint(500, 400));
    PaintCounter counter;
    first->Canvas1().installEventFilter(&counter);
    pressShowPage();
    QCOMPARE(pageWindows(), QList<Window2 *>({first}));
    QCOMPARE(&Window2::instance(), first);
    QCOMPARE(QPoint(first->Left(), first->Top()), QPoint(330, 50));
    QTRY_VERIFY(counter.paints > 0);
    first->Canvas1().removeEventFilter(&counter);

    const QList<QStringList> secondPage = pagesheet::holdingsNow();
    for (int n = 0; n < 8; ++n)
        QVERIFY2(secondPage[n] != firstPage[n], qPrintable(QStringLiteral("hand %1").arg(n + 1)));
    QVERIFY(first->Canvas1().grab().toImage() != firstImage);
    RecordingGraphics g;
    first->Canvas1_Paint(first->Canvas1(), g);
    QCOMPARE(describe(g.calls()), pagesheet::calls(pagesheet::fullSizeScreen, secondPage));

    // Once closed, the next press opens a new page window.
    first->Close();
    QVERIFY(pageWindows().isEmpty());
    pressShowPage();
    QCOMPARE(pageWindows().size(), 1);
    QVERIFY(pageWindows().first()->isVisible());
}

void PageWindowTest::everyPageHandHoldsThirteenCardsOnceInRankOrder() {
    static const QStringList ranks = {"A", "K", "Q", "J", "10", "9", "8",
                                      "7", "6", "5", "4", "3",  "2"};
    // Ranks from Ace down, each followed by one blank; a void suit is empty.
    static const QRegularExpression holdingText(QStringLiteral("^(?:(?:A|K|Q|J|10|[2-9]) )*$"));
    for (int page = 0; page < 25; ++page) {
        fw::seedShuffleForTesting(100 + page);
        pressShowPage();
        const QList<QStringList> hands = pagesheet::holdingsNow();
        for (int n = 0; n < 8; ++n) {
            QSet<QString> cards;
            int count = 0;
            for (int suit = 0; suit < 4; ++suit) {
                const QString &holding = hands[n][suit];
                QVERIFY2(holdingText.match(holding).hasMatch(), qPrintable(holding));
                const QStringList held = holding.split(u' ', Qt::SkipEmptyParts);
                for (int i = 0; i < held.size(); ++i) {
                    if (i > 0)
                        QVERIFY2(ranks.indexOf(held[i - 1]) < ranks.indexOf(held[i]),
                                 qPrintable(holding));
                    cards << QStringLiteral("SHDC")[suit] + held[i];
                }
                count += held.size();
            }
            QCOMPARE(count, 13);
            QCOMPARE(cards.size(), 13);
        }
    }
}

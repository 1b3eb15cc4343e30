#include "tst_app.h"

#include "app/app.h"
#include "app/startup.h"
#include "engine/module1.h"
#include "framework/core/stringarray.h"
#include "framework/ui/listboxview.h"
#include "windows/window1.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QTimer>

namespace {

QStringList column(const fw::Listbox &list, int c) {
    QStringList texts;
    for (int r = 0; r < list.ListCount(); ++r)
        texts << list.Cell(r, c);
    return texts;
}

QStringList tableTexts(Window1 &w, bool second) {
    QStringList texts;
    for (fw::Listbox *l : second ? QList<fw::Listbox *>{&w.Spades2(), &w.Hearts2(), &w.Diamonds2(),
                                                       &w.Clubs2(), &w.Results2()}
                                 : QList<fw::Listbox *>{&w.Spades(), &w.Hearts(), &w.Diamonds(),
                                                       &w.Clubs(), &w.Results()})
        texts << column(*l, 0).join(u'|') + QStringLiteral("/") + column(*l, 1).join(u'|');
    return texts;
}

// The four rows of Results hold a real hand: the labels, thirteen ranks in all,
// each suit's ranks from Ace down, each followed by one blank.
void verifyHandOnShow(Window1 &w) {
    const fw::Listbox &results = w.Results();
    QCOMPARE(results.ListCount(), 4);
    QCOMPARE(column(results, 0), QStringList({"Spades:", "Hearts:", "Diamonds:", "Clubs:"}));
    const QStringList order = {"A", "K", "Q", "J", "10", "9", "8", "7", "6", "5", "4", "3", "2"};
    int cards = 0;
    for (const QString &holding : column(results, 1)) {
        QVERIFY(holding.isEmpty() || holding.endsWith(u' '));
        const QStringList ranks = holding.split(u' ', Qt::SkipEmptyParts);
        cards += ranks.size();
        for (int i = 1; i < ranks.size(); ++i)
            QVERIFY(order.indexOf(ranks[i - 1]) < order.indexOf(ranks[i]));
    }
    QCOMPARE(cards, 13);
}

} // namespace

void StartupTest::init() { QVERIFY(startUp()); }
void StartupTest::cleanup() { shutDown(); }

void StartupTest::launchShowsARealHandBeforeAnyClick() {
    Window1 &w = Window1::instance();
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Your Bridge Hand"));
    QCOMPARE(w.content()->size(), QSize(310, 142));
    QCOMPARE(w.Width(), 310);
    QCOMPARE(w.Height(), 142);
    verifyHandOnShow(w);
    // The view shows what the list holds.
    const QAbstractItemModel *model = w.ResultsView().model();
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("Diamonds:"));
    QCOMPARE(model->index(3, 1).data().toString(), w.Results().Cell(3, 1));
    // The hand on show came from the deck's first thirteen cards.
    QStringList dealt;
    for (int i = 0; i <= 12; ++i)
        dealt << Module1::Cards[i];
    QCOMPARE(QSet<QString>(dealt.begin(), dealt.end()).size(), 13);
    // Table 2 is empty until the first page.
    QCOMPARE(w.Results2().ListCount(), 0);
    // The page layout numbers were computed at start.
    QVERIFY(Module1::Window2Width > 0 && Module1::TextFontSize > 0);
}

void StartupTest::onlyResultsAndTheButtonsLieInTheWindow() {
    Window1 &w = Window1::instance();
    const QRect area(QPoint(0, 0), w.content()->size());
    QStringList inside;
    for (QWidget *child : w.content()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isVisible() && area.intersects(child->geometry()))
            inside << child->objectName();
    inside.sort();
    QCOMPARE(inside, QStringList({"NewHand", "PageOfHands", "Results"}));
    QCOMPARE(w.ResultsView().geometry(), QRect(20, 20, 270, 66));
    QCOMPARE(w.NewHand().geometry(), QRect(20, 102, 94, 20));
    QCOMPARE(w.PageOfHands().geometry(), QRect(125, 102, 165, 20));
    QCOMPARE(w.NewHand().text(), QStringLiteral("New Hand"));
    QCOMPARE(w.PageOfHands().text(), QStringLiteral("Show Page of Hands"));
    QVERIFY(w.NewHand().font().bold());
    // 30% and 70% of the list's inner width; the four rows fit without scrolling.
    const fw::ListboxView &view = w.ResultsView();
    const int inner = view.viewport()->width();
    QCOMPARE(view.columnWidth(0), int(inner * 0.3 + 0.5));
    QCOMPARE(view.columnWidth(0) + view.columnWidth(1), inner);
    QVERIFY(view.rowViewportPosition(3) + view.rowHeight(3) <= view.viewport()->height());
}

void StartupTest::newHandReplacesAllFourRowsAndLeavesTable2Alone() {
    Window1 &w = Window1::instance();
    Module1::MakeHand2();
    const QStringList table2 = tableTexts(w, true);
    const QStringList deck2 = [] {
        QStringList d;
        for (int i = 0; i <= 51; ++i)
            d << Module1::Cards2[i];
        return d;
    }();
    fw::seedShuffleForTesting(11);
    const QStringList before = column(w.Results(), 1);
    QTest::mouseClick(&w.NewHand(), Qt::LeftButton);
    const QStringList first = column(w.Results(), 1);
    verifyHandOnShow(w);
    QTest::mouseClick(&w.NewHand(), Qt::LeftButton);
    const QStringList second = column(w.Results(), 1);
    verifyHandOnShow(w);
    QVERIFY(first != before || second != before);
    QVERIFY(second != first);
    QCOMPARE(tableTexts(w, true), table2);
    for (int i = 0; i <= 51; ++i)
        QCOMPARE(Module1::Cards2[i], deck2[i]);
}

void StartupTest::returnPressesNewHand() {
    Window1 &w = Window1::instance();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    fw::seedShuffleForTesting(5);
    const QStringList before = tableTexts(w, false);
    QTest::keyClick(&w, Qt::Key_Return);
    const QStringList after = tableTexts(w, false);
    QVERIFY(after != before);
    verifyHandOnShow(w);
    QTest::keyClick(&w, Qt::Key_Enter);
    QVERIFY(tableTexts(w, false) != after);
}

void StartupTest::closingTheMainWindowEndsTheLoopWithCode0() {
    QTimer::singleShot(0, [] { Window1::instance().close(); });
    QCOMPARE(QApplication::exec(), 0);
}

void StartupTest::quitEndsTheLoopWithCode0() {
    QAction *quit = Window1::instance().menuBar()->findChild<QAction *>(QStringLiteral("FileQuit"));
    QVERIFY(quit);
    QTimer::singleShot(0, quit, &QAction::trigger);
    QCOMPARE(QApplication::exec(), 0);
    // The main window is still there: quitting closes nothing by itself.
    QVERIFY(!Window1::instance().isClosed());
}

void StartupTest::accessorsFindTheOneMainWindow() {
    Window1 *first = &Window1::instance();
    QCOMPARE(&Window1::instance(), first);
    QCOMPARE(&App::instance(), fw::applicationObject());
    QCOMPARE(&Module1::Window1(), static_cast<HandTables *>(first));
    QVERIFY_THROWS_EXCEPTION(fw::NilObjectException, first->control<QWidget>(QStringLiteral("Nothing")));
}

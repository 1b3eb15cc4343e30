#include "privatenetwork.h"

#include "app/app.h"
#include "app/startup.h"
#include "engine/module1.h"
#include "framework/ui/canvas.h"
#include "framework/ui/listboxview.h"
#include "update/aboutbox.h"
#include "update/selftest.h"
#include "update/updatewindow.h"
#include "windows/help.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// Heap bytes in use, as the allocator counts them: the machine's load does not change them.
// Under AddressSanitizer the blocks come from its allocator, not glibc's, and GCC ships no header
// for its count. (Qt defines __has_feature for GCC.)
#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
const auto heapInUse = [] { return qint64(__sanitizer_get_current_allocated_bytes()); };
#else
#include <malloc.h>
const auto heapInUse = [] { return qint64(mallinfo2().uordblks); };
#endif

namespace {

using Accessor = fw::Window &(*)();
template <typename T> fw::Window &accessor() {
    return T::instance();
}

// The update window asks the maker's host, which in a network of its own is this machine.
const PrivateNetwork network({"orvane.example"});

// A list's rows, each "first cell|second cell".
QStringList rows(const fw::Listbox &list) {
    QStringList texts;
    for (int r = 0; r < list.ListCount(); ++r)
        texts << list.Cell(r, 0) + u'|' + list.Cell(r, 1);
    return texts;
}

// The four summary rows of a real hand: the labels, each suit from the Ace down, each rank once
// and followed by one blank, thirteen cards in all.
bool isHand(const QStringList &summary) {
    static const QString suit =
        u"(A )?(K )?(Q )?(J )?(10 )?(9 )?(8 )?(7 )?(6 )?(5 )?(4 )?(3 )?(2 )?"_s;
    static const QRegularExpression hand(u"^Spades:\\|"_s + suit + u"\nHearts:\\|"_s + suit +
                                         u"\nDiamonds:\\|"_s + suit + u"\nClubs:\\|"_s + suit +
                                         u'$');
    const QString text = summary.join(u'\n');
    return hand.match(text).hasMatch() && text.count(u' ') == 13;
}

// Hand n of the page (0 to 7) as summary rows.
QStringList pageHand(int n) {
    using namespace Module1;
    return {u"Spades:|"_s + SpadesOfHand[n], u"Hearts:|"_s + HeartsOfHand[n],
            u"Diamonds:|"_s + DiamondsOfHand[n], u"Clubs:|"_s + ClubsOfHand[n]};
}

} // namespace

// The program as the user meets it: start-up, the main window, its menus and the page layout
// numbers.
class AppTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(startUp()); }
    void cleanup() { shutDown(); }

    void theMainWindowShowsARealHand_data() {
        QTest::addColumn<int>("key"); // 0: a click on New Hand, -1: nothing since the launch
        QTest::newRow("as launched") << -1;
        QTest::newRow("New Hand clicked") << 0;
        QTest::newRow("Return") << int(Qt::Key_Return);
    }
    void theMainWindowShowsARealHand() {
        QFETCH(int, key);
        Window1 &w = Window1::instance();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QStringList before = rows(w.Results()); // which the deal of table 2 leaves alone
        Module1::MakeHand2();
        const QStringList table2 = rows(w.Results2());
        if (key > 0)
            QTest::keyClick(&w, Qt::Key(key));
        else if (key == 0)
            QTest::mouseClick(&w.NewHand(), Qt::LeftButton);
        QVERIFY2(isHand(rows(w.Results())), qPrintable(rows(w.Results()).join(u'|')));
        // An unshuffled deck would deal the thirteen spades.
        QVERIFY(rows(w.Results()).first() != u"Spades:|A K Q J 10 9 8 7 6 5 4 3 2 "_s);
        QCOMPARE(rows(w.Results()) != before, key >= 0); // dealt again
        QVERIFY(Module1::TextFontSize > 0); // start-up laid the page out for this screen
        QCOMPARE(rows(w.Results2()), table2);
        const fw::ListboxView &view = w.ResultsView();
        QStringList inView; // what the window shows of its controls
        for (QWidget *child : w.content()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child->isVisible() && w.content()->rect().intersects(child->geometry()))
                QDebug(&inView.emplace_back()).noquote()
                    << child->objectName() << child->geometry();
        QCOMPARE(inView.join(u'|'), u"Results QRect(20,20 270x66) |NewHand QRect(20,102 94x20) |"
                                    u"PageOfHands QRect(125,102 165x20) "_s);
        // Columns of 30% and 70% of the 268 pixels inside the frame; four rows fill the list.
        QCOMPARE(QList({view.columnWidth(0), view.columnWidth(1), view.viewport()->width()}),
                 QList({80, 188, 268}));
        QCOMPARE(view.rowViewportPosition(3) + view.rowHeight(3), view.viewport()->height());
    }

    // A hand dealt card by card, a void suit in it: each suit list sorted on its sort letters,
    // then the summary, the void with an empty holding.
    void aHandDealtCardByCard() {
        Window1 &w = Window1::instance();
        Module1::ClearTables();
        const QStringList cards = u"H2 D10 CA HK C3 D4 H10 CQ DA C7 HJ D9 C10"_s.split(u' ');
        for (int i = 0; i < 13; ++i)
            Module1::Cards[i] = cards[i];
        Module1::SortIntoSuits();
        Module1::AddSortLettersAndSort();
        Module1::GiveResults();
        QStringList lists;
        for (fw::Listbox *list :
             {&w.Spades(), &w.Hearts(), &w.Diamonds(), &w.Clubs(), &w.Results()})
            lists << rows(*list).join(u' ');
        QCOMPARE(lists.join(u','),
                 u",K|b J|d 10|e 2|m,A|a 10|e 9|f 4|k,A|a Q|c 10|e 7|h 3|l,Spades:| "
                 u"Hearts:|K J 10 2  Diamonds:|A 10 9 4  Clubs:|A Q 10 7 3 "_s);
    }

    // What each window shows: its title, content size and frame (kind and title-bar buttons),
    // the captions of its buttons and labels, and the names of its lists and text areas, in
    // creation order, each with its font ("System": the toolkit's own face, at its own size unless
    // one is given), then each menu of its bar with the items and their shortcuts as shown ("-": a
    // separator).
    void everyWindowShowsTheTextsOfItsDesign_data() {
        QTest::addColumn<Accessor>("window");
        QTest::addColumn<QString>("shown");
        const QString edit = u"&Edit: &Undo Ctrl+Z, -, Cu&t Ctrl+X, &Copy Ctrl+C, &Paste Ctrl+V, "
                             u"&Delete, -, Select &All Ctrl+A"_s,
                      bar1 =
                          u"File: Print Help Ctrl+P, -, Quit Ctrl+Q | "_s + edit +
                          u" | Check for Update: Check Now | Quillory Help: Show Help, About..."_s;
        QTest::newRow("main") << &accessor<Window1>
                              << u"Your Bridge Hand 310x142 window close | Results (System), New "
                                 u"Hand (System bold), Show Page of Hands (System bold) | "_s +
                                     bar1;
        QTest::newRow("page") << &accessor<Window2>
                              << u"Page of Quillory 612x792 window close |  | File: Print Page of "
                                 u"Hands | "_s + edit;
        QTest::newRow("help") << &accessor<Help>
                              << u"Help 350x312 window close | TextArea1 (System) | &File: Print "
                                 u"Help Ctrl+P, &Quit Ctrl+Q | "_s + edit;
        QTest::newRow("about") << &accessor<AboutBox>
                               << u"About... 264x295 window close | Email Author (System bold), "
                                  u"Visit Web Site (System bold), Developed by/Mara Lindqvist//Sr. "
                                  u"Beta Tester/Tomas Okafor (System), Quillory (Arial 30 bold), "
                                  u"Version: (Arial 12 bold), 1.1.0 (Arial 12 bold), Support "
                                  u"Orvane (System bold) | "_s + bar1;
        QTest::newRow("self test") << &accessor<selfTest>
                                   << u"Self Test 212x102 window close | Version: (System bold), "
                                      u"1.1.0 (System), Check for Updates (System bold) | "_s +
                                         bar1;
        // Its request is dropped as it closes.
        QTest::newRow("update") << &accessor<updateWindow>
                                << u"Update 300x120 dialog close minimize | Checking for "
                                   u"updates... (Arial 12), Cancel (System) | "_s + bar1;
    }
    void everyWindowShowsTheTextsOfItsDesign() {
        QFETCH(Accessor, window);
        if (window == &accessor<updateWindow>)
            QVERIFY2(network.missing().isEmpty(), qPrintable(network.missing()));
        fw::Window &w = window();
        const Qt::WindowFlags flags = w.windowFlags();
        QString shown;
        QDebug(&shown).noquote().nospace()
            << w.windowTitle() << ' ' << w.Width() << 'x' << w.Height()
            << (flags.testFlag(Qt::Dialog) ? " dialog" : " window")
            << (flags & Qt::WindowCloseButtonHint ? " close" : "")
            << (flags & Qt::WindowMinimizeButtonHint ? " minimize" : "")
            << (flags & Qt::WindowMaximizeButtonHint ? " maximize" : "") << " | ";
        QStringList captions, menus;
        for (QWidget *child : w.content()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QFont font = child->font();
            QString caption = child->objectName(); // of a list or a text area
            if (auto *button = qobject_cast<QAbstractButton *>(child))
                caption = button->text();
            else if (auto *label = qobject_cast<QLabel *>(child))
                caption = label->text().replace(u'\n', u'/');
            else if (!qobject_cast<QAbstractScrollArea *>(child))
                continue;
            QDebug(&captions.emplace_back(caption)).noquote().nospace()
                << " ("
                << (font.family() == QApplication::font().family() ? "System" : font.family())
                << (font.pixelSize() > 0 ? u' ' + QString::number(font.pixelSize()) : "")
                << (font.bold() ? " bold)" : ")");
        }
        for (QAction *menu : w.menuBar()->actions()) {
            QStringList items;
            for (QAction *item : menu->menu()->actions())
                items << (item->isSeparator()
                              ? u"-"_s
                              : item->text() + u' ' +
                                    item->shortcut().toString(QKeySequence::NativeText))
                             .trimmed();
            menus << menu->text() + u": "_s + items.join(u", "_s);
        }
        QTEST(shown + captions.join(u", "_s) + u" | "_s + menus.join(u" | "_s), "shown");
        w.Close(); // a closed window is forgotten, then made anew
        QVERIFY(&window() != &w && window().isVisible());
    }

    // "Show Page of Hands" after every tenth "New Hand": every hand on show and on the page is a
    // hand, and every page is painted.
    void tenThousandNewHandsAndAThousandPages() {
        Window1 &w = Window1::instance();
        long paints = 0; // of the page
        qint64 warm = 0; // heap bytes in use after round 1000
        for (int round = 1; round <= 10000; ++round) {
            if (round == 1001)
                warm = heapInUse();
            QTest::mouseClick(&w.NewHand(), Qt::LeftButton);
            QList<QStringList> hands{rows(w.Results())};
            if (round % 10 == 0) {
                QTest::mouseClick(&w.PageOfHands(), Qt::LeftButton);
                fw::Canvas &canvas = Window2::instance().Canvas1();
                if (round == 10)
                    canvas.PaintHandler = [&, paint = canvas.PaintHandler](auto &c, auto &g) {
                        ++paints, paint(c, g);
                    };
                const long before = paints; // painted, and the list with it
                for (QDeadlineTimer bound(5000); paints == before && !bound.hasExpired();)
                    QCoreApplication::processEvents();
                QVERIFY2(paints > before, "the page was not painted within 5 s");
                for (int n = 0; n < 8; ++n)
                    hands << pageHand(n);
                QCOMPARE(rows(w.Results2()), hands.last()); // table 2 holds hand 8
            }
            for (const QStringList &hand : hands)
                QVERIFY2(isHand(hand), qPrintable(QString::number(round) + u' ' + hand.join(u'|')));
        }
        // Caches filling add up to some 14 KB. One lost 32-byte block per deal (9,000 New Hands
        // and 900 pages of eight hands after round 1000) would add 518 KB, a kept row more.
        const qint64 grown = heapInUse() - warm;
        QVERIFY2(grown < 64 * 1024, qPrintable(u"the heap grew by %1 bytes"_s.arg(grown)));
    }

    void quitAndClosingTheMainWindowEndTheLoopWithCode0() {
        Window1 &w = Window1::instance();
        QTimer bound; // a loop that does not end ends with code 2 after 5 s
        bound.callOnTimeout([] { QCoreApplication::exit(2); });
        bound.start(5000);
        QTimer::singleShot(0, w.menuBar()->findChild<QAction *>(u"FileQuit"_s), &QAction::trigger);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!w.isClosed()); // quitting closes nothing by itself
        QTimer::singleShot(0, &w, &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
    }

    // The page layout numbers: as designed where more than 892 pixels are available, else each
    // scaled by (height - 100) / 892, halves rounded away from zero. (The painted page checks
    // every one of them at full and at half size.)
    void setUpXYFollowsTheAvailableHeight_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("numbers"); // Scale, X0, X1, X4, Y25, the window, the text size
        QTest::newRow("893: full size") << 893 << "0 10 25 425 780 612 792 14";
        QTest::newRow("892: scaled") << 892 << "0.887892 9 22 377 693 543 703 12";
        QTest::newRow("100: nothing left") << 100 << "0 0 0 0 0 0 0 0";
        QTest::newRow("40: below zero") << 40 << "-0.0672646 -1 -2 -29 -52 -41 -53 -1";
    }
    void setUpXYFollowsTheAvailableHeight() {
        QFETCH(int, height);
        using namespace Module1;
        Scale = 0.0; // the full-size path leaves it as it was
        App::setUpXYFor(height);
        QStringList numbers{QString::number(Scale)};
        for (int n : {X[0], X[1], X[4], Y[25], Window2Width, Window2Height, TextFontSize})
            numbers << QString::number(n);
        QTEST(numbers.join(u' '), "numbers");
    }
};

QTEST_MAIN(AppTest)
#include "tst_app.moc"

#include "app/app.h"
#include "app/startup.h"
#include "engine/module1.h"
#include "framework/ui/listboxview.h"
#include "update/aboutbox.h"
#include "update/selftest.h"
#include "windows/help.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <fstream>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

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

long residentKilobytes() {
    long size = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The full-size numbers: X0 to X5, Y0 to Y25, Window2Height, Window2Width, TextFontSize.
const QList<int> base = {10,  25,  120, 330, 425, 130, 20,  70,  90,  110, 130, 170,
                         190, 250, 270, 290, 310, 350, 370, 430, 450, 470, 490, 530,
                         550, 610, 630, 650, 670, 710, 730, 780, 792, 612, 14};

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
        Module1::MakeHand2();
        const QStringList table2 = rows(w.Results2()), before = rows(w.Results());
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
        // A first column of 30% of the inner width; the four rows fill the list exactly.
        QCOMPARE(view.columnWidth(0), int(view.viewport()->width() * 0.3 + 0.5));
        QCOMPARE(view.rowViewportPosition(3) + view.rowHeight(3), view.viewport()->height());
    }

    // Each window as designed: title, content size, and a frame with a close box only.
    void windowsHaveTheirDesignedFrames() {
        const auto frame =
            Qt::WindowType_Mask | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
        QStringList designs;
        for (fw::Window *w : std::initializer_list<fw::Window *>{
                 &Window1::instance(), &Window2::instance(), &Help::instance(),
                 &AboutBox::instance(), &selfTest::instance()})
            QDebug(&designs.emplace_back()).noquote()
                << w->windowTitle() << w->content()->size()
                << ((w->windowFlags() & frame) == (Qt::Window | Qt::WindowCloseButtonHint));
        QCOMPARE(designs.join(u'|'),
                 u"Your Bridge Hand QSize(310, 142) true |Page of Quillory QSize(612, 792) true |"
                 u"Help QSize(350, 312) true |About... QSize(264, 295) true |Self Test "
                 u"QSize(212, 102) true "_s);
        AboutBox &about = AboutBox::instance(); // a closed window is forgotten, then made anew
        about.Close();
        QVERIFY(&AboutBox::instance() != &about && AboutBox::instance().isVisible());
    }

    // "Show Page of Hands" after every tenth "New Hand": every hand on show and on the page is a
    // hand, and resident memory stops growing once the program has warmed up (round 100).
    void tenThousandNewHandsAndAThousandPages() {
        Window1 &w = Window1::instance();
        long warm = 0;
        for (int round = 1; round <= 10000; ++round) {
            QTest::mouseClick(&w.NewHand(), Qt::LeftButton);
            QList<QStringList> hands{rows(w.Results())};
            if (round % 10 == 0) {
                QTest::mouseClick(&w.PageOfHands(), Qt::LeftButton);
                QCoreApplication::processEvents(); // paint the page and the list
                for (int n = 0; n < 8; ++n)
                    hands << pageHand(n);
                QCOMPARE(rows(w.Results2()), hands.last()); // table 2 holds hand 8
            }
            for (const QStringList &hand : hands)
                QVERIFY2(isHand(hand), qPrintable(QString::number(round) + u' ' + hand.join(u'|')));
            if (round == 100)
                warm = residentKilobytes();
        }
        // AddressSanitizer keeps freed memory in quarantine, so memory grows under it.
#if !defined(__SANITIZE_ADDRESS__)
        QVERIFY2(residentKilobytes() - warm < 2048, "memory grew by 2 MiB after round 100");
#endif
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

    // The page layout numbers, rounded halves away from zero.
    void setUpXYFollowsTheAvailableHeight_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("scale"); // the numbers are the full-size ones times this
        QTest::newRow("893: full size") << 893 << 0.0;
        QTest::newRow("892: scaled") << 892 << 792.0 / 892.0;
        QTest::newRow("546: half size") << 546 << 0.5;
        QTest::newRow("100: nothing left") << 100 << 0.0;
        QTest::newRow("40: below zero") << 40 << -60.0 / 892.0;
    }
    void setUpXYFollowsTheAvailableHeight() {
        QFETCH(int, height);
        QFETCH(double, scale);
        using namespace Module1;
        Scale = 0.0; // the full-size path leaves it as it was
        App::setUpXYFor(height);
        QCOMPARE(Scale, scale);
        QList<int> numbers(std::begin(X), std::end(X)), expected;
        numbers << QList<int>(std::begin(Y), std::end(Y)) << Window2Height << Window2Width
                << TextFontSize;
        for (int b : base)
            expected << (height > 892 ? b : int(std::lround(b * scale)));
        QCOMPARE(numbers, expected);
    }
};

QTEST_MAIN(AppTest)
#include "tst_app.moc"

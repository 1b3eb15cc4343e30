#include "app/app.h"
#include "app/menubars.h"
#include "app/startup.h"
#include "engine/module1.h"
#include "framework/ui/listboxview.h"
#include "framework/ui/screen.h"
#include "windows/window1.h"

#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// A list's rows, each "first cell|second cell".
QStringList rows(const fw::Listbox &list) {
    QStringList texts;
    for (int r = 0; r < list.ListCount(); ++r)
        texts << list.Cell(r, 0) + u'|' + list.Cell(r, 1);
    return texts;
}

// The rows of a real hand in Results: the four labels, each suit from the Ace down, each rank
// once and followed by one blank (thirteen blanks in all, so thirteen cards).
const QString suit = u"(A )?(K )?(Q )?(J )?(10 )?(9 )?(8 )?(7 )?(6 )?(5 )?(4 )?(3 )?(2 )?"_s;
const QRegularExpression realHand(u"^Spades:\\|"_s + suit + u"\nHearts:\\|"_s + suit +
                                  u"\nDiamonds:\\|"_s + suit + u"\nClubs:\\|"_s + suit + u'$');

// An item and all it holds, one line each: name, text, shortcut, and the class when it is not
// a plain MenuItem.
QStringList describe(const fw::MenuItem &item) {
    const char *const kinds[] = {"", " [AppleMenuItem]", " [QuitMenuItem]"};
    QStringList lines{(item.Name + u'=' + item.Text + u' ' + item.KeyboardShortcut).trimmed() +
                      QLatin1String(kinds[int(item.kind())]) +
                      (item.AutoEnable ? "" : " [manual]")};
    for (int i = 0; i < item.Count(); ++i)
        lines += describe(item.Item(i));
    return lines;
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
    void cleanup() {
        shutDown();
        fw::setScreenAvailableHeightForTesting(-1);
    }

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
        const QString hand = rows(w.Results()).join(u'\n');
        QVERIFY2(realHand.match(hand).hasMatch() && hand.count(u' ') == 13, qPrintable(hand));
        QCOMPARE(rows(w.Results()) != before, key >= 0); // dealt again
        QCOMPARE(rows(w.Results2()), table2);
        QCOMPARE(w.windowTitle(), u"Your Bridge Hand"_s);
        QCOMPARE(w.content()->size(), QSize(310, 142));
        const fw::ListboxView &view = w.ResultsView();
        QCOMPARE(view.model()->index(3, 1).data().toString(), w.Results().Cell(3, 1));
        QMap<QString, QRect> inView;
        for (QWidget *child : w.content()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child->isVisible() && w.content()->rect().intersects(child->geometry()))
                inView[child->objectName()] = child->geometry();
        QCOMPARE(inView, (QMap<QString, QRect>{{"Results", QRect(20, 20, 270, 66)},
                                               {"NewHand", QRect(20, 102, 94, 20)},
                                               {"PageOfHands", QRect(125, 102, 165, 20)}}));
        // A first column of 30% of the inner width; the four rows fit without scrolling.
        QCOMPARE(view.columnWidth(0), int(view.viewport()->width() * 0.3 + 0.5));
        QVERIFY(view.rowViewportPosition(3) + view.rowHeight(3) <= view.viewport()->height());
    }

    void quitAndClosingTheMainWindowEndTheLoopWithCode0() {
        Window1 &w = Window1::instance();
        QTimer::singleShot(0, w.menuBar()->findChild<QAction *>(u"FileQuit"_s), &QAction::trigger);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!w.isClosed()); // quitting closes nothing by itself
        QTimer::singleShot(0, &w, &QWidget::close);
        QCOMPARE(QApplication::exec(), 0);
    }

    void barsEqualTheirTables_data() {
        QTest::addColumn<QStringList>("actual");
        QTest::addColumn<QStringList>("expected");
        const auto edit = [](const QString &separator1, const QString &separator2) {
            return QStringList{
                "EditMenu=&Edit",     "EditUndo=&Undo Cmd+Z", separator1 + "=-",
                "EditCut=Cu&t Cmd+X", "EditCopy=&Copy Cmd+C", "EditPaste=&Paste Cmd+V",
                "EditClear=&Delete",  separator2 + "=-",      "EditSelectAll=Select &All Cmd+A"};
        };
        const QStringList edit12 = edit("UntitledMenu1", "UntitledMenu0");
        const QStringList file1 = {"FileMenu=File", "FilePrintHelp=Print Help Cmd+P", "File=-",
                                   "FileQuit=Quit Cmd+Q"};
        const QStringList rest1 = {"CheckforUpdateMenu=Check for Update",
                                   "CheckforUpdateCheckNow=Check Now", "HelpMenu=Quillory Help",
                                   "HelpShow=Show Help", "HelpAbout=About... [AppleMenuItem]"};
        const QStringList file2 = {"FileMenu=File", "FilePrintPageofHands=Print Page of Hands"};
        const QStringList file3 = {"FileMenu=&File", "FilePrintHelp=Print Help Cmd+P",
                                   "FileQuit=&Quit Cmd+Q [QuitMenuItem]"};
        QTest::newRow("MenuBar1") << describe(MenuBar1::instance()).mid(1)
                                  << file1 + edit12 + rest1;
        QTest::newRow("MenuBar2") << describe(MenuBar2::instance()).mid(1) << file2 + edit12;
        QTest::newRow("MenuBar3") << describe(MenuBar3::instance()).mid(1)
                                  << file3 + edit("EditSeparator1", "EditSeparator2");
    }

    void barsEqualTheirTables() {
        QFETCH(QStringList, actual);
        QTEST(actual, "expected");
    }

    void dispatchAsksTheFrontWindowThenTheApplication() {
        Window1 &w = Window1::instance();
        QStringList calls;
        bool windowDone = false;
        w.AddMenuHandler(u"HelpAbout"_s, [&] {
            calls << u"window"_s;
            return windowDone;
        });
        App::instance().AddMenuHandler(u"HelpAbout"_s, [&] {
            calls << u"application"_s;
            return false;
        });
        QVERIFY(fw::dispatchMenuItem(u"HelpAbout"_s, &w));
        QVERIFY(fw::dispatchMenuItem(u"HelpAbout"_s, nullptr));
        QVERIFY(!fw::dispatchMenuItem(u"EditUndo"_s, &w)); // no handler anywhere
        windowDone = true;
        w.menuBar()->findChild<QAction *>(u"HelpAbout"_s)->trigger(); // from the window's Qt menu
        QCOMPARE(calls, QStringList({"window", "application", "application", "window"}));
    }

    void itemsWithHandlersAreEnabledWhenAMenuOpens() {
        Window1 &w = Window1::instance();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.ResultsView().setFocus(); // a list can select all, and nothing else of the Edit menu
        // Every item in the wrong state first, in the model and in Qt.
        const QList<QAction *> items = w.menuBar()->findChildren<QAction *>();
        for (QAction *action : items)
            if (fw::MenuItem *item = MenuBar1::instance().Lookup(action->objectName())) {
                item->Enabled = !item->Enabled;
                action->setEnabled(!action->isEnabled());
            }
        emit w.menuBar()->findChild<QMenu *>(u"HelpMenu"_s)->aboutToShow();
        QStringList enabled;
        for (QAction *action : items)
            if (action->isEnabled() && !action->isSeparator() && !action->objectName().isEmpty())
                enabled << (action->objectName() + u' ' + action->shortcut().toString()).trimmed();
        QCOMPARE(enabled,
                 QStringList({"FilePrintHelp Ctrl+P", "FileQuit Ctrl+Q", "EditSelectAll Ctrl+A",
                              "CheckforUpdateCheckNow", "HelpShow", "HelpAbout"}));
    }

    // The page layout numbers and the conversion they are rounded with.
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
        Module1::Scale = 0.0; // the full-size path leaves it as it was
        fw::setScreenAvailableHeightForTesting(height);
        App::instance().SetUpXY();
        QCOMPARE(Module1::Scale, scale);
        using namespace Module1;
        QList<int> numbers(std::begin(X), std::end(X)), expected;
        numbers << QList<int>(std::begin(Y), std::end(Y)) << Window2Height << Window2Width
                << TextFontSize;
        for (int b : base)
            expected << (height > 892 ? b : int(std::lround(b * scale)));
        QCOMPARE(numbers, expected);
    }

    void conversionRoundsHalvesAwayFromZero() {
        QList<int> converted;
        for (double value : {12.5, -12.5, 12.43, 1e20, -1e20, std::nan("")})
            converted << fw::toInt32(value);
        QCOMPARE(converted, QList<int>({13, -13, 12, std::numeric_limits<int>::max(),
                                        std::numeric_limits<int>::min(), 0}));
    }
};

QTEST_MAIN(AppTest)
#include "tst_app.moc"

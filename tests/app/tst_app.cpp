#include "app/app.h"
#include "app/menubars.h"
#include "app/startup.h"
#include "engine/module1.h"
#include "framework/ui/listboxview.h"
#include "framework/ui/screen.h"
#include "testmain.h"
#include "windows/window1.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QStringList column(const fw::Listbox &list, int c) {
    QStringList texts;
    for (int r = 0; r < list.ListCount(); ++r)
        texts << list.Cell(r, c);
    return texts;
}

// Results holds a real hand: the four labels, thirteen ranks in all, each suit
// from Ace down, each rank once and followed by one blank.
void verifyHandOnShow(const fw::Listbox &results) {
    QCOMPARE(column(results, 0), QStringList({"Spades:", "Hearts:", "Diamonds:", "Clubs:"}));
    QCOMPARE(column(results, 1).join(QString()).count(u' '), 13);
    static const QRegularExpression suit(
        u"^(A )?(K )?(Q )?(J )?(10 )?(9 )?(8 )?(7 )?(6 )?(5 )?(4 )?(3 )?(2 )?$"_s);
    for (const QString &holding : column(results, 1))
        QVERIFY2(suit.match(holding).hasMatch(), qPrintable(holding));
}

// Each menu, then its items: name, text, shortcut, and the class when it is not a
// plain MenuItem.
QStringList describe(const fw::MenuBar &bar) {
    const char *const kinds[] = {"", " [AppleMenuItem]", " [QuitMenuItem]"};
    QStringList lines;
    for (int m = 0; m < bar.Count(); ++m)
        for (int i = -1; i < bar.Item(m).Count(); ++i) {
            const fw::MenuItem &item = i < 0 ? bar.Item(m) : bar.Item(m).Item(i);
            lines << (item.Name + u'=' + item.Text + u' ' + item.KeyboardShortcut).trimmed() +
                         QLatin1String(kinds[int(item.kind())]) +
                         (item.AutoEnable ? "" : " [manual]");
        }
    return lines;
}

// The full-size numbers: X0 to X5, Y0 to Y25, Window2Height, Window2Width, TextFontSize.
const QList<int> base = {10,  25,  120, 330, 425, 130, 20,  70,  90,  110, 130, 170,
                         190, 250, 270, 290, 310, 350, 370, 430, 450, 470, 490, 530,
                         550, 610, 630, 650, 670, 710, 730, 780, 792, 612, 14};

} // namespace

// The program as the user meets it: start-up, the main window and its menus.
class AppTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(startUp()); }
    void cleanup() { shutDown(); }

    void launchShowsARealHandWithOnlyResultsAndTheButtonsInView() {
        Window1 &w = Window1::instance();
        QCOMPARE(w.windowTitle(), u"Your Bridge Hand"_s);
        QCOMPARE(w.content()->size(), QSize(310, 142));
        verifyHandOnShow(w.Results());
        const fw::ListboxView &view = w.ResultsView();
        QCOMPARE(view.model()->rowCount(), 4);
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

    void newHandReplacesTheRowsAndLeavesTable2Alone_data() {
        QTest::addColumn<int>("key"); // 0: a click on the button
        QTest::newRow("click") << 0;
        QTest::newRow("Return") << int(Qt::Key_Return);
    }

    void newHandReplacesTheRowsAndLeavesTable2Alone() {
        QFETCH(int, key);
        Window1 &w = Window1::instance();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Module1::MakeHand2();
        const QStringList table2 = column(w.Results2(), 0) + column(w.Results2(), 1);
        const QStringList before = column(w.Results(), 1);
        if (key)
            QTest::keyClick(&w, Qt::Key(key));
        else
            QTest::mouseClick(&w.NewHand(), Qt::LeftButton);
        QVERIFY(column(w.Results(), 1) != before);
        verifyHandOnShow(w.Results());
        QCOMPARE(column(w.Results2(), 0) + column(w.Results2(), 1), table2);
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
        const QStringList edit12 = {
            "EditMenu=&Edit",     "EditUndo=&Undo Cmd+Z", "UntitledMenu1=-",
            "EditCut=Cu&t Cmd+X", "EditCopy=&Copy Cmd+C", "EditPaste=&Paste Cmd+V",
            "EditClear=&Delete",  "UntitledMenu0=-",      "EditSelectAll=Select &All Cmd+A"};
        const QStringList file1 = {"FileMenu=File", "FilePrintHelp=Print Help Cmd+P", "File=-",
                                   "FileQuit=Quit Cmd+Q"};
        const QStringList rest1 = {"CheckforUpdateMenu=Check for Update",
                                   "CheckforUpdateCheckNow=Check Now", "HelpMenu=Quillory Help",
                                   "HelpShow=Show Help", "HelpAbout=About... [AppleMenuItem]"};
        const QStringList file2 = {"FileMenu=File", "FilePrintPageofHands=Print Page of Hands"};
        const QStringList file3 = {"FileMenu=&File", "FilePrintHelp=Print Help Cmd+P",
                                   "FileQuit=&Quit Cmd+Q [QuitMenuItem]"};
        const QStringList edit3 = {
            "EditMenu=&Edit",     "EditUndo=&Undo Cmd+Z", "EditSeparator1=-",
            "EditCut=Cu&t Cmd+X", "EditCopy=&Copy Cmd+C", "EditPaste=&Paste Cmd+V",
            "EditClear=&Delete",  "EditSeparator2=-",     "EditSelectAll=Select &All Cmd+A"};
        QTest::newRow("MenuBar1") << describe(MenuBar1::instance()) << file1 + edit12 + rest1;
        QTest::newRow("MenuBar2") << describe(MenuBar2::instance()) << file2 + edit12;
        QTest::newRow("MenuBar3") << describe(MenuBar3::instance()) << file3 + edit3;
    }

    void barsEqualTheirTables() {
        QFETCH(QStringList, actual);
        QFETCH(QStringList, expected);
        QCOMPARE(actual, expected);
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
        const auto dispatch = [&](const QString &item, fw::Window *front) {
            calls.clear();
            return fw::dispatchMenuItem(item, front) ? calls.join(u' ') : u"nobody"_s;
        };
        QCOMPARE(dispatch(u"HelpAbout"_s, &w), u"window application"_s);
        QCOMPARE(dispatch(u"HelpAbout"_s, nullptr), u"application"_s);
        QCOMPARE(dispatch(u"EditUndo"_s, &w), u"nobody"_s);
        windowDone = true;
        QCOMPARE(dispatch(u"HelpAbout"_s, &w), u"window"_s);
        calls.clear(); // the item chosen in the window's Qt menu reaches the same dispatch
        w.menuBar()->findChild<QAction *>(u"HelpAbout"_s)->trigger();
        QCOMPARE(calls, QStringList({"window"}));
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
};

// The page layout numbers and the conversion they are rounded with.
class LayoutNumbersTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { fw::setScreenAvailableHeightForTesting(-1); }

    void setUpXYFollowsTheAvailableHeight_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QList<int>>("numbers");
        const auto scaled = [](double scale) {
            QList<int> n;
            for (int b : base)
                n << int(std::lround(b * scale));
            return n;
        };
        QTest::newRow("893: full size") << 893 << 0.0 << base;
        QTest::newRow("892: scaled") << 892 << 792.0 / 892.0 << scaled(792.0 / 892.0);
        QTest::newRow("546: half size") << 546 << 0.5 << scaled(0.5);
        QTest::newRow("100: nothing left") << 100 << 0.0 << QList<int>(35, 0);
        QTest::newRow("40: below zero") << 40 << -60.0 / 892.0 << scaled(-60.0 / 892.0);
    }

    void setUpXYFollowsTheAvailableHeight() {
        QFETCH(int, height);
        QFETCH(double, scale);
        QFETCH(QList<int>, numbers);
        Module1::Scale = 0.0; // the full-size path leaves it as it was
        fw::setScreenAvailableHeightForTesting(height);
        App().SetUpXY();
        QCOMPARE(Module1::Scale, scale);
        // X0 to X5, Y0 to Y25, Window2Height, Window2Width, TextFontSize
        QCOMPARE(
            QList<int>(std::begin(Module1::X), std::end(Module1::X)) +
                QList<int>(std::begin(Module1::Y), std::end(Module1::Y)) +
                QList<int>({Module1::Window2Height, Module1::Window2Width, Module1::TextFontSize}),
            numbers);
    }

    void conversionRoundsHalvesAwayFromZero_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("12.5") << 12.5 << 13;
        QTest::newRow("-12.5") << -12.5 << -13;
        QTest::newRow("12.43") << 12.43 << 12;
        QTest::newRow("huge") << 1e20 << std::numeric_limits<int>::max();
        QTest::newRow("-huge") << -1e20 << std::numeric_limits<int>::min();
        QTest::newRow("nan") << std::nan("") << 0;
    }

    void conversionRoundsHalvesAwayFromZero() {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(fw::toInt32(value), expected);
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    return runTests<AppTest, LayoutNumbersTest>(argc, argv);
}

#include "tst_app.moc"

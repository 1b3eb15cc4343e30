#include "pdfreader.h"
#include "scripteddesktop.h"

#include "app/app.h"
#include "app/startup.h"
#include "engine/module1.h"
#include "framework/ui/canvas.h"
#include "framework/ui/graphicsfonts.h"
#include "windows/help.h"
#include "windows/helptext.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

using Drawn = std::tuple<int, int, QString>; // y, x, text: sorted, they are in reading order

// The 82 strings of the page: header, eight hands, footer. Row r of hands starts 180 r below the
// first row's top, its six lines (spades, hearts, diamonds, clubs, points, bid) at 0, 20, 40, 60,
// 100 and 120 below that. The left column (hands 1 to 4) has its labels at x 25 and holdings at
// 120, the right one (hands 5 to 8) at 330 and 425. On a small screen every number is halved,
// halves rounding up.
QList<Drawn> pageStrings(bool printed, bool halved, const QStringList &hands) {
    const auto at = [halved](int v) { return halved ? (v + 1) / 2 : v; };
    QList<Drawn> drawn;
    const auto add = [&](int x, int y, const QString &text) { drawn << Drawn{at(y), at(x), text}; };
    add(printed ? 5 : 10, 20,
        u"This page of Quillory may help a new Bridge player learn to make an initial bid."_s);
    const QStringList suits = {"Spades:", "Hearts:", "Diamonds:", "Clubs:"};
    for (int hand = 1; hand <= 8; ++hand) {
        const int x = hand > 4 ? 330 : 25, top = (printed ? 50 : 70) + 180 * ((hand - 1) % 4);
        for (int suit = 0; suit < 4; ++suit) {
            add(x, top + 20 * suit, suits[suit]);
            add(x + 95, top + 20 * suit, hands[hand - 1].split(u'|')[suit]);
        }
        // "Hand 2 Points" has no colon.
        add(x, top + 100, QStringLiteral("Hand %1 Points%2").arg(hand).arg(hand == 2 ? "" : ":"));
        add(x, top + 120, u"Open Bid:"_s);
    }
    add(130, printed ? 730 : 780, u"http://www.orvane.example"_s);
    std::sort(drawn.begin(), drawn.end());
    return drawn;
}

// The page holdings in module state: hand 1 to 8, each "spades|hearts|diamonds|clubs".
QStringList handsNow() {
    QStringList hands;
    for (int n = 0; n < 8; ++n)
        hands << Module1::SpadesOfHand[n] + u'|' + Module1::HeartsOfHand[n] + u'|' +
                     Module1::DiamondsOfHand[n] + u'|' + Module1::ClubsOfHand[n];
    return hands;
}

void trigger(fw::Window &window, const char *itemName) {
    window.menuBar()->findChild<QAction *>(QString::fromLatin1(itemName))->trigger();
}

// A page read back word by word: each string where its baseline starts, and as long as its font
// (Geneva, bold, of that size) makes it.
void verifyPdfPage(const QString &pdf, const QList<Drawn> &strings, int size) {
    const QList<PdfPage> pages = readPdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    const QList<PdfWord> words = inReadingOrder(pages[0]);
    const QFontMetricsF metrics(fw::pageFont(u"Geneva"_s, size, true));
    qsizetype next = 0;
    for (const auto &[y, x, text] : strings) {
        const QStringList expected = text.split(u' ', Qt::SkipEmptyParts);
        for (const QString &word : expected)
            QCOMPARE(words.value(next++).text, word);
        if (expected.isEmpty())
            continue;
        QCOMPARE_NEAR(words[next - expected.size()].xMin, x, 0.2);
        QCOMPARE_NEAR(words[next - expected.size()].yMax - metrics.descent(), y, 0.2);
        QCOMPARE_NEAR(words[next - 1].xMax, x + metrics.horizontalAdvance(text.trimmed()), 0.5);
    }
    QCOMPARE(next, words.size());
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    const QString pdf_ = dir_.filePath(u"printed.pdf"_s);

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // not the machine's
        QVERIFY(startUp());
        QFile::remove(pdf_);
    }
    void cleanup() { shutDown(); }

    void pageOfHandsIsDealtAndDrawnWhereItsTableSays_data() {
        QTest::addColumn<int>("availableHeight"); // 546 halves the painted page
        QTest::addColumn<QString>("through");     // paint, print, cancel or fail
        QTest::addColumn<int>("presses");         // of "Show Page of Hands" first
        QTest::newRow("painted before any page") << 1000 << "paint" << 0;
        QTest::newRow("painted full size") << 1000 << "paint" << 20;
        QTest::newRow("painted on a small screen") << 546 << "paint" << 2;
        QTest::newRow("printed") << 1000 << "print" << 2;
        QTest::newRow("printed on a small screen") << 546 << "print" << 2;
        QTest::newRow("print cancelled") << 1000 << "cancel" << 2;
        QTest::newRow("printer cannot start") << 1000 << "fail" << 2;
    }
    void pageOfHandsIsDealtAndDrawnWhereItsTableSays() {
        QFETCH(int, availableHeight);
        QFETCH(QString, through);
        QFETCH(int, presses);
        App::setUpXYFor(availableHeight);
        Window2 &page = Window2::instance();
        int paints = 0;
        page.Canvas1().PaintHandler = [&, paint = page.Canvas1().PaintHandler](auto &c, auto &g) {
            ++paints;
            paint(c, g);
        };
        // Each press deals eight new hands into the one page window, put back in its place and
        // repainted.
        QStringList hands(8, u"|||"_s); // empty before any page
        for (int press = 0; press < presses; ++press) {
            page.move(500, 400); // the user moves the page away
            paints = 0;
            Window1::instance().PageOfHands().click();
            QCOMPARE(fw::openInstance<Window2>(), &page);
            // Inside the frame, where the platform draws one (offscreen: 2 pixels all round).
            QCOMPARE(QList({page.geometry().topLeft(), QPoint(page.Left(), page.Top())}),
                     QList<QPoint>(2, QPoint(330, 50)));
            QTRY_VERIFY(paints > 0);
            const QStringList previous = std::exchange(hands, handsNow());
            for (int n = 0; n < 8; ++n)
                QVERIFY2(hands[n] != previous[n] && hands[n].count(u' ') == 13,
                         qPrintable(hands[n]));
        }
        const bool printed = through != "paint", halved = !printed && availableHeight < 892;
        if (presses && !printed)
            QCOMPARE(QSize(page.Width(), page.Height()), QSize(612, 792) / (halved ? 2 : 1));
        const QString unwritable = dir_.filePath(u"no folder/page.pdf"_s);
        ScriptedDesktop desktop;
        desktop.printTo = through == "fail" ? unwritable : through == "cancel" ? "" : pdf_;
        if (!printed)
            page.Canvas1_Paint(page.Canvas1(), *pdfGraphics(pdf_));
        else // handled, even when cancelled or failed
            QVERIFY(App::instance()._FilePrintPageofHands_Action());
        QCOMPARE(desktop.shown.join(QString()),
                 through == "fail" ? "NoIcon||The printer \"" + unwritable +
                                         "\" could not be started. Nothing was printed.||OK"
                                   : QString());
        QCOMPARE(QFile::exists(pdf_), through == "paint" || through == "print");
        if (QFile::exists(pdf_))
            verifyPdfPage(pdf_, pageStrings(printed, halved, hands), halved ? 7 : 14);
    }

    void printHelpPrintsPageByPageAndOpensOrClosesTheHelpWindow_data() {
        QTest::addColumn<QString>("from"); // the bar "Print Help" is chosen from
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<bool>("helpOpenAfter");
        QTest::addColumn<QString>("text"); // null: the help text
        QTest::addColumn<int>("pages");
        // From the help window's bar, only its own handler runs; it always closes the window.
        QTest::newRow("help window, cancelled") << "help" << true << false << QString() << 1;
        // From the main window's bar, the application's handler never closes the help window
        // and opens one only when a printer was chosen.
        QTest::newRow("main window, cancelled, no help")
            << "main" << true << false << QString() << 1;
        QTest::newRow("main window, printed, no help") << "main" << false << true << QString() << 1;
        QTest::newRow("main window, printed, help open")
            << "main, help open" << false << true << QString() << 1;
        // Courier 10 lines are 12 high: 56 fill the block's 672.
        QStringList lines;
        for (int i = 1; i <= 57; ++i)
            lines << QStringLiteral("Line %1 of the help text.").arg(i);
        QTest::newRow("empty") << "help" << false << false << "" << 1;
        QTest::newRow("one line more than a block")
            << "help" << false << false << lines.join(u'\r') << 2;
        QTest::newRow("a block exactly")
            << "help" << false << false << lines.mid(0, 56).join(u'\r') << 1;
    }
    // Each page: the block's first line at the top of the 492 x 672 block at (36, 36), and the
    // footer on a baseline at 720: "page N" at x 40, the time and date the command was chosen at
    // x 100 (in the user's locale).
    void printHelpPrintsPageByPageAndOpensOrClosesTheHelpWindow() {
        QFETCH(QString, from);
        QFETCH(bool, cancelled);
        QFETCH(QString, text);
        const bool helpOpenBefore = from != "main";
        for (int i = 0; helpOpenBefore && i < 2; ++i) // "Show Help" twice shows one window
            trigger(Window1::instance(), "HelpShow");
        Help *const before = fw::openInstance<Help>();
        QCOMPARE(bool(before), helpOpenBefore);
        if (!text.isNull())
            before->TextArea1().setText(text);
        const auto now = [] { return QDateTime::currentDateTime().toString("HH:mm, dd.MM.yy"); };
        const QString dateBefore = now();
        ScriptedDesktop desktop;
        desktop.printTo = cancelled ? "" : pdf_;
        QList<bool> shownWithHelpOpen;
        desktop.whileShown = [&] { // from here on, a date taken now would show
            shownWithHelpOpen << bool(fw::openInstance<Help>());
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        };
        trigger(from == "help" ? static_cast<fw::Window &>(*before) : Window1::instance(),
                "FilePrintHelp");
        const QStringList dates = {dateBefore, now()};
        QCOMPARE(shownWithHelpOpen, QList<bool>{helpOpenBefore});
        Help *const after = fw::openInstance<Help>();
        QTEST(bool(after), "helpOpenAfter");
        QVERIFY(!before || !after || after == before);
        QCOMPARE(QFile::exists(pdf_), !cancelled); // the text printed, or nothing at all
        if (cancelled)
            return;
        const QList<PdfPage> read = readPdfPages(pdf_);
        QTEST(int(read.size()), "pages");
        const QFontMetricsF courier(fw::pageFont(u"Courier"_s, 10, true));
        const QFontMetricsF arial(fw::pageFont(u"Arial"_s, 10, false));
        QStringList body;
        for (int page = 0; page < read.size(); ++page) {
            QList<PdfWord> words = inReadingOrder(read[page]), footer;
            while (!words.isEmpty() && words.last().yMax > 710)
                footer.prepend(words.takeLast());
            QStringList texts;
            for (const PdfWord &word : footer)
                texts << word.text;
            QCOMPARE(texts.mid(0, 2), QStringList({"page", QString::number(page + 1)}));
            QVERIFY2(dates.contains(texts.mid(2).join(u' ')), qPrintable(texts.join(u' ')));
            QCOMPARE_NEAR(footer[0].xMin, 40, 0.2);
            QCOMPARE_NEAR(footer[1].xMax, 40 + arial.horizontalAdvance(texts.mid(0, 2).join(u' ')),
                          0.5); // in Arial, plain, after the body's Courier bold
            QCOMPARE_NEAR(footer[2].xMin, 100, 0.2);
            QCOMPARE_NEAR(footer[0].yMax - arial.descent(), 720, 0.2);
            texts.clear();
            for (const PdfWord &word : words)
                texts << word.text;
            if (!words.isEmpty()) {
                QCOMPARE_NEAR(words[0].xMin, 36, 0.2);
                QCOMPARE_NEAR(words[0].yMax - courier.descent(), 36 + courier.ascent(), 0.2);
            }
            body += texts;
        }
        QCOMPARE(body,
                 (text.isNull() ? helpText() : text).simplified().split(u' ', Qt::SkipEmptyParts));
    }

    // The help text can be selected and copied, never changed: on it the Edit menu offers Copy
    // and Select All only, and Cut and Paste do nothing. Items with a handler are enabled.
    void theHelpTextCanBeCopiedButNotChanged() {
        Help &help = Help::instance();
        help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        fw::TextArea &text = help.TextArea1();
        text.setFocus();
        QApplication::clipboard()->setText(u"pasted"_s);
        emit help.menuBar()->findChild<QMenu *>(u"EditMenu"_s)->aboutToShow();
        QStringList enabled;
        for (QAction *action : help.menuBar()->findChildren<QAction *>())
            if (action->isEnabled() && !action->isSeparator() && !action->objectName().isEmpty())
                enabled << action->objectName();
        QCOMPARE(enabled, QStringList({"FilePrintHelp", "FileQuit", "EditCopy", "EditSelectAll"}));
        for (const char *item :
             {"EditSelectAll", "EditCut", "EditPaste", "EditUndo", "EditClear", "EditCopy"})
            trigger(help, item);
        QCOMPARE(text.Text(), helpText());
        QCOMPARE(QApplication::clipboard()->text(), text.toPlainText());
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"

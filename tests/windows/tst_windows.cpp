#include "comparenear.h"
#include "pdfreader.h"
#include "recordinggraphics.h"

#include "app/app.h"
#include "app/startup.h"
#include "engine/module1.h"
#include "framework/ui/canvas.h"
#include "framework/ui/graphicsfonts.h"
#include "framework/ui/printing.h"
#include "windows/help.h"
#include "windows/helptext.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QMenuBar>
#include <QClipboard>
#include <QMenu>
#include <QRegularExpression>
#include <algorithm>
#include <tuple>

namespace {

using Drawn = std::tuple<int, int, QString>; // y, x, text: sorted, they are in reading order

// The 82 strings in drawing order: header, hands 1, 5, 2, 6, 3, 7, 4, 8, footer. Row r of hands
// starts 180 r below the first row's top, its six lines (spades, hearts, diamonds, clubs, points,
// bid) at 0, 20, 40, 60, 100 and 120 below that. The left column (hands 1 to 4) has its labels at
// x 25 and holdings at 120, the right one (hands 5 to 8) at 330 and 425. On a small screen every
// number is halved, halves rounding up.
QList<Drawn> pageStrings(bool printed, bool halved, const QStringList &hands) {
    const auto at = [halved](int v) { return halved ? (v + 1) / 2 : v; };
    QList<Drawn> drawn;
    const auto add = [&](int x, int y, const QString &text) { drawn << Drawn{at(y), at(x), text}; };
    add(printed ? 5 : 10, 20,
        "This page of Quillory may help a new Bridge player learn to make an initial bid.");
    const QStringList suits = {"Spades:", "Hearts:", "Diamonds:", "Clubs:"};
    for (int hand : {1, 5, 2, 6, 3, 7, 4, 8}) {
        const int x = hand > 4 ? 330 : 25, top = (printed ? 50 : 70) + 180 * ((hand - 1) % 4);
        for (int suit = 0; suit < 4; ++suit) {
            add(x, top + 20 * suit, suits[suit]);
            add(x + 95, top + 20 * suit, hands[hand - 1].split(u'|')[suit]);
        }
        // "Hand 2 Points" has no colon.
        add(x, top + 100, QStringLiteral("Hand %1 Points%2").arg(hand).arg(hand == 2 ? "" : ":"));
        add(x, top + 120, QStringLiteral("Open Bid:"));
    }
    add(130, printed ? 730 : 780, QStringLiteral("http://www.orvane.example"));
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

template <typename W> QList<W *> openWindows() {
    QList<W *> open;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<W *>(widget); window && !window->isClosed())
            open << window;
    return open;
}

void trigger(fw::Window &window, const char *itemName) {
    window.menuBar()->findChild<QAction *>(QString::fromLatin1(itemName))->trigger();
}

// Stands in for the print dialog: notes for each showing whether a help window was open, and
// hands out a printer writing a PDF file (whose page units are the sheet's own coordinates),
// a recorder, or nothing when cancelled. From a recorder on the locale is US English, so a
// date taken after the dialog would show.
struct PrintDialog {
    explicit PrintDialog(bool cancel = false, const QString &pdf = QString()) {
        fw::setPrinterDialogForTesting([this, cancel, pdf]() -> std::unique_ptr<fw::Graphics> {
            shownWithHelpOpen << !openWindows<Help>().isEmpty();
            if (!pdf.isEmpty())
                return fw::pdfPrinterGraphics(pdf);
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
            if (cancel)
                return nullptr;
            auto g = std::make_unique<RecordingGraphics>();
            recording = g->recording();
            return g;
        });
    }

    QList<bool> shownWithHelpOpen;
    std::shared_ptr<const Recording> recording = std::make_shared<Recording>(); // of the last job
};

// The page printed to a PDF file, read back word by word in reading order: the first word of
// each string where the string's baseline starts, the font's descent above the word's bottom.
void verifyPdfPage(const QString &pdf, QList<Drawn> strings) {
    const QList<PdfPage> pages = readPdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    std::sort(strings.begin(), strings.end());
    const QList<PdfWord> words = inReadingOrder(pages[0].words);
    const double descent = QFontMetricsF(fw::pageFont("Geneva", 14, true)).descent();
    qsizetype next = 0;
    for (const auto &[y, x, text] : strings) {
        const QStringList expected = text.split(u' ', Qt::SkipEmptyParts);
        for (qsizetype k = 0; k < expected.size(); ++k, ++next) {
            QCOMPARE(words.value(next).text, expected[k]);
            if (k == 0) {
                QCOMPARE_NEAR(words[next].xMin, x, 0.2);
                QCOMPARE_NEAR(words[next].yMax - descent, y, 0.2);
            }
        }
    }
    QCOMPARE(next, words.size());
}

// The calls that print pages with blocks of these line counts (none: an empty text).
QStringList helpCalls(const QList<int> &blockLines, const QString &date) {
    QStringList calls{"TextFont \"Courier\"", "TextSize 10", "ForeColor #ff000000", "Bold true"};
    for (int page = 1; page == 1 || page <= blockLines.size(); ++page) {
        if (!blockLines.isEmpty())
            calls << QStringLiteral("TextBlock 36 36 lines %1").arg(blockLines[page - 1]);
        calls += {"TextFont \"Arial\"", "Bold false",
                  QStringLiteral("DrawString \"page %1\" 40 720 0 false").arg(page),
                  QStringLiteral("DrawString \"%1\" 100 720 0 false").arg(date)};
        if (page < blockLines.size())
            calls += {"TextFont \"Courier\"", "Bold true", "NextPage"};
    }
    return calls << "Release";
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // not the machine's
        QVERIFY(startUp());
    }

    void cleanup() {
        fw::setPrinterDialogForTesting({});
        shutDown();
    }

    void pageOfHandsIsDealtAndDrawnWhereItsTableSays_data() {
        QTest::addColumn<int>("availableHeight"); // 546 halves the painted page
        QTest::addColumn<QString>("through");     // paint, print, cancel or pdf
        QTest::addColumn<int>("presses");         // of "Show Page of Hands" first
        QTest::newRow("painted before any page") << 1000 << "paint" << 0;
        QTest::newRow("painted full size") << 1000 << "paint" << 20;
        QTest::newRow("painted on a small screen") << 546 << "paint" << 2;
        QTest::newRow("printed") << 1000 << "print" << 2;
        QTest::newRow("printed on a small screen") << 546 << "print" << 2;
        QTest::newRow("print cancelled") << 1000 << "cancel" << 2;
        QTest::newRow("printed to PDF") << 1000 << "pdf" << 2;
    }

    void pageOfHandsIsDealtAndDrawnWhereItsTableSays() {
        QFETCH(int, availableHeight);
        QFETCH(QString, through);
        QFETCH(int, presses);
        App::setUpXYFor(availableHeight);
        const fw::Listbox &results = Window1::instance().Results();
        const auto resultsAndDeck = [&results] {
            QStringList texts;
            for (int i = 0; i < 52; ++i) // Results has four rows; the cells past them are empty
                texts << results.Cell(i, 1) + u'|' + Module1::Cards[i];
            return texts;
        };
        const QStringList before = resultsAndDeck();
        Window2 &page = Window2::instance();
        int paints = 0;
        page.Canvas1().PaintHandler = [&, paint = page.Canvas1().PaintHandler](auto &c, auto &g) {
            ++paints;
            paint(c, g);
        };
        // Each press deals eight new hands into the one page window, put back in its place and
        // repainted.
        QStringList hands(8, QStringLiteral("|||")); // empty before any page
        for (int press = 0; press < presses; ++press) {
            page.move(500, 400); // the user moves the page away
            paints = 0;
            Window1::instance().PageOfHands().click();
            QCOMPARE(openWindows<Window2>(), QList<Window2 *>{&page});
            QCOMPARE(QPoint(page.Left(), page.Top()), QPoint(330, 50));
            QTRY_VERIFY(paints > 0);
            const QStringList previous = std::exchange(hands, handsNow());
            for (int n = 0; n < 8; ++n)
                QVERIFY2(hands[n] != previous[n] && hands[n].count(u' ') == 13,
                         qPrintable(hands[n]));
        }
        QCOMPARE(resultsAndDeck(), before);
        const bool printed = through != "paint", halved = !printed && availableHeight < 892;
        // The canvas keeps the page's size; a smaller window cuts it off.
        QCOMPARE(page.Canvas1().geometry(), QRect(0, 0, 612, 792));
        if (presses && !printed)
            QCOMPARE(QSize(page.Width(), page.Height()), QSize(612, 792) / (halved ? 2 : 1));
        PrintDialog dialog(through == "cancel", through == "pdf" ? dir_.filePath("page.pdf") : "");
        if (!printed)
            page.Canvas1_Paint(page.Canvas1(), *fw::OpenPrinterDialog());
        else // handled, even when cancelled
            QVERIFY(App::instance()._FilePrintPageofHands_Action());
        if (through == "pdf")
            return verifyPdfPage(dir_.filePath("page.pdf"), pageStrings(true, false, hands));
        QCOMPARE(dialog.shownWithHelpOpen.size(), 1);
        // The drawing state once, the 82 strings, and the release.
        QStringList calls = {"TextFont \"Geneva\"",
                             QStringLiteral("TextSize %1").arg(halved ? 7 : 14),
                             "ForeColor #ff000000", "Bold true"};
        for (const auto &[y, x, text] : pageStrings(printed, halved, hands))
            calls << QStringLiteral("DrawString \"%1\" %2 %3 0 false").arg(text).arg(x).arg(y);
        QCOMPARE(dialog.recording->calls, through == "cancel" ? QStringList() : calls << "Release");
    }

    void helpPrintsBlocksAndFootersPageByPage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("blockLines");
        QStringList lines;
        for (int i = 1; i <= 200; ++i)
            lines << QStringLiteral("Line %1 of the help text.").arg(i);
        // Courier 10 lines are 12 high: 56 fill the block's 672. At 6 a character, the help
        // text's paragraphs wrap into 15 lines of at most 82 places, with 4 empty lines between.
        QTest::newRow("help text") << helpText() << QList<int>{19};
        QTest::newRow("empty") << QString() << QList<int>{};
        QTest::newRow("one line more than a block")
            << lines.mid(0, 57).join(u'\r') << QList<int>{56, 1};
        QTest::newRow("four blocks") << lines.join(u'\r') << QList<int>{56, 56, 56, 32};
    }

    void helpPrintsBlocksAndFootersPageByPage() {
        QFETCH(QString, text);
        QFETCH(QList<int>, blockLines);
        Help::instance().TextArea1().setText(text);
        // The footer's date text now: the short time and date of the user's (German) locale.
        const auto now = [] { return QDateTime::currentDateTime().toString("HH:mm, dd.MM.yy"); };
        const QString before = now();
        // To PDF from the main window's bar, which leaves the help window open; then recorded
        // from the help window's bar.
        PrintDialog toPdf(false, dir_.filePath("help.pdf"));
        trigger(Window1::instance(), "FilePrintHelp");
        PrintDialog dialog;
        trigger(Help::instance(), "FilePrintHelp");
        const QStringList dates = {before, now()};
        const QString date =
            dialog.recording->calls == helpCalls(blockLines, dates[1]) ? dates[1] : dates[0];
        QCOMPARE(dialog.recording->calls, helpCalls(blockLines, date));

        const QList<PdfPage> read = readPdfPages(dir_.filePath("help.pdf"));
        QCOMPARE(read.size(), std::max<qsizetype>(1, blockLines.size()));
        QStringList body;
        for (int page = 1; page <= read.size(); ++page) {
            QStringList footer; // below the body, which ends by 708; its baseline is at 720
            for (const PdfWord &word : inReadingOrder(read[page - 1].words))
                (word.yMax > 708.2 ? footer : body) << word.text;
            QCOMPARE(footer.mid(0, 2), QStringList({"page", QString::number(page)}));
            QVERIFY2(dates.contains(footer.mid(2).join(u' ')), qPrintable(footer.join(u' ')));
        }
        QCOMPARE(body, text.simplified().split(u' ', Qt::SkipEmptyParts));
    }

    void printHelpOpensAndClosesTheHelpWindowAsChosen_data() {
        QTest::addColumn<QString>("from"); // the bar "Print Help" is chosen from
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<bool>("helpOpenAfter");
        // From the help window's bar, only its own handler runs; it always closes the window.
        QTest::newRow("help window, cancelled") << "help" << true << false;
        QTest::newRow("help window, printed") << "help" << false << false;
        // From the main window's bar, the application's handler never closes the help window
        // and opens one only when a printer was chosen.
        QTest::newRow("main window, cancelled, no help") << "main" << true << false;
        QTest::newRow("main window, cancelled, help open") << "main, help open" << true << true;
        QTest::newRow("main window, printed, no help") << "main" << false << true;
        QTest::newRow("main window, printed, help open") << "main, help open" << false << true;
    }

    void printHelpOpensAndClosesTheHelpWindowAsChosen() {
        QFETCH(QString, from);
        QFETCH(bool, cancelled);
        QFETCH(bool, helpOpenAfter);
        const bool helpOpenBefore = from != "main";
        for (int i = 0; helpOpenBefore && i < 2; ++i) // "Show Help" twice shows one window
            trigger(Window1::instance(), "HelpShow");
        const QList<Help *> before = openWindows<Help>();
        QCOMPARE(before.size(), int(helpOpenBefore));
        PrintDialog dialog(cancelled);
        trigger(from == "help" ? static_cast<fw::Window &>(*before[0]) : Window1::instance(),
                "FilePrintHelp");
        QCOMPARE(dialog.shownWithHelpOpen, QList<bool>{helpOpenBefore});
        // The whole help text printed and the job ended, or nothing at all.
        QCOMPARE(dialog.recording->calls.filter(QRegularExpression("^(TextBlock|Release)")),
                 cancelled ? QStringList() : QStringList({"TextBlock 36 36 lines 19", "Release"}));
        const QList<Help *> after = openWindows<Help>();
        QCOMPARE(after.size(), int(helpOpenAfter));
        QVERIFY(before.isEmpty() || after.isEmpty() || after == before);
    }

    // The help text can be selected and copied, never changed: on it the Edit menu offers Copy
    // and Select All only, and Cut and Paste do nothing.
    void theHelpTextCanBeCopiedButNotChanged() {
        Help &help = Help::instance();
        help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        fw::TextArea &text = help.TextArea1();
        text.setFocus();
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QMenu *edit = help.menuBar()->findChild<QMenu *>(QStringLiteral("EditMenu"));
        emit edit->aboutToShow();
        QStringList enabled;
        for (QAction *action : edit->actions())
            if (action->isEnabled() && !action->isSeparator())
                enabled << action->objectName();
        QCOMPARE(enabled, QStringList({"EditCopy", "EditSelectAll"}));
        for (const char *item : {"EditSelectAll", "EditCut", "EditPaste", "EditUndo", "EditClear", "EditCopy"})
            trigger(help, item);
        QCOMPARE(text.Text(), helpText());
        QCOMPARE(QApplication::clipboard()->text(), text.toPlainText());
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"

#include "comparenear.h"
#include "pdfreader.h"
#include "recordinggraphics.h"
#include "testmain.h"

#include "app/app.h"
#include "app/startup.h"
#include "engine/module1.h"
#include "framework/ui/canvas.h"
#include "framework/ui/graphicsfonts.h"
#include "framework/ui/printing.h"
#include "framework/ui/screen.h"
#include "windows/help.h"
#include "windows/helptext.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QMenuBar>
#include <algorithm>
#include <tuple>

namespace {

const QLocale german(QLocale::German, QLocale::Germany);

// Where the page stands. Row r of hands starts 180 r below the first row's top, its six lines
// (spades, hearts, diamonds, clubs, points, bid) at 0, 20, 40, 60, 100 and 120 below that.
// The left column (hands 1 to 4) has its labels at x 25 and holdings at 120, the right one
// (hands 5 to 8) at 330 and 425.
struct Places {
    int headerX, headerY, top, footerX, footerY, size;
    bool halved; // every number halved, halves rounding up
    int at(int v) const { return halved ? (v + 1) / 2 : v; }
};
const Places fullSize = {10, 20, 70, 130, 780, 14, false};
const Places halfSize = {10, 20, 70, 130, 780, 14, true};
const Places printedPage = {5, 20, 50, 130, 730, 14, false};

using Drawn = std::tuple<QString, int, int>; // text, x, y

// The 82 strings in drawing order: header, hands 1, 5, 2, 6, 3, 7, 4, 8, footer.
QList<Drawn> pageStrings(const Places &p, const QList<QStringList> &holdings) {
    QList<Drawn> drawn;
    const auto add = [&](const QString &text, int x, int y) {
        drawn << Drawn{text, p.at(x), p.at(y)};
    };
    add(QStringLiteral("This page of Quillory may help a new Bridge player learn to make an "
                       "initial bid."),
        p.headerX, p.headerY);
    const QStringList suits = {"Spades:", "Hearts:", "Diamonds:", "Clubs:"};
    for (int hand : {1, 5, 2, 6, 3, 7, 4, 8}) {
        const int label = hand > 4 ? 330 : 25, top = p.top + 180 * ((hand - 1) % 4);
        for (int suit = 0; suit < 4; ++suit) {
            add(suits[suit], label, top + 20 * suit);
            add(holdings[hand - 1][suit], label + 95, top + 20 * suit);
        }
        add(hand == 2 ? QStringLiteral("Hand 2 Points")
                      : QStringLiteral("Hand %1 Points:").arg(hand),
            label, top + 100);
        add(QStringLiteral("Open Bid:"), label, top + 120);
    }
    add(QStringLiteral("http://www.orvane.example"), p.footerX, p.footerY);
    return drawn;
}

// The calls a recorder sees: the drawing state once, the 82 strings, and its release.
QStringList pageCalls(const Places &p, const QList<QStringList> &holdings) {
    QStringList calls = {"TextFont \"Geneva\"", QStringLiteral("TextSize %1").arg(p.at(p.size)),
                         "ForeColor #ff000000", "Bold true"};
    for (const auto &[text, x, y] : pageStrings(p, holdings))
        calls << QStringLiteral("DrawString \"%1\" %2 %3 0 false").arg(text).arg(x).arg(y);
    return calls << "Release";
}

// The page holdings in module state: hand 1 to 8, each spades, hearts, diamonds, clubs.
QList<QStringList> holdingsNow() {
    QList<QStringList> hands;
    for (int n = 0; n < 8; ++n)
        hands << QStringList{Module1::SpadesOfHand[n], Module1::HeartsOfHand[n],
                             Module1::DiamondsOfHand[n], Module1::ClubsOfHand[n]};
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

// A print dialog stand-in: counts its showings and returns a recorder, or nothing when
// cancelled. From then on the locale is US English, so a date taken after it would show.
fw::PrinterDialog recorderDialog(int &shown, bool cancel, std::shared_ptr<const Recording> &r) {
    return [&shown, cancel, &r]() -> std::unique_ptr<fw::Graphics> {
        ++shown;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        if (cancel)
            return nullptr;
        auto g = std::make_unique<RecordingGraphics>();
        r = g->recording();
        return g;
    };
}

QString numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Line %1 of the help text.").arg(i);
    return lines.join(u'\r');
}

// The help footer's date text of a moment.
QString dateText(const QDateTime &moment) {
    return german.toString(moment.time(), QLocale::ShortFormat) + QStringLiteral(", ") +
           german.toString(moment.date(), QLocale::ShortFormat);
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

Q_DECLARE_METATYPE(Places)

class WindowsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void init() {
        // A screen tall enough for the full-size page, and a locale that is not the machine's.
        fw::setScreenAvailableHeightForTesting(1000);
        QLocale::setDefault(german);
        QVERIFY(startUp());
    }

    void cleanup() {
        fw::setPrinterDialogForTesting({});
        fw::setScreenAvailableHeightForTesting(-1);
        shutDown();
        QLocale::setDefault(QLocale::system());
    }

    void pageIsDrawnWhereItsTableSays_data() {
        QTest::addColumn<int>("availableHeight");
        QTest::addColumn<bool>("dealt");
        QTest::addColumn<QString>("through"); // paint, print or cancel
        QTest::addColumn<Places>("places");
        QTest::newRow("painted before any page") << 1000 << false << "paint" << fullSize;
        QTest::newRow("painted full size") << 1000 << true << "paint" << fullSize;
        QTest::newRow("painted on a small screen") << 546 << true << "paint" << halfSize;
        QTest::newRow("printed") << 1000 << true << "print" << printedPage;
        QTest::newRow("printed on a small screen") << 546 << true << "print" << printedPage;
        QTest::newRow("print cancelled") << 1000 << true << "cancel" << printedPage;
    }

    void pageIsDrawnWhereItsTableSays() {
        QFETCH(int, availableHeight);
        QFETCH(bool, dealt);
        QFETCH(QString, through);
        QFETCH(Places, places);
        fw::setScreenAvailableHeightForTesting(availableHeight);
        App::instance().SetUpXY();
        if (dealt)
            Window1::instance().PageOfHands().click();
        const auto holdings = dealt ? holdingsNow() : QList<QStringList>(8, QStringList(4));
        Window2 &page = Window2::instance();
        // The canvas keeps the page's size; a smaller window cuts it off.
        QCOMPARE(page.Canvas1().geometry(), QRect(0, 0, 612, 792));
        if (dealt && through == "paint")
            QCOMPARE(QSize(page.Width(), page.Height()), QSize(places.at(612), places.at(792)));
        std::shared_ptr<const Recording> recording;
        if (through == "paint") {
            RecordingGraphics g;
            recording = g.recording();
            page.Canvas1_Paint(page.Canvas1(), g);
        } else {
            int shown = 0;
            fw::setPrinterDialogForTesting(recorderDialog(shown, through == "cancel", recording));
            QVERIFY(App::instance()._FilePrintPageofHands_Action()); // handled, even cancelled
            QCOMPARE(shown, 1);
        }
        QCOMPARE(recording ? recording->calls : QStringList(),
                 through == "cancel" ? QStringList() : pageCalls(places, holdings));
        QCOMPARE(holdingsNow(), holdings);
    }

    void printedPdfHoldsTheWholePageWhereItsTableSays() {
        Window1::instance().PageOfHands().click();
        const QString pdf = dir_.filePath(QStringLiteral("page.pdf"));
        fw::setPrinterDialogForTesting([&] { return fw::pdfPrinterGraphics(pdf); });
        QVERIFY(App::instance()._FilePrintPageofHands_Action());
        const QList<PdfPage> pages = readPdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        // Each string's first word where its baseline starts, the rest after it in reading order.
        const QList<PdfWord> words = inReadingOrder(pages[0].words);
        const double descent = QFontMetricsF(fw::pageFont("Geneva", 14, true)).descent();
        const auto startsAt = [&](const PdfWord &w, int x, int y) {
            return qAbs(w.xMin - x) <= 0.2 && qAbs(w.yMax - descent - y) <= 0.2;
        };
        qsizetype total = 0;
        for (const auto &[text, x, y] : pageStrings(printedPage, holdingsNow())) {
            const QStringList expected = text.split(u' ', Qt::SkipEmptyParts);
            qsizetype i = 0;
            while (i < words.size() && !startsAt(words[i], x, y))
                ++i;
            QVERIFY2(expected.isEmpty() || i + expected.size() <= words.size(), qPrintable(text));
            for (qsizetype k = 0; k < expected.size(); ++k)
                QCOMPARE(words[i + k].text, expected[k]);
            total += expected.size();
        }
        QCOMPARE(words.size(), total);
    }

    void showPageDealsNewHandsIntoTheOnePageWindow() {
        fw::seedShuffleForTesting(7);
        Window1 &main = Window1::instance();
        const auto resultsAndDeck = [&] {
            QStringList texts{QString::number(main.Results().ListCount())};
            for (int i = 0; i < 52; ++i) // Results has fewer rows; the cells past them are empty
                texts << main.Results().Cell(i, 0) + u'|' + main.Results().Cell(i, 1) + u'|' +
                             Module1::Cards[i];
            return texts;
        };
        const QStringList before = resultsAndDeck();
        Window1::instance().PageOfHands().click();
        Window2 *page = &Window2::instance();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        int paints = 0;
        page->Canvas1().PaintHandler = [&, paint = page->Canvas1().PaintHandler](auto &c, auto &g) {
            ++paints;
            paint(c, g);
        };
        for (int press = 0; press < 20; ++press) {
            const QList<QStringList> previous = holdingsNow();
            page->move(500, 400); // the user moves the page away; the next press puts it back
            paints = 0;
            Window1::instance().PageOfHands().click();
            QCOMPARE(openWindows<Window2>(), QList<Window2 *>{page});
            QCOMPARE(QPoint(page->Left(), page->Top()), QPoint(330, 50));
            QTRY_VERIFY(paints > 0);
            const QList<QStringList> hands = holdingsNow();
            for (int n = 0; n < 8; ++n) {
                QVERIFY2(hands[n] != previous[n], qPrintable(hands[n].join(u'|')));
                QStringList cards;
                for (int suit = 0; suit < 4; ++suit)
                    for (const QString &rank : hands[n][suit].split(u' ', Qt::SkipEmptyParts))
                        cards << QStringLiteral("SHDC")[suit] + rank;
                QCOMPARE(cards.size(), 13);
                QCOMPARE(cards.removeDuplicates(), 0);
            }
        }
        QCOMPARE(resultsAndDeck(), before);
    }

    void helpPrintsBlocksAndFootersPageByPage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("blockLines");
        // Courier 10 lines are 12 high: 56 fill the block's 672. At 6 a character, the help
        // text's paragraphs wrap into 15 lines of at most 82 places, with 4 empty lines between.
        QTest::newRow("help text") << helpText() << QList<int>{19};
        QTest::newRow("empty") << QString() << QList<int>{};
        QTest::newRow("one line more than a block") << numberedLines(57) << QList<int>{56, 1};
        QTest::newRow("four blocks") << numberedLines(200) << QList<int>{56, 56, 56, 32};
    }

    void helpPrintsBlocksAndFootersPageByPage() {
        QFETCH(QString, text);
        QFETCH(QList<int>, blockLines);
        Help::instance().TextArea1().setText(text);
        const QDateTime before = QDateTime::currentDateTime();
        // To PDF from the main window's bar, which leaves the help window open; then recorded
        // from the help window's bar. Letter with margins of 36 gives a printable area of
        // 540 x 720 whose corner is at 36, 36.
        const QString pdf = dir_.filePath(QStringLiteral("help.pdf"));
        fw::setPrinterDialogForTesting(
            [&] { return fw::pdfPrinterGraphics(pdf, QMarginsF(36, 36, 36, 36)); });
        trigger(Window1::instance(), "FilePrintHelp");
        int shown = 0;
        std::shared_ptr<const Recording> recording;
        fw::setPrinterDialogForTesting(recorderDialog(shown, false, recording));
        trigger(Help::instance(), "FilePrintHelp");
        const QDateTime after = QDateTime::currentDateTime();
        const QString date =
            dateText(recording->calls == helpCalls(blockLines, dateText(after)) ? after : before);
        QCOMPARE(recording->calls, helpCalls(blockLines, date));

        const QList<PdfPage> read = readPdfPages(pdf);
        QCOMPARE(read.size(), std::max<qsizetype>(1, blockLines.size()));
        const double descent = QFontMetricsF(fw::pageFont("Arial", 10, false)).descent();
        QStringList body;
        QString pdfDate;
        for (int page = 1; page <= read.size(); ++page) {
            QStringList footer;
            for (const PdfWord &word : inReadingOrder(read[page - 1].words)) {
                // The body ends by 36 + 708; the footers' baseline is at 36 + 720.
                const bool inFooter = word.yMax > 744.2;
                (inFooter ? footer : body) << word.text;
                if (inFooter)
                    QCOMPARE_NEAR(word.yMax - descent, 36 + 720, 0.2);
                if (inFooter && (footer.size() == 1 || footer.size() == 3))
                    QCOMPARE_NEAR(word.xMin, 36 + (footer.size() == 1 ? 40 : 100), 0.2);
            }
            if (page == 1)
                pdfDate = footer.mid(2).join(u' ');
            QCOMPARE(footer, QStringList({"page", QString::number(page)}) + pdfDate.split(u' '));
        }
        QVERIFY2(pdfDate == dateText(before) || pdfDate == dateText(after), qPrintable(pdfDate));
        QCOMPARE(body, text.simplified().split(u' ', Qt::SkipEmptyParts));
    }

    void printHelpOpensAndClosesTheHelpWindowAsChosen_data() {
        QTest::addColumn<bool>("fromHelpWindow");
        QTest::addColumn<bool>("helpOpenBefore");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<bool>("helpOpenAfter");
        // From the help window's bar, only its own handler runs; it always closes the window.
        QTest::newRow("help window, cancelled") << true << true << true << false;
        QTest::newRow("help window, printed") << true << true << false << false;
        // From the main window's bar, the application's handler never closes the help window
        // and opens one only when a printer was chosen.
        QTest::newRow("main window, cancelled, no help") << false << false << true << false;
        QTest::newRow("main window, cancelled, help open") << false << true << true << true;
        QTest::newRow("main window, printed, no help") << false << false << false << true;
        QTest::newRow("main window, printed, help open") << false << true << false << true;
    }

    void printHelpOpensAndClosesTheHelpWindowAsChosen() {
        QFETCH(bool, fromHelpWindow);
        QFETCH(bool, helpOpenBefore);
        QFETCH(bool, cancelled);
        QFETCH(bool, helpOpenAfter);
        for (int i = 0; helpOpenBefore && i < 2; ++i) // "Show Help" twice shows one window
            trigger(Window1::instance(), "HelpShow");
        QCOMPARE(openWindows<Help>().size(), int(helpOpenBefore));
        Help *before = helpOpenBefore ? openWindows<Help>().first() : nullptr;
        int shown = 0;
        std::shared_ptr<const Recording> recording;
        bool helpOpenAtDialog = false;
        fw::setPrinterDialogForTesting([&, dialog = recorderDialog(shown, cancelled, recording)] {
            helpOpenAtDialog = !openWindows<Help>().isEmpty();
            return dialog();
        });
        trigger(fromHelpWindow ? static_cast<fw::Window &>(*before) : Window1::instance(),
                "FilePrintHelp");
        QCOMPARE(shown, 1);
        QCOMPARE(helpOpenAtDialog, helpOpenBefore);
        // The whole help text printed and the job ended, or nothing at all.
        QCOMPARE(recording ? recording->calls.filter("TextBlock") << recording->calls.last()
                           : QStringList(),
                 cancelled ? QStringList() : QStringList({"TextBlock 36 36 lines 19", "Release"}));
        const QList<Help *> after = openWindows<Help>();
        QCOMPARE(after.size(), int(helpOpenAfter));
        if (helpOpenAfter && before)
            QCOMPARE(after.first(), before);
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    return runTests<WindowsTest>(argc, argv);
}

#include "tst_windows.moc"

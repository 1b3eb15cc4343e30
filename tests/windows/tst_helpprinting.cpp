#include "tst_windows.h"

#include "comparenear.h"
#include "pdfreader.h"
#include "recordinggraphics.h"

#include "app/startup.h"
#include "framework/ui/printing.h"
#include "windows/help.h"
#include "windows/helptext.h"

#include <QAction>
#include <QDateTime>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace {

const QLocale german(QLocale::German, QLocale::Germany);

// The footer's date text of a moment, as the German locale writes it.
QString dateText(const QDateTime &moment) {
    return german.toString(moment.time(), QLocale::ShortFormat) + QStringLiteral(", ") +
           german.toString(moment.date(), QLocale::ShortFormat);
}

QString numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Line %1 of the help text.").arg(i, 3, 10, QLatin1Char('0'));
    return lines.join(u'\r');
}

QStringList wordsOf(const QString &text) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.split(space, Qt::SkipEmptyParts);
}

// Puts the text into a help window and chooses Print Help from that window's menu bar.
void printFromHelpWindow(const QString &text) {
    Help &help = Help::instance();
    help.TextArea1().setText(text);
    help.menuBar()->findChild<QAction *>(QStringLiteral("FilePrintHelp"))->trigger();
}

// The calls that print pages with blocks of these line counts (none: an empty text), dated so.
QStringList pagesOfCalls(const QList<int> &blockLines, const QString &date) {
    QStringList calls{"TextFont \"Courier\"", "TextSize 10", "ForeColor #ff000000", "Bold true"};
    const int pages = std::max<int>(1, blockLines.size());
    for (int page = 1; page <= pages; ++page) {
        if (!blockLines.isEmpty())
            calls << QStringLiteral("TextBlock 36 36 lines %1").arg(blockLines[page - 1]);
        calls += {"TextFont \"Arial\"", "Bold false",
                  QStringLiteral("DrawString \"page %1\" 40 720 0 false").arg(page),
                  QStringLiteral("DrawString \"%1\" 100 720 0 false").arg(date)};
        if (page < pages)
            calls += {"TextFont \"Courier\"", "Bold true", "NextPage"};
    }
    return calls << "Release";
}

} // namespace

void HelpPrintingTest::init() {
    QVERIFY(dir_.isValid());
    locale_ = QLocale();
    QLocale::setDefault(german);
    QVERIFY(startUp());
}

void HelpPrintingTest::cleanup() {
    fw::setPrinterDialogForTesting({});
    shutDown();
    QLocale::setDefault(locale_);
}

void HelpPrintingTest::recordedPagesCarryBlocksAndFooters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("blockLines");
    // Courier 10 lines are 12 high: 56 of them fill the block's 672. Its characters are 6 wide,
    // so the help text's paragraphs wrap into 15 lines of at most 82 places, plus 4 empty ones.
    QTest::newRow("help text") << helpText() << QList<int>{19};
    QTest::newRow("empty") << QString() << QList<int>{};
    QTest::newRow("one full block") << numberedLines(56) << QList<int>{56};
    QTest::newRow("one line more") << numberedLines(57) << QList<int>{56, 1};
    QTest::newRow("four blocks") << numberedLines(200) << QList<int>{56, 56, 56, 32};
}

void HelpPrintingTest::recordedPagesCarryBlocksAndFooters() {
    QFETCH(QString, text);
    QFETCH(QList<int>, blockLines);
    std::shared_ptr<const QList<GraphicsCall>> recording;
    fw::setPrinterDialogForTesting([&] {
        // Another locale from here on: a date taken after the dialog would show it.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        auto g = std::make_unique<RecordingGraphics>(QSizeF(540, 720));
        recording = g->recording();
        return g;
    });
    const QDateTime before = QDateTime::currentDateTime();
    printFromHelpWindow(text);
    const QDateTime after = QDateTime::currentDateTime();

    QVERIFY(recording);
    const QStringList strings = drawnStrings(*recording);
    QVERIFY(strings.size() >= 2);
    const QString date = strings[1];
    QVERIFY2(date == dateText(before) || date == dateText(after), qPrintable(date));
    QCOMPARE(describe(*recording), pagesOfCalls(blockLines, date));

    QStringList printed;
    for (const GraphicsCall &block : textBlocks(*recording)) {
        QVERIFY(block.value <= 672);
        printed << block.lines;
    }
    QCOMPARE(wordsOf(printed.join(u' ')), wordsOf(text));
}

void HelpPrintingTest::printedPdfHoldsEveryWordOnceAndEachFooter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pages");
    QTest::newRow("help text") << helpText() << 1;
    QTest::newRow("four pages") << numberedLines(200) << 4;
}

void HelpPrintingTest::printedPdfHoldsEveryWordOnceAndEachFooter() {
    QFETCH(QString, text);
    QFETCH(int, pages);
    const QString pdf = dir_.filePath(QStringLiteral("help.pdf"));
    // Letter with margins of 36: a printable area of 540 x 720 whose corner is at 36, 36.
    fw::setPrinterDialogForTesting(
        [&] { return fw::pdfPrinterGraphics(pdf, QMarginsF(36, 36, 36, 36)); });
    const QDateTime before = QDateTime::currentDateTime();
    printFromHelpWindow(text);
    const QDateTime after = QDateTime::currentDateTime();

    QString error;
    const QList<PdfPage> read = readPdfPages(pdf, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(read.size(), pages);
    QStringList body;
    QString firstDate;
    for (int page = 1; page <= pages; ++page) {
        // In reading order by place: pdftotext may take the two spaces between sentences for
        // a gap between columns and read a column first.
        QList<PdfWord> words = read[page - 1].words;
        std::stable_sort(words.begin(), words.end(), [](const PdfWord &a, const PdfWord &b) {
            return std::pair(std::lround(a.yMax), a.xMin) < std::pair(std::lround(b.yMax), b.xMin);
        });
        QStringList footer;
        QList<double> footerLeft;
        for (const PdfWord &word : words) {
            // The body ends at 36 + 708; the footers stand on the baseline at 36 + 720.
            if (word.yMax <= 744.2) {
                QVERIFY(word.xMin >= 72 - 0.2 && word.xMax <= 72 + 492 + 0.2);
                body << word.text;
            } else {
                QVERIFY(word.yMin > 744.2 && word.yMax < 792);
                footer << word.text;
                footerLeft << word.xMin;
            }
        }
        QVERIFY2(footer.size() >= 3, qPrintable(footer.join(u' ')));
        QCOMPARE(footer.mid(0, 2), QStringList({"page", QString::number(page)}));
        QCOMPARE_NEAR(footerLeft[0], 36 + 40, 0.2);
        QCOMPARE_NEAR(footerLeft[2], 36 + 100, 0.2);
        const QString date = footer.mid(2).join(u' ');
        if (page == 1)
            firstDate = date;
        QCOMPARE(date, firstDate);
    }
    QVERIFY2(firstDate == dateText(before) || firstDate == dateText(after), qPrintable(firstDate));
    QCOMPARE(body, wordsOf(text));
}

#include "tst_ui.h"

#include "comparenear.h"
#include "imageink.h"
#include "pdfreader.h"
#include "recordinggraphics.h"

#include "framework/ui/graphicspainter.h"
#include "framework/ui/printing.h"
#include "framework/ui/styledtextprinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

namespace {

// The help's body state: Courier 10 bold.
void setBodyState(fw::Graphics &g) {
    g.setTextFont(QStringLiteral("Courier"));
    g.setTextSize(10);
    g.setForeColor(fw::RGB(0, 0, 0));
    g.setBold(true);
}

// Every block of the text, each drawn at (36, 36).
QList<GraphicsCall> blocksOf(const QString &text, double width, double height) {
    RecordingGraphics g(QSizeF(540, 720));
    setBodyState(g);
    fw::StyledTextPrinter printer(text, g, width);
    for (int guard = 0; !printer.Eof() && guard < 1000; ++guard)
        printer.DrawBlock(36, 36, height);
    return textBlocks(g.calls());
}

QStringList linesOf(const QList<GraphicsCall> &blocks) {
    QStringList lines;
    for (const GraphicsCall &block : blocks)
        lines << block.lines;
    return lines;
}

QStringList numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Line %1 of the help text.").arg(i, 3, 10, QLatin1Char('0'));
    return lines;
}

// Words "w001" to "w<count>", in lines of perLine words.
QStringList wordLines(int count, int perLine) {
    QStringList lines, words;
    for (int i = 1; i <= count; ++i) {
        words << QStringLiteral("w%1").arg(i, 3, 10, QLatin1Char('0'));
        if (words.size() == perLine || i == count) {
            lines << words.join(QLatin1Char(' '));
            words.clear();
        }
    }
    return lines;
}

} // namespace

void StyledTextPrinterTest::anEmptyTextIsAtItsEndAtOnce() {
    RecordingGraphics g;
    setBodyState(g);
    const qsizetype stateCalls = g.calls().size();
    fw::StyledTextPrinter printer(QString(), g, 492);
    QVERIFY(printer.Eof());
    printer.DrawBlock(36, 36, 672);
    QCOMPARE(g.calls().size(), stateCalls);
}

void StyledTextPrinterTest::lineBreaksEndParagraphs_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    const QStringList two{"One.", "Two."};
    const QStringList gap{"One.", "", "Two."};
    QTest::newRow("one line") << "One.  Two." << QStringList{"One.  Two."};
    QTest::newRow("CR") << "One.\rTwo." << two;
    QTest::newRow("LF") << "One.\nTwo." << two;
    QTest::newRow("CR LF") << "One.\r\nTwo." << two;
    QTest::newRow("CR CR") << "One.\r\rTwo." << gap;
    QTest::newRow("CR LF CR LF") << "One.\r\n\r\nTwo." << gap;
    QTest::newRow("LF LF") << "One.\n\nTwo." << gap;
    QTest::newRow("ending in CR") << "One.\r" << QStringList{"One.", ""};
}

void StyledTextPrinterTest::lineBreaksEndParagraphs() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    const QList<GraphicsCall> blocks = blocksOf(text, 492, 672);
    QCOMPARE(blocks.size(), 1);
    QCOMPARE(blocks[0].lines, lines);
    QCOMPARE(blocks[0].x, 36.0);
    QCOMPARE(blocks[0].y, 36.0);
}

void StyledTextPrinterTest::linesBreakAtWordsWithinTheWidth_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<QStringList>("lines");
    // Courier 10 is 6 units a character: 16 words of 4 letters fill 79 of the 82 places of 492.
    const QString words = wordLines(100, 100).first();
    QTest::newRow("help width") << words << 492.0 << wordLines(100, 16);
    QTest::newRow("narrower") << words << 300.0 << wordLines(100, 10);
    QTest::newRow("a word wider than the line")
        << QString(100, QLatin1Char('x')) << 303.0
        << QStringList{QString(50, QLatin1Char('x')), QString(50, QLatin1Char('x'))};
    QTest::newRow("paragraphs wrap on their own")
        << wordLines(20, 20).first() + QStringLiteral("\r\r") + wordLines(3, 3).first() << 492.0
        << (wordLines(20, 16) << QString() << wordLines(3, 3));
}

void StyledTextPrinterTest::linesBreakAtWordsWithinTheWidth() {
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(QStringList, lines);
    QCOMPARE(linesOf(blocksOf(text, width, 672)), lines);
}

void StyledTextPrinterTest::aLongTextFillsEveryBlockButTheLast() {
    const QStringList lines = numberedLines(200);
    const QList<GraphicsCall> blocks = blocksOf(lines.join(QLatin1Char('\r')), 492, 672);
    QVERIFY(blocks.size() > 1);
    QCOMPARE(linesOf(blocks), lines);

    const double lineHeight = blocks[0].value / blocks[0].lines.size();
    // Qt rounds a line's height up to a whole unit: Liberation Mono's 8.33 + 3.00 at 10 give 12,
    // and 56 lines fill the 672 exactly.
    QCOMPARE(lineHeight, 12.0);
    const int perBlock = int(672 / lineHeight);
    QCOMPARE(blocks.size(), (200 + perBlock - 1) / perBlock);
    for (const GraphicsCall &block : blocks) {
        QCOMPARE(block.x, 36.0);
        QCOMPARE(block.y, 36.0);
        QVERIFY(block.value <= 672);
        QCOMPARE_NEAR(block.value, block.lines.size() * lineHeight, 1e-9);
        if (&block != &blocks.last())
            QCOMPARE(block.lines.size(), perBlock);
    }
}

void StyledTextPrinterTest::aLineTallerThanTheBlockIsDrawnAlone() {
    RecordingGraphics g;
    setBodyState(g);
    fw::StyledTextPrinter printer(QStringLiteral("One.\rTwo."), g, 492);
    printer.DrawBlock(36, 36, 1);
    QVERIFY(!printer.Eof());
    printer.DrawBlock(36, 36, 1);
    QVERIFY(printer.Eof());
    printer.DrawBlock(36, 36, 1);
    const QList<GraphicsCall> blocks = textBlocks(g.calls());
    QCOMPARE(blocks.size(), 2);
    QCOMPARE(blocks[0].lines, QStringList{"One."});
    QCOMPARE(blocks[1].lines, QStringList{"Two."});
}

void StyledTextPrinterTest::blocksAreDrawnFromTheirTopLeftCorner() {
    QImage image(612, 792, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    fw::PainterGraphics g(painter, image.size());
    g.setTextFont(QStringLiteral("Courier"));
    g.setTextSize(20);
    fw::StyledTextPrinter printer(QStringLiteral("HHHH\rHHHH"), g, 492);
    g.setForeColor(fw::RGB(0, 0, 200)); // the colour is the one at drawing time
    printer.DrawBlock(36, 36, 672);
    painter.end();

    QVERIFY(printer.Eof());
    const QFontMetricsF metrics(g.font());
    const QList<QRect> lines = inkBands(image);
    QCOMPARE(lines.size(), 2);
    const double lineHeight = std::ceil(metrics.ascent() + metrics.descent());
    for (int i = 0; i < 2; ++i) {
        QCOMPARE_NEAR(lines[i].bottom() + 1, 36 + i * lineHeight + metrics.ascent(), 1);
        QCOMPARE_NEAR(lines[i].left(), 36 + metrics.leftBearing(QLatin1Char('H')), 1);
        QCOMPARE(inkColour(image, lines[i]), QColor(0, 0, 200));
    }
}

void StyledTextPrinterTest::printedBlocksCarryEveryWordOnceInOrder() {
    // Short numbered lines, then one long paragraph that wraps over several lines.
    QStringList paragraphs = numberedLines(200);
    paragraphs << wordLines(300, 300);
    const QString text = paragraphs.join(QStringLiteral("\r\r"));
    const int blocks = int(blocksOf(text, 492, 672).size());

    const QString pdf = dir_.filePath(QStringLiteral("help.pdf"));
    {
        std::unique_ptr<fw::Graphics> g = fw::pdfPrinterGraphics(pdf, QMarginsF(36, 36, 36, 36));
        QVERIFY(g);
        setBodyState(*g);
        fw::StyledTextPrinter printer(text, *g, 492);
        while (!printer.Eof()) {
            printer.DrawBlock(36, 36, 672);
            if (!printer.Eof())
                g->NextPage();
        }
    }
    QString error;
    const QList<PdfPage> pages = readPdfPages(pdf, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(pages.size(), blocks);
    QStringList printed;
    for (const PdfPage &page : pages) {
        QVERIFY(!page.words.isEmpty());
        // The margins of 36 put the block's corner at 72, 72 on the sheet.
        QCOMPARE_NEAR(page.words.first().xMin, 72, 0.2);
        for (const PdfWord &word : page.words) {
            QVERIFY(word.xMin >= 72 - 0.2 && word.xMax <= 72 + 492 + 0.2);
            QVERIFY(word.yMin >= 72 - 0.2 && word.yMax <= 72 + 672 + 0.2);
            printed << word.text;
        }
    }
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QCOMPARE(printed, text.split(space, Qt::SkipEmptyParts));
}

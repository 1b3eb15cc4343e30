#include "tst_ui.h"

#include "comparenear.h"
#include "imageink.h"
#include "recordinggraphics.h"

#include "framework/ui/graphicspainter.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QTest>
#include <cmath>

namespace {

QImage whitePage() {
    QImage image(612, 792, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

void GraphicsTest::drawStringStartsTheBaselineAtThePoint_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("page header") << "Geneva" << 14.0 << 10.0 << 20.0;
    QTest::newRow("large Arial") << "Arial" << 40.0 << 100.0 << 300.0;
    QTest::newRow("help body") << "Courier" << 10.0 << 36.0 << 720.0;
    QTest::newRow("system font") << "System" << 24.0 << 425.0 << 670.0;
}

void GraphicsTest::drawStringStartsTheBaselineAtThePoint() {
    QFETCH(QString, family);
    QFETCH(double, size);
    QFETCH(double, x);
    QFETCH(double, y);
    QImage image = whitePage();
    QPainter painter(&image);
    fw::PainterGraphics g(painter, image.size());
    g.setTextFont(family);
    g.setTextSize(size);
    g.DrawString(QStringLiteral("H"), x, y);
    painter.end();

    // "H" stands on the baseline and is as tall as the font's capitals at `size` pixels.
    const QFontMetricsF metrics(g.font());
    const QRect ink = inkBounds(image);
    QCOMPARE_NEAR(ink.bottom() + 1, y, 1);
    QCOMPARE_NEAR(ink.left(), x + metrics.leftBearing(QLatin1Char('H')), 1);
    QCOMPARE_NEAR(ink.height(), metrics.capHeight(), 1);
    QCOMPARE_NEAR(metrics.capHeight(), size * 0.66, size * 0.1);
}

void GraphicsTest::fontNamesGiveInstalledFaces_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("pixels");
    QTest::newRow("Arial") << "Arial" << 14.0 << true << "Liberation Sans" << 14;
    QTest::newRow("Geneva") << "Geneva" << 14.0 << true << "Liberation Sans" << 14;
    QTest::newRow("Courier") << "Courier" << 10.0 << true << "Liberation Mono" << 10;
    QTest::newRow("System at the default size")
        << "System" << 0.0 << false << QFontInfo(QApplication::font()).family() << 12;
    QTest::newRow("an installed face") << "DejaVu Serif" << 9.0 << false << "DejaVu Serif" << 9;
}

void GraphicsTest::fontNamesGiveInstalledFaces() {
    QFETCH(QString, family);
    QFETCH(double, size);
    QFETCH(bool, bold);
    QFETCH(QString, face);
    QFETCH(int, pixels);
    RecordingGraphics g;
    g.setTextFont(family);
    g.setTextSize(size);
    g.setBold(bold);
    const QFontInfo info(g.font());
    QCOMPARE(info.family(), face);
    QCOMPARE(info.pixelSize(), pixels);
    QCOMPARE(info.bold(), bold);
}

void GraphicsTest::stateHoldsForEveryLaterString() {
    QImage image = whitePage();
    QPainter painter(&image);
    fw::PainterGraphics g(painter, image.size());
    g.setTextFont(QStringLiteral("Arial"));
    g.setTextSize(30);
    g.setForeColor(fw::RGB(200, 0, 0));
    g.setBold(true);
    g.DrawString(QStringLiteral("HHHHHH"), 20, 100);
    g.setBold(false);
    g.DrawString(QStringLiteral("HHHHHH"), 20, 200);
    painter.end();

    QCOMPARE(g.TextFont(), QStringLiteral("Arial"));
    QCOMPARE(g.TextSize(), 30.0);
    QCOMPARE(g.ForeColor(), QColor(200, 0, 0));
    QCOMPARE(g.Bold(), false);
    const QList<QRect> lines = inkBands(image);
    QCOMPARE(lines.size(), 2);
    QCOMPARE_NEAR(lines[0].bottom() + 1, 100, 1);
    QCOMPARE_NEAR(lines[1].bottom() + 1, 200, 1);
    QCOMPARE(lines[0].height(), lines[1].height()); // the size held
    QVERIFY(lines[0].width() > lines[1].width());   // bold, then plain
    for (const QRect &line : lines)
        QCOMPARE(inkColour(image, line), QColor(200, 0, 0));
}

void GraphicsTest::wrapWidthBreaksOrCondensesTheText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wrapWidth");
    QTest::addColumn<bool>("condense");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("right");
    // Courier 20: every character is 12 units wide; drawn from x 10.
    QTest::newRow("no wrap") << "aaaa bbbb cccc" << 0.0 << false << 1 << 10 + 14 * 12;
    QTest::newRow("wrapped") << "aaaa bbbb cccc" << 110.0 << false << 2 << 10 + 9 * 12;
    QTest::newRow("condensed") << "aaaa bbbb cccc" << 110.0 << true << 1 << 10 + 110;
    QTest::newRow("line breaks") << "one\rtwo\r\nthree\nfour" << 0.0 << false << 4 << 10 + 5 * 12;
    QTest::newRow("condensed line breaks") << "one\rtwo" << 300.0 << true << 1 << 10 + 7 * 12;
}

void GraphicsTest::wrapWidthBreaksOrCondensesTheText() {
    QFETCH(QString, text);
    QFETCH(double, wrapWidth);
    QFETCH(bool, condense);
    QFETCH(int, lines);
    QFETCH(int, right);
    QImage image = whitePage();
    QPainter painter(&image);
    fw::PainterGraphics g(painter, image.size());
    g.setTextFont(QStringLiteral("Courier"));
    g.setTextSize(20);
    g.DrawString(text, 10, 50, wrapWidth, condense);
    painter.end();

    const QList<QRect> bands = inkBands(image);
    QCOMPARE(bands.size(), lines);
    // Qt rounds a line's height up to a whole unit.
    const QFontMetricsF metrics(g.font());
    const double lineHeight = std::ceil(metrics.ascent() + metrics.descent());
    for (int i = 0; i < bands.size(); ++i)
        QCOMPARE_NEAR(bands[i].bottom() + 1, 50 + i * lineHeight, 1);
    QVERIFY2(inkBounds(image).right() < right,
             qPrintable(QString::number(inkBounds(image).right())));
    QVERIFY(inkBounds(image).right() > right - 12);
}

void GraphicsTest::nextPageOnScreenChangesNothing() {
    QImage image = whitePage();
    QPainter painter(&image);
    fw::PainterGraphics g(painter, image.size());
    QCOMPARE(g.Width(), 612.0);
    QCOMPARE(g.Height(), 792.0);
    g.setTextSize(20);
    g.DrawString(QStringLiteral("One"), 10, 50);
    const QImage before = image.copy();
    g.NextPage();
    QCOMPARE(image, before);
    g.DrawString(QStringLiteral("Two"), 10, 150);
    painter.end();
    QCOMPARE(inkBands(image).size(), 2);
}

void GraphicsTest::rgbTakesTransparencyAsItsFourthPart_data() {
    QTest::addColumn<QList<int>>("parts");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("black") << QList<int>{0, 0, 0, 0} << QColor(0, 0, 0, 255);
    QTest::newRow("three parts") << QList<int>{10, 20, 30} << QColor(10, 20, 30, 255);
    QTest::newRow("see-through red") << QList<int>{255, 0, 0, 255} << QColor(255, 0, 0, 0);
    QTest::newRow("out of range") << QList<int>{300, -5, 128, 55} << QColor(255, 0, 128, 200);
}

void GraphicsTest::rgbTakesTransparencyAsItsFourthPart() {
    QFETCH(QList<int>, parts);
    QFETCH(QColor, colour);
    const QColor made = parts.size() == 3 ? fw::RGB(parts[0], parts[1], parts[2])
                                          : fw::RGB(parts[0], parts[1], parts[2], parts[3]);
    QCOMPARE(made, colour);
}

#include "tst_ui.h"

#include "comparenear.h"
#include "imageink.h"
#include "recordinggraphics.h"

#include "framework/ui/canvas.h"
#include "framework/ui/date.h"
#include "framework/ui/textarea.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QTest>

void ControlsTest::canvasErasesAndPaintsThroughItsHandler() {
    fw::Canvas canvas;
    canvas.setFixedSize(612, 792);
    QImage blank = canvas.grab().toImage();
    QCOMPARE(blank.pixelColor(0, 0), QColor(Qt::white));
    QVERIFY(inkBounds(blank).isNull());

    int paints = 0;
    const fw::Canvas *painted = nullptr;
    QSizeF size;
    QFont font;
    canvas.PaintHandler = [&](fw::Canvas &c, fw::Graphics &g) {
        ++paints;
        painted = &c;
        size = QSizeF(g.Width(), g.Height());
        g.setTextFont(QStringLiteral("Geneva"));
        g.setTextSize(14);
        g.setBold(true);
        g.DrawString(QStringLiteral("H"), 130, 780);
        font = g.font();
    };
    const QImage image = canvas.grab().toImage();
    QCOMPARE(paints, 1);
    QCOMPARE(painted, &canvas);
    QCOMPARE(size, QSizeF(612, 792));
    QCOMPARE(image.size(), QSize(612, 792));
    QCOMPARE(image.pixelColor(611, 791), QColor(Qt::white));
    const QRect ink = inkBounds(image);
    QCOMPARE_NEAR(ink.bottom() + 1, 780, 1);
    QCOMPARE_NEAR(ink.left(), 130 + QFontMetricsF(font).leftBearing(QLatin1Char('H')), 1);
}

void ControlsTest::textAreaKeepsParagraphsAndShowsPlainText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("paragraphs");
    QTest::newRow("CR CR") << "One.\r\rTwo."
                           << "One.\r\rTwo." << 3;
    QTest::newRow("LF") << "One.\nTwo."
                        << "One.\rTwo." << 2;
    QTest::newRow("CR LF") << "One.\r\n\r\nTwo."
                           << "One.\r\rTwo." << 3;
    QTest::newRow("markup") << "<b>One</b> &amp; <i>two</i>"
                            << "<b>One</b> &amp; <i>two</i>" << 1;
}

void ControlsTest::textAreaKeepsParagraphsAndShowsPlainText() {
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QFETCH(int, paragraphs);
    fw::TextArea area;
    QVERIFY(area.isReadOnly());
    area.setText(text);
    QCOMPARE(area.Text(), kept);
    QCOMPARE(area.document()->blockCount(), paragraphs);

    RecordingGraphics g;
    fw::StyledTextPrinter printer = area.styledTextPrinter(g, 492);
    printer.DrawBlock(36, 36, 672);
    QVERIFY(printer.Eof());
    QCOMPARE(textBlocks(g.calls()).at(0).lines, kept.split(QLatin1Char('\r')));
}

void ControlsTest::dateWritesTheShortFormsOfTheLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("United States") << "en_US"
                                   << "3/7/24"
                                   << "3:04 PM";
    QTest::newRow("Germany") << "de_DE"
                             << "07.03.24"
                             << "15:04";
    QTest::newRow("United Kingdom") << "en_GB"
                                    << "07/03/2024"
                                    << "15:04";
}

void ControlsTest::dateWritesTheShortFormsOfTheLocale() {
    QFETCH(QString, locale);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QLocale::setDefault(QLocale(locale));
    const fw::Date moment(QDateTime(QDate(2024, 3, 7), QTime(15, 4, 59)));
    const QString shortDate = moment.ShortDate(), shortTime = moment.ShortTime();
    QLocale::setDefault(QLocale::system());
    QCOMPARE(shortDate, date);
    QCOMPARE(shortTime, time);
}

void ControlsTest::aNewDateIsNow() {
    const QDateTime before = QDateTime::currentDateTime();
    const fw::Date now;
    const QDateTime after = QDateTime::currentDateTime();
    QVERIFY(before <= now.moment() && now.moment() <= after);
    QVERIFY(!now.ShortDate().isEmpty() && !now.ShortTime().isEmpty());
    QCOMPARE(now.ShortDate(),
             QLocale::system().toString(now.moment().date(), QLocale::ShortFormat));
    QCOMPARE(now.ShortTime(),
             QLocale::system().toString(now.moment().time(), QLocale::ShortFormat));
}

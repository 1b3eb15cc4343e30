#include "tst_pagesheet.h"
#include "tst_windows.h"

#include "comparenear.h"
#include "pdfreader.h"
#include "recordinggraphics.h"

#include "app/app.h"
#include "app/startup.h"
#include "engine/module1.h"
#include "framework/core/stringarray.h"
#include "framework/ui/graphicsfonts.h"
#include "framework/ui/printing.h"
#include "framework/ui/screen.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QAction>
#include <QFontMetricsF>
#include <QMenuBar>
#include <QTest>

namespace {

// pdftotext places a word from its glyph origin and between the font's ascent and descent.
constexpr double pdfTolerance = 0.2;

void pressShowPage() {
    QTest::mouseClick(&Window1::instance().PageOfHands(), Qt::LeftButton);
}

bool printPage() {
    return App::instance()._FilePrintPageofHands_Action();
}

} // namespace

void PagePrintTest::init() {
    // A screen tall enough for the full-size page, whatever the test machine has.
    fw::setScreenAvailableHeightForTesting(1000);
    QVERIFY(startUp());
}

void PagePrintTest::cleanup() {
    fw::setPrinterDialogForTesting({});
    fw::setScreenAvailableHeightForTesting(-1);
    shutDown();
}

void PagePrintTest::printDrawsTheSheetAtFixedPlaces_data() {
    QTest::addColumn<int>("availableHeight");
    QTest::addColumn<bool>("dealt");
    QTest::newRow("full-size screen") << 1000 << true;
    QTest::newRow("small screen") << 546 << true;
    QTest::newRow("before any page") << 1000 << false;
}

void PagePrintTest::printDrawsTheSheetAtFixedPlaces() {
    QFETCH(int, availableHeight);
    QFETCH(bool, dealt);
    fw::setScreenAvailableHeightForTesting(availableHeight);
    App::instance().SetUpXY();
    if (dealt)
        pressShowPage();
    const QList<QStringList> holdings = pagesheet::holdingsNow();

    int shown = 0;
    std::shared_ptr<const QList<GraphicsCall>> recording;
    fw::setPrinterDialogForTesting([&]() -> std::unique_ptr<fw::Graphics> {
        ++shown;
        auto recorder = std::make_unique<RecordingGraphics>();
        recording = recorder->recording();
        return recorder;
    });
    QVERIFY(printPage());
    QCOMPARE(shown, 1);
    // One page, no NextPage; letting the surface go ends the job.
    const QStringList printed = describe(*recording);
    QCOMPARE(printed, pagesheet::calls(pagesheet::printedPage, holdings) + QStringList{"Release"});
    QCOMPARE(printed[4], QStringLiteral("DrawString \"%1\" 5 20 0 false").arg(pagesheet::header));
    QCOMPARE(printed[84], QStringLiteral("DrawString \"Open Bid:\" 330 710 0 false"));
    QCOMPARE(printed[85],
             QStringLiteral("DrawString \"http://www.orvane.example\" 130 730 0 false"));
    // Printing again without a new page prints the same page.
    QVERIFY(printPage());
    QCOMPARE(describe(*recording), printed);
    QCOMPARE(pagesheet::holdingsNow(), holdings);
}

void PagePrintTest::printedPdfHoldsTheWholeSheetOnOnePage() {
    fw::seedShuffleForTesting(3);
    pressShowPage();
    // The longest holding there is, where it runs furthest to the right.
    Module1::Spades5 = QStringLiteral("A K Q J 10 9 8 7 6 5 4 3 2 ");
    const QString pdf = dir_.filePath(QStringLiteral("page.pdf"));
    fw::setPrinterDialogForTesting([&] { return fw::pdfPrinterGraphics(pdf); });
    QVERIFY(printPage());

    QString error;
    const QList<PdfPage> pages = readPdfPages(pdf, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(pages.size(), 1);
    const PdfPage &page = pages[0];
    const QList<pagesheet::DrawnString> strings =
        pagesheet::strings(pagesheet::printedPage, pagesheet::holdingsNow());
    int words = 0;
    for (const pagesheet::DrawnString &s : strings)
        words += s.text.split(u' ', Qt::SkipEmptyParts).size();
    QCOMPARE(page.words.size(), words);

    const double descent =
        QFontMetricsF(fw::pageFont(QStringLiteral("Geneva"), 14, true)).descent();
    const auto baseline = [&](const PdfWord &w) { return w.yMax - descent; };
    for (const pagesheet::DrawnString &s : strings) {
        const QStringList expected = s.text.split(u' ', Qt::SkipEmptyParts);
        if (expected.isEmpty())
            continue;
        // The words on the string's baseline from its x on, left to right.
        QList<PdfWord> line;
        for (const PdfWord &w : page.words)
            if (qAbs(baseline(w) - s.y) <= pdfTolerance && w.xMin >= s.x - pdfTolerance)
                line << w;
        std::sort(line.begin(), line.end(),
                  [](const PdfWord &a, const PdfWord &b) { return a.xMin < b.xMin; });
        QVERIFY2(line.size() >= expected.size(), qPrintable(s.text));
        QStringList found;
        for (int i = 0; i < expected.size(); ++i)
            found << line[i].text;
        QCOMPARE(found, expected);
        QCOMPARE_NEAR(line[0].xMin, s.x, pdfTolerance);
        QVERIFY2(line[expected.size() - 1].xMax <= page.width, qPrintable(s.text));
    }
    QCOMPARE(readPdfFonts(pdf, &error), QStringList({"LiberationSans-Bold"}));
}

void PagePrintTest::cancelledDialogPrintsNothingAndIsHandled() {
    pressShowPage();
    Window2 &page = Window2::instance();
    const QList<QStringList> holdings = pagesheet::holdingsNow();
    int shown = 0;
    fw::setPrinterDialogForTesting([&]() -> std::unique_ptr<fw::Graphics> {
        ++shown;
        return nullptr;
    });
    // The page window's menu item reaches the application's handler.
    QAction *item = page.menuBar()->findChild<QAction *>(QStringLiteral("FilePrintPageofHands"));
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("Print Page of Hands"));
    QVERIFY(item->isEnabled());
    item->trigger();
    QCOMPARE(shown, 1);
    QVERIFY(fw::dispatchMenuItem(QStringLiteral("FilePrintPageofHands"), &page));
    QCOMPARE(shown, 2);
    QVERIFY(App::instance().menuHandler(QStringLiteral("FilePrintPageofHands"))());
    QCOMPARE(shown, 3);
    QCOMPARE(pagesheet::holdingsNow(), holdings);
    QVERIFY(page.isVisible());
}

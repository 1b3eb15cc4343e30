// The user's actions as the user meets them: "New Hand" until the hand has painted, "Show Page
// of Hands" until the page window has painted, and printing the page and the help to a PDF file.
// Runs on the offscreen platform.
#include "app/app.h"
#include "app/startup.h"
#include "bench/paintcounter.h"
#include "framework/ui/canvas.h"
#include "framework/ui/listboxview.h"
#include "tests/support/pdfreader.h"
#include "windows/help.h"
#include "windows/helpprinting.h"
#include "windows/window1.h"
#include "windows/window2.h"
#include "windows/worksheet.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void NewHand(benchmark::State &state) {
    Window1 &main = Window1::instance();
    QWidget *list = main.ResultsView().viewport();
    PaintCounter counter;
    list->installEventFilter(&counter);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        const long long before = counter.paints;
        main.NewHand().click();
        if (!waitForPaint(counter, before)) {
            state.SkipWithError("the hand did not paint");
            break;
        }
    }
    list->removeEventFilter(&counter);
}
BENCHMARK(NewHand)->Unit(benchmark::kMicrosecond);

void ShowPageOfHands(benchmark::State &state) {
    Window1 &main = Window1::instance();
    main.PageOfHands().click();
    PaintCounter counter;
    Window2::instance().Canvas1().installEventFilter(&counter);
    waitForPaint(counter, counter.paints);
    for (auto _ : state) {
        const long long before = counter.paints;
        main.PageOfHands().click();
        if (!waitForPaint(counter, before)) {
            state.SkipWithError("the page window did not paint");
            break;
        }
    }
    Window2::instance().Canvas1().removeEventFilter(&counter);
}
BENCHMARK(ShowPageOfHands)->Unit(benchmark::kMicrosecond);

// Printing without the dialog: the page and the help drawn on a PDF file.
void PrintPageToPdf(benchmark::State &state) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    Window1::instance().PageOfHands().click();
    for (auto _ : state)
        drawWorksheet(*pdfGraphics(pdf), printedLayout());
}
BENCHMARK(PrintPageToPdf)->Unit(benchmark::kMicrosecond);

void PrintHelpToPdf(benchmark::State &state) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("help.pdf"));
    for (auto _ : state)
        drawHelpPages(*pdfGraphics(pdf), Help::instance().TextArea1(),
                      QStringLiteral("12:00, 1/1/27"));
}
BENCHMARK(PrintHelpToPdf)->Unit(benchmark::kMicrosecond);

// The offscreen platform says at every Show that it cannot raise a window; that is not
// something the user would see, and writing it out would be timed with the action.
QtMessageHandler platformHandler = nullptr;

void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (platformHandler)
        platformHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platformHandler = qInstallMessageHandler(quietPlatform);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!startUp())
        return 1;
    // The full-size page, whatever screen the machine has.
    App::setUpXYFor(1000);
    benchmark::RunSpecifiedBenchmarks();
    shutDown();
    benchmark::Shutdown();
    return 0;
}

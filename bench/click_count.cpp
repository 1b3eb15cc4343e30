// Starts Quillory and clicks "New Hand" or "Show Page of Hands" N times, each time running the
// event loop until the window has painted what the click changed: the Results list, or the
// page's canvas. Run it under callgrind with two values of N: the difference of the instruction
// counts, divided by the difference of N, is the cost of one click.
//
//   click_count new|page N
#include "app/app.h"
#include "app/startup.h"
#include "bench/paintcounter.h"
#include "framework/ui/canvas.h"
#include "framework/ui/listboxview.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool page = argc > 1 && QByteArray(argv[1]) == "page";
    const long n = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1;
    if (!startUp())
        return 1;
    // The full-size page, whatever screen the machine has.
    App::setUpXYFor(1000);
    Window1 &main = Window1::instance();
    fw::PushButton &button = page ? main.PageOfHands() : main.NewHand();
    PaintCounter counter;
    // The first hand, and for the page the window that its first click makes, are start-up.
    main.ResultsView().viewport()->installEventFilter(&counter);
    bool painted = waitForPaint(counter, 0);
    if (page) {
        main.ResultsView().viewport()->removeEventFilter(&counter);
        button.click();
        Window2::instance().Canvas1().installEventFilter(&counter);
        painted = painted && waitForPaint(counter, counter.paints);
    }
    for (long i = 0; i < n && painted; ++i) {
        const long long before = counter.paints;
        button.click();
        painted = waitForPaint(counter, before);
    }
    if (!painted)
        std::fprintf(stderr, "click_count: the window did not paint\n");
    shutDown();
    return painted ? 0 : 1;
}

// Starts Quillory, or a Qt window of the main window's size that is empty or shows
// one line of text, and as soon as the first hand (or that window) has been
// painted, prints "painted <resident kB>" and quits. bench_startup times it from
// outside. An empty window never loads a font; one line of text shows what
// drawing any text at all costs (the font database).
//
//   startup_probe quillory | empty | text
#include "app/startup.h"
#include "framework/ui/listboxview.h"
#include "windows/window1.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Reports the first paint of a widget, then ends the event loop.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Report once the paint itself has finished.
            QTimer::singleShot(0, [] {
                std::printf("painted %ld\n", residentKilobytes());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char **argv) {
    const QByteArray what = argc > 1 ? QByteArray(argv[1]) : QByteArray("quillory");
    QApplication app(argc, argv);
    FirstPaint watcher;
    if (what == "empty" || what == "text") {
        QWidget window;
        window.setWindowTitle(QStringLiteral("Your Bridge Hand"));
        window.setFixedSize(310, 142);
        QLabel label(QStringLiteral("Spades: A K 10 4"), &window);
        label.setVisible(what == "text");
        window.installEventFilter(&watcher);
        window.show();
        return QApplication::exec();
    }
    if (!startUp())
        return 1;
    Window1::instance().ResultsView().viewport()->installEventFilter(&watcher);
    const int code = QApplication::exec();
    shutDown();
    return code;
}

// Start-up time from process launch to the first painted hand, and resident memory
// after start-up, for Quillory and, as floors, for an empty Qt window of the same
// size and for one that shows a line of text. Each figure is the median of several
// launches.
//
//   bench_startup PATH_TO_startup_probe [launches]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Launch {
    double milliseconds = -1;
    long kilobytes = -1;
};

Launch launch(const QString &probe, const QString &what) {
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(probe, {what});
    Launch result;
    while (process.waitForReadyRead(10000)) {
        const QByteArray line = process.readLine().trimmed();
        if (line.startsWith("painted ")) {
            result.milliseconds = double(clock.nsecsElapsed()) / 1e6;
            result.kilobytes = line.mid(8).toLong();
            break;
        }
    }
    process.waitForFinished(10000);
    return result;
}

template <typename T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? T() : values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_startup PATH_TO_startup_probe [launches]\n");
        return 2;
    }
    const QString probe = QString::fromLocal8Bit(argv[1]);
    const int launches = argc > 2 ? std::max(1, atoi(argv[2])) : 15;
    for (const char *what : {"quillory", "empty", "text"}) {
        std::vector<double> times;
        std::vector<long> memory;
        for (int i = 0; i < launches; ++i) {
            const Launch l = launch(probe, QString::fromLatin1(what));
            if (l.milliseconds < 0) {
                std::fprintf(stderr, "%s: the probe never painted\n", what);
                return 1;
            }
            times.push_back(l.milliseconds);
            memory.push_back(l.kilobytes);
        }
        const char *name = qstrcmp(what, "empty") == 0  ? "empty Qt window"
                           : qstrcmp(what, "text") == 0 ? "Qt window with one line of text"
                                                        : "Quillory";
        std::printf("start-up to first paint, %s: %.1f ms (median of %d)\n", name, median(times),
                    launches);
        std::printf("resident memory after start-up, %s: %.1f MiB\n", name,
                    median(memory) / 1024.0);
    }
    return 0;
}

#include "xserver.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

XServer::XServer() {
    const QByteArray xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb")).toLocal8Bit();
    if (xvfb.isEmpty()) {
        missing_ = QStringLiteral("no X server: Xvfb is not installed. It is in the Debian package "
                                  "xvfb, which tools/quillory test installs.");
        return;
    }
    int ready[2]; // Xvfb writes its display number here once it accepts connections
    if (pipe(ready) != 0) {
        missing_ = QStringLiteral("no X server: no pipe to hear from Xvfb on.");
        return;
    }
    pid_ = fork();
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        close(ready[0]);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO), dup2(null, STDOUT_FILENO), dup2(null, STDERR_FILENO);
        const QByteArray fd = QByteArray::number(ready[1]);
        execl(xvfb.constData(), "Xvfb", "-displayfd", fd.constData(), "-screen", "0",
              "1280x1024x24", "-nolisten", "tcp", "-noreset", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    QByteArray number;
    char piece[16];
    pollfd in{ready[0], POLLIN, 0};
    for (QDeadlineTimer bound(10000); !number.endsWith('\n');) {
        if (poll(&in, 1, int(bound.remainingTime())) <= 0)
            break;
        const ssize_t n = read(ready[0], piece, sizeof piece);
        if (n <= 0)
            break;
        number.append(piece, n);
    }
    close(ready[0]);
    if (pid_ > 0 && number.endsWith('\n')) {
        display_ = ':' + number.trimmed();
        return;
    }
    missing_ = QStringLiteral("no X server: %1 did not get ready within 10 s.")
                   .arg(QString::fromLocal8Bit(xvfb));
}

XServer::~XServer() {
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

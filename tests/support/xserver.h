#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

// An X server of the tests' own, Xvfb, on a display number that it picks itself, for what only
// a real X server shows. It accepts connections on this machine only (no TCP), ends with this
// object, and dies with this process should that end first. Make it before anything connects to
// a display. Where it cannot start, missing() says why and how to get it.
class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;

    const QString &missing() const { return missing_; }
    // ":N", for DISPLAY.
    const QByteArray &display() const { return display_; }

private:
    pid_t pid_ = -1;
    QByteArray display_;
    QString missing_;
};

#pragma once

#include "framework/net/httperrors.h"
#include "framework/net/httpreplyframer.h"
#include "framework/net/internetheaders.h"

#include <QAbstractSocket>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QTcpSocket;

namespace fw {

// An HTTP/1.0 client for one GET at a time, on the event loop.
//
// Get returns at once. Each request then ends in exactly one outcome, raised later
// from the event loop and never inside Get: PageReceived once the reply is complete
// (Content-Length reached, or the server closed the connection), or Error with a code
// of httperrors.h when the request could not start, the connection could not be made
// or the reply grew too large. Once connected, a broken connection ends the page with
// what arrived (a close before the header block ended gives an empty body); any
// status, error pages included, arrives as a page. There is no time-out: the caller
// decides when to give up, by destroying the socket. It always connects directly,
// whatever proxy the application, the environment or the system names.
//
// Each outcome calls its handler first, then emits its signal. Destroying the socket
// while a request is under way drops the connection and raises nothing more.
class HTTPSocket : public QObject {
    Q_OBJECT
public:
    explicit HTTPSocket(QObject *parent = nullptr);
    ~HTTPSocket() override;

    void Get(const QString &url);
    // True from Get until the request's outcome is raised: already false while its
    // handler runs, so that the handler may start the next request.
    bool IsBusy() const { return busy_; }

    // The body holds each byte of the reply as one character (Latin-1).
    std::function<void(const QString &url, int status, const fw::InternetHeaders &headers,
                       const QString &body)>
        PageReceivedHandler;
    std::function<void(int code)> ErrorHandler;

signals:
    void PageReceived(const QString &url, int status, const fw::InternetHeaders &headers,
                      const QString &body);
    void Error(int code);

private:
    void readReply();
    void connectionEnded();
    void connectionFailed(QAbstractSocket::SocketError error);
    void finishWithPage();
    void finishWithError(int code);
    void dropSocket();
    void raiseError(int code, bool endsRequest);

    QString url_;
    QTcpSocket *socket_ = nullptr;
    bool connected_ = false;
    bool busy_ = false; // the socket is gone before the outcome is raised
    std::optional<HttpReplyFramer> reply_;
};

// The code of the Error event for a connection that failed before it was made.
int httpErrorCodeFor(QAbstractSocket::SocketError error);

} // namespace fw

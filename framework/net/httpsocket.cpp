#include "framework/net/httpsocket.h"

#include "framework/net/httprequest.h"

#include <QNetworkProxy>
#include <QPointer>
#include <QTcpSocket>
#include <utility>

namespace fw {

namespace {

// Read in pieces of this size, and let Qt buffer no more than that: an endless reply
// then costs at most the framer's limit plus one piece.
constexpr qint64 PieceSize = 64 * 1024;

} // namespace

int httpErrorCodeFor(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
    case QAbstractSocket::RemoteHostClosedError:
    case QAbstractSocket::NetworkError:
        return HttpErrorConnectionFailed;
    case QAbstractSocket::HostNotFoundError:
        return HttpErrorHostNotFound;
    case QAbstractSocket::SocketTimeoutError:
        return HttpErrorTimedOut;
    default:
        return HttpErrorOther;
    }
}

HTTPSocket::HTTPSocket(QObject *parent) : QObject(parent) {}

HTTPSocket::~HTTPSocket() {
    dropSocket();
}

void HTTPSocket::Get(const QString &url) {
    // A refused Get raises its error without ending the request under way.
    if (IsBusy())
        return raiseError(HttpErrorBusy, false);
    const HttpRequest request = HttpRequest::fromUrl(url);
    if (!request.isUsable())
        return raiseError(HttpErrorBadAddress, false);

    url_ = url;
    busy_ = true;
    connected_ = false;
    reply_.emplace();
    socket_ = new QTcpSocket(this);
    // Always directly: no proxy of the application, the environment (http_proxy and the
    // like) or the system is ever followed.
    socket_->setProxy(QNetworkProxy::NoProxy);
    socket_->setReadBufferSize(PieceSize);
    connect(socket_, &QTcpSocket::connected, this, [this, bytes = request.toBytes()] {
        connected_ = true;
        socket_->write(bytes);
    });
    connect(socket_, &QTcpSocket::readyRead, this, &HTTPSocket::readReply);
    connect(socket_, &QTcpSocket::disconnected, this, &HTTPSocket::connectionEnded);
    connect(socket_, &QTcpSocket::errorOccurred, this, &HTTPSocket::connectionFailed);
    socket_->connectToHost(request.host, quint16(request.port));
}

void HTTPSocket::readReply() {
    while (socket_ && !reply_->isFinished() && socket_->bytesAvailable() > 0)
        reply_->feed(socket_->read(PieceSize));
    if (!socket_)
        return;
    if (reply_->state() == HttpReplyFramer::State::Complete)
        finishWithPage();
    else if (reply_->state() == HttpReplyFramer::State::TooLarge)
        finishWithError(HttpErrorReplyTooLarge);
}

void HTTPSocket::connectionEnded() {
    if (!connected_)
        return; // the error that comes with it tells what went wrong
    readReply();
    if (!socket_)
        return;
    reply_->close();
    finishWithPage();
}

void HTTPSocket::connectionFailed(QAbstractSocket::SocketError error) {
    // After the connection was made, any end of it (a close, a reset) ends the page.
    if (connected_)
        connectionEnded();
    else
        finishWithError(httpErrorCodeFor(error));
}

void HTTPSocket::finishWithPage() {
    dropSocket();
    // Raised from the event loop, so that no handler runs inside a socket signal, nor
    // after this object is gone (the queued call dies with it).
    QMetaObject::invokeMethod(
        this,
        [this, url = url_, status = reply_->status(), headers = reply_->headers(),
         body = reply_->bodyText()] {
            busy_ = false;
            QPointer<HTTPSocket> alive(this);
            if (auto handler = PageReceivedHandler) // a copy: the handler may replace itself
                handler(url, status, headers, body);
            if (alive)
                emit PageReceived(url, status, headers, body);
        },
        Qt::QueuedConnection);
    reply_.reset();
}

void HTTPSocket::finishWithError(int code) {
    dropSocket();
    reply_.reset();
    raiseError(code, true);
}

void HTTPSocket::raiseError(int code, bool endsRequest) {
    QMetaObject::invokeMethod(
        this,
        [this, code, endsRequest] {
            if (endsRequest)
                busy_ = false;
            QPointer<HTTPSocket> alive(this);
            if (auto handler = ErrorHandler)
                handler(code);
            if (alive)
                emit Error(code);
        },
        Qt::QueuedConnection);
}

void HTTPSocket::dropSocket() {
    if (!socket_)
        return;
    // Its signals may be what brought us here, so it is deleted later, not now.
    QTcpSocket *socket = std::exchange(socket_, nullptr);
    socket->disconnect(this);
    socket->abort();
    socket->setParent(nullptr);
    socket->deleteLater();
}

} // namespace fw

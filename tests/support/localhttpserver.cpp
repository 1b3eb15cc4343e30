#include "localhttpserver.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

// Enough to fill the client's buffers without holding much here.
constexpr qint64 EndlessPiece = 64 * 1024;
// A client that never stops reading still ends the test, at this much.
constexpr qint64 EndlessCap = 64 * 1024 * 1024;

LocalHttpServer::LocalHttpServer(QObject *parent) : QObject(parent) {
    connect(&server_, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
}

bool LocalHttpServer::listen() {
    if (!server_.listen(QHostAddress::LocalHost, 0))
        return false;
    port_ = server_.serverPort();
    return true;
}

QString LocalHttpServer::url(const QString &path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path);
}

void LocalHttpServer::script(Mode mode, const QByteArray &reply, int pieceSize, int delayMs) {
    mode_ = mode;
    reply_ = reply;
    pieceSize_ = pieceSize;
    delayMs_ = delayMs;
}

void LocalHttpServer::accept() {
    while (QTcpSocket *client = server_.nextPendingConnection()) {
        request_.clear();
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        if (mode_ == Mode::CloseAtOnce) {
            client->disconnectFromHost();
            continue;
        }
        connect(client, &QTcpSocket::bytesWritten, this, [this](qint64 bytes) { sent_ += bytes; });
        connect(client, &QTcpSocket::readyRead, this, [this, client] {
            const bool hadEnded = request_.contains("\r\n\r\n");
            request_ += client->readAll();
            if (hadEnded || !request_.contains("\r\n\r\n"))
                return;
            ++requests_;
            writePieces(client, reply_);
            if (mode_ == Mode::Endless) {
                connect(client, &QTcpSocket::bytesWritten, this,
                        [this, client] { writeMore(client); });
                writeMore(client);
            }
        });
    }
}

void LocalHttpServer::writePieces(QTcpSocket *client, QByteArray rest) {
    if (client->state() != QAbstractSocket::ConnectedState)
        return;
    const qsizetype size = pieceSize_ > 0 ? pieceSize_ : rest.size();
    client->write(rest.left(size));
    rest.remove(0, size);
    if (!rest.isEmpty())
        QTimer::singleShot(delayMs_, client, [this, client, rest] { writePieces(client, rest); });
    else if (mode_ == Mode::AnswerAndClose)
        client->disconnectFromHost();
}

void LocalHttpServer::writeMore(QTcpSocket *client) {
    while (client->state() == QAbstractSocket::ConnectedState &&
           client->bytesToWrite() < 4 * EndlessPiece && sent_ < EndlessCap)
        client->write(QByteArray(EndlessPiece, 'x'));
}

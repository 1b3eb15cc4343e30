#include "localhttpserver.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

// Enough to fill the client's buffers without holding much here.
constexpr qint64 EndlessPiece = 64 * 1024;
// A client that never stops reading still ends the test, at this much.
constexpr qint64 EndlessCap = 64 * 1024 * 1024;

LocalHttpServer::LocalHttpServer() {
    connect(&server_, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
    if (!server_.listen(QHostAddress::LocalHost, 0))
        qFatal("LocalHttpServer: cannot listen on 127.0.0.1");
}

QString LocalHttpServer::url(const QString &path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

void LocalHttpServer::accept() {
    while (QTcpSocket *client = server_.nextPendingConnection()) {
        request.clear();
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QTcpSocket::readyRead, this, [this, client] { take(client); });
    }
}

void LocalHttpServer::take(QTcpSocket *client) {
    const bool hadEnded = request.contains("\r\n\r\n");
    request += client->readAll();
    if (hadEnded || !request.contains("\r\n\r\n"))
        return;
    if (request.startsWith("CONNECT ")) { // the tunnel is open; the request follows in it
        request.remove(0, request.indexOf("\r\n\r\n") + 4);
        client->write("HTTP/1.0 200 Connection established\r\n\r\n");
        return take(client);
    }
    ++requests;
    writePieces(client, reply);
    if (mode == Mode::Endless) {
        connect(client, &QTcpSocket::bytesWritten, this, [this, client](qint64 bytes) {
            sent_ += bytes;
            writeMore(client);
        });
        writeMore(client);
    }
}

void LocalHttpServer::writePieces(QTcpSocket *client, QByteArray rest) {
    if (client->state() != QAbstractSocket::ConnectedState)
        return;
    const qsizetype size = pieceSize > 0 ? pieceSize : rest.size();
    client->write(rest.left(size));
    rest.remove(0, size);
    if (!rest.isEmpty())
        return QTimer::singleShot(delayMs, client,
                                  [this, client, rest] { writePieces(client, rest); });
    // Holds the event loop, the client's too, until the reply is in the system's buffers.
    while (pieceSize == 0 && client->bytesToWrite() > 0 && client->waitForBytesWritten(2000)) {
    }
    if (mode == Mode::Answer)
        client->disconnectFromHost();
}

void LocalHttpServer::writeMore(QTcpSocket *client) {
    while (client->state() == QAbstractSocket::ConnectedState &&
           client->bytesToWrite() < 4 * EndlessPiece && sent_ < EndlessCap)
        client->write(QByteArray(EndlessPiece, 'x'));
}

#include "localhttpserver.h"

#include <QNetworkProxy>
#include <QTcpSocket>

// Enough to fill the client's buffers without holding much here.
constexpr qint64 EndlessPiece = 64 * 1024;

LocalHttpServer::LocalHttpServer(quint16 port) {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *client = server_.nextPendingConnection()) {
            request.clear();
            connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QTcpSocket::readyRead, this, [this, client] { take(client); });
        }
    });
    server_.setProxy(QNetworkProxy::NoProxy);
    if (!server_.listen(QHostAddress::LocalHost, port))
        qFatal("LocalHttpServer: cannot listen on 127.0.0.1:%d", int(port));
}

void LocalHttpServer::take(QTcpSocket *client) {
    const bool hadEnded = request.contains("\r\n\r\n");
    request += client->readAll();
    if (hadEnded || !request.contains("\r\n\r\n"))
        return;
    client->write(reply);
    if (endless) { // topped up as it drains, up to 64 MiB at most
        connect(client, &QTcpSocket::bytesWritten, client, [client, sent = qint64(0)]() mutable {
            for (; client->bytesToWrite() < 4 * EndlessPiece && sent < 1024 * EndlessPiece;
                 sent += EndlessPiece)
                client->write(QByteArray(EndlessPiece, 'x'));
        });
        return;
    }
    // Holds the event loop, the client's too, until the reply is in the system's buffers:
    // the close then comes right behind it.
    while (client->bytesToWrite() > 0 && client->waitForBytesWritten(2000)) {
    }
    client->disconnectFromHost();
}

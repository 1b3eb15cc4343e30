#include "localhttpserver.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

namespace {

// Enough to fill the client's buffers without holding much here.
constexpr qint64 EndlessPiece = 64 * 1024;
// A client that never stops reading still ends the test, at this much.
constexpr qint64 EndlessCap = 64 * 1024 * 1024;

} // namespace

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

void LocalHttpServer::answer(const QByteArray &reply, int pieceSize, int delayMs) {
    script_ = Script::Answer;
    reply_ = reply;
    pieceSize_ = pieceSize;
    delayMs_ = delayMs;
}

void LocalHttpServer::answerAndStayOpen(const QByteArray &reply) {
    answer(reply);
    script_ = Script::AnswerAndStayOpen;
}

void LocalHttpServer::closeAtOnce() { script_ = Script::CloseAtOnce; }

void LocalHttpServer::neverAnswer() { script_ = Script::NeverAnswer; }

void LocalHttpServer::sendEndlessBody(const QByteArray &head) {
    script_ = Script::EndlessBody;
    reply_ = head;
}

void LocalHttpServer::accept() {
    while (QTcpSocket *client = server_.nextPendingConnection()) {
        ++connections_;
        request_.clear();
        connect(client, &QTcpSocket::bytesWritten, this, [this](qint64 bytes) { sent_ += bytes; });
        connect(client, &QTcpSocket::disconnected, this, [this, client] {
            ++closed_;
            client->deleteLater();
        });
        if (script_ == Script::CloseAtOnce) {
            client->disconnectFromHost();
            continue;
        }
        connect(client, &QTcpSocket::readyRead, this, [this, client] { read(client); });
    }
}

void LocalHttpServer::read(QTcpSocket *client) {
    const bool hadEnded = request_.contains("\r\n\r\n");
    request_ += client->readAll();
    if (hadEnded || !request_.contains("\r\n\r\n"))
        return;
    ++requests_;
    respond(client);
}

void LocalHttpServer::respond(QTcpSocket *client) {
    switch (script_) {
    case Script::Answer:
    case Script::AnswerAndStayOpen:
        writePieces(client, reply_);
        break;
    case Script::EndlessBody:
        client->write(reply_);
        connect(client, &QTcpSocket::bytesWritten, this, [this, client] { writeMore(client); });
        writeMore(client);
        break;
    case Script::CloseAtOnce:
    case Script::NeverAnswer:
        break;
    }
}

void LocalHttpServer::writePieces(QTcpSocket *client, QByteArray rest) {
    if (client->state() != QAbstractSocket::ConnectedState)
        return;
    const qsizetype size = pieceSize_ > 0 ? pieceSize_ : rest.size();
    client->write(rest.left(size));
    rest.remove(0, size);
    if (!rest.isEmpty()) {
        QTimer::singleShot(delayMs_, client, [this, client, rest] { writePieces(client, rest); });
    } else if (script_ != Script::AnswerAndStayOpen) {
        client->disconnectFromHost();
    }
}

void LocalHttpServer::writeMore(QTcpSocket *client) {
    while (client->state() == QAbstractSocket::ConnectedState &&
           client->bytesToWrite() < 4 * EndlessPiece && sent_ < EndlessCap)
        client->write(QByteArray(EndlessPiece, 'x'));
}


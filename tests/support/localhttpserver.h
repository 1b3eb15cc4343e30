#pragma once

#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A stand-in for the maker's web host on 127.0.0.1, at the given port or, with 0, one of the
// system's choosing. It records each raw request and answers it as scripted.
class LocalHttpServer : public QObject {
    Q_OBJECT
public:
    explicit LocalHttpServer(quint16 port = 0);
    quint16 port() const { return server_.serverPort(); }
    // "http://127.0.0.1:PORT" followed by path.
    QString url(const QString &path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
    }

    // The script for the connections to come: once a request's blank line is in, send reply
    // and close; or, when endless, send reply and then body bytes for as long as the client stays.
    QByteArray reply;
    bool endless = false;

    // The raw bytes of the last request.
    QByteArray request;

private:
    void take(QTcpSocket *client);

    QTcpServer server_;
};

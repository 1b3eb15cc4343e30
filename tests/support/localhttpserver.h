#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A stand-in for the maker's web host on 127.0.0.1, at a port of the system's choosing. It
// records each raw request and answers it as scripted. It also serves as an HTTP proxy: a
// "CONNECT host:port" opens a tunnel that it answers itself, so a client pointed at it
// through QNetworkProxy keeps its real host names, and none of them is ever resolved.
class LocalHttpServer : public QObject {
    Q_OBJECT
public:
    enum class Mode {
        Answer,   // once a request's blank line is in, sends reply and closes
        StayOpen, // sends reply and leaves the connection open
        Endless,  // sends reply, then body bytes for as long as the client stays
    };

    LocalHttpServer();
    // Stops listening: connecting to port() is then refused.
    void close() { server_.close(); }
    quint16 port() const { return server_.serverPort(); }
    // "http://127.0.0.1:PORT" followed by path.
    QString url(const QString &path) const;

    // The script for the connections to come. With pieceSize > 0 the reply goes out that
    // many bytes at a time, delayMs apart; else it is all in the system's buffers before
    // the server goes on, and the close comes right behind it.
    Mode mode = Mode::Answer;
    QByteArray reply;
    int pieceSize = 0, delayMs = 0;

    // The raw bytes of the last request (after its CONNECT, if any), and how many came.
    QByteArray request;
    int requests = 0;

private:
    void accept();
    void take(QTcpSocket *client);
    void writePieces(QTcpSocket *client, QByteArray rest);
    void writeMore(QTcpSocket *client);

    QTcpServer server_;
    qint64 sent_ = 0;
};

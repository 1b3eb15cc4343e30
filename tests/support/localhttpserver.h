#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A stand-in for the maker's web host: an HTTP server on 127.0.0.1, on a port of the
// system's choosing, that records each raw request and answers it as scripted.
class LocalHttpServer : public QObject {
    Q_OBJECT
public:
    explicit LocalHttpServer(QObject *parent = nullptr);

    // Starts listening; false when that failed.
    bool listen();
    // Stops listening: connecting to port() is then refused.
    void close() { server_.close(); }
    quint16 port() const { return port_; }
    // "http://127.0.0.1:PORT" followed by path.
    QString url(const QString &path) const;

    // Scripts for what comes next. Unless told otherwise the server answers each request
    // (once its blank line has arrived) with reply and then closes the connection.

    // pieceSize > 0 writes the reply that many bytes at a time, delayMs apart.
    void answer(const QByteArray &reply, int pieceSize = 0, int delayMs = 0);
    // Answers, then leaves the connection open: the client has to see the end itself.
    void answerAndStayOpen(const QByteArray &reply);
    // Closes each connection as soon as it is accepted, reading nothing.
    void closeAtOnce();
    // Reads the request and then neither answers nor closes.
    void neverAnswer();
    // Sends head, then body bytes for as long as the client stays.
    void sendEndlessBody(const QByteArray &head);

    // The raw bytes of the last request, as far as they arrived.
    QByteArray request() const { return request_; }
    int requests() const { return requests_; }
    int connections() const { return connections_; }
    // Connections that have ended, whichever side closed them.
    int closedConnections() const { return closed_; }
    // Bytes that went out to the system, all connections together.
    qint64 bytesSent() const { return sent_; }

private:
    enum class Script { Answer, AnswerAndStayOpen, CloseAtOnce, NeverAnswer, EndlessBody };

    void accept();
    void read(QTcpSocket *client);
    void respond(QTcpSocket *client);
    void writePieces(QTcpSocket *client, QByteArray rest);
    void writeMore(QTcpSocket *client);

    QTcpServer server_;
    quint16 port_ = 0;
    Script script_ = Script::Answer;
    QByteArray reply_;
    int pieceSize_ = 0;
    int delayMs_ = 0;
    QByteArray request_;
    int requests_ = 0;
    int connections_ = 0;
    int closed_ = 0;
    qint64 sent_ = 0;
};

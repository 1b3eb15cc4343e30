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

    // Scripts for the connections to come. answer: once a request's blank line has
    // arrived, sends reply and closes; pieceSize > 0 writes it that many bytes at a
    // time, delayMs apart.
    void answer(const QByteArray &reply, int pieceSize = 0, int delayMs = 0) {
        script(Mode::AnswerAndClose, reply, pieceSize, delayMs);
    }
    // Answers, then leaves the connection open: the client has to see the end itself.
    void answerAndStayOpen(const QByteArray &reply) { script(Mode::StayOpen, reply); }
    // Closes each connection as soon as it is accepted, reading nothing.
    void closeAtOnce() { script(Mode::CloseAtOnce); }
    // Reads the request and then neither answers nor closes.
    void neverAnswer() { script(Mode::StayOpen); }
    // Sends head, then body bytes for as long as the client stays.
    void sendEndlessBody(const QByteArray &head) { script(Mode::Endless, head); }

    // The raw bytes of the last request, as far as they arrived.
    QByteArray request() const { return request_; }
    int requests() const { return requests_; }

private:
    enum class Mode { AnswerAndClose, StayOpen, CloseAtOnce, Endless };

    void script(Mode mode, const QByteArray &reply = {}, int pieceSize = 0, int delayMs = 0);
    void accept();
    void writePieces(QTcpSocket *client, QByteArray rest);
    void writeMore(QTcpSocket *client);

    QTcpServer server_;
    quint16 port_ = 0;
    Mode mode_ = Mode::AnswerAndClose;
    QByteArray reply_, request_;
    int pieceSize_ = 0, delayMs_ = 0, requests_ = 0;
    qint64 sent_ = 0;
};

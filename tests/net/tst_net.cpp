#include "framework/net/httpreplyframer.h"
#include "framework/net/httprequest.h"
#include "framework/net/httpsocket.h"
#include "localhttpserver.h"

#include <QTest>

using fw::HttpReplyFramer;
using fw::HTTPSocket;

namespace {

// Only a guard against a hang: every wait below ends on an event, not on a clock.
constexpr int Wait = 20000;

const QByteArray ok = "HTTP/1.0 200 OK\r\n";

// Where the request connects, then what it sends.
QByteArray request(const QByteArray &where, const QByteArray &target, const QByteArray &host) {
    return where + "|GET " + target +
           " HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\nHost: " + host + "\r\n\r\n";
}

// "state before the close>state after it", then the status, the header lines and the body.
QString framed(const QByteArray &reply, int limit, qsizetype pieceSize) {
    HttpReplyFramer framer = limit > 0 ? HttpReplyFramer(limit) : HttpReplyFramer();
    for (qsizetype at = 0; at < reply.size(); at += pieceSize)
        framer.feed(QByteArrayView(reply).sliced(at, qMin(pieceSize, reply.size() - at)));
    const QStringList states = {"headers", "body", "complete", "too large"};
    QString text = states[int(framer.state())] + u'>';
    text += states[int(framer.close())];
    if (framer.state() == HttpReplyFramer::State::TooLarge)
        return text;
    text += u' ' + QString::number(framer.status()) + u' ';
    for (int i = 0; i < framer.headers().Count(); ++i)
        text += u'[' + framer.headers().Name(i) + ": " + framer.headers().Value(i) + u']';
    return text + u'|' + framer.bodyText();
}

// What a socket raised, through its handlers.
struct Outcomes {
    QList<int> errors;
    QStringList bodies;
    explicit Outcomes(HTTPSocket &socket) {
        socket.PageReceivedHandler = [this](const QString &, int, const fw::InternetHeaders &,
                                            const QString &body) { bodies << body; };
        socket.ErrorHandler = [this](int code) { errors << code; };
    }
    qsizetype count() const { return errors.size() + bodies.size(); }
};

} // namespace

class NetTest : public QObject {
    Q_OBJECT
private slots:
    void buildsTheRequest_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QByteArray>("request"); // empty: it cannot be used
        QTest::newRow("no path") << "http://h.example" << request("h.example:80", "/", "h.example");
        QTest::newRow("max port") << "http://h:65535/a" << request("h:65535", "/a", "h:65535");
        QTest::newRow("port 0 means 80") << "http://h:0/x" << request("h:80", "/x", "h:0");
        QTest::newRow("port too high") << "http://h:65536/x" << QByteArray();
        QTest::newRow("line break") << "http://h/x\r\nEvil: 1" << QByteArray();
    }
    void buildsTheRequest() {
        QFETCH(QString, url);
        const fw::HttpRequest r = fw::HttpRequest::fromUrl(url);
        const QByteArray where = r.host.toUtf8() + ':' + QByteArray::number(r.port);
        QTEST(r.isUsable() ? where + '|' + r.toBytes() : QByteArray(), "request");
    }

    void framesTheReply_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("limit"); // 0: the default
        QTest::addColumn<QString>("whole");
        QTest::addColumn<QString>("byteByByte");
        auto row = [](const char *name, const QByteArray &reply, const QString &whole,
                      const QString &byteByByte = {}, int limit = 0) {
            QTest::newRow(name) << reply << limit << whole
                                << (byteByByte.isEmpty() ? whole : byteByByte);
        };
        row("content length", ok + "Content-Length: 5\r\n\r\nhello",
            "complete>complete 200 [Content-Length: 5]|hello");
        row("length 0, status past int", "HTTP/1.0 99999999999 X\r\nContent-Length: 0\r\n\r\n",
            "complete>complete 0 [Content-Length: 0]|");
        const QByteArray extra = ok + "content-LENGTH:  3 \r\n\r\nabcdef";
        row("bytes past the length neither count nor add up", extra,
            "complete>complete 200 [content-LENGTH: 3]|abc", {}, int(extra.size()) - 3);
        row("closed short of the content length", ok + "Content-Length: 10\r\n\r\nhello",
            "body>complete 200 [Content-Length: 10]|hello");
        row("close-delimited, a byte a character", ok + "Content-Type: a/b\r\n\r\n<\xE9\xFF>\r\n",
            "body>complete 200 [Content-Type: a/b]|<éÿ>\r\n");
        row("negative content length", ok + "Content-Length: -5\r\n\r\nabc",
            "body>complete 200 [Content-Length: -5]|abc");
        row("content length with a sign", ok + "Content-Length: +3\r\n\r\nabcdef",
            "body>complete 200 [Content-Length: +3]|abcdef");
        row("too long to hold", ok + "Content-Length: 99999999999999999999\r\n\r\nab",
            "body>complete 200 [Content-Length: 99999999999999999999]|ab");
        row("largest content length", ok + "Content-Length: 9223372036854775807\r\n\r\nab",
            "body>complete 200 [Content-Length: 9223372036854775807]|ab");
        row("CR LF anywhere: CR LF CR LF first", "HTTP/1.0 200 OK\n\nX: 1\r\n\r\nbody",
            "body>complete 200 [X: 1]|body", "body>complete 200 |X: 1\r\n\r\nbody");
        row("LF line end: LF LF wins over CR CR", "A 1\r\rB: 2\n\nbody",
            "body>complete 1 [B: 2]|body", "body>complete 1 |B: 2\n\nbody");
        row("CR LF line end: LF LF, then CR CR", ok + "A: 1\r\rB: 2\n\nbody",
            "body>complete 200 [A: 1][B: 2]|body", "body>complete 200 [A: 1]|B: 2\n\nbody");
        row("LF CR LF is no end; the close ends the header block", ok + "A: 1\n\r\nbody",
            "headers>complete 200 [A: 1]|");
        row("nothing arrived", "", "headers>complete 0 |");
        row("odd lines and status", "HTTP/1.0 OK\r\nS:  q \r\nbare\r\n: x\r\nE:\r\n\r\nab",
            "body>complete 0 [S: q][E: ]|ab");
        row("header block at the limit", ok + "\r\n", "body>complete 200 |", {}, 19);
        row("header block past the limit", ok + "\r\n", "too large>too large", {}, 18);
        row("no header end, at the limit", "0123456789", "headers>complete 0 |", {}, 10);
        row("no header end, past the limit", "0123456789A", "too large>too large", {}, 10);
        const QByteArray mib = ok + "\r\n" + QByteArray(1024 * 1024 - 19, 'x');
        row("1 MiB in all", mib, "body>complete 200 |" + QString(1024 * 1024 - 19, u'x'));
        row("1 MiB and a byte", mib + 'x', "too large>too large");
    }
    void framesTheReply() {
        QFETCH(QByteArray, reply);
        QFETCH(int, limit);
        QTEST(framed(reply, limit, qMax<qsizetype>(reply.size(), 1)), "whole");
        QTEST(framed(reply, limit, 1), "byteByByte");
    }

    void raisesOneOutcomeEach_data() {
        QTest::addColumn<QString>("url"); // empty: the local server, asked twice at once
        QTest::addColumn<QList<int>>("errors");
        QTest::addColumn<QStringList>("bodies");
        QTest::newRow("host name not found")
            << "http://nonexistent.invalid/x" << QList<int>{103} << QStringList();
        QTest::newRow("port out of range")
            << "http://127.0.0.1:65536/x" << QList<int>{107} << QStringList();
        QTest::newRow("get while busy") << "" << QList<int>{106} << QStringList{"first"};
    }
    void raisesOneOutcomeEach() {
        QFETCH(QString, url);
        QFETCH(QList<int>, errors);
        QFETCH(QStringList, bodies);
        LocalHttpServer server;
        QVERIFY(server.listen());
        server.answer(ok + "\r\nfirst");
        HTTPSocket socket;
        Outcomes out(socket);
        socket.Get(url.isEmpty() ? server.url(QStringLiteral("/a")) : url);
        if (url.isEmpty())
            socket.Get(server.url(QStringLiteral("/b")));
        QCOMPARE(out.count(), 0); // never inside Get
        QTRY_COMPARE_WITH_TIMEOUT(out.count(), errors.size() + bodies.size(), Wait);
        QCOMPARE(out.errors, errors);
        QCOMPARE(out.bodies, bodies);
        QCOMPARE(server.requests(), int(url.isEmpty()));
        QCOMPARE(server.request().left(7), url.isEmpty() ? "GET /a " : "");
        QVERIFY(!socket.IsBusy());
    }

    void destroyingItMidRequestRaisesNothing_data() {
        QTest::addColumn<bool>("connected");
        QTest::newRow("while connecting") << false;
        QTest::newRow("waiting for the reply") << true;
    }
    void destroyingItMidRequestRaisesNothing() {
        QFETCH(bool, connected);
        LocalHttpServer server;
        QVERIFY(server.listen());
        const QString url = server.url(QStringLiteral("/x"));
        connected ? server.neverAnswer() : server.close();
        auto *socket = new HTTPSocket(&server); // gone with the server should a check fail
        Outcomes out(*socket);
        socket->Get(url);
        if (connected)
            QTRY_COMPARE_WITH_TIMEOUT(server.requests(), 1, Wait);
        delete socket;
        // A second socket asks the same server: once its outcome is in, the first one's
        // would have come too.
        server.closeAtOnce();
        HTTPSocket witness;
        Outcomes seen(witness);
        witness.Get(url);
        QTRY_COMPARE_WITH_TIMEOUT(seen.count(), 1, Wait);
        QCOMPARE(seen.errors, connected ? QList<int>() : QList<int>{102});
        QCOMPARE(out.count(), 0);
    }
};

QTEST_GUILESS_MAIN(NetTest)
#include "tst_net.moc"

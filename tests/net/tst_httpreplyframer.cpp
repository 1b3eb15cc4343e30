#include "tst_net.h"

#include "framework/net/httpreplyframer.h"

#include <QTest>

using fw::HttpReplyFramer;
using State = HttpReplyFramer::State;

namespace {

QString stateName(State state) {
    switch (state) {
    case State::ReadingHeaders:
        return QStringLiteral("headers");
    case State::ReadingBody:
        return QStringLiteral("body");
    case State::Complete:
        return QStringLiteral("complete");
    case State::TooLarge:
        return QStringLiteral("too large");
    }
    return QString();
}

QStringList headerLines(const fw::InternetHeaders &headers) {
    QStringList lines;
    for (int i = 0; i < headers.Count(); ++i)
        lines << headers.Name(i) + QStringLiteral(": ") + headers.Value(i);
    return lines;
}

// Feeds the reply pieceSize bytes at a time (all at once for 0).
void feedInPieces(HttpReplyFramer &framer, const QByteArray &reply, int pieceSize) {
    const qsizetype step = pieceSize > 0 ? pieceSize : qMax<qsizetype>(reply.size(), 1);
    for (qsizetype at = 0; at < reply.size(); at += step)
        framer.feed(QByteArrayView(reply).sliced(at, qMin(step, reply.size() - at)));
}

const QByteArray ok = "HTTP/1.0 200 OK\r\n";

} // namespace

void HttpReplyFramerTest::framesTheReply_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("pieceSize"); // 0: all at once
    QTest::addColumn<bool>("closed");   // the server closes after the reply
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QByteArray>("body");

    const QByteArray fiveBytes = ok + "Content-Length: 5\r\n\r\nhello";
    const QStringList cl5 = {"Content-Length: 5"};
    QTest::newRow("content length, at once")
        << fiveBytes << 0 << false << "complete" << 200 << cl5 << QByteArray("hello");
    QTest::newRow("content length, byte by byte")
        << fiveBytes << 1 << false << "complete" << 200 << cl5 << QByteArray("hello");
    QTest::newRow("content length 0")
        << QByteArray("HTTP/1.0 204 No Content\r\nContent-Length: 0\r\n\r\n") << 0 << false
        << "complete" << 204 << QStringList{"Content-Length: 0"} << QByteArray();
    QTest::newRow("bytes after the content length are ignored")
        << QByteArray(ok + "content-LENGTH:  3 \r\n\r\nabcdef") << 0 << true << "complete" << 200
        << QStringList{"content-LENGTH: 3"} << QByteArray("abc");
    QTest::newRow("the first content length counts")
        << QByteArray(ok + "Content-Length: 2\r\nContent-Length: 4\r\n\r\nabcdef") << 1 << false
        << "complete" << 200 << QStringList{"Content-Length: 2", "Content-Length: 4"}
        << QByteArray("ab");
    QTest::newRow("body still arriving")
        << QByteArray(ok + "Content-Length: 10\r\n\r\nhello") << 0 << false << "body" << 200
        << QStringList{"Content-Length: 10"} << QByteArray("hello");
    QTest::newRow("close before the content length is reached")
        << QByteArray(ok + "Content-Length: 10\r\n\r\nhello") << 0 << true << "complete" << 200
        << QStringList{"Content-Length: 10"} << QByteArray("hello");
    QTest::newRow("no content length: the body waits for the close")
        << QByteArray(ok + "Content-Type: text/xml\r\n\r\n<a>1</a>") << 0 << false << "body"
        << 200 << QStringList{"Content-Type: text/xml"} << QByteArray("<a>1</a>");
    QTest::newRow("no content length, closed, byte by byte")
        << QByteArray(ok + "Content-Type: text/xml\r\n\r\n<a>1</a>\r\n") << 1 << true
        << "complete" << 200 << QStringList{"Content-Type: text/xml"}
        << QByteArray("<a>1</a>\r\n");
    QTest::newRow("negative content length: read to the close")
        << QByteArray(ok + "Content-Length: -5\r\n\r\nabcdefgh") << 0 << true << "complete"
        << 200 << QStringList{"Content-Length: -5"} << QByteArray("abcdefgh");
    QTest::newRow("content length not a number: read to the close")
        << QByteArray(ok + "Content-Length: 3x\r\n\r\nabcdefgh") << 0 << true << "complete"
        << 200 << QStringList{"Content-Length: 3x"} << QByteArray("abcdefgh");
    QTest::newRow("huge content length: read to the close")
        << QByteArray(ok + "Content-Length: 99999999999999999999999\r\n\r\nabc") << 2 << true
        << "complete" << 200 << QStringList{"Content-Length: 99999999999999999999999"}
        << QByteArray("abc");
    QTest::newRow("largest content length waits")
        << QByteArray(ok + "Content-Length: 9223372036854775807\r\n\r\nabc") << 0 << false
        << "body" << 200 << QStringList{"Content-Length: 9223372036854775807"}
        << QByteArray("abc");

    // Where the header block ends.
    QTest::newRow("LF LF")
        << QByteArray("HTTP/1.0 200 OK\nContent-Length: 2\n\nok") << 1 << false << "complete"
        << 200 << QStringList{"Content-Length: 2"} << QByteArray("ok");
    QTest::newRow("CR CR")
        << QByteArray("HTTP/1.0 301 Moved\rLocation: /x\r\rbody") << 1 << true << "complete"
        << 301 << QStringList{"Location: /x"} << QByteArray("body");
    QTest::newRow("CR LF anywhere makes CR LF CR LF win over an earlier LF LF")
        << QByteArray("HTTP/1.0 200 OK\n\nX: 1\r\n\r\nbody") << 0 << true << "complete" << 200
        << QStringList{"X: 1"} << QByteArray("body");
    QTest::newRow("the same bytes one by one end at the LF LF")
        << QByteArray("HTTP/1.0 200 OK\n\nX: 1\r\n\r\nbody") << 1 << true << "complete" << 200
        << QStringList() << QByteArray("X: 1\r\n\r\nbody");
    QTest::newRow("LF line end: LF LF wins over an earlier CR CR")
        << QByteArray("A 1\r\rB: 2\n\nbody") << 0 << true << "complete" << 1
        << QStringList{"B: 2"} << QByteArray("body");
    QTest::newRow("CR LF anywhere counts, even before the last bare LF")
        << QByteArray(ok + "A: 1\r\n\r\nB: 2\n\nbody") << 0 << true << "complete" << 200
        << QStringList{"A: 1"} << QByteArray("B: 2\n\nbody");
    QTest::newRow("CR LF line end without a double falls back to LF LF before CR CR")
        << QByteArray(ok + "A: 1\r\rB: 2\n\nbody") << 0 << true << "complete" << 200
        << QStringList{"A: 1", "B: 2"} << QByteArray("body");
    QTest::newRow("CR LF line end without a double falls back to CR CR")
        << QByteArray(ok + "A: 1\r\r\nbody") << 0 << true << "complete" << 200
        << QStringList{"A: 1"} << QByteArray("\nbody");
    QTest::newRow("LF CR LF is no end")
        << QByteArray(ok + "A: 1\n\r\nbody") << 0 << false << "headers" << 0 << QStringList()
        << QByteArray();
    QTest::newRow("empty header block")
        << QByteArray("\r\n\r\nbody") << 0 << true << "complete" << 0 << QStringList()
        << QByteArray("body");

    // The status.
    QTest::newRow("status 404")
        << QByteArray("HTTP/1.0 404 Not Found\r\n\r\nmissing") << 0 << true << "complete" << 404
        << QStringList() << QByteArray("missing");
    QTest::newRow("no status field")
        << QByteArray("HTTP/1.0\r\n\r\nx") << 0 << true << "complete" << 0 << QStringList()
        << QByteArray("x");
    QTest::newRow("status not a number")
        << QByteArray("HTTP/1.0 OK\r\n\r\nx") << 0 << true << "complete" << 0 << QStringList()
        << QByteArray("x");
    QTest::newRow("two blanks leave the second field empty")
        << QByteArray("HTTP/1.0  200 OK\r\n\r\nx") << 0 << true << "complete" << 0
        << QStringList() << QByteArray("x");
    QTest::newRow("status with a leading zero")
        << QByteArray("HTTP/1.1 0302 Found\r\n\r\nx") << 0 << true << "complete" << 302
        << QStringList() << QByteArray("x");
    QTest::newRow("status beyond int reads 0")
        << QByteArray("HTTP/1.0 99999999999 X\r\n\r\nx") << 0 << true << "complete" << 0
        << QStringList() << QByteArray("x");

    // Header lines.
    QTest::newRow("lines without a name are skipped, blanks trimmed")
        << QByteArray(ok + "Server:  quill \r\nno colon\r\n: nameless\r\nX-Empty:\r\n\r\n") << 0
        << true << "complete" << 200 << QStringList{"Server: quill", "X-Empty: "} << QByteArray();

    // Closed before the header block ended: what arrived is the header block.
    QTest::newRow("closed inside the header block")
        << QByteArray(ok + "Content-Length: 5\r\nX: y") << 1 << true << "complete" << 200
        << QStringList{"Content-Length: 5", "X: y"} << QByteArray();
    QTest::newRow("closed with nothing sent")
        << QByteArray() << 0 << true << "complete" << 0 << QStringList() << QByteArray();
    QTest::newRow("nothing sent yet")
        << QByteArray() << 0 << false << "headers" << 0 << QStringList() << QByteArray();
}

void HttpReplyFramerTest::framesTheReply() {
    QFETCH(QByteArray, reply);
    QFETCH(int, pieceSize);
    QFETCH(bool, closed);
    HttpReplyFramer framer;
    feedInPieces(framer, reply, pieceSize);
    if (closed)
        framer.close();
    QTEST(stateName(framer.state()), "state");
    QTEST(framer.status(), "status");
    QTEST(headerLines(framer.headers()), "headers");
    QTEST(framer.body(), "body");
}

void HttpReplyFramerTest::keepsToTheSizeLimit_data() {
    QTest::addColumn<qsizetype>("limit");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<QString>("state"); // after the close
    QTest::addColumn<qsizetype>("bodySize");

    const qsizetype mib = HttpReplyFramer::DefaultLimit;
    QCOMPARE(mib, 1024 * 1024);
    const QByteArray head = "HTTP/1.0 200 OK\r\n\r\n"; // 19 bytes
    QTest::newRow("1 MiB in all")
        << mib << QByteArray(head + QByteArray(mib - head.size(), 'x')) << 65536 << "complete"
        << mib - head.size();
    QTest::newRow("1 MiB and one byte")
        << mib << QByteArray(head + QByteArray(mib - head.size() + 1, 'x')) << 65536
        << "too large" << qsizetype(0);
    QTest::newRow("header block never ends")
        << mib << QByteArray(mib + 1, 'h') << 4096 << "too large" << qsizetype(0);
    QTest::newRow("header block never ends, all at once")
        << mib << QByteArray(mib + 1, 'h') << 0 << "too large" << qsizetype(0);
    QTest::newRow("header block ending just past the limit")
        << qsizetype(20) << QByteArray("HTTP/1.0 200 OKAY\r\n\r\n") << 1 << "too large"
        << qsizetype(0);
    QTest::newRow("header block ending at the limit")
        << qsizetype(20) << QByteArray("HTTP/1.0 200 OKA\r\n\r\n") << 1 << "complete"
        << qsizetype(0);
    QTest::newRow("content length beyond the limit")
        << qsizetype(100) << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 5000\r\n\r\n")
        << 0 << "complete" << qsizetype(0);
    QTest::newRow("content length beyond the limit, body over it")
        << qsizetype(100)
        << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 5000\r\n\r\n" + QByteArray(100, 'x'))
        << 0 << "too large" << qsizetype(0);
    QTest::newRow("bytes past the content length do not count")
        << qsizetype(100)
        << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nab" + QByteArray(500, 'x'))
        << 0 << "complete" << qsizetype(2);
}

void HttpReplyFramerTest::keepsToTheSizeLimit() {
    QFETCH(qsizetype, limit);
    QFETCH(QByteArray, reply);
    QFETCH(int, pieceSize);
    HttpReplyFramer framer(limit);
    feedInPieces(framer, reply, pieceSize);
    framer.close();
    QTEST(stateName(framer.state()), "state");
    QTEST(framer.body().size(), "bodySize");
    // Once ended, it stays so.
    framer.feed("more");
    framer.close();
    QTEST(stateName(framer.state()), "state");
    QTEST(framer.body().size(), "bodySize");
}

void HttpReplyFramerTest::readsTheBodyByteForCharacter() {
    HttpReplyFramer framer;
    framer.feed(QByteArrayView("HTTP/1.0 200 OK\r\n\r\n<a>\xE9\xFF\0\xC3\xA9</a>", 31));
    framer.close();
    const QString expected = QStringLiteral("<a>") + QChar(0xE9) + QChar(0xFF) + QChar(0) +
                             QChar(0xC3) + QChar(0xA9) + QStringLiteral("</a>");
    QCOMPARE(framer.body().size(), 12);
    QCOMPARE(framer.bodyText(), expected);
}

void HttpReplyFramerTest::findsHeadersByNameWhateverTheCase() {
    HttpReplyFramer framer;
    framer.feed("HTTP/1.0 200 OK\r\nContent-Type: text/xml\r\nX-A: 1\r\nx-a: 2\r\n\r\n");
    const fw::InternetHeaders &h = framer.headers();
    QCOMPARE(h.Count(), 3);
    QCOMPARE(h.Value(QStringLiteral("content-type")), QStringLiteral("text/xml"));
    QCOMPARE(h.Value(QStringLiteral("X-a")), QStringLiteral("1"));
    QCOMPARE(h.Value(QStringLiteral("Location")), QString());
    QCOMPARE(h.Name(2), QStringLiteral("x-a"));
    QCOMPARE(h.Value(2), QStringLiteral("2"));
    QCOMPARE(h.Name(3), QString());
    QCOMPARE(h.Value(-1), QString());
}

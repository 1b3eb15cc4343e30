#include "tst_net.h"

#include "framework/net/httpsocket.h"
#include "localhttpserver.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using fw::HTTPSocket;

namespace {

// Only a guard against a hang: every wait below ends on an event, not on a clock.
constexpr int Wait = 20000;

const QByteArray manifest = "<Quillory><CurrentVersion>1.2.0</CurrentVersion>"
                            "<Description>New</Description><Free>Yes</Free></Quillory>";

// What a socket raised, through its handlers.
struct Outcomes {
    QStringList urls;
    QList<int> statuses;
    QList<fw::InternetHeaders> headers;
    QStringList bodies;
    QList<int> errors;

    qsizetype count() const { return bodies.size() + errors.size(); }

    void watch(HTTPSocket &socket) {
        socket.PageReceivedHandler = [this](const QString &url, int status,
                                            const fw::InternetHeaders &h, const QString &body) {
            urls << url;
            statuses << status;
            headers << h;
            bodies << body;
        };
        socket.ErrorHandler = [this](int code) { errors << code; };
    }
};

// A port on this machine where nobody listens.
quint16 refusingPort() {
    LocalHttpServer server;
    if (!server.listen())
        return 0;
    server.close();
    return server.port();
}

QByteArray withContentLength(const QByteArray &statusLine, const QByteArray &body) {
    return statusLine + "\r\nContent-Type: text/xml\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

} // namespace

void HttpSocketTest::sendsTheRequestByteForByte() {
    LocalHttpServer server;
    QVERIFY(server.listen());
    server.answer("HTTP/1.0 200 OK\r\n\r\n");
    HTTPSocket socket;
    Outcomes out;
    out.watch(socket);
    socket.Get(server.url(QStringLiteral("/Updates/quillory.xml")));
    QTRY_COMPARE_WITH_TIMEOUT(out.count(), 1, Wait);
    QCOMPARE(server.request(), "GET /Updates/quillory.xml HTTP/1.0\r\n"
                               "Accept: */*\r\n"
                               "Accept-Language: en\r\n"
                               "Host: 127.0.0.1:" + QByteArray::number(server.port()) + "\r\n"
                               "\r\n");
    QCOMPARE(server.connections(), 1);
}

void HttpSocketTest::receivesThePage_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("pieceSize"); // 0: one write
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<bool>("stayOpen");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("contentType");
    QTest::addColumn<QString>("body");

    const QByteArray full = withContentLength("HTTP/1.0 200 OK", manifest);
    QTest::newRow("content length, one write")
        << full << 0 << 0 << false << 200 << "text/xml" << QString::fromLatin1(manifest);
    QTest::newRow("content length, the server leaves the line open")
        << full << 0 << 0 << true << 200 << "text/xml" << QString::fromLatin1(manifest);
    QTest::newRow("many small writes")
        << full << 5 << 1 << false << 200 << "text/xml" << QString::fromLatin1(manifest);
    QTest::newRow("body ended by the close")
        << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + manifest) << 7 << 1
        << false << 200 << "text/plain" << QString::fromLatin1(manifest);
    QTest::newRow("status 404 is a page like any other")
        << withContentLength("HTTP/1.0 404 Not Found", manifest) << 0 << 0 << false << 404
        << "text/xml" << QString::fromLatin1(manifest);
    QTest::newRow("a redirect is not followed")
        << QByteArray("HTTP/1.0 301 Moved\r\nLocation: http://elsewhere.example/\r\n\r\nmoved") << 0
        << 0 << false << 301 << "" << "moved";
}

void HttpSocketTest::receivesThePage() {
    QFETCH(QByteArray, reply);
    QFETCH(int, pieceSize);
    QFETCH(int, delayMs);
    QFETCH(bool, stayOpen);
    LocalHttpServer server;
    QVERIFY(server.listen());
    if (stayOpen)
        server.answerAndStayOpen(reply);
    else
        server.answer(reply, pieceSize, delayMs);
    HTTPSocket socket;
    Outcomes out;
    out.watch(socket);
    QSignalSpy pages(&socket, &HTTPSocket::PageReceived);
    QSignalSpy errors(&socket, &HTTPSocket::Error);
    const QString url = server.url(QStringLiteral("/Updates/quillory.xml"));

    socket.Get(url);
    QCOMPARE(out.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(out.count(), 1, Wait);
    QCOMPARE(out.urls, QStringList{url});
    QTEST(out.statuses.first(), "status");
    QTEST(out.headers.first().Value(QStringLiteral("Content-Type")), "contentType");
    QTEST(out.bodies.first(), "body");
    QVERIFY(!socket.IsBusy());

    // Once the connection is gone nothing more can come: exactly one outcome.
    QTRY_COMPARE_WITH_TIMEOUT(server.closedConnections(), 1, Wait);
    QCoreApplication::processEvents();
    QCOMPARE(out.count(), 1);
    QCOMPARE(pages.count(), 1);
    QCOMPARE(pages.first().at(0).toString(), url);
    QTEST(pages.first().at(1).toInt(), "status");
    QTEST(pages.first().at(3).toString(), "body");
    QCOMPARE(errors.count(), 0);
}

void HttpSocketTest::aServerThatClosesAtOnceGivesAnEmptyPage() {
    LocalHttpServer server;
    QVERIFY(server.listen());
    server.closeAtOnce();
    HTTPSocket socket;
    Outcomes out;
    out.watch(socket);
    socket.Get(server.url(QStringLiteral("/Updates/quillory.xml")));
    QTRY_COMPARE_WITH_TIMEOUT(out.count(), 1, Wait);
    QCOMPARE(out.errors, QList<int>());
    QCOMPARE(out.statuses, QList<int>{0});
    QCOMPARE(out.headers.first().Count(), 0);
    QCOMPARE(out.bodies, QStringList{QString()});
}

void HttpSocketTest::failsWithACode_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("code");
    const quint16 port = refusingPort();
    QVERIFY(port != 0);
    QTest::newRow("connection refused")
        << QStringLiteral("http://127.0.0.1:%1/Updates/quillory.xml").arg(port) << 102;
    QTest::newRow("host name that cannot be resolved") << "http://nonexistent.invalid/x" << 103;
    QTest::newRow("no host name") << "http:///Updates/quillory.xml" << 103;
    QTest::newRow("port out of range") << "http://127.0.0.1:65536/x" << 107;
    QTest::newRow("line break in the URL") << "http://127.0.0.1/x\nHost: evil" << 107;
}

void HttpSocketTest::failsWithACode() {
    QFETCH(QString, url);
    QFETCH(int, code);
    HTTPSocket socket;
    Outcomes out;
    out.watch(socket);
    QSignalSpy errors(&socket, &HTTPSocket::Error);
    socket.Get(url);
    QCOMPARE(out.count(), 0); // never inside Get
    QTRY_COMPARE_WITH_TIMEOUT(out.count(), 1, Wait);
    QCOMPARE(out.errors, QList<int>{code});
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().at(0).toInt(), code);
    QVERIFY(!socket.IsBusy());
}

void HttpSocketTest::anEndlessBodyEndsInAnErrorAndTheConnectionCloses_data() {
    QTest::addColumn<QByteArray>("head");
    QTest::newRow("no content length") << QByteArray("HTTP/1.0 200 OK\r\n\r\n");
    QTest::newRow("a content length of a terabyte")
        << QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 1099511627776\r\n\r\n");
}

void HttpSocketTest::anEndlessBodyEndsInAnErrorAndTheConnectionCloses() {
    QFETCH(QByteArray, head);
    LocalHttpServer server;
    QVERIFY(server.listen());
    server.sendEndlessBody(head);
    HTTPSocket socket;
    Outcomes out;
    out.watch(socket);
    socket.Get(server.url(QStringLiteral("/x")));
    QTRY_COMPARE_WITH_TIMEOUT(out.count(), 1, Wait);
    QCOMPARE(out.errors, QList<int>{fw::HttpErrorReplyTooLarge});
    QCOMPARE(out.errors.first(), 108);
    QTRY_COMPARE_WITH_TIMEOUT(server.closedConnections(), 1, Wait);
    QVERIFY(server.bytesSent() > fw::HttpReplyFramer::DefaultLimit);
}

void HttpSocketTest::aSecondGetWhileBusyIsRefusedAndTheFirstGoesOn() {
    LocalHttpServer server;
    QVERIFY(server.listen());
    server.answer(withContentLength("HTTP/1.0 200 OK", manifest), 10, 1);
    HTTPSocket socket;
    Outcomes out;
    out.watch(socket);
    const QString url = server.url(QStringLiteral("/Updates/quillory.xml"));
    socket.Get(url);
    socket.Get(server.url(QStringLiteral("/other")));
    QTRY_COMPARE_WITH_TIMEOUT(out.count(), 2, Wait);
    QCOMPARE(out.errors, QList<int>{106});
    QCOMPARE(out.urls, QStringList{url});
    QCOMPARE(out.bodies, QStringList{QString::fromLatin1(manifest)});
    QCOMPARE(server.connections(), 1);

    // Once the outcome is in, the same socket takes the next request.
    socket.Get(url);
    QTRY_COMPARE_WITH_TIMEOUT(out.count(), 3, Wait);
    QCOMPARE(out.bodies.size(), 2);
    QCOMPARE(server.connections(), 2);
}

void HttpSocketTest::destroyingItMidRequestRaisesNothing_data() {
    QTest::addColumn<QString>("when");
    QTest::newRow("while connecting") << "connecting";
    QTest::newRow("waiting for the reply") << "waiting";
    QTest::newRow("while the body arrives") << "body";
}

void HttpSocketTest::destroyingItMidRequestRaisesNothing() {
    QFETCH(QString, when);
    LocalHttpServer server;
    QVERIFY(server.listen());
    // A slow trickle: the server is still sending when the socket goes.
    const QByteArray trickle = withContentLength("HTTP/1.0 200 OK", QByteArray(1000, 'x'));
    if (when == QLatin1String("waiting"))
        server.neverAnswer();
    else
        server.answer(trickle, 1, 2);
    const QString url = when == QLatin1String("connecting")
                            ? QStringLiteral("http://127.0.0.1:%1/x").arg(refusingPort())
                            : server.url(QStringLiteral("/x"));
    auto socket = std::make_unique<HTTPSocket>();
    Outcomes out;
    out.watch(*socket);
    int emitted = 0;
    connect(socket.get(), &HTTPSocket::PageReceived, this, [&] { ++emitted; });
    connect(socket.get(), &HTTPSocket::Error, this, [&] { ++emitted; });
    socket->Get(url);

    if (when == QLatin1String("connecting")) {
        socket.reset();
        // A second request to the same port shows when the refusal has come back.
        HTTPSocket witness;
        Outcomes seen;
        seen.watch(witness);
        witness.Get(url);
        QTRY_COMPARE_WITH_TIMEOUT(seen.errors, QList<int>{102}, Wait);
    } else {
        if (when == QLatin1String("waiting"))
            QTRY_COMPARE_WITH_TIMEOUT(server.requests(), 1, Wait);
        else
            QTRY_VERIFY_WITH_TIMEOUT(server.bytesSent() > 100, Wait);
        QVERIFY(server.bytesSent() < trickle.size());
        socket.reset();
        QTRY_COMPARE_WITH_TIMEOUT(server.closedConnections(), 1, Wait);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCOMPARE(out.count(), 0);
    QCOMPARE(emitted, 0);
}

void HttpSocketTest::aHandlerMayDestroyTheSocket() {
    QPointer<HTTPSocket> socket = new HTTPSocket;
    int errors = 0;
    int emitted = 0;
    socket->ErrorHandler = [&](int) {
        ++errors;
        delete socket.data();
    };
    connect(socket.data(), &HTTPSocket::Error, this, [&] { ++emitted; });
    socket->Get(QStringLiteral("http://127.0.0.1:65536/x"));
    QTRY_VERIFY_WITH_TIMEOUT(socket.isNull(), Wait);
    QCOMPARE(errors, 1);
    QCOMPARE(emitted, 0); // the signal is not emitted from a destroyed socket
}

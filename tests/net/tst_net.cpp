#include "framework/net/httpreplyframer.h"
#include "framework/net/httpsocket.h"
#include "localhttpserver.h"
#include "privatenetwork.h"

#include <QHostInfo>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTest>
#include <csignal>
#include <poll.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>

using fw::HttpReplyFramer, fw::HTTPSocket;

namespace {

const QByteArray ok = "HTTP/1.0 200 OK\r\n";

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

// What a socket raised through its handlers, in order: "CODE" or "status body", each with
// " busy" when IsBusy() was true while the handler ran.
struct Outcomes : QStringList {
    explicit Outcomes(HTTPSocket &socket) {
        socket.PageReceivedHandler = [this, &socket](auto &, int status, auto &, auto &body) {
            *this << QString::number(status) + u' ' + body + (socket.IsBusy() ? " busy" : "");
        };
        socket.ErrorHandler = [this, &socket](int code) {
            *this << QString::number(code) + (socket.IsBusy() ? " busy" : "");
        };
    }
};

// Writes text to a new file.
bool writeText(const char *path, const QByteArray &text) {
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush();
}

// Runs then once the reply is complete and the connection let go, before the outcome is raised.
void inTheGap(HTTPSocket &socket, const std::function<void()> &then) {
    QTcpSocket *connection = socket.findChild<QTcpSocket *>();
    QObject::connect(connection, &QTcpSocket::readyRead, connection, [=, done = false]() mutable {
        if (!connection->parent() && !std::exchange(done, true))
            then();
    });
}

} // namespace

class NetTest : public QObject {
    Q_OBJECT
    QTcpSocket heldPort_;

private slots:
    // On a machine whose lookups go to a name-service cache daemon, then to DNS alone, a private
    // network answers from its own hosts file, and the daemon hears nothing. A child process
    // plays that machine, in namespaces of its own and with its daemon, and tells what it saw.
    void privateNetworksLookUpInTheirHostsFileAlone() {
        int told[2];
        QVERIFY(pipe(told) == 0);
        const pid_t machine = fork(); // first of all, while this process has no other thread
        QVERIFY(machine >= 0);
        if (machine == 0) {
            const PrivateNetwork own({});
            QByteArray seen = own.missing().toUtf8();
            const sockaddr_un at{AF_UNIX, "/run/nscd/socket"};
            const int daemon = socket(AF_UNIX, SOCK_STREAM, 0);
            // The machine's own /run, with the daemon's socket and a name service of DNS alone.
            if (seen.isEmpty() && mount("none", "/run", "tmpfs", 0, nullptr) == 0 &&
                mkdir("/run/nscd", 0755) == 0 &&
                bind(daemon, reinterpret_cast<const sockaddr *>(&at), sizeof at) == 0 &&
                listen(daemon, 8) == 0 && writeText("/run/nsswitch.conf", "hosts: dns\n") &&
                mount("/run/nsswitch.conf", "/etc/nsswitch.conf", nullptr, MS_BIND, nullptr) == 0) {
                const pid_t asked = fork(); // the daemon, which says when it is asked
                if (asked == 0) {
                    prctl(PR_SET_PDEATHSIG, SIGKILL); // it goes with the machine, however it ends
                    _exit(accept(daemon, nullptr, nullptr) < 0 || write(told[1], "asked ", 6));
                }
                const PrivateNetwork network({"orvane.example"});
                seen =
                    network.missing().toUtf8() +
                    QHostInfo::fromName("orvane.example").addresses().value(0).toString().toUtf8();
                kill(asked, SIGKILL);
            }
            _exit(write(told[1], seen.data(), seen.size()) < 0);
        }
        close(told[1]);
        // What the machine tells, until it and its daemon are gone; a machine that hangs is
        // stopped after 10 s rather than holding the test until CTest's timeout.
        QByteArray answer;
        char piece[256];
        pollfd in{told[0], POLLIN, 0};
        for (QDeadlineTimer bound(10000); poll(&in, 1, int(bound.remainingTime())) > 0;) {
            const ssize_t n = read(told[0], piece, sizeof piece);
            if (n <= 0)
                break;
            answer.append(piece, n);
        }
        close(told[0]);
        kill(machine, SIGKILL); // nothing to a machine that has ended
        int status = 0;
        QCOMPARE(waitpid(machine, &status, 0), machine);
        QVERIFY2(WIFEXITED(status), "the machine did not end within 10 s, or died");
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(answer, "127.0.0.1");
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
        QTest::addColumn<QString>("url"); // empty: the local server's
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("outcome");
        const QByteArray big = QByteArray("0123456789abcdef").repeated(16 * 1024);
        // Four read buffers full, the close right behind them: every byte still counts.
        QTest::newRow("page ends at the close")
            << QString() << ok + "\r\n" + big << "200 " + QString::fromLatin1(big);
        // A port bound but not listening refuses every connection, and no server can take it.
        heldPort_.setProxy(QNetworkProxy::NoProxy); // a proxy of the environment binds nothing
        if (heldPort_.state() != QAbstractSocket::BoundState)
            QVERIFY(heldPort_.bind(QHostAddress::LocalHost, 0, QTcpSocket::DontShareAddress));
        QTest::newRow("refused")
            << QStringLiteral("http://127.0.0.1:%1/").arg(heldPort_.localPort()) << QByteArray()
            << "102";
        // Qt turns the name down before any lookup: no name server is asked.
        QTest::newRow("host name not found") << "http://bad host/" << QByteArray() << "103";
    }
    void raisesOneOutcomeEach() {
        LocalHttpServer server;
        QFETCH(QByteArray, reply);
        server.reply = reply;
        HTTPSocket socket;
        Outcomes out(socket);
        QFETCH(QString, url);
        socket.Get(url.isEmpty() ? server.url("/") : url);
        QCOMPARE(out.size(), 0); // never inside Get
        QTRY_VERIFY_WITH_TIMEOUT(!out.isEmpty(), 5000);
        QFETCH(QString, outcome);
        QCOMPARE(out, QStringList{outcome});
    }

    // Busy from Get until the outcome is raised, though the connection ends before that;
    // a Get refused meanwhile leaves the request under way, and a handler may start the next.
    void busyUntilTheOutcomeIsRaised() {
        LocalHttpServer server;
        server.reply = ok + "Content-Length: 1\r\n\r\na";
        HTTPSocket socket;
        Outcomes out(socket);
        socket.PageReceivedHandler = [&, page = socket.PageReceivedHandler](auto &&...args) {
            page(args...);
            if (out.size() < 3)
                socket.Get(server.url("/next"));
        };
        socket.Get(server.url("/a"));
        socket.Get(server.url("/b"));
        inTheGap(socket, [&] { socket.Get(server.url("/c")); });
        QTRY_VERIFY_WITH_TIMEOUT(out.size() >= 4, 5000);
        QCOMPARE(out, QStringList({"106 busy", "200 a", "106 busy", "200 a"}));
        QCOMPARE(server.request.left(10), "GET /next ");
    }

    // As when the update window goes with Cancel: the outcome on its way is dropped.
    void destroyedWithItsOutcomeOnTheWayRaisesNothing() {
        LocalHttpServer server;
        server.reply = ok + "Content-Length: 1\r\n\r\na";
        auto *socket = new HTTPSocket(&server); // gone with the server should a check fail
        Outcomes out(*socket);
        socket->Get(server.url("/a"));
        bool after = false; // a call queued behind the outcome
        inTheGap(*socket, [&] {
            delete socket;
            QMetaObject::invokeMethod(
                this, [&] { after = true; }, Qt::QueuedConnection);
        });
        QTRY_VERIFY_WITH_TIMEOUT(after, 5000);
        QCOMPARE(out, QStringList());
    }
};

QTEST_GUILESS_MAIN(NetTest)
#include "tst_net.moc"

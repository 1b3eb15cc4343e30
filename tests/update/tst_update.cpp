#include "localhttpserver.h"
#include "privatenetwork.h"
#include "scripteddesktop.h"

#include "app/startup.h"
#include "update/aboutbox.h"
#include "update/selftest.h"
#include "update/updatewindow.h"

#include <QNetworkProxy>

namespace {

// The check goes to the maker's real host name, which in this test's own network is this machine;
// the proxies that the environment names are a dead port there (and so is the application's).
const PrivateNetwork network = [] {
    for (const char *name :
         {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"})
        qputenv(name, "http://127.0.0.1:9");
    QNetworkProxy::setApplicationProxy({QNetworkProxy::HttpProxy, "127.0.0.1", 9});
    return PrivateNetwork({"orvane.example"});
}();

QByteArray manifestText(const QByteArray &version, const QByteArray &why = "Better",
                        const QByteArray &free = "Yes") {
    return "<?xml version=\"1.0\"?>\n<update><CurrentVersion>" + version +
           "</CurrentVersion><Description>" + why + "</Description><Free>" + free +
           "</Free></update>\n";
}

QByteArray reply(const QByteArray &body, const QByteArray &status = "200 OK") {
    return "HTTP/1.0 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\n\r\n" + body;
}

// The real boxes, as ScriptedDesktop describes them.
const QString current = "NoIcon||You are using the current version. No update is available.||OK";

QString offer(const QString &version, bool free = true, const QString &why = "Better") {
    return "Question|New version available!|Version " + version +
           " is now available. (You are using version 1.1.) " +
           (free ? "This is a free upgrade. Would you like to automatically download this update "
                   "(using your web browser)?"
                 : "This is a paid upgrade. Would you like to automatically download the trial "
                   "version (using your web browser)?") +
           u'|' + why + "|OK*,Cancel^,Go to Website";
}

// Presses "Check for Updates"; returns once the modal update window has closed, or false
// when it was still open after 5 s (then it is closed).
bool checkForUpdates() {
    bool inTime = true;
    QTimer bound;
    bound.callOnTimeout([&inTime] {
        if (updateWindow *w = fw::openInstance<updateWindow>())
            inTime = false, w->Close();
    });
    bound.start(5000);
    QTest::mouseClick(&selfTest::instance().PushButton1(), Qt::LeftButton);
    return inTime;
}

} // namespace

// The update check against a local server, with the real dialogs, and the About window.
class UpdateTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(startUp()); }
    void cleanup() { shutDown(); }

    void aboutHandsOverItsAddresses() {
        ScriptedDesktop desktop;
        AboutBox &about = AboutBox::instance();
        for (auto *button : {&about.PushButton1(), &about.PushButton2(), &about.OrderPage()})
            QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(desktop.urls,
                 QStringList({"mailto:author@orvane.example", "http://www.orvane.example",
                              "http://order.store.example/?QUILLORY&lang=en"}));
    }

    void checksEndAsTheReplySays_data() {
        QTest::addColumn<QByteArray>("reply"); // empty: the server sends no end of the body
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QStringList>("shown"); // each message box, then each address
        const auto row = [](const char *name, const QByteArray &reply, const QStringList &shown,
                            const QStringList &presses = {}) {
            QTest::newRow(name) << reply << presses << shown;
        };
        for (const char *version : {"1.1.0", "1.1", "1.1.0.7", "01.1.00"})
            row(version, reply(manifestText(version)), {current});
        for (const char *version : {"1.0.9", "1.1.1", "2.1.0"})
            row(version, reply(manifestText(version)), {offer(version)});
        row("paid", reply(manifestText("1.2.0", "New", "No")), {offer("1.2.0", false, "New")});
        row("404", reply(manifestText("1.2.0"), "404 Not Found"), {offer("1.2.0")});
        row("first of two", reply("<CurrentVersion>1.1.0</CurrentVersion><CurrentVersion>9"),
            {current});
        row("end tag before", reply("</CurrentVersion><CurrentVersion>1.1.0</CurrentVersion>"),
            {current});
        row("no end tag", reply("<CurrentVersion>1.1.0<Free>Yes</Free>"), {offer("", true, "")});
        row("blanks and breaks kept", reply(manifestText(" 1.3.0\r\n", "\n  Faster.  \n")),
            {offer(" 1.3.0\r\n", true, "\n  Faster.  \n")});
        const QByteArray markup = "<b>x</b> <a href=\"http://a.example\">y</a>";
        row("markup shown as it is", reply(manifestText("<i>1.2</i>", markup)),
            {offer("<i>1.2</i>", true, markup)});
        row("no manifest", reply("<html>Sign in</html>"), {offer("", false, "")});
        row("empty body", reply(""), {});
        row("closed before a reply", "HTTP/1.0 200 OK\r\n", {});
        row("too large", "",
            {"NoIcon||There was a communication error with the website. Please "
             "try again later. (Code: 108)||OK"});
        // The manifest gives no address: the download goes to the maker's site.
        row("download", reply(manifestText("1.5.0")), {offer("1.5.0"), "http://www.orvane.example"},
            {"OK"});
        // A reply or failure raised just after the user pressed Cancel shows nothing.
        row("reply after cancel", reply(manifestText("1.2.0")), {}, {"(cancel first)"});
        row("failure after cancel", "", {}, {"(cancel first)"});
        // The update window stays up behind the web site, until the user cancels it.
        row("go to website", reply(manifestText("1.5.0")),
            {offer("1.5.0"), "http://orvane.example"}, {"Go to Website", "Cancel"});
    }
    void checksEndAsTheReplySays() {
        QVERIFY2(network.missing().isEmpty(), qPrintable(network.missing()));
        LocalHttpServer server(80); // the maker's web host
        QFETCH(QByteArray, reply);
        server.endless = reply.isEmpty();
        server.reply = reply.isEmpty() ? "HTTP/1.0 200 OK\r\n\r\n" : reply;
        ScriptedDesktop desktop;
        QFETCH(QStringList, presses);
        desktop.presses = presses;
        if (desktop.presses.removeAll("(cancel first)"))
            QTimer::singleShot(0, [] { // the update window is up, its request under way
                updateWindow *window = fw::openInstance<updateWindow>();
                const auto cancelFirst = [window](auto handler) {
                    return [window, handler](auto &&...args) {
                        QTest::mouseClick(&window->PushButton1(), Qt::LeftButton);
                        handler(args...);
                    };
                };
                window->hp().PageReceivedHandler = cancelFirst(window->hp().PageReceivedHandler);
                window->hp().ErrorHandler = cancelFirst(window->hp().ErrorHandler);
            });
        QStringList during; // the update window's label, and whether Self Test is still open
        desktop.whileShown = [&] {
            const updateWindow *window = fw::openInstance<updateWindow>();
            during << (window ? window->StaticText1().Text() : "no update window") +
                          (fw::openInstance<selfTest>() ? " and Self Test" : "");
        };
        QVERIFY2(checkForUpdates(), "the update window was still open after 5 s");
        QTEST(desktop.shown + desktop.urls, "shown");
        QCOMPARE(desktop.presses, QStringList()); // each one pressed while the window was up
        QVERIFY(!fw::openInstance<updateWindow>() && !fw::openInstance<selfTest>());
        QCOMPARE(server.request, "GET /Updates/quillory.xml HTTP/1.0\r\nAccept: */*\r\n"
                                 "Accept-Language: en\r\nHost: orvane.example\r\n\r\n");
        const QString label = desktop.shown.value(0) == current ? "This version is current."
                                                                : "Checking for updates...";
        QCOMPARE(during, desktop.shown.isEmpty() ? QStringList() : QStringList{label});
    }
};

QTEST_MAIN(UpdateTest)
#include "tst_update.moc"

#include "localhttpserver.h"
#include "scripteddesktop.h"

#include "app/startup.h"
#include "framework/net/httperrors.h"
#include "update/aboutbox.h"
#include "update/manifest.h"
#include "update/selftest.h"
#include "update/updatewindow.h"
#include "windows/window1.h"

#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using Answer = fw::Desktop::Answer;
// Sets up the server, and the desktop's answers, for an update check.
using Script = std::function<void(LocalHttpServer &, ScriptedDesktop &)>;
Q_DECLARE_METATYPE(Script)

namespace {

QByteArray manifestText(const QByteArray &version, const QByteArray &description = "Better",
                        const QByteArray &free = "Yes") {
    return "<?xml version=\"1.0\"?>\n<update><CurrentVersion>" + version +
           "</CurrentVersion><Description>" + description + "</Description><Free>" + free +
           "</Free></update>\n";
}

QByteArray reply(const QByteArray &body, const QByteArray &status = "200 OK") {
    return "HTTP/1.0 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\n\r\n" + body;
}

const QString current =
    QStringLiteral("msgbox: You are using the current version. No update is available.");

QString failure(int code) {
    return QStringLiteral("msgbox: There was a communication error with the website. "
                          "Please try again later. (Code: %1)")
        .arg(code);
}

QString offered(const QString &version, bool free) {
    return QStringLiteral("Version ") + version +
           QStringLiteral(" is now available. (You are using version 1.1.) ") +
           (free
                ? QStringLiteral("This is a free upgrade. Would you like to automatically download "
                                 "this update (using your web browser)?")
                : QStringLiteral("This is a paid upgrade. Would you like to automatically download "
                                 "the trial version (using your web browser)?"));
}

// What the desktop shows of an offer: the dialog, then its message and explanation.
QStringList offers(const QString &version, bool free = true, const QString &why = "Better") {
    return {QStringLiteral("dialog: New version available!"), offered(version, free) + u'|' + why};
}

// How many windows of the type are open.
int opened(const QMetaObject &type) {
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += type.cast(w) && !static_cast<fw::Window *>(w)->isClosed();
    return count;
}

void trigger(const char *itemName) {
    Window1::instance().menuBar()->findChild<QAction *>(QString::fromLatin1(itemName))->trigger();
}

// Presses "Check for Updates"; returns once the modal update window has closed. The
// user presses Cancel after cancelAfterMs, so that nothing can hang a test.
void checkForUpdates(int cancelAfterMs = 10000) {
    QTimer::singleShot(cancelAfterMs, [] {
        if (updateWindow *w = fw::openInstance<updateWindow>())
            QTest::mouseClick(&w->PushButton1(), Qt::LeftButton);
    });
    QTest::mouseClick(&selfTest::instance().PushButton1(), Qt::LeftButton);
}

} // namespace

// The update check against a local HTTP server, the upgrade offer, and the About window.
class UpdateTest : public QObject {
    Q_OBJECT
    std::unique_ptr<LocalHttpServer> server;

private slots:
    void init() {
        QVERIFY(startUp());
        server = std::make_unique<LocalHttpServer>();
        QVERIFY(server->listen());
        updateWindow::setManifestAddressForTesting(
            server->url(QStringLiteral("/Updates/quillory.xml")));
    }

    void cleanup() {
        updateWindow::setManifestAddressForTesting(QString());
        server.reset();
        shutDown();
    }

    void aboutShowsTheVersionAndHandsOverItsAddresses() {
        ScriptedDesktop desktop;
        trigger("HelpAbout"); // the main window's handler, then the application's
        trigger("HelpAbout");
        QCOMPARE(opened(AboutBox::staticMetaObject), 1);
        AboutBox &about = AboutBox::instance();
        QStringList controls;
        for (QWidget *child : about.content()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            controls << child->objectName();
        QCOMPARE(controls, QStringList({"PushButton1", "PushButton2", "StaticText2", "StaticText1",
                                        "StaticText3", "StaticText4", "OrderPage"}));
        QVERIFY(about.isVisible());
        QCOMPARE(about.windowTitle() + u'|' + about.StaticText1().Text() + u'|' +
                     about.StaticText3().Text() + u'|' + about.StaticText4().Text(),
                 QStringLiteral("About...|Quillory|Version:|1.1.0"));
        QCOMPARE(about.StaticText4().geometry().right() + 1, 192); // at the buttons' right edge
        const QStringList credits = about.StaticText2().Text().split(u'\r');
        QCOMPARE(credits.size(), 5);
        QCOMPARE(credits[0] + u'|' + credits[2] + u'|' + credits[3],
                 QStringLiteral("Developed by||Sr. Beta Tester"));
        QTest::mouseClick(&about.PushButton1(), Qt::LeftButton);
        QTest::mouseClick(&about.PushButton2(), Qt::LeftButton);
        QTest::mouseClick(&about.OrderPage(), Qt::LeftButton);
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QTest::keyClick(&about, Qt::Key_Return); // the default button: Support Orvane
        const QString order = QStringLiteral("http://order.store.example/?QUILLORY&lang=en");
        QCOMPARE(desktop.urls, QStringList({"mailto:author@orvane.example",
                                            "http://www.orvane.example", order, order}));
        QVERIFY(!about.isClosed());
        about.Close();
        QVERIFY(&AboutBox::instance() != &about); // a closed window is forgotten
    }

    // The Self Test window shows the version, and is gone once the request has gone out while
    // its button's handler still waits for the update window; the request is byte-exact.
    void selfTestSendsTheRequestAndCloses() {
        trigger("CheckforUpdateCheckNow"); // the main window's handler, then the application's
        QCOMPARE(opened(selfTest::staticMetaObject), 1);
        selfTest &window = selfTest::instance();
        QCOMPARE(window.StaticText2().Text(), QStringLiteral("1.1.0"));
        server->neverAnswer();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        int selfTestsDuringCheck = -1;
        QTimer::singleShot(0, [&] {
            if (QTest::qWaitFor([&] { return server->requests() > 0; }))
                selfTestsDuringCheck = opened(selfTest::staticMetaObject);
            QTest::keyClick(fw::openInstance<updateWindow>(), Qt::Key_Escape); // Cancel
        });
        QTest::keyClick(&window, Qt::Key_Return); // presses "Check for Updates"
        QCOMPARE(selfTestsDuringCheck, 0);
        QCOMPARE(server->requests(), 1);
        QCOMPARE(server->request(),
                 "GET /Updates/quillory.xml HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\n"
                 "Host: 127.0.0.1:" +
                     QByteArray::number(server->port()) + "\r\n\r\n");
        QCOMPARE(opened(updateWindow::staticMetaObject) + opened(selfTest::staticMetaObject), 0);
    }

    void checksEndAsTheReplySays_data() {
        QTest::addColumn<Script>("script");
        QTest::addColumn<int>("cancelAfterMs");
        QTest::addColumn<QStringList>("shown"); // events, then each dialog, then each address
        const auto answer = [](const QByteArray &bytes, int pieceSize = 0) {
            return Script([=](LocalHttpServer &s, auto &) { s.answer(bytes, pieceSize, 1); });
        };
        const auto row = [](const char *name, const Script &script, const QStringList &shown,
                            int cancelAfterMs = 10000) {
            QTest::newRow(name) << script << cancelAfterMs << shown;
        };
        for (const char *version : {"1.1.0", "1.1", "1.1.0.7", "01.1.00"})
            row(version, answer(reply(manifestText(version))), {current});
        for (const char *version : {"1.0.9", "1.2.0"})
            row(version, answer(reply(manifestText(version))), offers(version));
        row("2.1.0 paid", answer(reply(manifestText("2.1.0", "New", "No"))),
            offers("2.1.0", false, "New"));
        row("404", answer(reply(manifestText("1.2.0"), "404 Not Found")), offers("1.2.0"));
        row("empty body", answer(reply("")), {});
        row("two versions",
            answer(
                reply("<CurrentVersion>1.1.0</CurrentVersion><CurrentVersion>9</CurrentVersion>")),
            {current});
        row("blanks and breaks kept", answer(reply(manifestText(" 1.3.0\r\n", "\n  Faster.  \n"))),
            offers(" 1.3.0\r\n", true, "\n  Faster.  \n"));
        row("close-delimited", answer("HTTP/1.0 200 OK\r\n\r\n" + manifestText("1.1.0")),
            {current});
        row("small writes", answer(reply(manifestText("1.2.0")), 3), offers("1.2.0"));
        row("LF LF", answer("HTTP/1.0 200 OK\nA: b\n\n" + manifestText("1.1.0")), {current});
        row("CR CR", answer("HTTP/1.0 200 OK\rA: b\r\r" + manifestText("1.4.0")), offers("1.4.0"));
        row("no manifest", answer(reply("<html>Sign in</html>")), offers("", false, ""));
        // The manifest gives no address: the download goes to the maker's site.
        row(
            "download",
            [](LocalHttpServer &s, ScriptedDesktop &desktop) {
                s.answer(reply(manifestText("1.5.0")));
                desktop.answers << Answer::Action;
            },
            offers("1.5.0") << "http://www.orvane.example");
        // Hostile replies: nothing crashes or hangs, and memory stays bounded.
        row("refused", [](LocalHttpServer &s, auto &) { s.close(); }, {"beep", failure(102)});
        row("closes at once", [](LocalHttpServer &s, auto &) { s.closeAtOnce(); }, {});
        row("garbage, then close", answer(QByteArray("\x00\xff\x01garbage\x7f", 11)), {});
        row("endless body",
            [](LocalHttpServer &s, auto &) { s.sendEndlessBody("HTTP/1.0 200 OK\r\n\r\n"); },
            {"beep", failure(fw::HttpErrorReplyTooLarge)});
        row(
            "headers never end",
            [](LocalHttpServer &s, auto &) {
                s.answerAndStayOpen("HTTP/1.0 200 OK\r\nContent-Type: text/xml");
            },
            {}, 200);
        row(
            "reply after Cancel",
            [](LocalHttpServer &s, auto &) { s.answer(reply(manifestText("1.2.0")), 4, 40); }, {},
            200);
    }

    void checksEndAsTheReplySays() {
        QFETCH(Script, script);
        QFETCH(int, cancelAfterMs);
        ScriptedDesktop desktop;
        QString label;
        desktop.whileMessageBoxShown = [&] {
            const updateWindow *window = fw::openInstance<updateWindow>();
            label =
                window->StaticText1().Text() + (window->ProgressBar1().isVisible() ? "..." : "");
        };
        script(*server, desktop);
        checkForUpdates(cancelAfterMs);
        QTest::qWait(cancelAfterMs < 10000 ? 400 : 0); // the rest of a reply arrives after Cancel
        QStringList shown = desktop.events;
        for (const fw::MessageDialog &dialog : desktop.dialogs)
            shown << dialog.Message + u'|' + dialog.Explanation;
        QTEST(shown + desktop.urls, "shown");
        QCOMPARE(opened(updateWindow::staticMetaObject) + opened(selfTest::staticMetaObject), 0);
        if (shown.contains(current))
            QCOMPARE(label, QStringLiteral("This version is current."));
    }

    void theOfferSaysWhatItOffers_data() {
        QTest::addColumn<bool>("free");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("cancel") << true << int(Answer::Cancel) << QStringList() << false;
        QTest::newRow("download") << false << int(Answer::Action)
                                  << QStringList({"http://dl.example/q"}) << false;
        QTest::newRow("go to website") << true << int(Answer::AlternateAction)
                                       << QStringList({"http://orvane.example"}) << true;
    }

    void theOfferSaysWhatItOffers() {
        QFETCH(bool, free);
        QFETCH(int, answer);
        QFETCH(bool, staysOpen);
        ScriptedDesktop desktop;
        server->neverAnswer();
        updateWindow &window = updateWindow::instance();
        desktop.answers << Answer(answer);
        window.askUpgrade(QStringLiteral("2.0.0"), QStringLiteral("What is new"),
                          QStringLiteral("http://dl.example/q"), free);
        const fw::MessageDialog shown = desktop.dialogs.value(0);
        QCOMPARE(shown.Title + u'|' + shown.Message + u'|' + shown.Explanation + u'|' +
                     shown.AlternateActionButton.Caption,
                 "New version available!|" + offered("2.0.0", free) + "|What is new|Go to Website");
        QVERIFY(shown.Icon == 3 && shown.CancelButton.Visible &&
                shown.AlternateActionButton.Visible);
        QTEST(desktop.urls, "urls");
        QCOMPARE(!window.isClosed(), staysOpen);
    }

    // Values whose start or end tag is missing or out of place are empty.
    void missingTagsGiveEmptyValues() {
        for (const char *body : {"<Free>Yes", "Yes</Free>", "</Free><Free>Yes",
                                 "<Free a=\"1\">Yes</Free>", "<Free></Free>"})
            QCOMPARE(
                manifest::valueBetween(body, QStringLiteral("<Free>"), QStringLiteral("</Free>")),
                QString());
    }
};

QTEST_MAIN(UpdateTest)
#include "tst_update.moc"

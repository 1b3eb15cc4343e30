#include "tst_update.h"

#include "app/startup.h"
#include "framework/net/httperrors.h"
#include "scripteddesktop.h"
#include "update/manifest.h"
#include "update/selftest.h"
#include "update/updatewindow.h"
#include "windows/window1.h"

#include <QAction>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

using Answer = fw::Desktop::Answer;

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
const QString offer = QStringLiteral("dialog: New version available!");
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

bool open(const QMetaObject &type) {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (type.cast(w) && !static_cast<fw::Window *>(w)->isClosed())
            return true;
    return false;
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

void UpdateCheckTest::init() {
    QVERIFY(startUp());
    server = std::make_unique<LocalHttpServer>();
    QVERIFY(server->listen());
    updateWindow::setManifestAddressForTesting(
        server->url(QStringLiteral("/Updates/quillory.xml")));
}

void UpdateCheckTest::cleanup() {
    updateWindow::setManifestAddressForTesting(QString());
    server.reset();
    shutDown();
}

void UpdateCheckTest::theRequestIsByteExact() {
    ScriptedDesktop desktop;
    server->answer(reply(manifestText("1.1.0")));
    checkForUpdates();
    QCOMPARE(server->request(),
             "GET /Updates/quillory.xml HTTP/1.0\r\nAccept: */*\r\nAccept-Language: en\r\n"
             "Host: 127.0.0.1:" +
                 QByteArray::number(server->port()) + "\r\n\r\n");
    QCOMPARE(server->requests(), 1);
}

void UpdateCheckTest::repliesEndAsTheManifestSays_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("message"); // of the offer, which the user cancels
    QTest::addColumn<QString>("explanation");
    const QStringList now{current};
    const QStringList offers{offer};
    QTest::newRow("1.1.0") << reply(manifestText("1.1.0")) << 0 << now << QString() << QString();
    QTest::newRow("1.1") << reply(manifestText("1.1")) << 0 << now << QString() << QString();
    QTest::newRow("1.1.0.7") << reply(manifestText("1.1.0.7")) << 0 << now << QString()
                             << QString();
    QTest::newRow("01.1.00") << reply(manifestText("01.1.00")) << 0 << now << QString()
                             << QString();
    QTest::newRow("1.0.9") << reply(manifestText("1.0.9")) << 0 << offers << offered("1.0.9", true)
                           << "Better";
    QTest::newRow("1.2.0") << reply(manifestText("1.2.0")) << 0 << offers << offered("1.2.0", true)
                           << "Better";
    QTest::newRow("2.1.0 paid") << reply(manifestText("2.1.0", "New", "No")) << 0 << offers
                                << offered("2.1.0", false) << "New";
    QTest::newRow("404") << reply(manifestText("1.2.0"), "404 Not Found") << 0 << offers
                         << offered("1.2.0", true) << "Better";
    QTest::newRow("empty body") << reply("") << 0 << QStringList() << QString() << QString();
    QTest::newRow("two versions")
        << reply("<CurrentVersion>1.1.0</CurrentVersion><CurrentVersion>9</CurrentVersion>") << 0
        << now << QString() << QString();
    QTest::newRow("blanks and breaks kept")
        << reply(manifestText(" 1.3.0\r\n", "\n  Faster.  \n")) << 0 << offers
        << offered(" 1.3.0\r\n", true) << "\n  Faster.  \n";
    QTest::newRow("close-delimited")
        << QByteArray("HTTP/1.0 200 OK\r\n\r\n" + manifestText("1.1.0")) << 0 << now << QString()
        << QString();
    QTest::newRow("small writes") << reply(manifestText("1.2.0")) << 3 << offers
                                  << offered("1.2.0", true) << "Better";
    QTest::newRow("LF LF") << QByteArray("HTTP/1.0 200 OK\nA: b\n\n" + manifestText("1.1.0")) << 0
                           << now << QString() << QString();
    QTest::newRow("CR CR") << QByteArray("HTTP/1.0 200 OK\rA: b\r\r" + manifestText("1.4.0")) << 0
                           << offers << offered("1.4.0", true) << "Better";
    QTest::newRow("no manifest") << reply("<html>Sign in</html>") << 0 << offers
                                 << offered("", false) << "";
}

void UpdateCheckTest::repliesEndAsTheManifestSays() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, pieceSize);
    QFETCH(QStringList, events);
    QFETCH(QString, message);
    QFETCH(QString, explanation);
    ScriptedDesktop desktop;
    QString label;
    bool barShown = true;
    desktop.whileMessageBoxShown = [&] {
        label = fw::openInstance<updateWindow>()->StaticText1().Text();
        barShown = fw::openInstance<updateWindow>()->ProgressBar1().isVisible();
    };
    server->answer(bytes, pieceSize, pieceSize ? 1 : 0);
    checkForUpdates();
    QCOMPARE(desktop.events, events);
    QVERIFY(!open(updateWindow::staticMetaObject) && !open(selfTest::staticMetaObject));
    if (events.contains(current))
        QVERIFY(label == QStringLiteral("This version is current.") && !barShown);
    if (!message.isEmpty()) {
        QCOMPARE(desktop.dialogs[0].Message, message);
        QCOMPARE(desktop.dialogs[0].Explanation, explanation);
    }
}

void UpdateCheckTest::failuresEndCleanly_data() {
    QTest::addColumn<int>("script");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("refused") << 0 << QStringList({"beep", failure(102)});
    QTest::newRow("closes at once") << 1 << QStringList();
    QTest::newRow("garbage, then close") << 2 << QStringList();
    QTest::newRow("endless body") << 3
                                  << QStringList({"beep", failure(fw::HttpErrorReplyTooLarge)});
    QTest::newRow("headers never end") << 4 << QStringList();
    QTest::newRow("reply after Cancel") << 5 << QStringList();
}

void UpdateCheckTest::failuresEndCleanly() {
    QFETCH(int, script);
    QFETCH(QStringList, events);
    ScriptedDesktop desktop;
    switch (script) {
    case 0:
        server->close();
        break;
    case 1:
        server->closeAtOnce();
        break;
    case 2:
        server->answer(QByteArray("\x00\xff\x01garbage\x7f", 11));
        break;
    case 3:
        server->sendEndlessBody("HTTP/1.0 200 OK\r\n\r\n");
        break;
    case 4:
        server->answerAndStayOpen("HTTP/1.0 200 OK\r\nContent-Type: text/xml");
        break;
    case 5:
        server->answer(reply(manifestText("1.2.0")), 4, 40);
        break;
    }
    checkForUpdates(script >= 4 ? 200 : 10000);
    QTest::qWait(script == 5 ? 400 : 0); // the rest of the reply arrives after Cancel
    QCOMPARE(desktop.events, events);
    QVERIFY(!open(updateWindow::staticMetaObject));
}

void UpdateCheckTest::selfTestShowsTheVersionAndClosesWhenTheCheckStarts() {
    QAction *item = Window1::instance().menuBar()->findChild<QAction *>(
        QStringLiteral("CheckforUpdateCheckNow"));
    item->trigger(); // the main window's handler, then the application's: one window
    selfTest &window = selfTest::instance();
    QCOMPARE(window.StaticText2().Text(), QStringLiteral("1.1.0"));
    QCOMPARE(window.content()->size(), QSize(212, 102));
    server->neverAnswer();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // While the check waits for its reply, the Self Test window is gone already;
    // then the user presses Escape, which is Cancel.
    bool selfTestDuringCheck = true;
    QTimer::singleShot(0, [&] {
        for (int wait = 0; wait < 500 && server->requests() == 0; ++wait)
            QTest::qWait(20);
        selfTestDuringCheck = open(selfTest::staticMetaObject);
        QTest::keyClick(fw::openInstance<updateWindow>(), Qt::Key_Escape);
    });
    QTest::keyClick(&window, Qt::Key_Return); // presses "Check for Updates"
    QVERIFY(!selfTestDuringCheck);
    QCOMPARE(server->requests(), 1);
    QVERIFY(!open(updateWindow::staticMetaObject) && !open(selfTest::staticMetaObject));
}

void UpdateCheckTest::theOfferSaysWhatItOffers_data() {
    QTest::addColumn<bool>("free");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<bool>("staysOpen");
    QTest::newRow("cancel") << true << int(Answer::Cancel) << QStringList() << false;
    QTest::newRow("download") << false << int(Answer::Action)
                              << QStringList({"http://dl.example/q"}) << false;
    QTest::newRow("go to website")
        << true << int(Answer::AlternateAction) << QStringList({"http://orvane.example"}) << true;
}

void UpdateCheckTest::theOfferSaysWhatItOffers() {
    QFETCH(bool, free);
    QFETCH(int, answer);
    QFETCH(QStringList, urls);
    QFETCH(bool, staysOpen);
    ScriptedDesktop desktop;
    server->neverAnswer();
    updateWindow &window = updateWindow::instance();
    desktop.answers << Answer(answer);
    window.askUpgrade(QStringLiteral("2.0.0"), QStringLiteral("What is new"),
                      QStringLiteral("http://dl.example/q"), free);
    const fw::MessageDialog shown = desktop.dialogs.value(0);
    QCOMPARE(shown.Title + u'|' + shown.Message + u'|' + shown.Explanation,
             QStringLiteral("New version available!|") + offered(QStringLiteral("2.0.0"), free) +
                 QStringLiteral("|What is new"));
    QVERIFY(shown.Icon == 3 && shown.CancelButton.Visible && shown.AlternateActionButton.Visible);
    QCOMPARE(shown.AlternateActionButton.Caption, QStringLiteral("Go to Website"));
    QCOMPARE(desktop.urls, urls);
    QCOMPARE(!window.isClosed(), staysOpen);
    // From a real check, the download goes to the maker's site: never an empty address.
    window.Close();
    desktop.answers << Answer::Action;
    server->answer(reply(manifestText("1.5.0")));
    checkForUpdates();
    QCOMPARE(desktop.urls.last(), QStringLiteral("http://www.orvane.example"));
}

void UpdateCheckTest::missingTagsGiveEmptyValues() {
    const QString start = QStringLiteral("<Free>"), end = QStringLiteral("</Free>");
    QCOMPARE(manifest::valueBetween(QStringLiteral("<Free>Yes"), start, end), QString());
    QCOMPARE(manifest::valueBetween(QStringLiteral("Yes</Free>"), start, end), QString());
    QCOMPARE(manifest::valueBetween(QStringLiteral("</Free><Free>Yes"), start, end), QString());
    QCOMPARE(manifest::valueBetween(QStringLiteral("<Free a=\"1\">Yes</Free>"), start, end),
             QString());
    QCOMPARE(manifest::valueBetween(QStringLiteral("<Free></Free>"), start, end), QString());
}

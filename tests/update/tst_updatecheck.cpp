#include "tst_update.h"

#include "app/startup.h"
#include "framework/net/httperrors.h"
#include "localhttpserver.h"
#include "scripteddesktop.h"
#include "update/selftest.h"
#include "update/updatewindow.h"
#include "windows/window1.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

namespace {

const QString currentMessage =
    QStringLiteral("msgbox: You are using the current version. No update is available.");
const QString offerEvent = QStringLiteral("dialog: New version available!");

QByteArray manifest(const QByteArray &version, const QByteArray &description = "Better",
                    const QByteArray &free = "Yes") {
    return "<?xml version=\"1.0\"?>\n<update><CurrentVersion>" + version +
           "</CurrentVersion><Description>" + description + "</Description><Free>" + free +
           "</Free></update>\n";
}

QByteArray withLength(const QByteArray &body, const QByteArray &status = "200 OK") {
    return "HTTP/1.0 " + status + "\r\nContent-Type: text/xml\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

QByteArray closeDelimited(const QByteArray &body) {
    return "HTTP/1.0 200 OK\r\nContent-Type: text/xml\r\n\r\n" + body;
}

int openWindowsOf(const QMetaObject &type) {
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (type.cast(w) && w->isVisible() && !static_cast<fw::Window *>(w)->isClosed())
            ++n;
    return n;
}

// Presses "Check for Updates" and returns when the modal update window has closed.
// A watchdog presses Cancel after cancelAfterMs, so that no reply can hang a test.
void checkForUpdates(int cancelAfterMs = 10000) {
    selfTest &window = selfTest::instance();
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (updateWindow *open = fw::openInstance<updateWindow>())
            QTest::mouseClick(&open->PushButton1(), Qt::LeftButton);
    });
    watchdog.start(cancelAfterMs);
    QTest::mouseClick(&window.PushButton1(), Qt::LeftButton);
}

} // namespace

void UpdateCheckTest::init() {
    QVERIFY(startUp());
    server_ = std::make_unique<LocalHttpServer>();
    QVERIFY(server_->listen());
    updateWindow::setManifestAddressForTesting(server_->url(QStringLiteral("/Updates/quillory.xml")));
}

void UpdateCheckTest::cleanup() {
    updateWindow::setManifestAddressForTesting(QString());
    server_.reset();
    shutDown();
}

void UpdateCheckTest::theRequestIsByteExact() {
    LocalHttpServer &server = *server_;
    ScriptedDesktop desktop;
    server.answer(withLength(manifest("1.1.0")));
    checkForUpdates();
    QCOMPARE(server.request(), "GET /Updates/quillory.xml HTTP/1.0\r\n"
                               "Accept: */*\r\n"
                               "Accept-Language: en\r\n"
                               "Host: 127.0.0.1:" +
                                   QByteArray::number(server.port()) + "\r\n\r\n");
    QCOMPARE(server.requests(), 1);
}

void UpdateCheckTest::repliesEndAsTheManifestSays_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("offerMessage");
    QTest::addColumn<QString>("explanation");

    const QStringList current = {currentMessage};
    const QStringList offer = {offerEvent};
    const QString free = QStringLiteral("This is a free upgrade. Would you like to automatically download "
                                        "this update (using your web browser)?");
    const QString paid = QStringLiteral("This is a paid upgrade. Would you like to automatically download "
                                        "the trial version (using your web browser)?");
    auto message = [](const QString &version, const QString &kind) {
        return QStringLiteral("Version ") + version +
               QStringLiteral(" is now available. (You are using version 1.1.) ") + kind;
    };
    QTest::newRow("1.1.0 is current") << withLength(manifest("1.1.0")) << 0 << current << QString() << QString();
    QTest::newRow("1.1 is current") << withLength(manifest("1.1")) << 0 << current << QString() << QString();
    QTest::newRow("1.1.0.7 is current") << withLength(manifest("1.1.0.7")) << 0 << current << QString() << QString();
    QTest::newRow("01.1.00 is current") << withLength(manifest("01.1.00")) << 0 << current << QString() << QString();
    QTest::newRow("1.0.9 is offered") << withLength(manifest("1.0.9")) << 0 << offer << message("1.0.9", free) << "Better";
    QTest::newRow("1.2.0 is offered") << withLength(manifest("1.2.0")) << 0 << offer << message("1.2.0", free) << "Better";
    QTest::newRow("2.1.0 paid") << withLength(manifest("2.1.0", "New look", "No")) << 0 << offer
                                << message("2.1.0", paid) << "New look";
    QTest::newRow("Free empty is paid") << withLength(manifest("2.0.0", "", "")) << 0 << offer
                                        << message("2.0.0", paid) << "";
    QTest::newRow("404 with a manifest") << withLength(manifest("1.2.0"), "404 Not Found") << 0 << offer
                                         << message("1.2.0", free) << "Better";
    QTest::newRow("empty body") << withLength("") << 0 << QStringList() << QString() << QString();
    QTest::newRow("two versions: the first decides")
        << withLength("<CurrentVersion>1.1.0</CurrentVersion><CurrentVersion>9.0.0</CurrentVersion>")
        << 0 << current << QString() << QString();
    QTest::newRow("blanks and line breaks kept")
        << withLength(manifest(" 1.3.0\r\n", "\n  Faster deals.  \n")) << 0 << offer
        << message(" 1.3.0\r\n", free) << "\n  Faster deals.  \n";
    QTest::newRow("close-delimited body") << closeDelimited(manifest("1.1.0")) << 0 << current << QString() << QString();
    QTest::newRow("many small writes") << withLength(manifest("1.2.0")) << 3 << offer << message("1.2.0", free) << "Better";
    QTest::newRow("headers ended by LF LF") << QByteArray("HTTP/1.0 200 OK\nServer: x\n\n" + manifest("1.1.0"))
                                            << 0 << current << QString() << QString();
    QTest::newRow("headers ended by CR CR") << QByteArray("HTTP/1.0 200 OK\rServer: x\r\r" + manifest("1.4.0"))
                                            << 0 << offer << message("1.4.0", free) << "Better";
    QTest::newRow("no manifest at all") << withLength("<html>Sign in to the network</html>") << 0 << offer
                                        << message("", paid) << "";
}

void UpdateCheckTest::repliesEndAsTheManifestSays() {
    LocalHttpServer &server = *server_;
    QFETCH(QByteArray, reply);
    QFETCH(int, pieceSize);
    QFETCH(QStringList, events);
    QFETCH(QString, offerMessage);
    QFETCH(QString, explanation);
    ScriptedDesktop desktop;
    QString labelDuringMessage;
    bool barVisibleDuringMessage = true;
    desktop.whileMessageBoxShown = [&] {
        if (updateWindow *open = fw::openInstance<updateWindow>()) {
            labelDuringMessage = open->StaticText1().Text();
            barVisibleDuringMessage = open->ProgressBar1().isVisible();
        }
    };
    server.answer(reply, pieceSize, pieceSize ? 1 : 0);
    checkForUpdates();
    QCOMPARE(desktop.events, events);
    QCOMPARE(openWindowsOf(updateWindow::staticMetaObject), 0);
    QCOMPARE(openWindowsOf(selfTest::staticMetaObject), 0);
    if (events == QStringList{currentMessage}) {
        QCOMPARE(labelDuringMessage, QStringLiteral("This version is current."));
        QVERIFY(!barVisibleDuringMessage);
    }
    if (!offerMessage.isEmpty()) {
        QCOMPARE(desktop.dialogs.size(), 1);
        QCOMPARE(desktop.dialogs[0].message, offerMessage);
        QCOMPARE(desktop.dialogs[0].explanation, explanation);
        QVERIFY(desktop.urls.isEmpty()); // cancelled
    }
}

void UpdateCheckTest::aRefusedConnectionIsReportedWithItsCode() {
    LocalHttpServer &server = *server_;
    ScriptedDesktop desktop;
    server.close(); // the port now refuses
    checkForUpdates();
    QCOMPARE(desktop.events,
             QStringList({"beep", "msgbox: There was a communication error with the website. "
                                  "Please try again later. (Code: 102)"}));
    QCOMPARE(openWindowsOf(updateWindow::staticMetaObject), 0);
}

void UpdateCheckTest::hostileRepliesEndCleanly_data() {
    QTest::addColumn<int>("script");
    QTest::addColumn<QStringList>("events");
    const QString tooLarge = QStringLiteral("msgbox: There was a communication error with the website. "
                                            "Please try again later. (Code: %1)")
                                 .arg(fw::HttpErrorReplyTooLarge);
    QTest::newRow("closes at once") << 0 << QStringList();
    QTest::newRow("garbage, then close") << 1 << QStringList();
    QTest::newRow("endless body") << 2 << QStringList({"beep", tooLarge});
    QTest::newRow("headers never end") << 3 << QStringList();
}

void UpdateCheckTest::hostileRepliesEndCleanly() {
    LocalHttpServer &server = *server_;
    QFETCH(int, script);
    QFETCH(QStringList, events);
    ScriptedDesktop desktop;
    switch (script) {
    case 0:
        server.closeAtOnce();
        break;
    case 1:
        server.answer(QByteArray("\x00\xff\x01garbage\x7f", 11));
        break;
    case 2:
        server.sendEndlessBody("HTTP/1.0 200 OK\r\n\r\n");
        break;
    case 3:
        server.answerAndStayOpen("HTTP/1.0 200 OK\r\nContent-Type: text/xml");
        break;
    }
    // The user gives up after a while when nothing comes.
    checkForUpdates(script == 3 ? 300 : 10000);
    QCOMPARE(desktop.events, events);
    QCOMPARE(openWindowsOf(updateWindow::staticMetaObject), 0);
}

void UpdateCheckTest::aReplyAfterCancelIsIgnored() {
    LocalHttpServer &server = *server_;
    ScriptedDesktop desktop;
    server.answer(withLength(manifest("1.1.0")), 4, 40); // about a second in all
    checkForUpdates(100);
    QCOMPARE(openWindowsOf(updateWindow::staticMetaObject), 0);
    QTest::qWait(300);
    QCOMPARE(desktop.events, QStringList());
}

void UpdateCheckTest::selfTestShowsTheVersionAndClosesWhenTheCheckStarts() {
    LocalHttpServer &server = *server_;
    ScriptedDesktop desktop;
    Window1 &main = Window1::instance();
    QAction *checkNow = main.menuBar()->findChild<QAction *>(QStringLiteral("CheckforUpdateCheckNow"));
    checkNow->trigger(); // the window's handler, then the application's
    checkNow->trigger();
    QCOMPARE(openWindowsOf(selfTest::staticMetaObject), 1);
    selfTest &window = selfTest::instance();
    QCOMPARE(window.windowTitle(), QStringLiteral("Self Test"));
    QCOMPARE(window.content()->size(), QSize(212, 102));
    QCOMPARE(window.StaticText2().Text(), QStringLiteral("1.1.0"));
    QCOMPARE(window.PushButton1().text(), QStringLiteral("Check for Updates"));
    // While the reply is on its way, the Self Test window is gone already.
    server.neverAnswer();
    int selfTestsDuringCheck = -1;
    QTimer::singleShot(100, [&] { selfTestsDuringCheck = openWindowsOf(selfTest::staticMetaObject); });
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (updateWindow *open = fw::openInstance<updateWindow>())
            QTest::keyClick(open, Qt::Key_Escape); // Escape presses Cancel
    });
    watchdog.start(300);
    QTest::keyClick(&window, Qt::Key_Return); // Return presses "Check for Updates"
    QCOMPARE(selfTestsDuringCheck, 0);
    QCOMPARE(server.requests(), 1);
    QCOMPARE(openWindowsOf(updateWindow::staticMetaObject), 0);
    QCOMPARE(openWindowsOf(selfTest::staticMetaObject), 0);
    QVERIFY(desktop.events.isEmpty());
}

void UpdateCheckTest::theOfferSaysWhatItOffers_data() {
    QTest::addColumn<bool>("free");
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<bool>("windowStaysOpen");
    const QString freeText = QStringLiteral(
        "Version 2.0.0 is now available. (You are using version 1.1.) This is a free upgrade. "
        "Would you like to automatically download this update (using your web browser)?");
    const QString paidText = QStringLiteral(
        "Version 2.0.0 is now available. (You are using version 1.1.) This is a paid upgrade. "
        "Would you like to automatically download the trial version (using your web browser)?");
    using A = fw::Desktop::Answer;
    QTest::newRow("free, cancel") << true << "2.0.0" << int(A::Cancel) << freeText << QStringList() << false;
    QTest::newRow("paid, download") << false << "2.0.0" << int(A::Action) << paidText
                                    << QStringList({"http://download.example/q.dmg"}) << false;
    QTest::newRow("free, go to website") << true << "2.0.0" << int(A::AlternateAction) << freeText
                                         << QStringList({"http://orvane.example"}) << true;
    QTest::newRow("empty version") << false << "" << int(A::Cancel)
                                   << QStringLiteral("Version  is now available. (You are using version 1.1.) "
                                                     "This is a paid upgrade. Would you like to automatically "
                                                     "download the trial version (using your web browser)?")
                                   << QStringList() << false;
}

void UpdateCheckTest::theOfferSaysWhatItOffers() {
    LocalHttpServer &server = *server_;
    QFETCH(bool, free);
    QFETCH(QString, version);
    QFETCH(int, answer);
    QFETCH(QString, message);
    QFETCH(QStringList, urls);
    QFETCH(bool, windowStaysOpen);
    ScriptedDesktop desktop;
    server.neverAnswer();
    updateWindow &window = updateWindow::instance();
    desktop.answers << fw::Desktop::Answer(answer);
    window.askUpgrade(version, QStringLiteral("What is new"), QStringLiteral("http://download.example/q.dmg"),
                      free);
    QCOMPARE(desktop.dialogs.size(), 1);
    const ScriptedDesktop::ShownDialog &shown = desktop.dialogs[0];
    QCOMPARE(shown.title, QStringLiteral("New version available!"));
    QCOMPARE(shown.message, message);
    QCOMPARE(shown.explanation, QStringLiteral("What is new"));
    QCOMPARE(shown.icon, 3);
    QVERIFY(shown.cancelVisible && shown.alternateVisible);
    QCOMPARE(shown.alternateCaption, QStringLiteral("Go to Website"));
    QCOMPARE(desktop.urls, urls);
    QCOMPARE(!window.isClosed(), windowStaysOpen);
    window.Close();
}

void UpdateCheckTest::theOffersDownloadIsARealAddress() {
    LocalHttpServer &server = *server_;
    ScriptedDesktop desktop;
    desktop.answers << fw::Desktop::Answer::Action;
    server.answer(withLength(manifest("1.5.0")));
    checkForUpdates();
    QCOMPARE(desktop.urls, QStringList({"http://www.orvane.example"}));
}

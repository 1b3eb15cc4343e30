#include "update/updatewindow.h"

#include "app/addresses.h"
#include "app/app.h"
#include "framework/core/text.h"
#include "framework/ui/dialogs.h"
#include "update/manifest.h"
#include "update/selftest.h"

void updateWindow::Layout() {
    // Always shown modally: a dialog's frame, which can be minimised with the program.
    setDesign(QStringLiteral("Update"), 300, 120, {.code = 1, .minimizeButton = true});
}

void updateWindow::CreateControls() {
    _CreateControls0();
}

void updateWindow::_CreateControls0() {
    auto *status = addControl(new fw::Label(QStringLiteral("Checking for updates...")),
                              QStringLiteral("StaticText1"), 20, 19, 266, 20);
    status->setFont(fw::designFont(QStringLiteral("Arial"), 12, false));
    status->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    addControl(new fw::ProgressBar, QStringLiteral("ProgressBar1"), 20, 46, 260, 12);

    auto *socket = new fw::HTTPSocket(this);
    socket->setObjectName(QStringLiteral("hp"));
    socket->PageReceivedHandler = [this, socket](const QString &url, int status,
                                                 const fw::InternetHeaders &headers,
                                                 const QString &body) {
        runAction([&] { hp_PageReceived(*socket, url, status, headers, body); });
    };
    socket->ErrorHandler = [this, socket](int code) {
        runAction([&] { hp_Error(*socket, code); });
    };

    auto *cancel = addControl(new fw::PushButton(QStringLiteral("Cancel")),
                              QStringLiteral("PushButton1"), 208, 80, 72, 20);
    cancel->setFont(fw::designFont(QStringLiteral("System"), 0, false));
    setDefaultButton(cancel);
    setCancelButton(cancel);
    bindAction(cancel, [this] { PushButton1_Action(); });
}

void updateWindow::Event_Open() {
    ProgressBar1().setMaximumValue(0); // indeterminate: a busy bar
    hp().Get(addresses::manifestAddress);
    if (selfTest *open = fw::openInstance<selfTest>())
        open->Close();
}

void updateWindow::hp_Error(fw::HTTPSocket &, int code) {
    // The user may have cancelled while the connection was failing.
    if (isClosed())
        return;
    fw::Beep();
    fw::MsgBox(QStringLiteral("There was a communication error ") +
               QStringLiteral("with the website. Please try ") +
               QStringLiteral("again later. (Code: ") + fw::Str(code) + QStringLiteral(")"));
    Close();
}

void updateWindow::PushButton1_Action() {
    Close();
}

QString updateWindow::startTag(const QString &name) {
    return QStringLiteral("<") + name + QStringLiteral(">");
}

QString updateWindow::endTag(const QString &name) {
    return QStringLiteral("</") + name + QStringLiteral(">");
}

QString updateWindow::returnValue(const QString &body, const QString &name) {
    return manifest::valueBetween(body, startTag(name), endTag(name));
}

// Only the body counts: any status, an error page included, is read as a manifest.
void updateWindow::hp_PageReceived(fw::HTTPSocket &, const QString &, int,
                                   const fw::InternetHeaders &, const QString &body) {
    // A reply that arrives after Cancel finds nobody waiting for it.
    if (isClosed())
        return;
    if (body.isEmpty()) {
        Close();
        return;
    }
    const QString version = returnValue(body, QStringLiteral("CurrentVersion"));
    const QString description = returnValue(body, QStringLiteral("Description"));
    const bool free = returnValue(body, QStringLiteral("Free")) == QLatin1String("Yes");
    ProgressBar1().setVisible(false);
    const App &app = App::instance();
    if (manifest::namesVersion(version, app.MajorVersion(), app.MinorVersion(), app.BugVersion())) {
        StaticText1().setText(QStringLiteral("This version is current."));
        StaticText1().update();
        fw::MsgBox(QStringLiteral("You are using the current version. No update is available."));
        Close();
        return;
    }
    // The manifest names no download address: the offer takes the user to the
    // maker's web site, where the download is.
    askUpgrade(version, description, addresses::makerWebAddress, free);
}

void updateWindow::askUpgrade(const QString &version, const QString &description,
                              const QString &url, bool free) {
    fw::MessageDialog dialog;
    dialog.Title = QStringLiteral("New version available!");
    QString message = QStringLiteral("Version ") + version + QStringLiteral(" is now available. ") +
                      QStringLiteral("(You are using version ") + App::instance().ShortVersion() +
                      QStringLiteral(".) ");
    if (free)
        message += QStringLiteral("This is a free upgrade. ") +
                   QStringLiteral("Would you like to automatically download ") +
                   QStringLiteral("this update (using your web browser)?");
    else
        message += QStringLiteral("This is a paid upgrade. ") +
                   QStringLiteral("Would you like to automatically download ") +
                   QStringLiteral("the trial version (using your web browser)?");
    dialog.Message = message;
    dialog.Explanation = description;
    dialog.CancelButton.Visible = true;
    dialog.AlternateActionButton.Caption = QStringLiteral("Go to Website");
    dialog.AlternateActionButton.Visible = true;
    dialog.Icon = 3;
    const fw::MessageDialogButton *pressed = dialog.ShowModal();
    if (pressed == &dialog.CancelButton) {
        Close();
    } else if (pressed == &dialog.ActionButton) {
        fw::ShowURL(url);
        Close();
    } else if (pressed == &dialog.AlternateActionButton) {
        fw::ShowURL(addresses::makerWebSite);
    }
}

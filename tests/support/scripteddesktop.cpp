#include "scripteddesktop.h"

ScriptedDesktop::ScriptedDesktop() { fw::setDesktopForTesting(this); }
ScriptedDesktop::~ScriptedDesktop() { fw::setDesktopForTesting(nullptr); }

void ScriptedDesktop::msgBox(const QString &text) {
    events << QStringLiteral("msgbox: ") + text;
    messages << text;
    if (whileMessageBoxShown)
        whileMessageBoxShown();
}

void ScriptedDesktop::beep() { events << QStringLiteral("beep"); }

fw::Desktop::Answer ScriptedDesktop::messageDialog(const fw::MessageDialog &d) {
    events << QStringLiteral("dialog: ") + d.Title;
    dialogs << ShownDialog{d.Title,
                           d.Message,
                           d.Explanation,
                           d.Icon,
                           d.CancelButton.Visible,
                           d.AlternateActionButton.Visible,
                           d.ActionButton.Caption,
                           d.CancelButton.Caption,
                           d.AlternateActionButton.Caption};
    return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
}

void ScriptedDesktop::showURL(const QString &url) {
    events << QStringLiteral("url: ") + url;
    urls << url;
}

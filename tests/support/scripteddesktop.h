#pragma once

#include "framework/ui/dialogs.h"

#include <QStringList>
#include <functional>

// Stands in for the user's desktop while it lives: records every message box, beep,
// dialog and address, and answers each dialog with the next scripted button.
class ScriptedDesktop : public fw::Desktop {
public:
    ScriptedDesktop() { fw::setDesktopForTesting(this); }
    ~ScriptedDesktop() override { fw::setDesktopForTesting(nullptr); }

    void msgBox(const QString &text) override {
        events << QStringLiteral("msgbox: ") + text;
        if (whileMessageBoxShown)
            whileMessageBoxShown(); // the box is modal: the test looks around from here
    }
    void beep() override { events << QStringLiteral("beep"); }
    Answer messageDialog(const fw::MessageDialog &dialog) override {
        events << QStringLiteral("dialog: ") + dialog.Title;
        dialogs << dialog;
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
    void showURL(const QString &url) override { urls << url; }

    // "beep", "msgbox: <text>" and "dialog: <title>", in the order they came.
    QStringList events;
    QList<fw::MessageDialog> dialogs;
    QStringList urls;
    // Answers for the coming dialogs; Cancel when none is left.
    QList<Answer> answers;
    std::function<void()> whileMessageBoxShown;
};

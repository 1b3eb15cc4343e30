#pragma once

#include "framework/ui/dialogs.h"

#include <QStringList>

// Stands in for the user's desktop: records every message box, beep, dialog and
// address, and answers each dialog with the next scripted button. Installs itself
// for its lifetime.
class ScriptedDesktop : public fw::Desktop {
public:
    ScriptedDesktop();
    ~ScriptedDesktop() override;

    void msgBox(const QString &text) override;
    void beep() override;
    Answer messageDialog(const fw::MessageDialog &dialog) override;
    void showURL(const QString &url) override;

    // Everything in the order it happened: "beep", "msgbox: <text>",
    // "dialog: <title>", "url: <address>".
    QStringList events;
    QStringList messages;
    QStringList urls;
    // The dialogs as they were shown.
    struct ShownDialog {
        QString title, message, explanation;
        int icon;
        bool cancelVisible, alternateVisible;
        QString actionCaption, cancelCaption, alternateCaption;
    };
    QList<ShownDialog> dialogs;
    // Answers for the coming dialogs, in order; Cancel when none is left.
    QList<Answer> answers;
    // Runs while a message box is up (the box is modal: the test acts from here).
    std::function<void()> whileMessageBoxShown;
};

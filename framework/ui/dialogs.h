#pragma once

#include <QString>

namespace fw {

// A button of a MessageDialog.
struct MessageDialogButton {
    QString Caption;
    bool Visible = false;
};

// A modal question with up to three buttons. Every text is shown as plain text.
class MessageDialog {
public:
    MessageDialog();

    QString Title;
    QString Message;
    // The secondary text under the message.
    QString Explanation;
    // 0 note, 1 warning, 2 stop, 3 question.
    int Icon = 0;
    MessageDialogButton ActionButton;
    MessageDialogButton CancelButton;
    MessageDialogButton AlternateActionButton;

    // Shows the dialog and returns the button pressed; the cancel button when the
    // dialog is dismissed without a button.
    MessageDialogButton *ShowModal();
};

// A modal message box with an OK button; returns when it is dismissed.
void MsgBox(const QString &text);
// The system's alert sound.
void Beep();
// Hands an address to the system (browser, mail program); returns at once and
// reports nothing.
void ShowURL(const QString &url);

} // namespace fw

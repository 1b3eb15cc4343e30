#include "framework/ui/dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace fw {

MessageDialog::MessageDialog() {
    ActionButton.Visible = true;
}

MessageDialogButton *MessageDialog::ShowModal() {
    QMessageBox box;
    box.setWindowTitle(Title);
    box.setTextFormat(Qt::PlainText);
    box.setText(Message);
    box.setInformativeText(Explanation);
    // Texts from outside the program must never become rich text or links.
    for (QLabel *label : box.findChildren<QLabel *>()) {
        label->setTextFormat(Qt::PlainText);
        label->setOpenExternalLinks(false);
    }
    box.setIcon(Icon == 1   ? QMessageBox::Warning
                : Icon == 2 ? QMessageBox::Critical
                : Icon == 3 ? QMessageBox::Question
                            : QMessageBox::Information);
    auto caption = [](const MessageDialogButton &b, const QString &fallback) {
        return b.Caption.isEmpty() ? fallback : b.Caption;
    };
    QPushButton *action =
        box.addButton(caption(ActionButton, QMessageBox::tr("OK")), QMessageBox::AcceptRole);
    QPushButton *alternate = nullptr;
    if (CancelButton.Visible)
        box.setEscapeButton(box.addButton(caption(CancelButton, QMessageBox::tr("Cancel")),
                                          QMessageBox::RejectRole));
    if (AlternateActionButton.Visible)
        alternate =
            box.addButton(caption(AlternateActionButton, QString()), QMessageBox::ActionRole);
    box.setDefaultButton(action);
    box.exec();
    if (box.clickedButton() == action)
        return &ActionButton;
    if (alternate && box.clickedButton() == alternate)
        return &AlternateActionButton;
    return &CancelButton;
}

void MsgBox(const QString &text) {
    QMessageBox box;
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void Beep() {
    QApplication::beep();
}

void ShowURL(const QString &url) {
    // Through the desktop's own handler, never a shell.
    QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}

} // namespace fw

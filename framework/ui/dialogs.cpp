#include "framework/ui/dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace fw {

namespace {

class RealDesktop : public Desktop {
public:
    void msgBox(const QString &text) override {
        QMessageBox box;
        box.setTextFormat(Qt::PlainText);
        box.setText(text);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }

    void beep() override { QApplication::beep(); }

    Answer messageDialog(const MessageDialog &dialog) override {
        QMessageBox box;
        box.setWindowTitle(dialog.Title);
        box.setTextFormat(Qt::PlainText);
        box.setText(dialog.Message);
        box.setInformativeText(dialog.Explanation);
        // Texts from outside the program must never become rich text or links.
        for (QLabel *label : box.findChildren<QLabel *>()) {
            label->setTextFormat(Qt::PlainText);
            label->setOpenExternalLinks(false);
        }
        box.setIcon(dialog.Icon == 1   ? QMessageBox::Warning
                    : dialog.Icon == 2 ? QMessageBox::Critical
                    : dialog.Icon == 3 ? QMessageBox::Question
                                       : QMessageBox::Information);
        auto caption = [](const MessageDialogButton &b, const QString &fallback) {
            return b.Caption.isEmpty() ? fallback : b.Caption;
        };
        QPushButton *action = box.addButton(caption(dialog.ActionButton, QMessageBox::tr("OK")),
                                            QMessageBox::AcceptRole);
        QPushButton *cancel = nullptr;
        QPushButton *alternate = nullptr;
        if (dialog.CancelButton.Visible)
            cancel = box.addButton(caption(dialog.CancelButton, QMessageBox::tr("Cancel")),
                                   QMessageBox::RejectRole);
        if (dialog.AlternateActionButton.Visible)
            alternate = box.addButton(caption(dialog.AlternateActionButton, QString()),
                                      QMessageBox::ActionRole);
        box.setDefaultButton(action);
        if (cancel)
            box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == action)
            return Answer::Action;
        if (alternate && box.clickedButton() == alternate)
            return Answer::AlternateAction;
        return Answer::Cancel;
    }

    void showURL(const QString &url) override {
        // Through the desktop's own handler, never a shell.
        QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
    }
};

Desktop *standIn = nullptr;

Desktop &desktop() {
    static RealDesktop real;
    return standIn ? *standIn : real;
}

} // namespace

MessageDialog::MessageDialog() {
    ActionButton.Visible = true;
}

MessageDialogButton *MessageDialog::ShowModal() {
    switch (desktop().messageDialog(*this)) {
    case Desktop::Answer::Action:
        return &ActionButton;
    case Desktop::Answer::AlternateAction:
        return AlternateActionButton.Visible ? &AlternateActionButton : &CancelButton;
    case Desktop::Answer::Cancel:
        break;
    }
    return &CancelButton;
}

void MsgBox(const QString &text) {
    desktop().msgBox(text);
}
void Beep() {
    desktop().beep();
}
void ShowURL(const QString &url) {
    desktop().showURL(url);
}

void setDesktopForTesting(Desktop *desktop) {
    standIn = desktop;
}

} // namespace fw

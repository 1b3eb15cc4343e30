#pragma once

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <functional>

// Plays the user at the real print dialog while it lives: every 5 ms it looks for the modal
// print dialog and, after whileShown, cancels it or prints to the PDF file pdf on US Letter
// paper without margins (page units are then the sheet's own points). The text of a message
// box that comes up goes into messages, and the box is closed.
class PrintDialogDriver : public QTimer {
public:
    PrintDialogDriver(const QString &pdf, bool cancel) : pdf_(pdf), cancel_(cancel) {
        QFile::remove(pdf);
        connect(this, &QTimer::timeout, this, &PrintDialogDriver::answer);
        start(5);
    }
    QStringList messages;
    std::function<void()> whileShown = [] {};

private:
    void answer() {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            return messages << box->text(), box->accept();
        auto *dialog = qobject_cast<QPrintDialog *>(modal);
        if (!dialog)
            return;
        whileShown();
        if (cancel_)
            return dialog->reject();
        dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(pdf_);
        dialog->printer()->setPageLayout(QPageLayout(
            QPageSize(QPageSize::Letter), QPageLayout::Portrait, {}, QPageLayout::Point));
        dialog->accept();
    }

    QString pdf_;
    bool cancel_;
};

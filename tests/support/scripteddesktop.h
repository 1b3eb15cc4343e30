#pragma once

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

// Plays the user at the real desktop while it lives. Each real message box that comes up is
// described in `shown`, then whileShown runs and the button captioned as the next of `presses`
// is pressed (Escape when none fits); with no box up, a press that fits a button of the modal
// window is made there. A print dialog, after whileShown, prints to the PDF file printTo on US
// Letter paper without margins (page units are the sheet's own points), never on a printer of
// the machine; or it is cancelled when printTo is empty. Addresses handed to the system land in
// `urls` instead.
class ScriptedDesktop : public QTimer {
    Q_OBJECT
public:
    ScriptedDesktop() {
        QDesktopServices::setUrlHandler("http", this, "open");
        QDesktopServices::setUrlHandler("mailto", this, "open");
        connect(this, &QTimer::timeout, this, &ScriptedDesktop::answer);
        start(5);
    }
    ~ScriptedDesktop() override {
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("mailto");
    }

    QStringList shown, presses, urls;
    QString printTo;
    std::function<void()> whileShown = [] {};

public slots:
    void open(const QUrl &url) { urls << url.toString(); }

private:
    // "Icon|title|text|informative text|buttons", * marking the default and ^ the escape
    // button, then "|rich: TEXT" for each label that is not plain text.
    static QString describe(const QMessageBox &box) {
        QStringList buttons;
        for (QAbstractButton *b : box.buttons())
            buttons << b->text() + (b == box.defaultButton() ? "*" : "") +
                           (b == box.escapeButton() ? "^" : "");
        QString text = QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box.icon());
        text += u'|' + box.windowTitle() + u'|' + box.text() + u'|' + box.informativeText() + u'|' +
                buttons.join(u',');
        for (const QLabel *label : box.findChildren<QLabel *>())
            if (!label->text().isEmpty() && label->textFormat() != Qt::PlainText)
                text += "|rich: " + label->text();
        return text;
    }
    bool press(QWidget *window) {
        for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
            if (!presses.isEmpty() && b->text() == presses.first() && b->isVisible())
                return presses.removeFirst(), b->click(), true;
        return false;
    }
    void answer() {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QPrintDialog *>(modal)) {
            whileShown();
            // The machine's default printer comes chosen; the PDF file is the list's last entry.
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            if (printTo.isEmpty())
                return dialog->reject();
            auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
            if (!printers || !fileName ||
                printers->itemText(printers->count() - 1) != QLatin1String("Print to File (PDF)"))
                return shown << "print dialog without a file destination", dialog->reject();
            printers->setCurrentIndex(printers->count() - 1);
            fileName->setText(printTo);
            dialog->printer()->setPageLayout(QPageLayout(
                QPageSize(QPageSize::Letter), QPageLayout::Portrait, {}, QPageLayout::Point));
            return dialog->accept();
        }
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box)
            shown << describe(*box), whileShown();
        if (modal && !press(modal) && box)
            QTest::keyClick(box, Qt::Key_Escape);
    }
};

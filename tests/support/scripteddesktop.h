#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>

// Plays the user at the real desktop while it lives. Each real message box that comes up is
// described in `shown`, then whileShown runs and the button captioned as the next of `presses`
// is pressed (Escape when none fits); a press that fits a button of the modal window itself
// is made there once no box is up. Addresses handed to the system land in `urls` instead.
class ScriptedDesktop : public QObject {
    Q_OBJECT
public:
    ScriptedDesktop() {
        for (const char *scheme : {"http", "mailto"})
            QDesktopServices::setUrlHandler(scheme, this, "open");
        connect(&timer_, &QTimer::timeout, this, &ScriptedDesktop::answer);
        timer_.start(5);
    }
    ~ScriptedDesktop() override {
        for (const char *scheme : {"http", "mailto"})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QStringList shown, presses, urls;
    std::function<void()> whileShown;

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
        QString text =
            QLatin1String(QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box.icon())) + u'|' +
            box.windowTitle() + u'|' + box.text() + u'|' + box.informativeText() + u'|' +
            buttons.join(u',');
        for (const QLabel *label : box.findChildren<QLabel *>())
            if (!label->text().isEmpty() && label->textFormat() != Qt::PlainText)
                text += "|rich: " + label->text();
        return text;
    }
    static bool press(QWidget *window, const QString &caption) {
        for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
            if (b->text() == caption && b->isVisible())
                return b->click(), true;
        return false;
    }
    void answer() {
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            if (modal && !presses.isEmpty() && press(modal, presses.first()))
                presses.removeFirst();
            return;
        }
        shown << describe(*box);
        if (whileShown)
            whileShown();
        if (presses.isEmpty() || !press(box, presses.takeFirst()))
            QTest::keyClick(box, Qt::Key_Escape);
    }

    QTimer timer_;
};

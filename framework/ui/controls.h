#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace fw {

// A label shows its text as plain text, never as rich text or links: some of the
// texts it shows come from outside the program.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString &text = QString(), QWidget *parent = nullptr) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
        setTextInteractionFlags(Qt::NoTextInteraction);
        setOpenExternalLinks(false);
        setText(text);
    }
    // The text as given; carriage returns in it show as line breaks.
    void setText(const QString &text) {
        text_ = text;
        QString shown = text;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"))
            .replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QLabel::setText(shown);
    }
    QString Text() const { return text_; }

private:
    QString text_;
};

using PushButton = QPushButton;

// A progress bar whose Maximum 0 shows indeterminate progress (a busy bar).
class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget *parent = nullptr) : QProgressBar(parent) {
        setTextVisible(false);
        setRange(0, 100);
        setValue(0);
    }
    void setMaximumValue(int maximum) { setRange(0, maximum); }
};

// Makes a design font: the toolkit's own face for "System", otherwise the named
// family. Design sizes count pixels (the windows were laid out at 72 dots per
// inch, where a point is a pixel); size 0 keeps the toolkit's default size.
QFont designFont(const QString &family, int size, bool bold);

} // namespace fw

#include "framework/ui/textarea.h"

#include <QRegularExpression>

namespace fw {

TextArea::TextArea(QWidget *parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
}

QString TextArea::Text() const {
    return toPlainText().replace(QLatin1Char('\n'), QLatin1Char('\r'));
}

void TextArea::setText(const QString &text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r"));
    setPlainText(QString(text).replace(lineBreak, QStringLiteral("\n")));
}

StyledTextPrinter TextArea::styledTextPrinter(Graphics &g, double width) const {
    return StyledTextPrinter(Text(), g, width);
}

} // namespace fw

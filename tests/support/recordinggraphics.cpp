#include "recordinggraphics.h"

#include "framework/ui/graphicstextblock.h"

QString GraphicsCall::toString() const {
    const auto number = [](double v) { return QString::number(v); };
    const auto boolean = [](bool b) { return QString::fromLatin1(b ? "true" : "false"); };
    switch (kind) {
    case TextFont:
        return QStringLiteral("TextFont \"%1\"").arg(text);
    case TextSize:
        return QStringLiteral("TextSize ") + number(value);
    case ForeColor:
        return QStringLiteral("ForeColor ") + color.name(QColor::HexArgb);
    case Bold:
        return QStringLiteral("Bold ") + boolean(flag);
    case DrawString:
        return QStringLiteral("DrawString \"%1\" %2 %3 %4 %5")
            .arg(text, number(x), number(y), number(value), boolean(flag));
    case NextPage:
        return QStringLiteral("NextPage");
    case TextBlock:
        return QStringLiteral("TextBlock %1 %2 lines %3")
            .arg(number(x), number(y))
            .arg(lines.size());
    case Release:
        return QStringLiteral("Release");
    }
    return QString();
}

QStringList describe(const QList<GraphicsCall> &calls) {
    QStringList lines;
    for (const GraphicsCall &call : calls)
        lines << call.toString();
    return lines;
}

QStringList drawnStrings(const QList<GraphicsCall> &calls) {
    QStringList texts;
    for (const GraphicsCall &call : calls)
        if (call.kind == GraphicsCall::DrawString)
            texts << call.text;
    return texts;
}

QList<GraphicsCall> textBlocks(const QList<GraphicsCall> &calls) {
    QList<GraphicsCall> blocks;
    for (const GraphicsCall &call : calls)
        if (call.kind == GraphicsCall::TextBlock)
            blocks << call;
    return blocks;
}

namespace {

GraphicsCall callOf(GraphicsCall::Kind kind) {
    GraphicsCall call;
    call.kind = kind;
    return call;
}

} // namespace

RecordingGraphics::RecordingGraphics(const QSizeF &pageSize) : size_(pageSize) {}

RecordingGraphics::~RecordingGraphics() {
    calls_->append(callOf(GraphicsCall::Release));
}

void RecordingGraphics::setTextFont(const QString &family) {
    Graphics::setTextFont(family);
    GraphicsCall call = callOf(GraphicsCall::TextFont);
    call.text = family;
    calls_->append(call);
}

void RecordingGraphics::setTextSize(double size) {
    Graphics::setTextSize(size);
    GraphicsCall call = callOf(GraphicsCall::TextSize);
    call.value = size;
    calls_->append(call);
}

void RecordingGraphics::setForeColor(const QColor &color) {
    Graphics::setForeColor(color);
    GraphicsCall call = callOf(GraphicsCall::ForeColor);
    call.color = color;
    calls_->append(call);
}

void RecordingGraphics::setBold(bool bold) {
    Graphics::setBold(bold);
    GraphicsCall call = callOf(GraphicsCall::Bold);
    call.flag = bold;
    calls_->append(call);
}

void RecordingGraphics::DrawString(const QString &text, double x, double y, double wrapWidth,
                                   bool condense) {
    GraphicsCall call = callOf(GraphicsCall::DrawString);
    call.text = text;
    call.x = x;
    call.y = y;
    call.value = wrapWidth;
    call.flag = condense;
    calls_->append(call);
}

void RecordingGraphics::NextPage() {
    calls_->append(callOf(GraphicsCall::NextPage));
}

void RecordingGraphics::drawTextBlock(const fw::TextBlock &block, double x, double y) {
    GraphicsCall call = callOf(GraphicsCall::TextBlock);
    call.x = x;
    call.y = y;
    call.value = block.height();
    call.lines = block.texts();
    calls_->append(call);
}

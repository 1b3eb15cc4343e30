#include "framework/ui/styledtextprinter.h"

#include "framework/ui/graphics.h"
#include "framework/ui/graphicsfonts.h"
#include "framework/ui/graphicstextblock.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace fw {

namespace {

QString shownText(const QString &paragraph, const QTextLine &line) {
    QString text = paragraph.mid(line.textStart(), line.textLength());
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

} // namespace

StyledTextPrinter::StyledTextPrinter(const QString &text, Graphics &graphics, double width)
    : graphics_(&graphics), document_(std::make_unique<QTextDocument>()) {
    if (text.isEmpty())
        return;
    QTextDocument &document = *document_;
    // Laid out in page units whatever the surface, so the recorder sees the printed lines.
    document.documentLayout()->setPaintDevice(&pageUnitDevice());
    document.setDefaultFont(graphics.font());
    document.setDocumentMargin(0);
    document.setUseDesignMetrics(true);
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    document.setTextWidth(width);
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r"));
    document.setPlainText(QString(text).replace(lineBreak, QStringLiteral("\n")));
    document.size(); // lays out the whole text

    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const double top = layout->position().y() + line.y();
            lines_.append({line, shownText(block.text(), line), layout->position(), top,
                           top + line.height()});
        }
    }
}

StyledTextPrinter::StyledTextPrinter(StyledTextPrinter &&) noexcept = default;
StyledTextPrinter &StyledTextPrinter::operator=(StyledTextPrinter &&) noexcept = default;
StyledTextPrinter::~StyledTextPrinter() = default;

void StyledTextPrinter::DrawBlock(double x, double y, double height) {
    if (Eof())
        return;
    const double top = lines_[next_].top;
    qsizetype end = next_ + 1;
    while (end < lines_.size() && lines_[end].bottom - top <= height)
        ++end;

    QList<TextBlock::Line> lines;
    for (qsizetype i = next_; i < end; ++i)
        lines.append({lines_[i].line, lines_[i].text, lines_[i].layoutPosition - QPointF(0, top)});
    const TextBlock block(std::move(lines), lines_[end - 1].bottom - top);
    next_ = end;
    graphics_->drawTextBlock(block, x, y);
}

} // namespace fw

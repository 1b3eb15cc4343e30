#pragma once

#include "framework/ui/styledtextprinter.h"

#include <QPlainTextEdit>

namespace fw {

class Graphics;

// A multiline text control, read-only unless told otherwise. It shows plain text only: a text is
// never taken for markup.
class TextArea : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextArea(QWidget *parent = nullptr);

    // The program separates paragraphs with CR; the text reads back that way whatever line
    // ends (CR, LF or CR LF) it was given.
    QString Text() const;
    void setText(const QString &text);

    // A printer for the text as it stands now, laid out at the width in the current font of g.
    StyledTextPrinter styledTextPrinter(Graphics &g, double width) const;
};

} // namespace fw

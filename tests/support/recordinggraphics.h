#pragma once

#include "framework/ui/graphics.h"

#include <QColor>
#include <QList>
#include <QSizeF>
#include <QStringList>
#include <memory>

// One call made on a RecordingGraphics.
struct GraphicsCall {
    enum Kind { TextFont, TextSize, ForeColor, Bold, DrawString, NextPage, TextBlock, Release };

    Kind kind = Release;
    QString text; // TextFont: the family; DrawString: the text
    double x = 0; // DrawString: start of the baseline; TextBlock: top-left corner
    double y = 0;
    double value = 0;  // TextSize: the size; DrawString: the wrap width; TextBlock: its height
    bool flag = false; // Bold: on; DrawString: condense
    QColor color;      // ForeColor
    QStringList lines; // TextBlock: its lines as shown

    bool operator==(const GraphicsCall &) const = default;

    // One line for logs and failure messages, e.g. `DrawString "page 1" 40 720 0 false`,
    // `TextFont "Courier"`, `TextSize 10`, `ForeColor #ff000000`, `Bold true`, `NextPage`,
    // `TextBlock 36 36 lines 59`, `Release` (the surface was let go, ending a print job).
    QString toString() const;
};

QStringList describe(const QList<GraphicsCall> &calls);
// The texts of the DrawString calls, in order.
QStringList drawnStrings(const QList<GraphicsCall> &calls);
// The TextBlock calls, in order.
QList<GraphicsCall> textBlocks(const QList<GraphicsCall> &calls);

// A Graphics that draws nothing and records every call, in order. The recording outlives the
// recorder, so a test can hand the recorder to the program (say through the print dialog's
// stand-in) and read what was drawn after the program let go of it.
class RecordingGraphics : public fw::Graphics {
public:
    explicit RecordingGraphics(const QSizeF &pageSize = QSizeF(612, 792));
    ~RecordingGraphics() override;

    void setTextFont(const QString &family) override;
    void setTextSize(double size) override;
    void setForeColor(const QColor &color) override;
    void setBold(bool bold) override;
    void DrawString(const QString &text, double x, double y, double wrapWidth = 0,
                    bool condense = false) override;
    void NextPage() override;
    double Width() const override { return size_.width(); }
    double Height() const override { return size_.height(); }
    void drawTextBlock(const fw::TextBlock &block, double x, double y) override;

    std::shared_ptr<const QList<GraphicsCall>> recording() const { return calls_; }
    const QList<GraphicsCall> &calls() const { return *calls_; }

private:
    QSizeF size_;
    std::shared_ptr<QList<GraphicsCall>> calls_ = std::make_shared<QList<GraphicsCall>>();
};

#pragma once

#include "framework/ui/graphics.h"
#include "framework/ui/graphicstextblock.h"

#include <QSizeF>
#include <QStringList>
#include <memory>

// What a RecordingGraphics was asked to do, one line a call, e.g. `TextFont "Courier"`,
// `TextSize 10`, `ForeColor #ff000000`, `Bold true`, `DrawString "page 1" 40 720 0 false` (text,
// x, y, wrap width, condense), `TextBlock 36 36 lines 19`, `NextPage`, and `Release` when the
// surface is let go, which ends a print job. blocks holds the lines of each text block.
struct Recording {
    QStringList calls;
    QList<QStringList> blocks;
};

// A Graphics that draws nothing and records every call. The recording outlives the recorder,
// so a test can hand the recorder to the program and read what was drawn after it let go.
class RecordingGraphics : public fw::Graphics {
public:
    explicit RecordingGraphics(const QSizeF &size = QSizeF(612, 792)) : size_(size) {}
    ~RecordingGraphics() override { log(QStringLiteral("Release")); }

    void setTextFont(const QString &family) override {
        Graphics::setTextFont(family);
        log(QStringLiteral("TextFont \"%1\"").arg(family));
    }
    void setTextSize(double size) override {
        Graphics::setTextSize(size);
        log(QStringLiteral("TextSize %1").arg(size));
    }
    void setForeColor(const QColor &color) override {
        Graphics::setForeColor(color);
        log(QStringLiteral("ForeColor ") + color.name(QColor::HexArgb));
    }
    void setBold(bool bold) override {
        Graphics::setBold(bold);
        log(QStringLiteral("Bold %1").arg(bold ? "true" : "false"));
    }
    void DrawString(const QString &text, double x, double y, double wrapWidth = 0,
                    bool condense = false) override {
        log(QStringLiteral("DrawString \"%1\" %2 %3 %4 %5")
                .arg(text)
                .arg(x)
                .arg(y)
                .arg(wrapWidth)
                .arg(condense ? "true" : "false"));
    }
    void NextPage() override { log(QStringLiteral("NextPage")); }
    double Width() const override { return size_.width(); }
    double Height() const override { return size_.height(); }
    void drawTextBlock(const fw::TextBlock &block, double x, double y) override {
        log(QStringLiteral("TextBlock %1 %2 lines %3").arg(x).arg(y).arg(block.lines().size()));
        recording_->blocks << block.texts();
    }

    std::shared_ptr<const Recording> recording() const { return recording_; }

private:
    void log(const QString &call) { recording_->calls << call; }

    QSizeF size_;
    std::shared_ptr<Recording> recording_ = std::make_shared<Recording>();
};

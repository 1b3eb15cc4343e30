#pragma once

#include <QWidget>
#include <functional>

namespace fw {

class Graphics;

// A drawing control. Every paint erases it to white and then raises Paint with a Graphics on the
// control, one unit per pixel, as large as the control. The owner gives it its size.
class Canvas : public QWidget {
    Q_OBJECT
public:
    explicit Canvas(QWidget *parent = nullptr);

    std::function<void(Canvas &, Graphics &)> PaintHandler;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace fw

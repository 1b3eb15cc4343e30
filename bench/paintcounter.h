#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

// Counts the paint events that reach a widget it filters.
class PaintCounter : public QObject {
public:
    long long paints = 0;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Runs the event loop until the widget has painted once more; false when it never does.
inline bool waitForPaint(const PaintCounter &counter, long long before) {
    for (int pass = 0; pass < 1000 && counter.paints == before; ++pass)
        QCoreApplication::processEvents();
    return counter.paints > before;
}

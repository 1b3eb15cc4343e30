#pragma once

#include <QDateTime>
#include <QString>

namespace fw {

// A moment, by default the one at which it was made, written in the user's locale: the
// application's default QLocale, which is the system's unless the program chose another.
class Date {
public:
    Date();
    explicit Date(const QDateTime &moment) : moment_(moment) {}

    const QDateTime &moment() const { return moment_; }
    QString ShortDate() const;
    QString ShortTime() const;

private:
    QDateTime moment_;
};

} // namespace fw

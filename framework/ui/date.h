#pragma once

#include <QDateTime>
#include <QString>

namespace fw {

// The moment at which it was made, written in the user's locale: the application's
// default QLocale, which is the system's unless the program chose another.
class Date {
public:
    Date();

    QString ShortDate() const;
    QString ShortTime() const;

private:
    QDateTime moment_;
};

} // namespace fw

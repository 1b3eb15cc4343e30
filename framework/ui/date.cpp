#include "framework/ui/date.h"

#include <QLocale>

namespace fw {

Date::Date() : moment_(QDateTime::currentDateTime()) {}

QString Date::ShortDate() const {
    return QLocale().toString(moment_.date(), QLocale::ShortFormat);
}

QString Date::ShortTime() const {
    return QLocale().toString(moment_.time(), QLocale::ShortFormat);
}

} // namespace fw

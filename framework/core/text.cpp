#include "framework/core/text.h"

#include <QByteArray>

namespace fw {

int Len(const QString &s) {
    return int(s.size());
}

QString Left(const QString &s, int count) {
    if (count <= 0)
        return QString();
    return s.left(count);
}

QString Right(const QString &s, int count) {
    if (count <= 0)
        return QString();
    if (count >= s.size())
        return s;
    return QString(s.constData() + (s.size() - count), count);
}

QString Mid(const QString &s, int start) {
    if (start < 1)
        start = 1;
    if (start > s.size())
        return QString();
    return s.mid(start - 1);
}

QString Mid(const QString &s, int start, int count) {
    if (count <= 0)
        return QString();
    if (start < 1)
        start = 1;
    if (start > s.size())
        return QString();
    return s.mid(start - 1, count);
}

int InStr(const QString &s, const QString &find) {
    return InStr(1, s, find);
}

int InStr(int start, const QString &s, const QString &find) {
    if (find.isEmpty())
        return 0;
    if (start < 1)
        start = 1;
    if (start > s.size())
        return 0;
    return int(s.indexOf(find, start - 1, Qt::CaseSensitive)) + 1;
}

QString NthField(const QString &s, const QString &separator, int n) {
    if (n < 1)
        return QString();
    if (separator.isEmpty())
        return n == 1 ? s : QString();
    qsizetype from = 0;
    for (int field = 1; field < n; ++field) {
        const qsizetype at = s.indexOf(separator, from);
        if (at < 0)
            return QString();
        from = at + separator.size();
    }
    const qsizetype end = s.indexOf(separator, from);
    return end < 0 ? s.mid(from) : s.mid(from, end - from);
}

double Val(const QString &s) {
    // Take the longest prefix that reads as a decimal number: blanks, a sign,
    // digits, one point and digits, an exponent only when digits follow it.
    const QByteArray bytes = s.toLatin1();
    const char *p = bytes.constData();
    while (*p == ' ' || *p == '\t')
        ++p;
    const char *begin = p;
    if (*p == '+' || *p == '-')
        ++p;
    const char *digits = p;
    while (*p >= '0' && *p <= '9')
        ++p;
    bool any = p != digits;
    if (*p == '.') {
        const char *fraction = ++p;
        while (*p >= '0' && *p <= '9')
            ++p;
        any = any || p != fraction;
    }
    if (!any)
        return 0.0;
    if (*p == 'e' || *p == 'E') {
        const char *e = p + 1;
        if (*e == '+' || *e == '-')
            ++e;
        if (*e >= '0' && *e <= '9') {
            p = e;
            while (*p >= '0' && *p <= '9')
                ++p;
        }
    }
    // QByteArray::toDouble reads in the C locale, whatever the user's locale.
    return QByteArray(begin, p - begin).toDouble();
}

QString Str(long long n) {
    return QString::number(n);
}

} // namespace fw

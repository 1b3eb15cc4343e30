#include "update/manifest.h"

#include "framework/core/text.h"

namespace manifest {

QString valueBetween(const QString &body, const QString &startTag, const QString &endTag) {
    const int p = fw::InStr(body, startTag);
    if (p == 0)
        return QString();
    const int start = p + fw::Len(startTag);
    const int e = fw::InStr(start, body, endTag);
    if (e == 0)
        return QString();
    return fw::Mid(body, start, e - start);
}

bool namesVersion(const QString &versionText, int major, int minor, int bug) {
    const QString dot = QStringLiteral(".");
    if (fw::Val(fw::NthField(versionText, dot, 1)) != double(major))
        return false;
    if (fw::Val(fw::NthField(versionText, dot, 2)) != double(minor))
        return false;
    return fw::Val(fw::NthField(versionText, dot, 3)) == double(bug);
}

} // namespace manifest

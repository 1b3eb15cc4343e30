// Reads a hostile manifest as the update window does: the three values, each cut
// out between its tags, and the version compared with the program's.
//
// Input: the body, each byte one character, as the socket delivers it.

#include "update/manifest.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString body = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const char *name : {"CurrentVersion", "Description", "Free"}) {
        const QString start = QStringLiteral("<%1>").arg(QLatin1String(name));
        const QString end = QStringLiteral("</%1>").arg(QLatin1String(name));
        const QString value = manifest::valueBetween(body, start, end);
        // A value is a piece of the body that sits between the two tags.
        check(value.size() <= body.size());
        if (!value.isEmpty())
            check(body.contains(start + value + end));
        if (QLatin1String(name) == QLatin1String("CurrentVersion"))
            manifest::namesVersion(value, 1, 1, 0);
    }
    return 0;
}

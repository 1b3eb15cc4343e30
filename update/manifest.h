#pragma once

#include <QString>

// Reading the update manifest: a text in which each value stands between
// "<Name>" and "</Name>". Pure functions, so that hostile replies can be tested
// and fuzzed without a window or a socket.
namespace manifest {

// The text between the first startTag and the next endTag after it: blanks and
// line breaks included, nothing decoded. The empty text when either tag is missing.
QString valueBetween(const QString &body, const QString &startTag, const QString &endTag);

// Whether a version text such as "1.1.0" names this version: its first three
// "."-separated fields read as numbers equal major, minor and bug. Fields are read
// only as far as they match; a missing field reads as 0, a fourth is never read.
bool namesVersion(const QString &versionText, int major, int minor, int bug);

} // namespace manifest

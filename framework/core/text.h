#pragma once

#include <QString>
#include <string_view>

// The text functions of the runtime. Positions and field numbers count characters
// from 1; a search that finds nothing gives 0; cutting past the end gives the empty
// text. Texts are compared exactly (case-sensitive).
namespace fw {

int Len(const QString &s);
QString Left(const QString &s, int count);
// The last count characters of s.
QString Right(const QString &s, int count);
// Characters from position start (1 is the first) to the end of the text.
QString Mid(const QString &s, int start);
// At most count characters from position start; a count below 1 gives the empty text.
QString Mid(const QString &s, int start, int count);
// Position of the first find in s (1-based), or 0; an empty find is never found.
int InStr(const QString &s, const QString &find);
// As above, searching from position start.
int InStr(int start, const QString &s, const QString &find);
// Field number n (1-based) of s cut at every separator; empty past the last field.
QString NthField(const QString &s, const QString &separator, int n);
// The number that s begins with, after leading blanks: "01" is 1, "1.1.0" is 1.1,
// "" and "abc" are 0.
double Val(const QString &s);
QString Str(long long n);

// The UTF-16 code units of a text. std::u16string_view's == and compare give the
// same results as QString's, case-sensitive, but inline, without a call into Qt:
// the deal compares texts a few hundred times.
inline std::u16string_view codeUnits(QStringView s) {
    return {s.utf16(), std::size_t(s.size())};
}

} // namespace fw

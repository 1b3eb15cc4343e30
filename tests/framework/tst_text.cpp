#include "tst_core.h"

#include "framework/core/text.h"

#include <QTest>

using namespace fw;
using namespace Qt::StringLiterals;

void TextFunctionsTest::results_data() {
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    const QString s = u"S10"_s, dot = u"."_s;
    QTest::newRow("Left negative") << Left(s, -1) << "";
    QTest::newRow("Right Len-1") << Right(s, Len(s) - 1) << "10";
    QTest::newRow("Right 0") << Right(s, 0) << "";
    QTest::newRow("Right past the end") << Right(s, 7) << "S10";
    QTest::newRow("Mid from 2") << Mid(s, 2) << "10";
    QTest::newRow("Mid past the end") << Mid(s, 4) << "";
    QTest::newRow("Mid with length") << Mid(u"abcdef"_s, 2, 3) << "bcd";
    QTest::newRow("Mid negative length") << Mid(s, 1, -5) << "";
    QTest::newRow("InStr found") << Str(InStr(u"abab"_s, u"ba"_s)) << "2";
    QTest::newRow("InStr finds nothing") << Str(InStr(s, u"x"_s)) << "0";
    QTest::newRow("InStr empty find") << Str(InStr(s, QString())) << "0";
    QTest::newRow("InStr case-sensitive") << Str(InStr(s, u"s"_s)) << "0";
    QTest::newRow("InStr from 3") << Str(InStr(3, u"abab"_s, u"b"_s)) << "4";
    QTest::newRow("NthField keeps blanks") << NthField(u" 1..0"_s, dot, 1) << " 1";
    QTest::newRow("NthField after an empty field") << NthField(u" 1..0"_s, dot, 3) << "0";
    QTest::newRow("NthField past the last") << NthField(u"1.1"_s, dot, 3) << "";
    QTest::newRow("Str") << Str(-1234567) << "-1234567";
    // Right shares the characters of a literal and copies those of an allocated text:
    // writing to the result or to the text reaches nothing else.
    const QString literal = u"H10"_s;
    QString shared = Right(literal, 2), card = QString::fromLatin1("D10");
    const QString copied = Right(card, 2);
    shared[0] = QLatin1Char('2');
    card[1] = QLatin1Char('x');
    QTest::newRow("Right written to") << shared + literal + copied + card << "20H1010Dx0";
    const char *const vals[][2] = {{"", "0"},       {"01", "1"},  {"1.1.0", "1.1"}, {"abc", "0"},
                                   {"12abc", "12"}, {"  7", "7"}, {"\n7", "0"},     {"-3", "-3"},
                                   {"-", "0"},      {".", "0"},   {".5", "0.5"},    {"2e3", "2000"},
                                   {"2e", "2"}};
    for (const auto &[text, value] : vals)
        QTest::addRow("Val of \"%s\"", text)
            << QString::number(Val(QString::fromLatin1(text))) << value;
}

void TextFunctionsTest::results() {
    QFETCH(QString, result);
    QFETCH(QString, expected);
    QCOMPARE(result, expected);
}

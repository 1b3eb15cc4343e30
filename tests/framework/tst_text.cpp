#include "tst_core.h"

#include "framework/core/text.h"

#include <QTest>

using namespace fw;

void TextFunctionsTest::cutsAndSearches_data() {
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    const QString s = QStringLiteral("S10");
    QTest::newRow("Len") << Str(Len(s)) << "3";
    QTest::newRow("Len of empty") << Str(Len(QString())) << "0";
    QTest::newRow("Left 1") << Left(s, 1) << "S";
    QTest::newRow("Left past the end") << Left(s, 9) << "S10";
    QTest::newRow("Left negative") << Left(s, -1) << "";
    QTest::newRow("Right n-1") << Right(s, Len(s) - 1) << "10";
    QTest::newRow("Right 0") << Right(s, 0) << "";
    QTest::newRow("Right negative") << Right(s, -2) << "";
    QTest::newRow("Mid from 2") << Mid(s, 2) << "10";
    QTest::newRow("Mid with length") << Mid(QStringLiteral("abcdef"), 2, 3) << "bcd";
    QTest::newRow("Mid at the last char") << Mid(s, 3) << "0";
    QTest::newRow("Mid past the end") << Mid(s, 4) << "";
    QTest::newRow("Mid far past the end") << Mid(s, 40, 2) << "";
    QTest::newRow("Mid length past the end") << Mid(s, 2, 99) << "10";
    QTest::newRow("Mid zero length") << Mid(s, 1, 0) << "";
    QTest::newRow("Mid negative length") << Mid(s, 1, -5) << "";
    QTest::newRow("Mid start 0") << Mid(s, 0, 1) << "S";
    QTest::newRow("InStr found") << Str(InStr(QStringLiteral("<a>x</a>"), QStringLiteral("</a>"))) << "5";
    QTest::newRow("InStr first of two") << Str(InStr(QStringLiteral("abab"), QStringLiteral("b"))) << "2";
    QTest::newRow("InStr not found") << Str(InStr(s, QStringLiteral("x"))) << "0";
    QTest::newRow("InStr empty find") << Str(InStr(s, QString())) << "0";
    QTest::newRow("InStr in empty") << Str(InStr(QString(), QStringLiteral("a"))) << "0";
    QTest::newRow("InStr is case-sensitive") << Str(InStr(QStringLiteral("Yes"), QStringLiteral("yes"))) << "0";
    QTest::newRow("InStr from start") << Str(InStr(3, QStringLiteral("abab"), QStringLiteral("b"))) << "4";
    QTest::newRow("InStr from the found place") << Str(InStr(2, QStringLiteral("abab"), QStringLiteral("b"))) << "2";
    QTest::newRow("InStr from past the end") << Str(InStr(9, QStringLiteral("abab"), QStringLiteral("b"))) << "0";
}

void TextFunctionsTest::cutsAndSearches() {
    QFETCH(QString, result);
    QFETCH(QString, expected);
    QCOMPARE(result, expected);
}

void TextFunctionsTest::nthFieldCountsFromOne_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first") << "1.1.0" << 1 << "1";
    QTest::newRow("third") << "1.1.0" << 3 << "0";
    QTest::newRow("past the last field") << "1.1" << 3 << "";
    QTest::newRow("far past") << "1.1.0" << 40 << "";
    QTest::newRow("zero") << "1.1.0" << 0 << "";
    QTest::newRow("empty fields") << "1..0" << 2 << "";
    QTest::newRow("trailing empty field") << "1.1." << 3 << "";
    QTest::newRow("no separator") << "110" << 1 << "110";
    QTest::newRow("empty text") << "" << 1 << "";
    QTest::newRow("blanks kept") << " 1 . 2 " << 2 << " 2 ";
}

void TextFunctionsTest::nthFieldCountsFromOne() {
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, expected);
    QCOMPARE(NthField(text, QStringLiteral("."), n), expected);
}

void TextFunctionsTest::valReadsTheLeadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("leading zero") << "01" << 1.0;
    QTest::newRow("version") << "1.1.0" << 1.1;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("number then letters") << "12abc" << 12.0;
    QTest::newRow("leading blanks") << "  7" << 7.0;
    QTest::newRow("line break first") << "\n7" << 0.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("point then digits") << ".5" << 0.5;
    QTest::newRow("exponent") << "2e3" << 2000.0;
    QTest::newRow("e without digits") << "2e" << 2.0;
    QTest::newRow("zeros") << "00" << 0.0;
}

void TextFunctionsTest::valReadsTheLeadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Val(text), expected);
}

void TextFunctionsTest::strWritesPlainDecimals() {
    QCOMPARE(Str(102), QStringLiteral("102"));
    QCOMPARE(Str(-7), QStringLiteral("-7"));
    QCOMPARE(Str(0), QStringLiteral("0"));
    QCOMPARE(Str(1234567), QStringLiteral("1234567")); // no group separators
}

void TextFunctionsTest::rightOfAnAllocatedTextIsItsOwnCopy() {
    QString card = QString::fromLatin1("D10");
    const QString rank = Right(card, Len(card) - 1);
    card[1] = QLatin1Char('x');
    card[2] = QLatin1Char('y');
    QCOMPARE(rank, QStringLiteral("10"));
    card = QString();
    QCOMPARE(rank, QStringLiteral("10"));
    QCOMPARE(rank.size(), 2);
}

void TextFunctionsTest::rightOfALiteralStaysALiteralsTail() {
    const QString card = QStringLiteral("H10");
    QString rank = Right(card, 2);
    QCOMPARE(rank, QStringLiteral("10"));
    QCOMPARE(Right(card, 1), QStringLiteral("0"));
    QCOMPARE(Right(card, 3), QStringLiteral("H10"));
    QCOMPARE(Right(card, 7), QStringLiteral("H10"));
    // Writing to the result never reaches the literal.
    rank[0] = QLatin1Char('2');
    rank += QLatin1Char('!');
    QCOMPARE(rank, QStringLiteral("20!"));
    QCOMPARE(card, QStringLiteral("H10"));
    QCOMPARE(Right(card, 2), QStringLiteral("10"));
    // The shared tail is not terminated where it ends; utf16() must still end there.
    QString tail = Right(card, 2);
    QCOMPARE(tail.utf16()[2], ushort(0));
    QCOMPARE(tail, QStringLiteral("10"));
}

void TextFunctionsTest::codeUnitsCompareAsQStringDoes_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order"); // -1, 0 or 1
    const QString aboveBmp = QString::fromUcs4(U"\U0001F0A1"); // a surrogate pair
    QTest::newRow("same") << "A" << "A" << 0;
    QTest::newRow("both empty") << "" << "" << 0;
    QTest::newRow("empty first") << "" << "a" << -1;
    QTest::newRow("letters") << "a" << "m" << -1;
    QTest::newRow("upper case first") << "B" << "a" << -1;
    QTest::newRow("prefix first") << "1" << "10" << -1;
    QTest::newRow("longer but smaller") << "10" << "2" << -1;
    QTest::newRow("accented after ASCII") << QStringLiteral("\u00e9") << "z" << 1;
    QTest::newRow("surrogates before U+FFFF") << aboveBmp << QStringLiteral("\uffff") << -1;
    QTest::newRow("surrogates after U+D7FF") << aboveBmp << QStringLiteral("\ud7ff") << 1;
}

void TextFunctionsTest::codeUnitsCompareAsQStringDoes() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    const auto sign = [](int c) { return (c > 0) - (c < 0); };
    QCOMPARE(sign(a.compare(b)), order);
    QCOMPARE(sign(codeUnits(a).compare(codeUnits(b))), order);
    QCOMPARE(sign(codeUnits(b).compare(codeUnits(a))), -order);
    QCOMPARE(codeUnits(a) == codeUnits(b), order == 0);
    QCOMPARE(a == b, order == 0);
}

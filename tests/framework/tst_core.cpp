#include "framework/core/stringarray.h"
#include "framework/core/text.h"

#include <QTest>
#include <array>

using namespace fw;
using namespace Qt::StringLiterals;

// The text functions and the deck array that the deal engine and the update check are built on.
class CoreTest : public QObject {
    Q_OBJECT
private slots:
    void textFunctions_data() {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        const QString s = u"S10"_s, dot = u"."_s;
        QTest::newRow("Right Len-1") << Right(s, Len(s) - 1) << "10";
        QTest::newRow("Mid with length") << Mid(u"abcdef"_s, 2, 3) << "bcd";
        QTest::newRow("InStr found") << Str(InStr(u"abab"_s, u"ba"_s)) << "2";
        QTest::newRow("InStr finds nothing") << Str(InStr(s, u"x"_s)) << "0";
        QTest::newRow("InStr case-sensitive") << Str(InStr(s, u"s"_s)) << "0";
        QTest::newRow("InStr from 3") << Str(InStr(3, u"abab"_s, u"b"_s)) << "4";
        QTest::newRow("NthField keeps blanks") << NthField(u" 1..0"_s, dot, 1) << " 1";
        QTest::newRow("NthField after an empty field") << NthField(u" 1..0"_s, dot, 3) << "0";
        QTest::newRow("NthField past the last") << NthField(u"1.1"_s, dot, 3) << "";
        QTest::newRow("Str") << Str(-1234567) << "-1234567";
        const char *const vals[][2] = {
            {"", "0"},     {"01", "1"},     {"1.1.0", "1.1"}, {"abc", "0"}, {"12abc", "12"},
            {"  7", "7"},  {"\n7", "0"},    {"-3", "-3"},     {"-", "0"},   {".", "0"},
            {".5", "0.5"}, {"2e3", "2000"}, {"2e", "2"}};
        for (const auto &[text, value] : vals)
            QTest::addRow("Val of \"%s\"", text)
                << QString::number(Val(QString::fromLatin1(text))) << value;
    }
    void textFunctions() {
        QFETCH(QString, result);
        QTEST(result, "expected");
    }

    void shuffleReachesEveryPositionEvenly() {
        // 52,000 shuffles, each from the same order (shuffling the last result again would hide
        // a bias): each entry lands in each position about 1,000 times, with a standard
        // deviation of about 31. Outside 800..1,200 means a biased shuffle.
        shuffleGenerator().seed(7);
        std::array<std::array<int, 52>, 52> counts{};
        for (int round = 0; round < 52000; ++round) {
            StringArray a(51);
            for (int i = 0; i <= 51; ++i)
                a[i] = QString::number(i);
            a.Shuffle();
            for (int position = 0; position < 52; ++position)
                ++counts[std::size_t(a[position].toInt())][std::size_t(position)];
        }
        for (const auto &entry : counts)
            for (const int n : entry)
                QVERIFY2(n > 800 && n < 1200, qPrintable(QString::number(n)));
    }
};

QTEST_APPLESS_MAIN(CoreTest)
#include "tst_core.moc"

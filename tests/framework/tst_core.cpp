#include "framework/core/listbox.h"
#include "framework/core/stringarray.h"
#include "framework/core/text.h"

#include <QTest>
#include <array>

using namespace fw;
using namespace Qt::StringLiterals;

// The text functions, the list model and the deck array that the deal engine is built on.
class CoreTest : public QObject {
    Q_OBJECT
private slots:
    void textFunctions_data() {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        const QString s = u"S10"_s, dot = u"."_s;
        QTest::newRow("Right Len-1") << Right(s, Len(s) - 1) << "10";
        QTest::newRow("Right 0") << Right(s, 0) << "";
        QTest::newRow("Right past the end") << Right(s, 7) << "S10";
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

    void pressHeaderSortsWholeRowsStably_data() {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("order");
        QTest::newRow("ascending, by UTF-16 code unit") << 1 << "5 10 3 7 2 11 9 0 4 6 8 1";
        QTest::newRow("descending") << -1 << "1 8 6 0 4 9 2 11 7 3 10 5";
        QTest::newRow("no sort") << 0 << "0 1 2 3 4 5 6 7 8 9 10 11";
    }
    void pressHeaderSortsWholeRowsStably() {
        QFETCH(int, direction);
        QFETCH(QString, order);
        const QStringList keys = {
            "b", QStringLiteral("\uffff"),         "B", "10", "b", "", QStringLiteral("\u00e9"),
            "2", QString::fromUcs4(U"\U0001F0A1"), "a", "1",  "B"};
        Listbox list(2);
        for (int i = 0; i < keys.size(); ++i)
            list.AddRow({QString::number(i), keys[i]});
        list.setSortedColumn(1);
        list.setColumnSortDirection(1, direction);
        list.PressHeader(0);
        QStringList expected, actual;
        for (const QString &i : order.split(u' '))
            expected << i + u':' + keys[i.toInt()];
        for (int r = 0; r < list.ListCount(); ++r)
            actual << list.Cell(r, 0) + u':' + list.Cell(r, 1);
        QCOMPARE(actual, expected);
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

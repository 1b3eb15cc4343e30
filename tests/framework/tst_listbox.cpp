#include "tst_core.h"

#include "framework/core/listbox.h"

#include <QTest>
#include <algorithm>
#include <random>
#include <utility>
#include <vector>

using fw::Listbox;

namespace {

QStringList column(const Listbox &list, int c) {
    QStringList texts;
    for (int r = 0; r < list.ListCount(); ++r)
        texts << list.Cell(r, c);
    return texts;
}

} // namespace

void ListboxTest::addRowFillsColumnsFromTheLeft() {
    Listbox list(3);
    list.AddRow(QStringLiteral("A"));
    list.AddRow({QStringLiteral("x"), QStringLiteral("y")});
    list.AddRow({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    QCOMPARE(list.ListCount(), 3);
    QCOMPARE(column(list, 0), QStringList({"A", "x", "1"}));
    QCOMPARE(column(list, 1), QStringList({"", "y", "2"}));
    QCOMPARE(column(list, 2), QStringList({"", "", "3"}));
}

void ListboxTest::cellsOutsideTheRowsReadEmptyAndIgnoreWrites() {
    Listbox list(2);
    list.AddRow(QStringLiteral("K"));
    list.setCell(0, 1, QStringLiteral("b"));
    list.setCell(1, 1, QStringLiteral("z"));
    list.setCell(0, 2, QStringLiteral("z"));
    list.setCell(-1, 0, QStringLiteral("z"));
    QCOMPARE(list.ListCount(), 1);
    QCOMPARE(list.Cell(0, 1), QStringLiteral("b"));
    QCOMPARE(list.Cell(1, 0), QString());
    QCOMPARE(list.Cell(0, 2), QString());
    QCOMPARE(list.Cell(-1, 0), QString());
}

void ListboxTest::deleteAllRowsOnAnEmptyListLeavesItEmpty() {
    Listbox list(2);
    int changes = 0;
    list.setChangeHandler([&] { ++changes; });
    list.DeleteAllRows();
    QCOMPARE(list.ListCount(), 0);
    QCOMPARE(changes, 0);
    list.AddRow(QStringLiteral("A"));
    list.DeleteAllRows();
    list.DeleteAllRows();
    QCOMPARE(list.ListCount(), 0);
    QCOMPARE(list.Cell(0, 0), QString());
    QCOMPARE(changes, 2);
}

void ListboxTest::pressHeaderRaisesSortColumnBeforeSorting() {
    Listbox list(2);
    for (const char *letter : {"m", "a", "e"})
        list.AddRow({QString(), QString::fromLatin1(letter)});
    QList<int> pressed;
    QStringList orderSeenByHandler;
    list.SortColumnHandler = [&](int c) {
        pressed << c;
        orderSeenByHandler = column(list, 1);
        list.setSortedColumn(1);
        list.setColumnSortDirection(1, Listbox::Ascending);
        return false;
    };
    list.PressHeader(0);
    QCOMPARE(pressed, QList<int>({0}));
    QCOMPARE(orderSeenByHandler, QStringList({"m", "a", "e"}));
    QCOMPARE(column(list, 1), QStringList({"a", "e", "m"}));
    QCOMPARE(list.SortedColumn(), 1);
}

void ListboxTest::aHandlerReturningTrueStopsTheSort() {
    Listbox list(1);
    list.AddRow(QStringLiteral("b"));
    list.AddRow(QStringLiteral("a"));
    list.setSortedColumn(0);
    list.SortColumnHandler = [](int) { return true; };
    list.PressHeader(0);
    QCOMPARE(column(list, 0), QStringList({"b", "a"}));
    // Without a sorted column nothing moves either.
    Listbox unsorted(1);
    unsorted.AddRow(QStringLiteral("b"));
    unsorted.AddRow(QStringLiteral("a"));
    unsorted.PressHeader(0);
    QCOMPARE(column(unsorted, 0), QStringList({"b", "a"}));
}

void ListboxTest::sortKeepsWholeRowsAndEqualTextsInOrder() {
    Listbox list(2);
    list.AddRow({QStringLiteral("2"), QStringLiteral("m")});
    list.AddRow({QStringLiteral("first"), QStringLiteral("x")});
    list.AddRow({QStringLiteral("A"), QStringLiteral("a")});
    list.AddRow({QStringLiteral("second"), QStringLiteral("x")});
    list.AddRow({QStringLiteral("10"), QStringLiteral("e")});
    list.setSortedColumn(1);
    list.PressHeader(1);
    QCOMPARE(column(list, 0), QStringList({"A", "10", "2", "first", "second"}));
    QCOMPARE(column(list, 1), QStringList({"a", "e", "m", "x", "x"}));
    list.PressHeader(1);
    QCOMPARE(column(list, 0), QStringList({"A", "10", "2", "first", "second"}));
}

void ListboxTest::descendingAndNoSortDirections() {
    Listbox list(1);
    for (const char *t : {"b", "c", "a"})
        list.AddRow(QString::fromLatin1(t));
    list.setSortedColumn(0);
    list.setColumnSortDirection(0, Listbox::Descending);
    list.PressHeader(0);
    QCOMPARE(column(list, 0), QStringList({"c", "b", "a"}));
    list.setColumnSortDirection(0, Listbox::NoSort);
    list.setCell(0, 0, QStringLiteral("z0"));
    list.setCell(2, 0, QStringLiteral("a0"));
    list.PressHeader(0);
    QCOMPARE(column(list, 0), QStringList({"z0", "b", "a0"}));
    QCOMPARE(list.ColumnSortDirection(5), int(Listbox::NoSort));
}

void ListboxTest::changesAreReportedToTheView() {
    Listbox list(2);
    int changes = 0;
    list.setChangeHandler([&] { ++changes; });
    list.AddRow(QStringLiteral("b"));
    list.AddRow(QStringLiteral("a"));
    list.setCell(0, 1, QStringLiteral("z"));
    list.setSortedColumn(0);
    list.PressHeader(0);
    QCOMPARE(changes, 4);
}

void ListboxTest::descendingKeepsEqualTextsInOrder() {
    Listbox list(2);
    const char *rows[][2] = {{"1", "b"}, {"2", "c"}, {"3", "b"},
                             {"4", "a"}, {"5", "c"}, {"6", "b"}};
    for (const auto &row : rows)
        list.AddRow({QString::fromLatin1(row[0]), QString::fromLatin1(row[1])});
    list.setSortedColumn(1);
    list.setColumnSortDirection(1, Listbox::Descending);
    list.PressHeader(1);
    QCOMPARE(column(list, 1), QStringList({"c", "c", "b", "b", "b", "a"}));
    QCOMPARE(column(list, 0), QStringList({"2", "5", "1", "3", "6", "4"}));
    list.setColumnSortDirection(1, Listbox::Ascending);
    list.PressHeader(1);
    QCOMPARE(column(list, 0), QStringList({"4", "1", "3", "6", "2", "5"}));
}

void ListboxTest::sortOrdersByCodeUnitsAsQStringDoes() {
    Listbox list(1);
    const QStringList texts = {QStringLiteral("\uffff"), "b", QString::fromUcs4(U"\U0001F0A1"),
                               "10", "", "B", QStringLiteral("\u00e9"), "2", "a", "1"};
    for (const QString &text : texts)
        list.AddRow(text);
    list.setSortedColumn(0);
    list.PressHeader(0);
    QCOMPARE(column(list, 0),
             QStringList({"", "1", "10", "2", "B", "a", "b", QStringLiteral("\u00e9"),
                          QString::fromUcs4(U"\U0001F0A1"), QStringLiteral("\uffff")}));
    QStringList bySort = texts;
    std::sort(bySort.begin(), bySort.end());
    QCOMPARE(column(list, 0), bySort);
}

void ListboxTest::aThousandRowsSortStablyBothWays() {
    // 1,000 rows with keys from a few letters, so that every key repeats: the
    // result must match std::stable_sort of the same rows, in both directions.
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> letter(0, 25);
    std::vector<std::pair<QString, QString>> rows; // key, row number
    Listbox list(2);
    for (int i = 0; i < 1000; ++i) {
        QString key(1, QChar(u'a' + letter(random)));
        if (i % 3 == 0)
            key += QChar(u'a' + letter(random) % 2);
        rows.emplace_back(key, QString::number(i));
        list.AddRow({QString::number(i), key});
    }
    list.setSortedColumn(1);
    for (const int direction : {int(Listbox::Ascending), int(Listbox::Descending)}) {
        std::vector<std::pair<QString, QString>> expected = rows;
        std::stable_sort(expected.begin(), expected.end(), [&](const auto &x, const auto &y) {
            return direction == Listbox::Ascending ? x.first < y.first : y.first < x.first;
        });
        list.setColumnSortDirection(1, direction);
        // From the rows in their first order each time.
        for (int i = 0; i < 1000; ++i) {
            list.setCell(i, 0, rows[std::size_t(i)].second);
            list.setCell(i, 1, rows[std::size_t(i)].first);
        }
        list.PressHeader(1);
        QCOMPARE(list.ListCount(), 1000);
        QStringList keys, numbers;
        for (const auto &[key, number] : expected) {
            keys << key;
            numbers << number;
        }
        QCOMPARE(column(list, 1), keys);
        QCOMPARE(column(list, 0), numbers);
        // And checked pair by pair: keys in the direction, equal keys by row number.
        for (int r = 1; r < 1000; ++r) {
            const int c = direction * list.Cell(r - 1, 1).compare(list.Cell(r, 1));
            QVERIFY(c <= 0);
            if (c == 0)
                QVERIFY(list.Cell(r - 1, 0).toInt() < list.Cell(r, 0).toInt());
        }
        // Sorting a sorted list moves nothing.
        list.PressHeader(1);
        QCOMPARE(column(list, 0), numbers);
    }
}

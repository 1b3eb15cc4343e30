#include "tst_core.h"

#include "framework/core/listbox.h"

#include <QTest>

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

#include "tst_core.h"

#include "framework/core/listbox.h"

#include <QTest>

void ListboxTest::pressHeaderSortsWholeRowsStably_data() {
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("handled"); // what the SortColumn handler returns
    QTest::addColumn<QString>("order");
    QTest::newRow("ascending, by UTF-16 code unit") << 1 << false << "5 10 3 7 2 11 9 0 4 6 8 1";
    QTest::newRow("descending") << -1 << false << "1 8 6 0 4 9 2 11 7 3 10 5";
    QTest::newRow("no sort") << 0 << false << "0 1 2 3 4 5 6 7 8 9 10 11";
    QTest::newRow("sorted by the handler") << 1 << true << "0 1 2 3 4 5 6 7 8 9 10 11";
}

void ListboxTest::pressHeaderSortsWholeRowsStably() {
    QFETCH(int, direction);
    QFETCH(bool, handled);
    QFETCH(QString, order);
    const QStringList keys = {
        "b", QStringLiteral("\uffff"),         "B", "10", "b", "", QStringLiteral("\u00e9"),
        "2", QString::fromUcs4(U"\U0001F0A1"), "a", "1",  "B"};
    fw::Listbox list(2);
    for (int i = 0; i < keys.size(); ++i)
        list.AddRow({QString::number(i), keys[i]});
    list.setSortedColumn(1);
    list.setColumnSortDirection(1, direction);
    list.SortColumnHandler = [handled](int) { return handled; };
    list.PressHeader(0);
    QStringList expected, actual;
    for (const QString &i : order.split(u' '))
        expected << i + u':' + keys[i.toInt()];
    for (int r = 0; r < list.ListCount(); ++r)
        actual << list.Cell(r, 0) + u':' + list.Cell(r, 1);
    QCOMPARE(actual, expected);
}

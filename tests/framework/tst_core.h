#pragma once

#include <QObject>

class TextFunctionsTest : public QObject {
    Q_OBJECT
private slots:
    void cutsAndSearches_data();
    void cutsAndSearches();
    void nthFieldCountsFromOne_data();
    void nthFieldCountsFromOne();
    void valReadsTheLeadingNumber_data();
    void valReadsTheLeadingNumber();
    void strWritesPlainDecimals();
    void rightOfAnAllocatedTextIsItsOwnCopy();
    void rightOfALiteralStaysALiteralsTail();
    void codeUnitsCompareAsQStringDoes_data();
    void codeUnitsCompareAsQStringDoes();
};

class ListboxTest : public QObject {
    Q_OBJECT
private slots:
    void addRowFillsColumnsFromTheLeft();
    void cellsOutsideTheRowsReadEmptyAndIgnoreWrites();
    void deleteAllRowsOnAnEmptyListLeavesItEmpty();
    void pressHeaderRaisesSortColumnBeforeSorting();
    void aHandlerReturningTrueStopsTheSort();
    void sortKeepsWholeRowsAndEqualTextsInOrder();
    void descendingAndNoSortDirections();
    void changesAreReportedToTheView();
    void descendingKeepsEqualTextsInOrder();
    void sortOrdersByCodeUnitsAsQStringDoes();
    void aThousandRowsSortStablyBothWays();
};

class StringArrayTest : public QObject {
    Q_OBJECT
private slots:
    void hasFixedBoundsAndRaisesOutside();
    void shuffleIsAPermutation();
    void seededShuffleIsRepeatable();
    void shuffleReachesEveryPositionEvenly();
};

#pragma once

#include <QObject>

class TextFunctionsTest : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
};

class ListboxTest : public QObject {
    Q_OBJECT
private slots:
    void pressHeaderSortsWholeRowsStably_data();
    void pressHeaderSortsWholeRowsStably();
};

class StringArrayTest : public QObject {
    Q_OBJECT
private slots:
    void boundsAndSeededShuffle();
    void shuffleReachesEveryPositionEvenly();
};

#pragma once

#include <QObject>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void launchShowsARealHandBeforeAnyClick();
    void onlyResultsAndTheButtonsLieInTheWindow();
    void newHandReplacesAllFourRowsAndLeavesTable2Alone();
    void returnPressesNewHand();
    void closingTheMainWindowEndsTheLoopWithCode0();
    void quitEndsTheLoopWithCode0();
    void accessorsFindTheOneMainWindow();
};

class MenuTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void barsEqualTheirTables_data();
    void barsEqualTheirTables();
    void qtMenuBarShowsTheItemsWithCtrlShortcuts();
    void dispatchAsksTheFrontWindowThenTheApplication();
    void itemsWithHandlersAreEnabledWhenAMenuOpens();
};

class LayoutNumbersTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void setUpXYFollowsTheAvailableHeight_data();
    void setUpXYFollowsTheAvailableHeight();
    void fullSizeLeavesScaleAlone();
    void conversionRoundsHalvesAwayFromZero_data();
    void conversionRoundsHalvesAwayFromZero();
};

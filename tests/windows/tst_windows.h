#pragma once

#include <QObject>
#include <QTemporaryDir>

class PageWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void paintDrawsTheSheetFromModuleState_data();
    void paintDrawsTheSheetFromModuleState();
    void paintedLinesStayInsideTheWindow_data();
    void paintedLinesStayInsideTheWindow();
    void showPageOpensThePageWindowPlacedAndSized_data();
    void showPageOpensThePageWindowPlacedAndSized();
    void showPageLeavesResultsAndCardsUntouched();
    void secondPressReusesMovesBackAndRepaintsTheWindow();
    void everyPageHandHoldsThirteenCardsOnceInRankOrder();
};

class PagePrintTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void printDrawsTheSheetAtFixedPlaces_data();
    void printDrawsTheSheetAtFixedPlaces();
    void printedPdfHoldsTheWholeSheetOnOnePage();
    void cancelledDialogPrintsNothingAndIsHandled();

private:
    QTemporaryDir dir_;
};

#pragma once

#include <QLocale>
#include <QObject>
#include <QTemporaryDir>

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowFollowsItsDesign();
    void helpTextHasFiveParagraphsWithTheirSentences();
    void showHelpTwiceShowsOneWindow();
    void printHelpOpensAndClosesTheHelpWindowAsChosen_data();
    void printHelpOpensAndClosesTheHelpWindowAsChosen();
};

class HelpPrintingTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void recordedPagesCarryBlocksAndFooters_data();
    void recordedPagesCarryBlocksAndFooters();
    void printedPdfHoldsEveryWordOnceAndEachFooter_data();
    void printedPdfHoldsEveryWordOnceAndEachFooter();

private:
    QLocale locale_;
    QTemporaryDir dir_;
};

class PageWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void paintDrawsTheSheetFromModuleState_data();
    void paintDrawsTheSheetFromModuleState();
    void showPageOpensThePagePlacedSizedAndWhole_data();
    void showPageOpensThePagePlacedSizedAndWhole();
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

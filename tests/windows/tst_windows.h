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

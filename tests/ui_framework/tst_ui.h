#pragma once

#include <QObject>
#include <QTemporaryDir>

class GraphicsTest : public QObject {
    Q_OBJECT
private slots:
    void drawStringStartsTheBaselineAtThePoint_data();
    void drawStringStartsTheBaselineAtThePoint();
    void fontNamesGiveInstalledFaces_data();
    void fontNamesGiveInstalledFaces();
    void stateHoldsForEveryLaterString();
    void wrapWidthBreaksOrCondensesTheText_data();
    void wrapWidthBreaksOrCondensesTheText();
    void nextPageOnScreenChangesNothing();
    void rgbTakesTransparencyAsItsFourthPart_data();
    void rgbTakesTransparencyAsItsFourthPart();
};

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void printedStringsStandWhereTheyAreDrawn_data();
    void printedStringsStandWhereTheyAreDrawn();
    void printedFontsAreTheMetricCompatibleFaces();
    void marginsMoveTheOriginToThePrintableArea();
    void nextPageStartsAPageWithTheSameUnitsAndState();
    void theDialogStandInDecidesWhatIsReturned();
    void aPrinterThatCannotStartGivesNoGraphics();

private:
    QTemporaryDir dir_;
};

class StyledTextPrinterTest : public QObject {
    Q_OBJECT
private slots:
    void anEmptyTextIsAtItsEndAtOnce();
    void lineBreaksEndParagraphs_data();
    void lineBreaksEndParagraphs();
    void linesBreakAtWordsWithinTheWidth_data();
    void linesBreakAtWordsWithinTheWidth();
    void aLongTextFillsEveryBlockButTheLast();
    void aLineTallerThanTheBlockIsDrawnAlone();
    void blocksAreDrawnFromTheirTopLeftCorner();
    void printedBlocksCarryEveryWordOnceInOrder();

private:
    QTemporaryDir dir_;
};

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void canvasErasesAndPaintsThroughItsHandler();
    void textAreaKeepsParagraphsAndShowsPlainText_data();
    void textAreaKeepsParagraphsAndShowsPlainText();
    void dateWritesTheShortFormsOfTheLocale_data();
    void dateWritesTheShortFormsOfTheLocale();
    void aNewDateIsNow();
};

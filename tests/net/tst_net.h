#pragma once

#include <QObject>

class HttpRequestTest : public QObject {
    Q_OBJECT
private slots:
    void splitsTheUrl_data();
    void splitsTheUrl();
    void writesTheRequestByteForByte_data();
    void writesTheRequestByteForByte();
};

class HttpReplyFramerTest : public QObject {
    Q_OBJECT
private slots:
    void framesTheReply_data();
    void framesTheReply();
    void keepsToTheSizeLimit_data();
    void keepsToTheSizeLimit();
    void readsTheBodyByteForCharacter();
    void findsHeadersByNameWhateverTheCase();
};

class HttpSocketTest : public QObject {
    Q_OBJECT
private slots:
    void sendsTheRequestByteForByte();
    void receivesThePage_data();
    void receivesThePage();
    void aServerThatClosesAtOnceGivesAnEmptyPage();
    void failsWithACode_data();
    void failsWithACode();
    void anEndlessBodyEndsInAnErrorAndTheConnectionCloses_data();
    void anEndlessBodyEndsInAnErrorAndTheConnectionCloses();
    void aSecondGetWhileBusyIsRefusedAndTheFirstGoesOn();
    void destroyingItMidRequestRaisesNothing_data();
    void destroyingItMidRequestRaisesNothing();
    void aHandlerMayDestroyTheSocket();
};

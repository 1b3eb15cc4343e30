#pragma once

#include "localhttpserver.h"

#include <QObject>
#include <memory>

class AboutBoxTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showsNameCreditsAndTheLongVersion();
    void eachButtonHandsItsOneAddress();
    void returnPressesSupportOrvane();
    void aboutFromTheMainWindowShowsOneWindow();
};

class ManifestTest : public QObject {
    Q_OBJECT
private slots:
    void valueBetweenTakesTheFirstElement_data();
    void valueBetweenTakesTheFirstElement();
    void versionsCompareNumberByNumber_data();
    void versionsCompareNumberByNumber();
};

class UpdateCheckTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theRequestIsByteExact();
    void repliesEndAsTheManifestSays_data();
    void repliesEndAsTheManifestSays();
    void aRefusedConnectionIsReportedWithItsCode();
    void hostileRepliesEndCleanly_data();
    void hostileRepliesEndCleanly();
    void aReplyAfterCancelIsIgnored();
    void selfTestShowsTheVersionAndClosesWhenTheCheckStarts();
    void theOfferSaysWhatItOffers_data();
    void theOfferSaysWhatItOffers();
    void theOffersDownloadIsARealAddress();

private:
    std::unique_ptr<LocalHttpServer> server_;
};

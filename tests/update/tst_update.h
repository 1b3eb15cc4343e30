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
    void buttonsHandTheirAddressesAndOneWindowServes();
};

class UpdateCheckTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theRequestIsByteExact();
    void repliesEndAsTheManifestSays_data();
    void repliesEndAsTheManifestSays();
    void failuresEndCleanly_data();
    void failuresEndCleanly();
    void selfTestShowsTheVersionAndClosesWhenTheCheckStarts();
    void theOfferSaysWhatItOffers_data();
    void theOfferSaysWhatItOffers();
    void missingTagsGiveEmptyValues();

private:
    std::unique_ptr<LocalHttpServer> server;
};

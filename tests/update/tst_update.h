#pragma once

#include <QObject>

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

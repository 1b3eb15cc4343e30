#include "tst_update.h"

#include "update/manifest.h"

#include <QTest>

void ManifestTest::valueBetweenTakesTheFirstElement_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "<CurrentVersion>1.2.0</CurrentVersion>" << "1.2.0";
    QTest::newRow("inside a document")
        << "<?xml version=\"1.0\"?>\n<update><Free>Yes</Free><CurrentVersion>2.0.0</CurrentVersion></update>"
        << "2.0.0";
    QTest::newRow("first of two")
        << "<CurrentVersion>1.0.9</CurrentVersion><CurrentVersion>1.1.0</CurrentVersion>" << "1.0.9";
    QTest::newRow("blanks and line breaks kept") << "<CurrentVersion> 1.1.0\r\n</CurrentVersion>"
                                                 << " 1.1.0\r\n";
    QTest::newRow("nothing decoded") << "<CurrentVersion>&amp;<!-- x --></CurrentVersion>"
                                     << "&amp;<!-- x -->";
    QTest::newRow("empty value") << "<CurrentVersion></CurrentVersion>" << "";
    QTest::newRow("no start tag") << "<Other>1</Other></CurrentVersion>" << "";
    QTest::newRow("no end tag") << "<CurrentVersion>1.1.0" << "";
    QTest::newRow("end tag only before the start")
        << "</CurrentVersion><CurrentVersion>1.1.0" << "";
    QTest::newRow("attribute is not the tag") << "<CurrentVersion a=\"1\">1</CurrentVersion>" << "";
    QTest::newRow("case matters") << "<currentversion>1</currentversion>" << "";
    QTest::newRow("empty body") << "" << "";
}

void ManifestTest::valueBetweenTakesTheFirstElement() {
    QFETCH(QString, body);
    QFETCH(QString, expected);
    QCOMPARE(manifest::valueBetween(body, QStringLiteral("<CurrentVersion>"),
                                    QStringLiteral("</CurrentVersion>")),
             expected);
}

void ManifestTest::versionsCompareNumberByNumber_data() {
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("current");
    QTest::newRow("1.1.0") << "1.1.0" << true;
    QTest::newRow("1.1") << "1.1" << true;
    QTest::newRow("1.1.0.7") << "1.1.0.7" << true;
    QTest::newRow("01.1.00") << "01.1.00" << true;
    QTest::newRow("1.0.9 is lower, still an offer") << "1.0.9" << false;
    QTest::newRow("1.2.0") << "1.2.0" << false;
    QTest::newRow("2.1.0") << "2.1.0" << false;
    QTest::newRow("1.1.1") << "1.1.1" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank before") << " 1.1.0" << true;
    QTest::newRow("line break before") << "\n1.1.0" << false;
    QTest::newRow("garbage") << "abc" << false;
}

void ManifestTest::versionsCompareNumberByNumber() {
    QFETCH(QString, version);
    QFETCH(bool, current);
    QCOMPARE(manifest::namesVersion(version, 1, 1, 0), current);
}

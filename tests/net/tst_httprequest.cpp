#include "tst_net.h"

#include "framework/net/httprequest.h"

#include <QTest>

using fw::HttpRequest;

void HttpRequestTest::splitsTheUrl_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("hostPart");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port"); // 0: unusable
    QTest::addColumn<QString>("target");
    QTest::newRow("manifest") << "http://orvane.example/Updates/quillory.xml" << "orvane.example"
                              << "orvane.example" << 80 << "/Updates/quillory.xml";
    QTest::newRow("port") << "http://127.0.0.1:8080/Updates/quillory.xml" << "127.0.0.1:8080"
                          << "127.0.0.1" << 8080 << "/Updates/quillory.xml";
    QTest::newRow("no path") << "http://orvane.example" << "orvane.example" << "orvane.example"
                             << 80 << "/";
    QTest::newRow("lone slash") << "http://orvane.example/" << "orvane.example"
                                << "orvane.example" << 80 << "/";
    QTest::newRow("port 0 means 80") << "http://h:0/x" << "h:0" << "h" << 80 << "/x";
    QTest::newRow("empty port means 80") << "http://h:/x" << "h:" << "h" << 80 << "/x";
    QTest::newRow("port not a number means 80") << "http://h:web/x" << "h:web" << "h" << 80 << "/x";
    QTest::newRow("port with letters after") << "http://h:81x" << "h:81x" << "h" << 81 << "/";
    QTest::newRow("highest port") << "http://h:65535/" << "h:65535" << "h" << 65535 << "/";
    QTest::newRow("port too high") << "http://h:65536/" << "h:65536" << "h" << 0 << "/";
    QTest::newRow("negative port") << "http://h:-1/" << "h:-1" << "h" << 0 << "/";
    QTest::newRow("any scheme is dropped") << "https://h/x" << "h" << "h" << 80 << "/x";
    QTest::newRow("no scheme") << "h/x" << "h" << "h" << 80 << "/x";
    QTest::newRow("only the first :// is the scheme's") << "http://h/a://b" << "h" << "h" << 80
                                                        << "/a://b";
    QTest::newRow("query kept as written") << "http://h/x?a=1&b=%20" << "h" << "h" << 80
                                           << "/x?a=1&b=%20";
    QTest::newRow("line break") << "http://h/x\r\nEvil: 1" << "h" << "h" << 0 << "/x\r\nEvil: 1";
}

void HttpRequestTest::splitsTheUrl() {
    QFETCH(QString, url);
    const HttpRequest r = HttpRequest::fromUrl(url);
    QTEST(r.hostPart, "hostPart");
    QTEST(r.host, "host");
    QTEST(r.port, "port");
    QTEST(r.target, "target");
}

void HttpRequestTest::writesTheRequestByteForByte_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("manifest") << "http://orvane.example/Updates/quillory.xml"
                              << QByteArray("GET /Updates/quillory.xml HTTP/1.0\r\n"
                                            "Accept: */*\r\n"
                                            "Accept-Language: en\r\n"
                                            "Host: orvane.example\r\n"
                                            "\r\n");
    QTest::newRow("port") << "http://127.0.0.1:8080/Updates/quillory.xml"
                          << QByteArray("GET /Updates/quillory.xml HTTP/1.0\r\n"
                                        "Accept: */*\r\n"
                                        "Accept-Language: en\r\n"
                                        "Host: 127.0.0.1:8080\r\n"
                                        "\r\n");
    QTest::newRow("no path") << "http://orvane.example"
                             << QByteArray("GET / HTTP/1.0\r\n"
                                           "Accept: */*\r\n"
                                           "Accept-Language: en\r\n"
                                           "Host: orvane.example\r\n"
                                           "\r\n");
    QTest::newRow("port 0 written as given") << "http://orvane.example:0/x"
                                             << QByteArray("GET /x HTTP/1.0\r\n"
                                                           "Accept: */*\r\n"
                                                           "Accept-Language: en\r\n"
                                                           "Host: orvane.example:0\r\n"
                                                           "\r\n");
}

void HttpRequestTest::writesTheRequestByteForByte() {
    QFETCH(QString, url);
    QTEST(HttpRequest::fromUrl(url).toBytes(), "bytes");
}

#pragma once

#include <QByteArray>
#include <QString>

namespace fw {

// Where a GET goes and what it sends, taken from a URL such as
// "http://orvane.example/Updates/quillory.xml". Nothing in the URL is encoded or
// checked beyond what is needed to connect.
struct HttpRequest {
    QString hostPart; // as the URL writes it, ":port" included: the Host line
    QString host;     // the name to connect to
    int port = 80;    // 0 when the URL's port cannot be used
    QString target;   // from the "/" after the host part on; "/" when there is none

    // Everything up to the first "://" is dropped. A port that reads as 0 (none, empty
    // or not a number) means 80; one outside 1 to 65535 makes the request unusable,
    // and so does a line break, which would let the URL write header lines of its own.
    static HttpRequest fromUrl(const QString &url);

    bool isUsable() const { return port != 0; }

    // The HTTP/1.0 request: request line, Accept, Accept-Language and Host, blank line.
    // A GET carries no body, so there is no Content-length line either.
    QByteArray toBytes() const;
};

} // namespace fw

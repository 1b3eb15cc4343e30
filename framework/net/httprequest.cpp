#include "framework/net/httprequest.h"

#include "framework/core/text.h"

namespace fw {

HttpRequest HttpRequest::fromUrl(const QString &url) {
    HttpRequest r;
    QString rest = url;
    const qsizetype scheme = rest.indexOf(QLatin1String("://"));
    if (scheme >= 0)
        rest = rest.mid(scheme + 3);

    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    r.hostPart = slash < 0 ? rest : rest.left(slash);
    r.target = slash < 0 ? QStringLiteral("/") : rest.mid(slash);

    const qsizetype colon = r.hostPart.indexOf(QLatin1Char(':'));
    r.host = colon < 0 ? r.hostPart : r.hostPart.left(colon);
    if (colon >= 0) {
        const double port = Val(r.hostPart.mid(colon + 1));
        r.port = port == 0 ? 80 : (port >= 1 && port <= 65535 ? int(port) : 0);
    }
    if (url.contains(QLatin1Char('\r')) || url.contains(QLatin1Char('\n')))
        r.port = 0;
    return r;
}

QByteArray HttpRequest::toBytes() const {
    return "GET " + target.toUtf8() +
           " HTTP/1.0\r\n"
           "Accept: */*\r\n"
           "Accept-Language: en\r\n"
           "Host: " +
           hostPart.toUtf8() +
           "\r\n"
           "\r\n";
}

} // namespace fw

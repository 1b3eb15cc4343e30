#pragma once

#include <QString>

// The addresses the program hands out. The maker's web address is written two
// ways on purpose: with "www." at the foot of the page of hands and behind
// "Visit Web Site", and as the bare host that serves the update manifest.
namespace addresses {

inline const QString makerWebAddress = QStringLiteral("http://www.orvane.example");
inline const QString makerHost = QStringLiteral("orvane.example");
inline const QString manifestAddress =
    QStringLiteral("http://") + makerHost + QStringLiteral("/Updates/quillory.xml");
// "Go to Website" in the upgrade offer: the manifest's host, no path.
inline const QString makerWebSite = QStringLiteral("http://") + makerHost;
inline const QString authorMail =
    QStringLiteral("mailto:") + QStringLiteral("author@orvane.example");
inline const QString orderPage = QStringLiteral("http://") + QStringLiteral("order.store.example") +
                                 QStringLiteral("/?") + QStringLiteral("QUILLORY") +
                                 QStringLiteral("&lang=en");

} // namespace addresses

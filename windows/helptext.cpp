#include "windows/helptext.h"

#include <QStringList>

QString helpText() {
    static const QStringList paragraphs = {
        QStringLiteral("Quillory was developed to help a new Bridge player learn to make initial "
                       "bids by providing an endless supply of random hands.  No matter what "
                       "Bridge bidding rules are used, this application should help improve "
                       "bidding communications between Bridge partners.  Bidding, which is an "
                       "important part of playing Bridge, can be difficult for new players."),
        QStringLiteral("When you launch Quillory, you see a small window with a Bridge hand.  "
                       "Click on the \"New Hand\" button to see a new random Bridge hand.  Click "
                       "on the \"Show Page of Hands\" button to bring up a new window with eight "
                       "random hands."),
        QStringLiteral("Cards are picked at random from a standard deck of cards, grouped by suit "
                       "and sorted from Ace down to 2.  Click again on the \"Show Page of "
                       "Quillory\" button whenever you want a new page of eight hands."),
        QStringLiteral("To print a Page of Quillory, click on that window and use the File > "
                       "Print Setup and File > Print menu picks from the menu bar."),
        QStringLiteral("Icon Credit:  The application icon was drawn by Petra Holm and is used "
                       "with her permission."),
    };
    return paragraphs.join(QStringLiteral("\r\r"));
}

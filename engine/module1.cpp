#include "engine/module1.h"

namespace Module1 {

void initialise() {
    Cards = fw::StringArray(51);
    Cards2 = fw::StringArray(51);
    Title1 = QStringLiteral("Spades:");
    Title2 = QStringLiteral("Hearts:");
    Title3 = QStringLiteral("Diamonds:");
    Title4 = QStringLiteral("Clubs:");
    Points1 = QStringLiteral("Hand 1 Points:");
    Bid = QStringLiteral("Open Bid:");
    Points2 = QStringLiteral("Hand 2 Points");
    Points3 = QStringLiteral("Hand 3 Points:");
    Points4 = QStringLiteral("Hand 4 Points:");
    Points5 = QStringLiteral("Hand 5 Points:");
    Points6 = QStringLiteral("Hand 6 Points:");
    Points7 = QStringLiteral("Hand 7 Points:");
    Points8 = QStringLiteral("Hand 8 Points:");
}

void release() {
    Cards = fw::StringArray();
    Cards2 = fw::StringArray();
    Title1.clear();
    Title2.clear();
    Title3.clear();
    Title4.clear();
    Spades1.clear();
    Hearts1.clear();
    Diamonds1.clear();
    Clubs1.clear();
    Points1.clear();
    Bid.clear();
    for (QString *hand : {SpadesOfHand, HeartsOfHand, DiamondsOfHand, ClubsOfHand})
        for (int n = 1; n < 8; ++n)
            hand[n].clear();
    for (int n = 1; n < 8; ++n)
        Points[n].clear();
}

} // namespace Module1

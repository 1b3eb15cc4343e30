#pragma once

// What a drawing of the page of eight hands should be, written from the page's tables, for the
// painted and the printed tests alike.

#include "engine/module1.h"

#include <QList>
#include <QPoint>
#include <QStringList>

namespace pagesheet {

// Where the sheet stands: the 24 line ys are six per row of hands (four suits, points, bid).
struct Places {
    QPoint header;
    // Label x and holding x of the left column, then of the right column.
    QList<int> columnX;
    QList<int> lineY;
    QPoint footer;
    int textSize;
};

inline const Places fullSizeScreen = {{10, 20},
                                      {25, 120, 330, 425},
                                      {70,  90,  110, 130, 170, 190, 250, 270, 290, 310, 350, 370,
                                       430, 450, 470, 490, 530, 550, 610, 630, 650, 670, 710, 730},
                                      {130, 780},
                                      14};

// An available height of 546 halves every number; 12.5 and 212.5 round up.
inline const Places halfSizeScreen = {{5, 10},
                                      {13, 60, 165, 213},
                                      {35,  45,  55,  65,  85,  95,  125, 135, 145, 155, 175, 185,
                                       215, 225, 235, 245, 265, 275, 305, 315, 325, 335, 355, 365},
                                      {65, 390},
                                      7};

inline const Places printedPage = {{5, 20},
                                   {25, 120, 330, 425},
                                   {50,  70,  90,  110, 150, 170, 230, 250, 270, 290, 330, 350,
                                    410, 430, 450, 470, 510, 530, 590, 610, 630, 650, 690, 710},
                                   {130, 730},
                                   14};

inline const QString header = QStringLiteral(
    "This page of Quillory may help a new Bridge player learn to make an initial bid.");
inline const QString footer = QStringLiteral("http://www.orvane.example");
inline const QStringList suitLabels = {"Spades:", "Hearts:", "Diamonds:", "Clubs:"};
inline const QStringList pointsLabels = {
    "Hand 1 Points:", "Hand 2 Points",  "Hand 3 Points:", "Hand 4 Points:",
    "Hand 5 Points:", "Hand 6 Points:", "Hand 7 Points:", "Hand 8 Points:"};

// The page holdings now in module state: hand n (0 to 7), then spades, hearts, diamonds, clubs.
inline QList<QStringList> holdingsNow() {
    QList<QStringList> hands;
    for (int n = 0; n < 8; ++n)
        hands << QStringList{Module1::SpadesOfHand[n], Module1::HeartsOfHand[n],
                             Module1::DiamondsOfHand[n], Module1::ClubsOfHand[n]};
    return hands;
}

// Gives each page holding a text that names its hand and suit: "S1 " to "C8 ".
inline void markHoldings() {
    for (int n = 0; n < 8; ++n) {
        const QString hand = QString::number(n + 1) + QLatin1Char(' ');
        Module1::SpadesOfHand[n] = QLatin1Char('S') + hand;
        Module1::HeartsOfHand[n] = QLatin1Char('H') + hand;
        Module1::DiamondsOfHand[n] = QLatin1Char('D') + hand;
        Module1::ClubsOfHand[n] = QLatin1Char('C') + hand;
    }
}

struct DrawnString {
    QString text;
    int x, y;
};

// The 82 strings in drawing order: header, hands 1, 5, 2, 6, 3, 7, 4, 8, footer.
inline QList<DrawnString> strings(const Places &p, const QList<QStringList> &holdings) {
    QList<DrawnString> drawn{{header, p.header.x(), p.header.y()}};
    for (int hand : {0, 4, 1, 5, 2, 6, 3, 7}) {
        const bool right = hand >= 4;
        const int label = p.columnX[right ? 2 : 0];
        const int holding = p.columnX[right ? 3 : 1];
        const QList<int> y = p.lineY.mid(6 * (hand % 4), 6);
        for (int suit = 0; suit < 4; ++suit) {
            drawn << DrawnString{suitLabels[suit], label, y[suit]};
            drawn << DrawnString{holdings[hand][suit], holding, y[suit]};
        }
        drawn << DrawnString{pointsLabels[hand], label, y[4]};
        drawn << DrawnString{QStringLiteral("Open Bid:"), label, y[5]};
    }
    drawn << DrawnString{footer, p.footer.x(), p.footer.y()};
    return drawn;
}

// The calls a recorder should see: the drawing state once, then the 82 strings.
inline QStringList calls(const Places &p, const QList<QStringList> &holdings) {
    QStringList lines = {"TextFont \"Geneva\"", QStringLiteral("TextSize %1").arg(p.textSize),
                         "ForeColor #ff000000", "Bold true"};
    for (const DrawnString &s : strings(p, holdings))
        lines << QStringLiteral("DrawString \"%1\" %2 %3 0 false").arg(s.text).arg(s.x).arg(s.y);
    return lines;
}

} // namespace pagesheet

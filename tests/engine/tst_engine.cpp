#include "engine/handtables.h"
#include "engine/module1.h"
#include "framework/core/exceptions.h"

#include <QSet>
#include <QTest>
#include <memory>

using namespace Module1;

namespace {

std::unique_ptr<HandTables> tables;
HandTables &testWindow() { return *tables; }

QStringList column(const fw::Listbox &list, int c) {
    QStringList texts;
    for (int r = 0; r < list.ListCount(); ++r)
        texts << list.Cell(r, c);
    return texts;
}

QStringList deck(const fw::StringArray &cards) {
    QStringList texts;
    for (int i = 0; i <= cards.Ubound(); ++i)
        texts << cards[i];
    return texts;
}

const QStringList rankOrder = {"A", "K", "Q", "J", "10", "9", "8", "7", "6", "5", "4", "3", "2"};
const QStringList letters = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m"};

// Puts the given card texts into entries 0 to 12 of a deck, as a shuffle might.
void placeHand(fw::StringArray &cards, const QStringList &hand) {
    for (int i = 0; i < hand.size(); ++i)
        cards[i] = hand[i];
}

QStringList allOf(const char *suit) {
    QStringList hand;
    for (const QString &rank : rankOrder)
        hand << QString::fromLatin1(suit) + rank;
    return hand;
}

} // namespace

class EngineTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        tables = std::make_unique<HandTables>();
        wireSuitListsAsTheMainWindowDoes(*tables);
        setWindowAccessor(testWindow);
        initialise();
    }
    void cleanup() { release(); }

    void initialiseGivesTheLabelsTheirTexts();
    void releaseEmptiesTheTextsAndDropsTheDecks();
    void getHandBuildsTheDeckInItsFixedOrder();
    void aDealNeverGrowsShrinksOrRepeatsTheDeck();
    void aSeededDealFillsTheTableConsistently();
    void aVoidSuitStaysEmptyAndGivesAnEmptyHolding();
    void thirteenOfOneSuitGiveATwentySevenCharacterHolding();
    void lettersAreWrittenBeforeSortingAndRowsMoveWhole();
    void clubsSortWithoutASortColumnHandler();
    void twoSortsInARowGiveTheSameOrder();
    void clearTablesEmptiesTheFiveListsWithoutRedrawing();
    void twinsNeverTouchTheOtherTable();
    void redrawsAreCountedPerOperation();
    void rowCountsAreReadAfreshOnEveryPass();
    void noWindowRaisesNilObject();
};

void EngineTest::initialiseGivesTheLabelsTheirTexts() {
    QCOMPARE(Cards.Ubound(), 51);
    QCOMPARE(Cards2.Ubound(), 51);
    QCOMPARE(Cards[0], QString());
    QCOMPARE(QStringList({Title1, Title2, Title3, Title4}),
             QStringList({"Spades:", "Hearts:", "Diamonds:", "Clubs:"}));
    QCOMPARE(QStringList({Points1, Points2, Points3, Points4, Points5, Points6, Points7, Points8}),
             QStringList({"Hand 1 Points:", "Hand 2 Points", "Hand 3 Points:", "Hand 4 Points:",
                          "Hand 5 Points:", "Hand 6 Points:", "Hand 7 Points:", "Hand 8 Points:"}));
    QCOMPARE(Points2.size(), 13);
    QCOMPARE(Bid, QStringLiteral("Open Bid:"));
    for (int n = 0; n < 8; ++n) {
        QVERIFY(SpadesOfHand[n].isEmpty() && HeartsOfHand[n].isEmpty());
        QVERIFY(DiamondsOfHand[n].isEmpty() && ClubsOfHand[n].isEmpty());
    }
    QCOMPARE(&Spades2, &SpadesOfHand[1]);
    QCOMPARE(&Clubs8, &ClubsOfHand[7]);
    QCOMPARE(&Y25, &Y[25]);
}

void EngineTest::releaseEmptiesTheTextsAndDropsTheDecks() {
    MakeHand2();
    Spades5 = QStringLiteral("A K ");
    release();
    QCOMPARE(Cards.Ubound(), -1);
    QCOMPARE(Cards2.Ubound(), -1);
    QVERIFY(Title1.isEmpty() && Points2.isEmpty() && Points8.isEmpty() && Bid.isEmpty());
    QVERIFY(Spades5.isEmpty());
    // A deal without its deck raises rather than writing past it.
    QVERIFY_THROWS_EXCEPTION(fw::OutOfBoundsException, getHand());
}

void EngineTest::getHandBuildsTheDeckInItsFixedOrder() {
    Cards[7] = QStringLiteral("left over");
    getHand();
    QCOMPARE(Cards[0], QStringLiteral("SA"));
    QCOMPARE(Cards[4], QStringLiteral("S10"));
    QCOMPARE(Cards[12], QStringLiteral("S2"));
    QCOMPARE(Cards[13], QStringLiteral("HA"));
    QCOMPARE(Cards[26], QStringLiteral("DA"));
    QCOMPARE(Cards[39], QStringLiteral("CA"));
    QCOMPARE(Cards[51], QStringLiteral("C2"));
    QCOMPARE(Cards[7], QStringLiteral("S7"));
    QStringList expected;
    for (const char *suit : {"S", "H", "D", "C"})
        expected << allOf(suit);
    QCOMPARE(deck(Cards), expected);
    QCOMPARE(deck(Cards2), QStringList(52, QString())); // the other deck is not touched
}

void EngineTest::aDealNeverGrowsShrinksOrRepeatsTheDeck() {
    getHand();
    const QStringList ordered = deck(Cards);
    for (int round = 0; round < 50; ++round) {
        MakeHand();
        QCOMPARE(Cards.Ubound(), 51);
        const QStringList dealt = deck(Cards);
        QCOMPARE(QSet<QString>(dealt.begin(), dealt.end()).size(), 52);
        QCOMPARE(QSet<QString>(dealt.begin(), dealt.end()),
                 QSet<QString>(ordered.begin(), ordered.end()));
    }
}

void EngineTest::aSeededDealFillsTheTableConsistently() {
    fw::seedShuffleForTesting(42);
    MakeHand();
    HandTables &t = *tables;
    fw::Listbox *suits[4] = {&t.Spades(), &t.Hearts(), &t.Diamonds(), &t.Clubs()};
    const QString suitLetters = QStringLiteral("SHDC");
    int rows = 0;
    for (int s = 0; s < 4; ++s) {
        const QStringList ranks = column(*suits[s], 0);
        rows += ranks.size();
        QCOMPARE(QSet<QString>(ranks.begin(), ranks.end()).size(), ranks.size());
        // Ordered Ace down to 2, each rank beside its letter.
        QStringList expectedOrder = rankOrder;
        expectedOrder.removeIf([&](const QString &r) { return !ranks.contains(r); });
        QCOMPARE(ranks, expectedOrder);
        for (int r = 0; r < suits[s]->ListCount(); ++r)
            QCOMPARE(suits[s]->Cell(r, 1), letters[rankOrder.indexOf(ranks[r])]);
        // The list holds exactly the cards of its suit among entries 0 to 12.
        QStringList fromDeck;
        for (int i = 0; i <= 12; ++i)
            if (Cards[i].at(0) == suitLetters.at(s))
                fromDeck << Cards[i].mid(1);
        QCOMPARE(QSet<QString>(fromDeck.begin(), fromDeck.end()),
                 QSet<QString>(ranks.begin(), ranks.end()));
        // Summary row: label, then each rank followed by one blank.
        QString holding;
        for (const QString &rank : ranks)
            holding += rank + QLatin1Char(' ');
        QCOMPARE(t.Results().Cell(s, 1), holding);
    }
    QCOMPARE(rows, 13);
    QCOMPARE(column(t.Results(), 0), QStringList({"Spades:", "Hearts:", "Diamonds:", "Clubs:"}));
    QCOMPARE(t.Results().ListCount(), 4);
    const QString all = column(t.Results(), 1).join(QString());
    QCOMPARE(all.count(QLatin1Char(' ')), 13);
}

void EngineTest::aVoidSuitStaysEmptyAndGivesAnEmptyHolding() {
    // Four hearts, four diamonds, five clubs, no spades; the ten of diamonds and
    // the ace of clubs among them.
    placeHand(Cards, {"H2", "D10", "CA", "HK", "C3", "D4", "H10", "CQ", "DA", "C7", "HJ", "D9", "C10"});
    SortIntoSuits();
    HandTables &t = *tables;
    QCOMPARE(t.Spades().ListCount(), 0);
    QCOMPARE(column(t.Diamonds(), 0), QStringList({"10", "4", "A", "9"}));
    QCOMPARE(column(t.Clubs(), 0), QStringList({"A", "3", "Q", "7", "10"}));
    QCOMPARE(column(t.Clubs(), 1), QStringList(5, QString()));
    AddSortLettersAndSort();
    GiveResults();
    QCOMPARE(t.Spades().ListCount(), 0);
    QCOMPARE(column(t.Results(), 1),
             QStringList({"", "K J 10 2 ", "A 10 9 4 ", "A Q 10 7 3 "}));
    QCOMPARE(t.Results().Cell(0, 0), QStringLiteral("Spades:"));
}

void EngineTest::thirteenOfOneSuitGiveATwentySevenCharacterHolding() {
    QStringList hand = allOf("S");
    std::reverse(hand.begin(), hand.end());
    placeHand(Cards, hand);
    SortIntoSuits();
    AddSortLettersAndSort();
    GiveResults();
    HandTables &t = *tables;
    QCOMPARE(column(t.Spades(), 0), rankOrder);
    QCOMPARE(column(t.Spades(), 1), letters);
    const QString holding = t.Results().Cell(0, 1);
    QCOMPARE(holding, QStringLiteral("A K Q J 10 9 8 7 6 5 4 3 2 "));
    QCOMPARE(holding.size(), 27);
    QCOMPARE(column(t.Results(), 1).mid(1), QStringList({"", "", ""}));
}

void EngineTest::lettersAreWrittenBeforeSortingAndRowsMoveWhole() {
    fw::Listbox &hearts = tables->Hearts();
    for (const char *rank : {"10", "A", "2"})
        hearts.AddRow(QString::fromLatin1(rank));
    QStringList lettersBeforeSort;
    hearts.SortColumnHandler = [&](int) {
        lettersBeforeSort = column(hearts, 1);
        sortOnSortLetters(hearts);
        return false;
    };
    // A row holding no rank text keeps its column 1 and sorts by it.
    tables->Diamonds().AddRow({QStringLiteral("x"), QStringLiteral("z")});
    tables->Diamonds().AddRow(QStringLiteral("K"));
    AddSortLettersAndSort();
    QCOMPARE(lettersBeforeSort, QStringList({"e", "a", "m"}));
    QCOMPARE(column(hearts, 0), QStringList({"A", "10", "2"}));
    QCOMPARE(column(hearts, 1), QStringList({"a", "e", "m"}));
    QCOMPARE(column(tables->Diamonds(), 0), QStringList({"K", "x"}));
    QCOMPARE(column(tables->Diamonds(), 1), QStringList({"b", "z"}));
}

void EngineTest::clubsSortWithoutASortColumnHandler() {
    QVERIFY(!tables->Clubs().SortColumnHandler);
    QVERIFY(!tables->Clubs2().SortColumnHandler);
    for (const char *rank : {"3", "J", "9", "A"})
        tables->Clubs2().AddRow(QString::fromLatin1(rank));
    AddSortLettersAndSort2();
    QCOMPARE(column(tables->Clubs2(), 0), QStringList({"A", "J", "9", "3"}));
}

void EngineTest::twoSortsInARowGiveTheSameOrder() {
    placeHand(Cards, {"S5", "SK", "S10", "HQ", "H2", "D3", "DJ", "C4", "CK", "S2", "SA", "D10", "C9"});
    SortIntoSuits();
    AddSortLettersAndSort();
    QList<QStringList> once;
    for (fw::Listbox *l : {&tables->Spades(), &tables->Hearts(), &tables->Diamonds(), &tables->Clubs()})
        once << column(*l, 0) + column(*l, 1);
    AddSortLettersAndSort();
    QList<QStringList> twice;
    for (fw::Listbox *l : {&tables->Spades(), &tables->Hearts(), &tables->Diamonds(), &tables->Clubs()})
        twice << column(*l, 0) + column(*l, 1);
    QCOMPARE(twice, once);
    QCOMPARE(once[0], QStringList({"A", "K", "10", "5", "2", "a", "b", "e", "j", "m"}));
}

void EngineTest::clearTablesEmptiesTheFiveListsWithoutRedrawing() {
    ClearTables(); // already empty
    QCOMPARE(tables->refreshCount, 0);
    MakeHand();
    MakeHand2();
    const long long before = tables->refreshCount;
    ClearTables();
    QCOMPARE(tables->refreshCount, before);
    for (fw::Listbox *l : {&tables->Spades(), &tables->Hearts(), &tables->Diamonds(),
                           &tables->Clubs(), &tables->Results()})
        QCOMPARE(l->ListCount(), 0);
    QCOMPARE(tables->Results2().ListCount(), 4);
    ClearTables2();
    QCOMPARE(tables->Results2().ListCount(), 0);
}

void EngineTest::twinsNeverTouchTheOtherTable() {
    MakeHand();
    const QStringList deck1 = deck(Cards);
    QList<QStringList> table1;
    for (fw::Listbox *l : {&tables->Spades(), &tables->Hearts(), &tables->Diamonds(),
                           &tables->Clubs(), &tables->Results()})
        table1 << column(*l, 0) + column(*l, 1);
    for (int page = 0; page < 8; ++page)
        MakeHand2();
    QCOMPARE(deck(Cards), deck1);
    QList<QStringList> after;
    for (fw::Listbox *l : {&tables->Spades(), &tables->Hearts(), &tables->Diamonds(),
                           &tables->Clubs(), &tables->Results()})
        after << column(*l, 0) + column(*l, 1);
    QCOMPARE(after, table1);

    const QStringList deck2 = deck(Cards2);
    const QStringList results2 = column(tables->Results2(), 1);
    MakeHand();
    QCOMPARE(deck(Cards2), deck2);
    QCOMPARE(column(tables->Results2(), 1), results2);
}

void EngineTest::redrawsAreCountedPerOperation() {
    long long &count = tables->refreshCount;
    getHand();
    Cards.Shuffle();
    QCOMPARE(count, 0);
    SortIntoSuits();
    QCOMPARE(count, 13); // one per card
    AddSortLettersAndSort();
    QCOMPARE(count, 14); // one after the fourth list
    GiveResults();
    QCOMPARE(count, 18); // one per summary row
    MakeHand2();
    QCOMPARE(count, 36);
}

void EngineTest::rowCountsAreReadAfreshOnEveryPass() {
    // A row that appears while a suit is being lettered is lettered too: the loop
    // bound is the list's row count at each pass, not the count before the loop.
    fw::Listbox &hearts = tables->Hearts();
    hearts.AddRow(QStringLiteral("K"));
    bool added = false;
    hearts.setChangeHandler([&] {
        if (!added) {
            added = true;
            hearts.AddRow(QStringLiteral("2"));
        }
    });
    AddSortLettersAndSort();
    QCOMPARE(column(hearts, 0), QStringList({"K", "2"}));
    QCOMPARE(column(hearts, 1), QStringList({"b", "m"}));
}

void EngineTest::noWindowRaisesNilObject() {
    setWindowAccessor(nullptr);
    QVERIFY_THROWS_EXCEPTION(fw::NilObjectException, MakeHand());
    QVERIFY_THROWS_EXCEPTION(fw::NilObjectException, ClearTables2());
}

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"

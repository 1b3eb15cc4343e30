// The deal: build the deck, shuffle it, split the first thirteen cards into the
// suit lists, order every suit from Ace down to 2, write the four summary rows.
// Each operation exists twice, once per hand table; both run the same code below.

#include "engine/handtables.h"
#include "engine/module1.h"
#include "framework/core/text.h"
#include "framework/core/yieldpoint.h"

#include <array>

namespace Module1 {

namespace {

using ListAccessor = fw::Listbox &(HandTableHost::*)();

// One hand table as the operations see it: its deck, and how to find its suit
// lists (spades, hearts, diamonds, clubs) and its summary list in the main window.
struct Table {
    fw::StringArray &deck;
    std::array<ListAccessor, 4> suits;
    ListAccessor results;
};

Table table1() {
    return {Cards,
            {&HandTableHost::Spades, &HandTableHost::Hearts, &HandTableHost::Diamonds,
             &HandTableHost::Clubs},
            &HandTableHost::Results};
}

Table table2() {
    return {Cards2,
            {&HandTableHost::Spades2, &HandTableHost::Hearts2, &HandTableHost::Diamonds2,
             &HandTableHost::Clubs2},
            &HandTableHost::Results2};
}

// Texts shared by every deal: assigning them only counts a reference.
struct Texts {
    std::array<QString, 4> suitLetters{QStringLiteral("S"), QStringLiteral("H"),
                                       QStringLiteral("D"), QStringLiteral("C")};
    std::array<QString, 13> ranks{
        QStringLiteral("A"), QStringLiteral("K"), QStringLiteral("Q"), QStringLiteral("J"),
        QStringLiteral("10"), QStringLiteral("9"), QStringLiteral("8"), QStringLiteral("7"),
        QStringLiteral("6"), QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("3"),
        QStringLiteral("2")};
    // The sort letter of each rank: ascending letters are Ace down to 2.
    std::array<QString, 13> sortLetters{
        QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
        QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("g"), QStringLiteral("h"),
        QStringLiteral("i"), QStringLiteral("j"), QStringLiteral("k"), QStringLiteral("l"),
        QStringLiteral("m")};
    std::array<QString, 4> labels{QStringLiteral("Spades:"), QStringLiteral("Hearts:"),
                                  QStringLiteral("Diamonds:"), QStringLiteral("Clubs:")};
    // Every card text in deck order, built once.
    std::array<QString, 52> cards;
    QString blank = QStringLiteral(" ");

    Texts() {
        for (int s = 0; s < 4; ++s)
            for (int r = 0; r < 13; ++r)
                cards[std::size_t(13 * s + r)] = suitLetters[std::size_t(s)] + ranks[std::size_t(r)];
    }
};

const Texts &texts() {
    static const Texts shared;
    return shared;
}

void buildDeck(const Table &table) {
    const Texts &t = texts();
    int n = 0;
    for (int s = 0; s < 4; ++s) {
        for (int r = 0; r < 13; ++r) {
            table.deck[n] = t.cards[std::size_t(13 * s + r)];
            ++n;
            fw::yieldPoint();
        }
    }
}

void splitIntoSuits(const Table &table) {
    const Texts &t = texts();
    for (int i = 0; i <= 12; ++i) {
        const QString &card = table.deck[i];
        const QStringView suit = QStringView(card).left(1);
        HandTableHost &window = Window1();
        for (std::size_t s = 0; s < 4; ++s) {
            if (suit == t.suitLetters[s]) {
                (window.*table.suits[s])().AddRow(fw::Right(card, fw::Len(card) - 1));
                break;
            }
        }
        window.Refresh(true);
        fw::yieldPoint();
    }
}

void clear(const Table &table) {
    HandTableHost &window = Window1();
    (window.*table.results)().DeleteAllRows();
    for (ListAccessor suit : table.suits)
        (window.*suit)().DeleteAllRows();
}

void letterAndSort(const Table &table) {
    const Texts &t = texts();
    for (ListAccessor suit : table.suits) {
        fw::Listbox &list = (Window1().*suit)();
        // The row count is read afresh at the top of every pass.
        for (int r = 0; r <= list.ListCount() - 1; ++r) {
            // Thirteen independent tests, each reading the cell afresh.
            for (std::size_t k = 0; k < 13; ++k)
                if (list.Cell(r, 0) == t.ranks[k])
                    list.setCell(r, 1, t.sortLetters[k]);
            fw::yieldPoint();
        }
        list.PressHeader(1);
    }
    Window1().Refresh(true);
}

void writeSummary(const Table &table) {
    const Texts &t = texts();
    for (std::size_t k = 0; k < 4; ++k) {
        fw::Listbox &list = (Window1().*table.suits[k])();
        QString holding;
        holding.reserve(27); // the longest holding: thirteen ranks, "10" among them
        for (int i = 0; i <= list.ListCount() - 1; ++i) {
            holding += list.Cell(i, 0);
            holding += t.blank;
            fw::yieldPoint();
        }
        fw::Listbox &results = (Window1().*table.results)();
        results.AddRow(t.labels[k]);
        results.setCell(int(k), 1, holding);
        Window1().Refresh(true);
    }
}

void makeHand(const Table &table) {
    clear(table);
    buildDeck(table);
    table.deck.Shuffle();
    splitIntoSuits(table);
    letterAndSort(table);
    writeSummary(table);
}

} // namespace

void getHand() { buildDeck(table1()); }
void SortIntoSuits() { splitIntoSuits(table1()); }
void ClearTables() { clear(table1()); }
void AddSortLettersAndSort() { letterAndSort(table1()); }
void GiveResults() { writeSummary(table1()); }
void MakeHand() { makeHand(table1()); }

void getHand2() { buildDeck(table2()); }
void SortIntoSuits2() { splitIntoSuits(table2()); }
void ClearTables2() { clear(table2()); }
void AddSortLettersAndSort2() { letterAndSort(table2()); }
void GiveResults2() { writeSummary(table2()); }
void MakeHand2() { makeHand(table2()); }

} // namespace Module1

// The deal: build the deck, shuffle it, split the first thirteen cards into the
// suit lists, order every suit from Ace down to 2, write the four summary rows.
// Each operation exists twice, once per hand table; both run the same code below.

#include "engine/handtables.h"
#include "engine/module1.h"
#include "framework/core/text.h"
#include "framework/core/yieldpoint.h"

#include <QVarLengthArray>
#include <array>
#include <string_view>

using namespace Qt::StringLiterals;

namespace Module1 {

namespace {

using ListAccessor = fw::Listbox &(HandTables::*)();

// One hand table as the operations see it: its deck, and how to find its suit
// lists (spades, hearts, diamonds, clubs) and its summary list in the main window.
struct Table {
    fw::StringArray &deck;
    std::array<ListAccessor, 4> suits;
    ListAccessor results;
};

Table table1() {
    return {Cards,
            {&HandTables::Spades, &HandTables::Hearts, &HandTables::Diamonds, &HandTables::Clubs},
            &HandTables::Results};
}

Table table2() {
    return {
        Cards2,
        {&HandTables::Spades2, &HandTables::Hearts2, &HandTables::Diamonds2, &HandTables::Clubs2},
        &HandTables::Results2};
}

// The texts that the suit and rank tests compare with.
constexpr std::array<std::u16string_view, 4> suitLetters{u"S", u"H", u"D", u"C"};
constexpr std::array<std::u16string_view, 13> ranks{u"A", u"K", u"Q", u"J", u"10", u"9", u"8",
                                                    u"7", u"6", u"5", u"4", u"3",  u"2"};

// Texts shared by every deal. They are literals: copying one only copies a pointer. (The rank
// that Right cuts off a card text is a small copy of its own.)
struct Texts {
    // The sort letter of each rank: ascending letters are Ace down to 2.
    std::array<QString, 13> sortLetters{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"g"_s,
                                        u"h"_s, u"i"_s, u"j"_s, u"k"_s, u"l"_s, u"m"_s};
    std::array<QString, 4> labels{u"Spades:"_s, u"Hearts:"_s, u"Diamonds:"_s, u"Clubs:"_s};
    // Every card text in deck order: suit letter, then rank text.
    std::array<QString, 52> cards{
        u"SA"_s, u"SK"_s, u"SQ"_s, u"SJ"_s,  u"S10"_s, u"S9"_s, u"S8"_s, u"S7"_s,  u"S6"_s,
        u"S5"_s, u"S4"_s, u"S3"_s, u"S2"_s,  u"HA"_s,  u"HK"_s, u"HQ"_s, u"HJ"_s,  u"H10"_s,
        u"H9"_s, u"H8"_s, u"H7"_s, u"H6"_s,  u"H5"_s,  u"H4"_s, u"H3"_s, u"H2"_s,  u"DA"_s,
        u"DK"_s, u"DQ"_s, u"DJ"_s, u"D10"_s, u"D9"_s,  u"D8"_s, u"D7"_s, u"D6"_s,  u"D5"_s,
        u"D4"_s, u"D3"_s, u"D2"_s, u"CA"_s,  u"CK"_s,  u"CQ"_s, u"CJ"_s, u"C10"_s, u"C9"_s,
        u"C8"_s, u"C7"_s, u"C6"_s, u"C5"_s,  u"C4"_s,  u"C3"_s, u"C2"_s};
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
    for (int i = 0; i <= 12; ++i) {
        const QString &card = table.deck[i];
        const std::u16string_view suit = fw::codeUnits(card).substr(0, 1);
        HandTables &window = Window1();
        for (std::size_t s = 0; s < 4; ++s) {
            if (suit == suitLetters[s]) {
                (window.*table.suits[s])().AddRow(fw::Right(card, fw::Len(card) - 1));
                break;
            }
        }
        window.Refresh(true);
        fw::yieldPoint();
    }
}

void clear(const Table &table) {
    HandTables &window = Window1();
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
                if (fw::codeUnits(list.Cell(r, 0)) == ranks[k])
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
        // Gathered on the stack and made a text once, with one allocation of the
        // right size; thirteen ranks with the blanks take 27 characters.
        QVarLengthArray<QChar, 32> holding;
        for (int i = 0; i <= list.ListCount() - 1; ++i) {
            const QString &rank = list.Cell(i, 0);
            holding.append(rank.constData(), rank.size());
            holding.append(QLatin1Char(' '));
            fw::yieldPoint();
        }
        fw::Listbox &results = (Window1().*table.results)();
        results.AddRow(t.labels[k]);
        results.setCell(int(k), 1, QString(holding.constData(), holding.size()));
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

void getHand() {
    buildDeck(table1());
}
void SortIntoSuits() {
    splitIntoSuits(table1());
}
void ClearTables() {
    clear(table1());
}
void AddSortLettersAndSort() {
    letterAndSort(table1());
}
void GiveResults() {
    writeSummary(table1());
}
void MakeHand() {
    makeHand(table1());
}

void getHand2() {
    buildDeck(table2());
}
void SortIntoSuits2() {
    splitIntoSuits(table2());
}
void ClearTables2() {
    clear(table2());
}
void AddSortLettersAndSort2() {
    letterAndSort(table2());
}
void GiveResults2() {
    writeSummary(table2());
}
void MakeHand2() {
    makeHand(table2());
}

} // namespace Module1

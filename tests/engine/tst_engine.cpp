#include "wiredhandtables.h"

#include "engine/module1.h"

#include <QTest>
#include <memory>

using namespace Module1;
using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<WiredHandTables> tables;

const QStringList ranks = {"A", "K", "Q", "J", "10", "9", "8", "7", "6", "5", "4", "3", "2"};

QStringList deck(const fw::StringArray &cards) {
    QStringList texts;
    for (int i = 0; i <= cards.Ubound(); ++i)
        texts << cards[i];
    return texts;
}

// A hand table's lists, spades to clubs and then the summary: each list's rows, "cell,cell".
QStringList tableTexts(bool second) {
    HandTables &t = *tables;
    const QList<fw::Listbox *> lists = {&t.Spades(),  &t.Hearts(),  &t.Diamonds(), &t.Clubs(),
                                        &t.Results(), &t.Spades2(), &t.Hearts2(),  &t.Diamonds2(),
                                        &t.Clubs2(),  &t.Results2()};
    QStringList texts;
    for (fw::Listbox *list : lists.mid(second ? 5 : 0, 5)) {
        QStringList rows;
        for (int r = 0; r < list->ListCount(); ++r)
            rows << list->Cell(r, 0) + u',' + list->Cell(r, 1);
        texts << rows.join(u' ');
    }
    return texts;
}

// Deals the given cards as the first thirteen of a deck, step by step.
void dealByHand(const QString &cards) {
    for (int i = 0; i < 13; ++i)
        Cards[i] = cards.split(u' ')[i];
    SortIntoSuits();
}

} // namespace

class EngineTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        tables = std::make_unique<WiredHandTables>();
        setWindowAccessor([]() -> HandTables & { return *tables; });
        initialise();
    }
    void cleanup() { release(); }

    // Spades, hearts, diamonds, clubs, each from the Ace down; a deal only reorders the deck.
    void getHandOrdersTheDeckAndADealOnlyPermutesIt() {
        getHand();
        QStringList expected;
        for (const char *suit : {"S", "H", "D", "C"})
            for (const QString &rank : ranks)
                expected << QLatin1String(suit) + rank;
        QCOMPARE(deck(Cards), expected);
        MakeHand();
        QStringList dealt = deck(Cards);
        std::sort(expected.begin(), expected.end());
        std::sort(dealt.begin(), dealt.end());
        QCOMPARE(dealt, expected);
    }

    // A hand dealt card by card, a void suit in it: each suit list sorted on its sort letters,
    // then the summary, the void with an empty holding.
    void aHandTableBuiltByHand() {
        ClearTables(); // on empty lists
        dealByHand(u"H2 D10 CA HK C3 D4 H10 CQ DA C7 HJ D9 C10"_s);
        AddSortLettersAndSort();
        GiveResults();
        QCOMPARE(tableTexts(false).join(u'|'),
                 u"|K,b J,d 10,e 2,m|A,a 10,e 9,f 4,k|A,a Q,c 10,e 7,h 3,l|Spades:, Hearts:,K J 10 "
                 u"2  Diamonds:,A 10 9 4  Clubs:,A Q 10 7 3 "_s);
    }

    // Each twin deals from its own deck into its own table and leaves the other's alone.
    void twinsKeepToTheirOwnDeckAndTable() {
        MakeHand();
        const QStringList deck1 = deck(Cards), table1 = tableTexts(false);
        MakeHand2();
        QCOMPARE(deck(Cards), deck1);
        QCOMPARE(tableTexts(false), table1);
        const QStringList deck2 = deck(Cards2), table2 = tableTexts(true);
        QCOMPARE(table2.join(QString()).count(u','), 13 + 4); // a row each
        MakeHand();
        QCOMPARE(deck(Cards2), deck2);
        QCOMPARE(tableTexts(true), table2);
    }
};

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"

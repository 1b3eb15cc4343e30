#include "wiredhandtables.h"

#include "engine/module1.h"

#include <QSet>
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
void dealByHand(const QString &cards, bool second = false) {
    for (int i = 0; i < 13; ++i)
        (second ? Cards2 : Cards)[i] = cards.split(u' ')[i];
    second ? SortIntoSuits2() : SortIntoSuits();
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

    // Spades, hearts, diamonds, clubs, each from the Ace down; each deal shuffles anew, never
    // growing, shrinking or repeating the deck, and leaves no row of the last one.
    void getHandOrdersTheDeckAndADealOnlyPermutesIt() {
        getHand();
        QStringList expected;
        for (const char *suit : {"S", "H", "D", "C"})
            for (const QString &rank : ranks)
                expected << QLatin1String(suit) + rank;
        QCOMPARE(deck(Cards), expected);
        std::sort(expected.begin(), expected.end());
        QSet<QStringList> decks;
        for (int round = 0; round < 50; ++round) {
            MakeHand();
            QStringList dealt = deck(Cards);
            decks << dealt;
            std::sort(dealt.begin(), dealt.end());
            QCOMPARE(dealt, expected);
            QCOMPARE(tableTexts(false).join(QString()).count(u','), 13 + 4); // a row each
        }
        QCOMPARE(decks.size(), 50);
    }

    void handTablesBuiltByHand_data() {
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("table"); // the suit lists' rows, then the summary's
        QTest::newRow("void suit")
            << "H2 D10 CA HK C3 D4 H10 CQ DA C7 HJ D9 C10"
            << "|K,b J,d 10,e 2,m|A,a 10,e 9,f 4,k|A,a Q,c 10,e 7,h 3,l|Spades:, Hearts:,K J 10 2  "
               "Diamonds:,A 10 9 4  Clubs:,A Q 10 7 3 ";
        QTest::newRow("thirteen of one suit") << "S2 S3 S4 S5 S6 S7 S8 S9 S10 SJ SQ SK SA"
                                              << "A,a K,b Q,c J,d 10,e 9,f 8,g 7,h 6,i 5,j 4,k 3,l "
                                                 "2,m||||Spades:,A K Q J 10 9 8 7 6 5 "
                                                 "4 3 2  Hearts:, Diamonds:, Clubs:,";
    }
    void handTablesBuiltByHand() {
        QFETCH(QString, hand);
        ClearTables(); // on empty lists
        dealByHand(hand);
        AddSortLettersAndSort();
        GiveResults();
        QTEST(tableTexts(false).join(u'|'), "table");
    }

    // Each twin deals from its own deck into its own table and leaves the other's alone.
    void twinsKeepToTheirOwnDeckAndTable() {
        MakeHand();
        const QStringList deck1 = deck(Cards), table1 = tableTexts(false);
        dealByHand(u"C3 CJ C9 CA S4 H6 D8 S10 HQ DK SA H2 D5"_s, true);
        AddSortLettersAndSort2();
        GiveResults2();
        QCOMPARE(tableTexts(true).last(),
                 u"Spades:,A 10 4  Hearts:,Q 6 2  Diamonds:,K 8 5  Clubs:,A J 9 3 "_s);
        MakeHand2();
        QCOMPARE(deck(Cards), deck1);
        QCOMPARE(tableTexts(false), table1);
        const QStringList deck2 = deck(Cards2), table2 = tableTexts(true);
        MakeHand();
        QCOMPARE(deck(Cards2), deck2);
        QCOMPARE(tableTexts(true), table2);
        ClearTables();
        ClearTables2();
        QCOMPARE(tableTexts(false) + tableTexts(true), QStringList(10, QString()));
    }
};

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"

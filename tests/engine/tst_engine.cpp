#include "wiredhandtables.h"

#include "engine/module1.h"
#include "framework/core/exceptions.h"

#include <QSet>
#include <QTest>
#include <memory>

using namespace Module1;
using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<WiredHandTables> tables;

const QStringList ranks = {"A", "K", "Q", "J", "10", "9", "8", "7", "6", "5", "4", "3", "2"};
const QString letters = u"abcdefghijklm"_s;

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

// The five lists of a hand table: the four suits, then Results.
QList<fw::Listbox *> table(bool second) {
    HandTables &t = *tables;
    if (second)
        return {&t.Spades2(), &t.Hearts2(), &t.Diamonds2(), &t.Clubs2(), &t.Results2()};
    return {&t.Spades(), &t.Hearts(), &t.Diamonds(), &t.Clubs(), &t.Results()};
}

QStringList tableTexts(bool second) {
    QStringList texts;
    for (fw::Listbox *list : table(second))
        texts << (column(*list, 0) + column(*list, 1)).join(u',');
    return texts;
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

    // (The page labels are checked where the page draws them.)
    void releaseEmptiesTheStateAndWithoutAWindowEveryOperationRaises() {
        Spades5 = u"A K "_s;
        release();
        QCOMPARE(Cards.Ubound() + Cards2.Ubound(), -2);
        QCOMPARE(Title1 + Points1 + Points2 + Points8 + Bid + Spades5, QString());
        setWindowAccessor(nullptr);
        QVERIFY_THROWS_EXCEPTION(fw::NilObjectException, ClearTables2());
    }

    void getHandOrdersTheDeckAndADealOnlyPermutesIt() {
        getHand();
        const QStringList ordered = deck(Cards);
        QStringList expected;
        for (const char *suit : {"S", "H", "D", "C"})
            for (const QString &rank : ranks)
                expected << QLatin1String(suit) + rank;
        QCOMPARE(ordered, expected);
        std::sort(expected.begin(), expected.end());
        const QStringList &sorted = expected;
        // A deal never grows, shrinks or repeats the deck, and leaves no row of the last one;
        // each deal shuffles anew.
        QSet<QStringList> decks;
        for (int round = 0; round < 50; ++round) {
            MakeHand();
            QStringList dealt = deck(Cards);
            decks << dealt;
            std::sort(dealt.begin(), dealt.end());
            QCOMPARE(dealt, sorted);
            QCOMPARE(column(tables->Results(), 1).join(QString()).count(u' '), 13);
        }
        QCOMPARE(decks.size(), 50);
    }

    void handTablesBuiltByHand_data() {
        QTest::addColumn<QString>("hand");
        QTest::addColumn<int>("sorts");
        QTest::addColumn<QString>("holdings"); // the four rows of Results, cut at "|"
        QTest::newRow("void suit") << "H2 D10 CA HK C3 D4 H10 CQ DA C7 HJ D9 C10" << 1
                                   << "|K J 10 2 |A 10 9 4 |A Q 10 7 3 ";
        QTest::newRow("thirteen of one suit")
            << "S2 S3 S4 S5 S6 S7 S8 S9 S10 SJ SQ SK SA" << 1 << "A K Q J 10 9 8 7 6 5 4 3 2 |||";
        QTest::newRow("10, A, 2") << "H10 HA H2 S3 S6 S9 D4 DQ C8 CJ C5 S7 D2" << 1
                                  << "9 7 6 3 |A 10 2 |Q 4 2 |J 8 5 ";
        QTest::newRow("two sorts in a row")
            << "S5 SK S10 HQ H2 D3 DJ C4 CK S2 SA D10 C9" << 2 << "A K 10 5 2 |Q 2 |J 10 3 |K 9 4 ";
    }

    void handTablesBuiltByHand() {
        QFETCH(QString, hand);
        QFETCH(int, sorts);
        QFETCH(QString, holdings);
        QVERIFY(!tables->Clubs().SortColumnHandler); // clubs sort with no SortColumn handler
        ClearTables();                               // DeleteAllRows on empty lists
        for (int i = 0; i < 13; ++i)
            Cards[i] = hand.split(u' ')[i];
        SortIntoSuits();
        for (int n = 0; n < sorts; ++n)
            AddSortLettersAndSort();
        GiveResults();
        QCOMPARE(column(tables->Results(), 1).join(u'|'), holdings);
        for (const fw::Listbox *list : table(false).first(4))
            for (int r = 0; r < list->ListCount(); ++r)
                QCOMPARE(list->Cell(r, 1), QString(letters.at(ranks.indexOf(list->Cell(r, 0)))));
    }

    void twinsKeepToTheirOwnTableAndRedrawPerStep() {
        MakeHand();
        const QStringList deck1 = deck(Cards), table1 = tableTexts(false);
        const long long &redraws = tables->redraws;
        QCOMPARE(redraws, 18);
        const QStringList hand = u"C3 CJ C9 CA S4 H6 D8 S10 HQ DK SA H2 D5"_s.split(u' ');
        for (int i = 0; i < 13; ++i)
            Cards2[i] = hand[i];
        SortIntoSuits2();
        QCOMPARE(redraws, 18 + 13); // one per card
        AddSortLettersAndSort2();
        QCOMPARE(redraws, 18 + 14); // one after the fourth list
        GiveResults2();
        QCOMPARE(redraws, 18 + 18); // one per summary row
        QCOMPARE(column(tables->Results2(), 1).join(u'|'), u"A 10 4 |Q 6 2 |K 8 5 |A J 9 3 "_s);
        MakeHand2();
        QCOMPARE(deck(Cards), deck1);
        QCOMPARE(tableTexts(false), table1);
        const QStringList deck2 = deck(Cards2), table2 = tableTexts(true);
        MakeHand();
        QCOMPARE(deck(Cards2), deck2);
        QCOMPARE(tableTexts(true), table2);
        ClearTables();
        ClearTables2();
        QCOMPARE(redraws, 72); // clearing redraws nothing
        QCOMPARE(tableTexts(false) + tableTexts(true), QStringList(10, QString()));
    }

    void rowCountsAreReadAfreshOnEveryPass() {
        // A row added while a suit is being lettered is lettered too.
        struct AddsATwo : fw::ListboxWatcher {
            void listChanged() override {
                if (watched()->ListCount() == 1)
                    watched()->AddRow(QStringLiteral("2"));
            }
        } addsATwo;
        fw::Listbox &hearts = tables->Hearts();
        hearts.AddRow(QStringLiteral("K"));
        addsATwo.watch(&hearts);
        AddSortLettersAndSort();
        QCOMPARE(column(hearts, 0) + column(hearts, 1), QStringList({"K", "2", "b", "m"}));
    }
};

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"

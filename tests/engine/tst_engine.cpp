#include "engine/module1.h"
#include "tests/support/wiredhandtables.h"

#include <QTest>
#include <memory>

using namespace Module1;
using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<WiredHandTables> tables;

const QStringList suitLetters{u"S"_s, u"H"_s, u"D"_s, u"C"_s};
const QStringList labels{u"Spades:"_s, u"Hearts:"_s, u"Diamonds:"_s, u"Clubs:"_s};
const QStringList ranks{u"A"_s, u"K"_s, u"Q"_s, u"J"_s, u"10"_s, u"9"_s, u"8"_s,
                        u"7"_s, u"6"_s, u"5"_s, u"4"_s, u"3"_s, u"2"_s};

QStringList entries(const fw::StringArray &deck) {
    QStringList texts;
    for (int i = 0; i <= deck.Ubound(); ++i)
        texts << deck[i];
    return texts;
}

// A hand table's four suit lists and then its summary: each list's rows, "cell,cell", joined by
// blanks.
QStringList table(int number) {
    HandTables &t = *tables;
    const QList<fw::Listbox *> lists =
        number == 1 ? QList{&t.Spades(), &t.Hearts(), &t.Diamonds(), &t.Clubs(), &t.Results()}
                    : QList{&t.Spades2(), &t.Hearts2(), &t.Diamonds2(), &t.Clubs2(), &t.Results2()};
    QStringList texts;
    for (fw::Listbox *list : lists) {
        QStringList rows;
        for (int r = 0; r < list->ListCount(); ++r)
            rows << list->Cell(r, 0) + u',' + list->Cell(r, 1);
        texts << rows.join(u' ');
    }
    return texts;
}

// The table that a deal of the deck's first thirteen cards must leave: each suit's ranks from
// the Ace down with their sort letters "a" to "m", then the four summary rows.
QStringList dealtFrom(const fw::StringArray &deck) {
    const QStringList hand = entries(deck).mid(0, 13);
    QStringList texts, summary;
    for (int s = 0; s < 4; ++s) {
        QStringList rows;
        QString holding;
        for (int r = 0; r < 13; ++r) {
            if (!hand.contains(suitLetters[s] + ranks[r]))
                continue;
            rows << ranks[r] + u',' + QChar(u'a' + r);
            holding += ranks[r] + u' ';
        }
        texts << rows.join(u' ');
        summary << labels[s] + u',' + holding;
    }
    return texts << summary.join(u' ');
}

} // namespace

// The deal engine on its own, with no window: the deck, and the two hand tables that the hand on
// show and the page of hands are dealt into.
class EngineTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        tables = std::make_unique<WiredHandTables>();
        setWindowAccessor([]() -> HandTables & { return *tables; });
        initialise();
    }
    void cleanup() {
        release();
        setWindowAccessor(nullptr);
    }

    // Both decks are built spades, hearts, diamonds, clubs, each from the Ace down; a deal only
    // reorders a deck.
    void buildsEachDeckInOrderAndADealOnlyShufflesIt() {
        QStringList ordered;
        for (const QString &suit : suitLetters)
            for (const QString &rank : ranks)
                ordered << suit + rank;
        getHand();
        getHand2();
        QCOMPARE(entries(Cards), ordered);
        QCOMPARE(entries(Cards2), ordered);
        MakeHand();
        MakeHand2();
        std::sort(ordered.begin(), ordered.end());
        for (QStringList dealt : {entries(Cards), entries(Cards2)}) {
            std::sort(dealt.begin(), dealt.end());
            QCOMPARE(dealt, ordered);
        }
    }

    // Each table is dealt from its own deck into its own lists, and a deal into one, New Hand's
    // clearing included, leaves the other table and its deck as they were.
    void eachTableDealsFromItsOwnDeckAndLeavesTheOthersAlone() {
        MakeHand();
        QCOMPARE(table(1), dealtFrom(Cards));
        const QStringList deck1 = entries(Cards), table1 = table(1);

        MakeHand2();
        QCOMPARE(table(2), dealtFrom(Cards2));
        QCOMPARE(entries(Cards), deck1);
        QCOMPARE(table(1), table1);
        const QStringList deck2 = entries(Cards2), table2 = table(2);

        ClearTables(); // as New Hand does before its deal
        MakeHand();
        QCOMPARE(table(1), dealtFrom(Cards));
        QCOMPARE(entries(Cards2), deck2);
        QCOMPARE(table(2), table2);
    }
};

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"

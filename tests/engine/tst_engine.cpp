#include "wiredhandtables.h"

#include "engine/module1.h"

#include <QTest>
#include <memory>

using namespace Module1;
using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<WiredHandTables> tables;

// Hand table 1, spades to clubs and then the summary: each list's rows, "cell,cell".
QStringList tableTexts() {
    QStringList texts;
    for (fw::Listbox *list : {&tables->Spades(), &tables->Hearts(), &tables->Diamonds(),
                              &tables->Clubs(), &tables->Results()}) {
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

    // A hand dealt card by card, a void suit in it: each suit list sorted on its sort letters,
    // then the summary, the void with an empty holding.
    void aHandTableBuiltByHand() {
        ClearTables(); // on empty lists
        dealByHand(u"H2 D10 CA HK C3 D4 H10 CQ DA C7 HJ D9 C10"_s);
        AddSortLettersAndSort();
        GiveResults();
        QCOMPARE(tableTexts().join(u'|'),
                 u"|K,b J,d 10,e 2,m|A,a 10,e 9,f 4,k|A,a Q,c 10,e 7,h 3,l|Spades:, Hearts:,K J 10 "
                 u"2  Diamonds:,A 10 9 4  Clubs:,A Q 10 7 3 "_s);
    }
};

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"

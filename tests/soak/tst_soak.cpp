// Thousands of real clicks in one process: every hand stays a hand, and memory
// stops growing once the program has warmed up.
#include "app/startup.h"
#include "engine/module1.h"
#include "windows/window1.h"

#include <QRegularExpression>
#include <QTest>
#include <fstream>
#include <unistd.h>

namespace {

long residentKilobytes() {
    long size = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The four holdings that a table's suit lists make: each rank followed by one blank.
QStringList holdings(std::initializer_list<const fw::Listbox *> suits) {
    QStringList texts;
    for (const fw::Listbox *suit : suits) {
        QString &text = texts.emplace_back();
        for (int r = 0; r < suit->ListCount(); ++r)
            text += suit->Cell(r, 0) + u' ';
    }
    return texts;
}

QStringList summaryRows(const fw::Listbox &results) {
    QStringList texts;
    for (int r = 0; r < results.ListCount(); ++r)
        texts << results.Cell(r, 1);
    return texts;
}

// A hand: four holdings of thirteen cards in all, each suit from the Ace down, each rank once
// and followed by one blank.
bool isHand(const QStringList &hand) {
    static const QRegularExpression fourSuits(QStringLiteral(
        "^((A )?(K )?(Q )?(J )?(10 )?(9 )?(8 )?(7 )?(6 )?(5 )?(4 )?(3 )?(2 )?\\|){4}$"));
    return fourSuits.match(hand.join(u'|') + u'|').hasMatch() &&
           hand.join(QString()).count(u' ') == 13;
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(startUp()); }
    void cleanup() { shutDown(); }

    // "Show Page of Hands" after every tenth "New Hand": every hand on show and on the page is
    // checked, and resident memory after round 100 is the baseline.
    void tenThousandNewHandsAndAThousandPages() {
        Window1 &w = Window1::instance();
        long warm = 0;
        for (int round = 1; round <= 10000; ++round) {
            QTest::mouseClick(&w.NewHand(), Qt::LeftButton);
            QList<QStringList> hands{summaryRows(w.Results())};
            QCOMPARE(hands[0], holdings({&w.Spades(), &w.Hearts(), &w.Diamonds(), &w.Clubs()}));
            if (round % 10 == 0) {
                QTest::mouseClick(&w.PageOfHands(), Qt::LeftButton);
                QCoreApplication::processEvents(); // paint the page and the list
                for (int n = 0; n < 8; ++n)
                    hands << QStringList{Module1::SpadesOfHand[n], Module1::HeartsOfHand[n],
                                         Module1::DiamondsOfHand[n], Module1::ClubsOfHand[n]};
                // Table 2 holds hand 8, the last one dealt.
                QCOMPARE(summaryRows(w.Results2()), hands.last());
                QCOMPARE(holdings({&w.Spades2(), &w.Hearts2(), &w.Diamonds2(), &w.Clubs2()}),
                         hands.last());
            }
            for (const QStringList &hand : hands)
                QVERIFY2(isHand(hand), qPrintable(QString::number(round) + u' ' + hand.join(u'|')));
            if (round == 100)
                warm = residentKilobytes();
        }
        qInfo("resident memory grew by %ld kB after round 100", residentKilobytes() - warm);
        // AddressSanitizer keeps freed memory in quarantine, so memory grows under it.
#if !defined(__SANITIZE_ADDRESS__)
        QVERIFY2(residentKilobytes() - warm < 2048, "memory grew by 2 MiB after round 100");
#endif
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"

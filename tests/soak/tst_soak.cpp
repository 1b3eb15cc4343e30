// Thousands of real clicks in one process: every hand stays a hand, and memory
// stops growing once the program has warmed up.
#include "app/startup.h"
#include "engine/module1.h"
#include "windows/window1.h"

#include <QFile>
#include <QSet>
#include <QTest>

namespace {

const QStringList ranks = {"A", "K", "Q", "J", "10", "9", "8", "7", "6", "5", "4", "3", "2"};

// AddressSanitizer keeps freed memory in quarantine to catch its later use, so
// resident memory grows under it whatever the program does.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool memoryIsMeaningful = false;
#else
constexpr bool memoryIsMeaningful = true;
#endif

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// A hand table holds thirteen different cards, each suit ordered Ace down, and
// summary rows that say exactly what the suit lists hold. Returns what is wrong.
QString checkTable(const std::array<fw::Listbox *, 4> &suits, const fw::Listbox &results) {
    QSet<QString> cards;
    if (results.ListCount() != 4)
        return QStringLiteral("%1 summary rows").arg(results.ListCount());
    for (int s = 0; s < 4; ++s) {
        QString holding;
        int previous = -1;
        for (int r = 0; r < suits[s]->ListCount(); ++r) {
            const QString rank = suits[s]->Cell(r, 0);
            const int place = ranks.indexOf(rank);
            if (place <= previous)
                return QStringLiteral("suit %1 out of order at %2").arg(s).arg(rank);
            previous = place;
            cards.insert(QString::number(s) + rank);
            holding += rank + u' ';
        }
        if (results.Cell(s, 1) != holding)
            return QStringLiteral("summary row %1 reads '%2'").arg(s).arg(results.Cell(s, 1));
    }
    return cards.size() == 13 ? QString() : QStringLiteral("%1 cards").arg(cards.size());
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(startUp()); }
    void cleanup() { shutDown(); }

    void tenThousandNewHands() {
        Window1 &w = Window1::instance();
        long warm = 0;
        for (int round = 1; round <= 10000; ++round) {
            QTest::mouseClick(&w.NewHand(), Qt::LeftButton);
            const QString fault = checkTable({&w.Spades(), &w.Hearts(), &w.Diamonds(), &w.Clubs()}, w.Results());
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("round %1: %2").arg(round).arg(fault)));
            if (round % 100 == 0)
                QCoreApplication::processEvents(); // let the list repaint
            if (round == 100)
                warm = residentKilobytes();
        }
        qInfo("resident memory grew by %ld kB after round 100", residentKilobytes() - warm);
        if (memoryIsMeaningful)
            QVERIFY2(residentKilobytes() - warm < 2048, "memory grew by 2 MiB or more after warming up");
    }

    void aThousandPagesOfHands() {
        Window1 &w = Window1::instance();
        long warm = 0;
        for (int round = 1; round <= 1000; ++round) {
            QTest::mouseClick(&w.PageOfHands(), Qt::LeftButton);
            QCoreApplication::processEvents(); // paint the page
            // Table 2 holds hand 8, and every page holding is a holding text.
            const QString fault = checkTable({&w.Spades2(), &w.Hearts2(), &w.Diamonds2(), &w.Clubs2()}, w.Results2());
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("round %1: %2").arg(round).arg(fault)));
            QCOMPARE(Module1::Clubs8, w.Results2().Cell(3, 1));
            int cards = 0;
            for (const QString *hand : {Module1::SpadesOfHand, Module1::HeartsOfHand,
                                        Module1::DiamondsOfHand, Module1::ClubsOfHand})
                for (int n = 0; n < 8; ++n)
                    cards += int(hand[n].count(u' '));
            QCOMPARE(cards, 8 * 13);
            if (round == 100)
                warm = residentKilobytes();
        }
        qInfo("resident memory grew by %ld kB after round 100", residentKilobytes() - warm);
        if (memoryIsMeaningful)
            QVERIFY2(residentKilobytes() - warm < 2048, "memory grew by 2 MiB or more after warming up");
    }
};

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"

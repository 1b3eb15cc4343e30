#include "tst_core.h"

#include "framework/core/exceptions.h"
#include "framework/core/stringarray.h"

#include <QSet>
#include <QTest>

using fw::StringArray;

namespace {

StringArray numbered(int count) {
    StringArray a(count - 1);
    for (int i = 0; i < count; ++i)
        a[i] = QString::number(i);
    return a;
}

QStringList entries(const StringArray &a) {
    QStringList list;
    for (int i = 0; i <= a.Ubound(); ++i)
        list << a[i];
    return list;
}

} // namespace

void StringArrayTest::hasFixedBoundsAndRaisesOutside() {
    StringArray deck(51);
    QCOMPARE(deck.Ubound(), 51);
    QCOMPARE(deck[51], QString());
    QVERIFY_THROWS_EXCEPTION(fw::OutOfBoundsException, deck[52]);
    QVERIFY_THROWS_EXCEPTION(fw::OutOfBoundsException, deck[-1]);
    StringArray none;
    QCOMPARE(none.Ubound(), -1);
    QVERIFY_THROWS_EXCEPTION(fw::OutOfBoundsException, none[0]);
    none.Shuffle(); // nothing to move, nothing to break
}

void StringArrayTest::shuffleIsAPermutation() {
    StringArray a = numbered(52);
    const QStringList before = entries(a);
    a.Shuffle();
    const QStringList after = entries(a);
    QCOMPARE(after.size(), 52);
    QCOMPARE(QSet<QString>(after.begin(), after.end()), QSet<QString>(before.begin(), before.end()));
    QVERIFY(after != before); // 1 chance in 52! of failing
}

void StringArrayTest::seededShuffleIsRepeatable() {
    fw::seedShuffleForTesting(2026);
    StringArray a = numbered(52);
    a.Shuffle();
    fw::seedShuffleForTesting(2026);
    StringArray b = numbered(52);
    b.Shuffle();
    QCOMPARE(entries(a), entries(b));
    fw::seedShuffleForTesting(2027);
    StringArray c = numbered(52);
    c.Shuffle();
    QVERIFY(entries(a) != entries(c));
}

void StringArrayTest::shuffleReachesEveryPositionEvenly() {
    // 52,000 shuffles of a 52-entry array: each entry should land in each position
    // about 1,000 times. With a standard deviation of about 31, a count outside
    // 800..1,200 (more than six deviations) means a biased shuffle, not bad luck.
    fw::seedShuffleForTesting(7);
    std::vector<std::array<int, 52>> counts(52, std::array<int, 52>{});
    StringArray a = numbered(52);
    for (int round = 0; round < 52000; ++round) {
        a.Shuffle();
        for (int position = 0; position < 52; ++position)
            ++counts[std::size_t(a[position].toInt())][std::size_t(position)];
    }
    for (const auto &row : counts)
        for (int n : row)
            QVERIFY2(n > 800 && n < 1200, qPrintable(QString::number(n)));
}

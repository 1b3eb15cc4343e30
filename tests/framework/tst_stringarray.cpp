#include "tst_core.h"

#include "framework/core/exceptions.h"
#include "framework/core/stringarray.h"

#include <QTest>
#include <array>

namespace {

fw::StringArray numbered() {
    fw::StringArray a(51);
    for (int i = 0; i <= 51; ++i)
        a[i] = QString::number(i);
    return a;
}

} // namespace

void StringArrayTest::boundsAndSeededShuffle() {
    fw::StringArray a = numbered(), b = numbered();
    QVERIFY_THROWS_EXCEPTION(fw::OutOfBoundsException, a[52]);
    QVERIFY_THROWS_EXCEPTION(fw::OutOfBoundsException, a[-1]);
    fw::seedShuffleForTesting(2026);
    a.Shuffle();
    fw::seedShuffleForTesting(2026);
    b.Shuffle();
    for (int i = 0; i <= 51; ++i)
        QCOMPARE(b[i], a[i]);
}

void StringArrayTest::shuffleReachesEveryPositionEvenly() {
    // 52,000 shuffles, each from the same order (shuffling the last result again
    // would hide a bias): each entry lands in each position about 1,000 times, with
    // a standard deviation of about 31. Outside 800..1,200 means a biased shuffle.
    fw::seedShuffleForTesting(7);
    std::array<std::array<int, 52>, 52> counts{};
    for (int round = 0; round < 52000; ++round) {
        fw::StringArray a = numbered();
        a.Shuffle();
        for (int position = 0; position < 52; ++position)
            ++counts[std::size_t(a[position].toInt())][std::size_t(position)];
    }
    for (const auto &entry : counts)
        for (const int n : entry)
            QVERIFY2(n > 800 && n < 1200, qPrintable(QString::number(n)));
}

#include "tst_app.h"

#include "app/app.h"
#include "app/startup.h"
#include "engine/module1.h"
#include "framework/ui/screen.h"

#include <QTest>
#include <cmath>
#include <limits>

using IntList = QList<int>;

namespace {

IntList allNumbers() {
    IntList n;
    for (int x : Module1::X)
        n << x;
    for (int y : Module1::Y)
        n << y;
    n << Module1::Window2Height << Module1::Window2Width << Module1::TextFontSize;
    return n;
}

const IntList base = {10,  25,  120, 330, 425, 130,                                // X0-X5
                      20,  70,  90,  110, 130, 170, 190, 250, 270, 290, 310, 350, 370, // Y0-Y12
                      430, 450, 470, 490, 530, 550, 610, 630, 650, 670, 710, 730, 780, // Y13-Y25
                      792, 612, 14};

IntList scaled(double scale) {
    IntList n;
    for (int b : base)
        n << int(std::lround(b * scale));
    return n;
}

} // namespace

void LayoutNumbersTest::init() { QVERIFY(startUp()); }

void LayoutNumbersTest::cleanup() {
    fw::setScreenAvailableHeightForTesting(-1);
    shutDown();
}

void LayoutNumbersTest::setUpXYFollowsTheAvailableHeight_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("scale");
    QTest::addColumn<IntList>("numbers");
    QTest::newRow("893: full size") << 893 << 0.0 << base;
    QTest::newRow("1440: full size") << 1440 << 0.0 << base;
    const double at892 = 792.0 / 892.0;
    QTest::newRow("892: scaled") << 892 << at892 << scaled(at892);
    QTest::newRow("546: half size") << 546 << 0.5 << scaled(0.5);
    QTest::newRow("100: nothing left") << 100 << 0.0 << IntList(35, 0);
    const double at40 = -60.0 / 892.0;
    QTest::newRow("40: below zero") << 40 << at40 << scaled(at40);
}

void LayoutNumbersTest::setUpXYFollowsTheAvailableHeight() {
    QFETCH(int, height);
    QFETCH(double, scale);
    QFETCH(IntList, numbers);
    Module1::Scale = 0.0;
    fw::setScreenAvailableHeightForTesting(height);
    App::instance().SetUpXY();
    QCOMPARE(Module1::Scale, scale);
    QCOMPARE(allNumbers(), numbers);
}

void LayoutNumbersTest::fullSizeLeavesScaleAlone() {
    // Worked values: at 892 the window is 543 x 703, text 12, the footer at 693;
    // at 546 it is 306 x 396, text 7, X0 5, Y25 390, and the halves round up.
    fw::setScreenAvailableHeightForTesting(892);
    App::instance().SetUpXY();
    QCOMPARE(Module1::Window2Width, 543);
    QCOMPARE(Module1::Window2Height, 703);
    QCOMPARE(Module1::TextFontSize, 12);
    QCOMPARE(Module1::Y25, 693);
    fw::setScreenAvailableHeightForTesting(546);
    App::instance().SetUpXY();
    QCOMPARE(QList<int>({Module1::Window2Width, Module1::Window2Height, Module1::TextFontSize,
                         Module1::X0, Module1::Y25, Module1::X1, Module1::X4}),
             QList<int>({306, 396, 7, 5, 390, 13, 213}));
    // The full-size path writes the base values and leaves Scale as it was.
    fw::setScreenAvailableHeightForTesting(1000);
    App::instance().SetUpXY();
    QCOMPARE(Module1::Scale, 0.5);
    QCOMPARE(Module1::Window2Width, 612);
}

void LayoutNumbersTest::conversionRoundsHalvesAwayFromZero_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("12.5") << 12.5 << 13;
    QTest::newRow("-12.5") << -12.5 << -13;
    QTest::newRow("212.5") << 212.5 << 213;
    QTest::newRow("12.43") << 12.43 << 12;
    QTest::newRow("692.56") << 692.56 << 693;
    QTest::newRow("-0.4") << -0.4 << 0;
    QTest::newRow("huge") << 1e20 << std::numeric_limits<int>::max();
    QTest::newRow("-huge") << -1e20 << std::numeric_limits<int>::min();
    QTest::newRow("nan") << std::nan("") << 0;
}

void LayoutNumbersTest::conversionRoundsHalvesAwayFromZero() {
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(fw::toInt32(value), expected);
}

#pragma once

#include <QTest>

// Fails the test unless actual lies within tolerance of expected, naming both.
#define QCOMPARE_NEAR(actual, expected, tolerance)                                                 \
    QVERIFY2(qAbs(double(actual) - double(expected)) <= double(tolerance),                         \
             qPrintable(QStringLiteral("%1 is %2, expected %3 within %4")                          \
                            .arg(QLatin1String(#actual))                                           \
                            .arg(double(actual))                                                   \
                            .arg(double(expected))                                                 \
                            .arg(double(tolerance))))

#pragma once

#include <QTest>

// For fixture helpers whose checks read best as QVERIFY/QCOMPARE: a failing check returns from
// the lambda only, so the helper answers checked(...) and its caller wraps the helper in QVERIFY,
// which stops the calling test as well.
template<class Checks> [[nodiscard]] bool checked(Checks &&checks)
{
    // Once the test has failed only cleanup() runs helpers: their QVERIFY is not to report the
    // same failure again.
    const bool failedBefore = QTest::currentTestFailed();
    checks();
    return failedBefore || !QTest::currentTestFailed();
}

#include "mount/tasks/trailpoints.h"

#include <QTest>

#include <cmath>
#include <numbers>
#include <stdexcept>

using namespace Ko;

class TstTrailPoints : public QObject {
    Q_OBJECT
private slots:
    void pointTimes_data();
    void pointTimes();
    void cursorNextPoint_data();
    void cursorNextPoint();
    void cursorRefusesAUsedPoint();
    void sweepRequest_data();
    void sweepRequest();
};

void TstTrailPoints::pointTimes_data() {
    QTest::addColumn<uint32_t>("intervalUs");
    QTest::addColumn<qulonglong>("index");
    QTest::addColumn<qlonglong>("requestMs");
    QTest::addColumn<qlonglong>("segmentMs");
    // Offsets from a start at 1000 ms.
    QTest::newRow("point 0") << 50000u << 0ull << 0ll << 0ll;
    QTest::newRow("50 ms apart") << 50000u << 7ull << 350ll << 350ll;
    QTest::newRow("request truncates, segment rounds") << 1500u << 1ull << 1ll << 2ll;
    QTest::newRow("below a half rounds down") << 1400u << 1ull << 1ll << 1ll;
    // interval x index is 4.32e9 us here: a 32-bit product would have wrapped to 25 032 704 us.
    QTest::newRow("72 min of path at 50 ms") << 50000u << 86400ull << 4320000ll << 4320000ll;
    QTest::newRow("a day of path at 1 s") << 1000000u << 86400ull << 86400000ll << 86400000ll;
}

void TstTrailPoints::pointTimes() {
    QFETCH(uint32_t, intervalUs);
    QFETCH(qulonglong, index);
    QFETCH(qlonglong, requestMs);
    QFETCH(qlonglong, segmentMs);
    TrailPointsParam param;
    param.intervalUs = intervalUs;
    param.startTimeMs = 1000;
    QCOMPARE(param.pointTimeMs(index), 1000 + requestMs);
    TrailPointsSegment segment{intervalUs, 0, 1000, {}};
    QCOMPARE(segment.pointTimeMs(index), 1000 + segmentMs);
}

void TstTrailPoints::cursorNextPoint_data() {
    QTest::addColumn<uint32_t>("intervalUs");
    QTest::addColumn<uint32_t>("count");
    QTest::addColumn<uint32_t>("next");
    QTest::addColumn<qlonglong>("t");
    QTest::addColumn<int>("index"); // -1: none
    QTest::addColumn<qlonglong>("timeMs");
    // Start 10 000 ms, 10 points 100 ms apart unless said otherwise.
    QTest::newRow("before the start: point 0") << 100000u << 10u << 0u << 5000ll << 0 << 10000ll;
    QTest::newRow("at the start: point 0") << 100000u << 10u << 0u << 10000ll << 0 << 10000ll;
    QTest::newRow("passed points are skipped") << 100000u << 10u << 0u << 10250ll << 2 << 10200ll;
    QTest::newRow("next wins over time") << 100000u << 10u << 6u << 10250ll << 6 << 10600ll;
    QTest::newRow("last point") << 100000u << 10u << 0u << 10999ll << 9 << 10900ll;
    QTest::newRow("past the end: none") << 100000u << 10u << 0u << 11000ll << -1 << 0ll;
    QTest::newRow("all used: none") << 100000u << 10u << 10u << 5000ll << -1 << 0ll;
    QTest::newRow("empty segment: none") << 100000u << 0u << 0u << 5000ll << -1 << 0ll;
    QTest::newRow("time truncates to the ms") << 1500u << 10u << 0u << 10004ll << 2 << 10003ll;
    QTest::newRow("far future: none") << 100000u << 10u << 0u << (1ll << 62) << -1 << 0ll;
    QTest::newRow("zero interval: all due at once") << 0u << 3u << 1u << 20000ll << 1 << 10000ll;
}

void TstTrailPoints::cursorNextPoint() {
    QFETCH(uint32_t, intervalUs);
    QFETCH(uint32_t, count);
    QFETCH(uint32_t, next);
    QFETCH(qlonglong, t);
    QFETCH(int, index);
    QFETCH(qlonglong, timeMs);
    const TrailPointsCursor cursor(10000, intervalUs, count, next);
    TrailPointsCursor::Point p;
    QCOMPARE(cursor.nextPointAt(t, &p), index >= 0);
    if (index >= 0) {
        QCOMPARE(p.index, static_cast<uint32_t>(index));
        QCOMPARE(p.timeMs, timeMs);
    }
}

void TstTrailPoints::cursorRefusesAUsedPoint() {
    TrailPointsSegment segment{100000, 40, 10000, std::vector<std::pair<double, double>>(5)};
    TrailPointsCursor cursor(segment, 1);
    QCOMPARE(cursor.count(), 5u);
    cursor.markUsed(3);
    QCOMPARE(cursor.next(), 4u);
    TrailPointsCursor::Point p;
    QVERIFY(cursor.nextPointAt(0, &p));
    QCOMPARE(p.index, 4u);
    try {
        cursor.markUsed(2);
        QFAIL("marking an index below next must throw");
    } catch (const std::logic_error& e) {
        QCOMPARE(e.what(), "Used point already recorded");
    }
    QVERIFY_THROWS_EXCEPTION(std::logic_error, cursor.markUsed(3));
    cursor.markUsed(4);
    QVERIFY(!cursor.nextPointAt(0, &p));
}

void TstTrailPoints::sweepRequest_data() {
    QTest::addColumn<double>("rateDps");
    QTest::addColumn<uint32_t>("intervalMs");
    QTest::addColumn<double>("startDeg");
    QTest::addColumn<double>("endDeg");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("stepDeg");
    QTest::newRow("page defaults") << 0.125 << 50u << -20.0 << 20.0 << 6400 << 0.00625;
    QTest::newRow("sign of the rate is ignored")
        << -0.125 << 50u << -20.0 << 20.0 << 6400 << 0.00625;
    QTest::newRow("downward sweep") << 1.0 << 1000u << 10.0 << 5.0 << 5 << -1.0;
    QTest::newRow("partial last step is dropped") << 1.0 << 1000u << 0.0 << 2.5 << 2 << 1.0;
    QTest::newRow("start equal to end") << 0.125 << 50u << 3.0 << 3.0 << 0 << 0.0;
    QTest::newRow("rate 0") << 0.0 << 50u << -20.0 << 20.0 << 0 << 0.0;
    QTest::newRow("interval 0") << 0.125 << 0u << -20.0 << 20.0 << 0 << 0.0;
    QTest::newRow("rate NaN") << std::nan("") << 50u << -20.0 << 20.0 << 0 << 0.0;
    QTest::newRow("more points than allowed") << 1e-9 << 50u << -20.0 << 20.0 << 0 << 0.0;
}

void TstTrailPoints::sweepRequest() {
    QFETCH(double, rateDps);
    QFETCH(uint32_t, intervalMs);
    QFETCH(double, startDeg);
    QFETCH(double, endDeg);
    QFETCH(int, count);
    QFETCH(double, stepDeg);
    const TrailPointsParam param = makeSweepTrailPointsParam(rateDps, intervalMs, startDeg, endDeg);
    QCOMPARE(param.name, std::string("Test target"));
    QCOMPARE(param.intervalUs, intervalMs * 1000);
    QVERIFY(param.inRadians);
    QCOMPARE(param.frame, 2u);
    QCOMPARE(param.points.size(), static_cast<size_t>(count));
    constexpr double deg = std::numbers::pi / 180;
    for (int i = 0; i < count; i += std::max(1, count / 7)) {
        QVERIFY(std::abs(param.points[i].first - (startDeg + i * stepDeg) * deg) < 1e-12);
        QCOMPARE(param.points[i].second, std::numbers::pi / 4);
    }
}

QTEST_GUILESS_MAIN(TstTrailPoints)
#include "tst_trailpoints.moc"

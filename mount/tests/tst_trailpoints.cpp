#include "base/tests/datarow.h"
#include "mount/imountconnection.h"
#include "mount/tasks/trailpoints.h"
#include "mount/tasks/trailpointslistmaker.h"
#include "mount/tests/emulatedmountrig.h"
#include "mount/tests/fakeidlemount.h"
#include "mount/testtrailpoints.h"

#include <QSignalSpy>

#include <QTest>

#include <cmath>
#include <numbers>
#include <stdexcept>

using namespace Ko;

namespace {

// 2026-03-20 00:00 UTC.
constexpr int64_t kTrailEpochMs = 1773964800000;

// Hour angles from startDeg in steps of stepDeg, declination 30 degrees, in the model's frame.
TrailPointsParam hourAnglePath(double startDeg, double stepDeg, int count) {
    TrailPointsParam p;
    p.intervalUs = 100000;
    p.startTimeMs = kTrailEpochMs;
    p.frame = 2;
    for (int i = 0; i < count; ++i)
        p.points.emplace_back((startDeg + i * stepDeg) * kDeg, 30 * kDeg);
    return p;
}

// The current mount as the test page sees it: it records what it is asked to do.
class TrailMount : public FakeIdleMount {
public:
    explicit TrailMount(bool canTrack) : m_canTrack(canTrack) {}
    bool canTrackTrailPoints() const override { return m_canTrack; }
    void setTrailPointsTestRunCountDown(Nullable<uint32_t> countDown) override {
        calls << QStringLiteral("countDown%1").arg(countDown.value());
    }
    void trackTrailPointsAsync(TrailPointsParam&& param) override {
        calls << QStringLiteral("track%1").arg(param.points.size());
        request = std::move(param);
    }
    QStringList calls;
    TrailPointsParam request;

private:
    const bool m_canTrack;
};

class FakeMountConnection : public IMountConnection {
public:
    IMount* held = nullptr;
    bool connected() const override { return held; }
    IMount* mount() const override { return held; }
    IWMProgrammerPlanner* wifi() const override { return nullptr; }
    std::string wifiName() const override { return {}; }
    void disconnect() override { held = nullptr; }
    // The fake mount belongs to the test: the pointer owns nothing.
    std::shared_ptr<IMount> sharedMount() const override {
        return std::shared_ptr<IMount>(held, [](IMount*) {});
    }
    std::shared_ptr<IWMProgrammerPlanner> sharedWifi() const override { return nullptr; }
};

} // namespace

class TstTrailPoints : public QObject {
    Q_OBJECT
private slots:
    void pointTimes_data() {
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
    void pointTimes() {
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

    void cursorNextPoint_data() {
        QTest::addColumn<uint32_t>("intervalUs");
        QTest::addColumn<uint32_t>("count");
        QTest::addColumn<uint32_t>("next");
        QTest::addColumn<qlonglong>("t");
        QTest::addColumn<int>("index"); // -1: none
        QTest::addColumn<qlonglong>("timeMs");
        // Start 10 000 ms, 10 points 100 ms apart unless said otherwise.
        QTest::newRow("before the start: point 0")
            << 100000u << 10u << 0u << 5000ll << 0 << 10000ll;
        QTest::newRow("at the start: point 0") << 100000u << 10u << 0u << 10000ll << 0 << 10000ll;
        QTest::newRow("passed points are skipped")
            << 100000u << 10u << 0u << 10250ll << 2 << 10200ll;
        QTest::newRow("next wins over time") << 100000u << 10u << 6u << 10250ll << 6 << 10600ll;
        QTest::newRow("last point") << 100000u << 10u << 0u << 10999ll << 9 << 10900ll;
        QTest::newRow("past the end: none") << 100000u << 10u << 0u << 11000ll << -1 << 0ll;
        QTest::newRow("all used: none") << 100000u << 10u << 10u << 5000ll << -1 << 0ll;
        QTest::newRow("empty segment: none") << 100000u << 0u << 0u << 5000ll << -1 << 0ll;
        QTest::newRow("time truncates to the ms") << 1500u << 10u << 0u << 10004ll << 2 << 10003ll;
        QTest::newRow("far future: none") << 100000u << 10u << 0u << (1ll << 62) << -1 << 0ll;
        QTest::newRow("zero interval: all due at once")
            << 0u << 3u << 1u << 20000ll << 1 << 10000ll;
    }
    void cursorNextPoint() {
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

    void cursorRefusesAUsedPoint() {
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

    void sweepRequest_data() {
        QTest::addColumn<double>("rateDps");
        QTest::addColumn<uint32_t>("intervalMs");
        QTest::addColumn<double>("startDeg");
        QTest::addColumn<double>("endDeg");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("stepDeg");
        QTest::newRow("page defaults") << 0.125 << 50u << -20.0 << 20.0 << 6400 << 0.00625;
        dataRow("sign of the rate is ignored", -0.125, 50u, -20.0, 20.0, 6400, 0.00625);
        QTest::newRow("downward sweep") << 1.0 << 1000u << 10.0 << 5.0 << 5 << -1.0;
        QTest::newRow("partial last step is dropped") << 1.0 << 1000u << 0.0 << 2.5 << 2 << 1.0;
        QTest::newRow("start equal to end") << 0.125 << 50u << 3.0 << 3.0 << 0 << 0.0;
        QTest::newRow("rate 0") << 0.0 << 50u << -20.0 << 20.0 << 0 << 0.0;
        QTest::newRow("interval 0") << 0.125 << 0u << -20.0 << 20.0 << 0 << 0.0;
        QTest::newRow("rate NaN") << std::nan("") << 50u << -20.0 << 20.0 << 0 << 0.0;
        QTest::newRow("more points than allowed") << 1e-9 << 50u << -20.0 << 20.0 << 0 << 0.0;
    }
    void sweepRequest() {
        QFETCH(double, rateDps);
        QFETCH(uint32_t, intervalMs);
        QFETCH(double, startDeg);
        QFETCH(double, endDeg);
        QFETCH(int, count);
        QFETCH(double, stepDeg);
        const TrailPointsParam param =
            makeSweepTrailPointsParam(rateDps, intervalMs, startDeg, endDeg);
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

    void segmentsSplitAtTheMeridian_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("flipping");
        QTest::addColumn<double>("thresholdDeg");
        QTest::addColumn<double>("startDeg");
        QTest::addColumn<double>("stepDeg");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("firstIndices");
        const int eq = 0, az = 1, autoFlip = FlippingMode_::Auto, noFlip = FlippingMode_::No;
        // -19.5 .. +19.5 degrees: the first point beyond +5 is +5.5, index 25.
        dataRow("EQ crosses eastward", eq, autoFlip, 5.0, -19.5, 1.0, 40, QList<int>{0, 25});
        dataRow("EQ crosses westward", eq, autoFlip, 5.0, 19.5, -1.0, 40, QList<int>{0, 25});
        dataRow("threshold 0 splits at the meridian", eq, autoFlip, 0.0, -19.5, 1.0, 40,
                QList<int>{0, 20});
        dataRow("negative threshold reads as its size", eq, autoFlip, -5.0, -19.5, 1.0, 40,
                QList<int>{0, 25});
        dataRow("threshold never reached", eq, autoFlip, 30.0, -19.5, 1.0, 40, QList<int>{0});
        dataRow("last point just past the threshold", eq, autoFlip, 5.0, -9.5, 1.0, 16,
                QList<int>{0, 15});
        dataRow("forced side never splits", eq, noFlip, 5.0, -19.5, 1.0, 40, QList<int>{0});
        dataRow("AZ never splits", az, autoFlip, 5.0, -19.5, 1.0, 40, QList<int>{0});
        QTest::newRow("one point") << eq << autoFlip << 5.0 << 7.0 << 1.0 << 1 << QList<int>{0};
        QTest::newRow("no points") << eq << autoFlip << 5.0 << 0.0 << 1.0 << 0 << QList<int>{};
    }
    void segmentsSplitAtTheMeridian() {
        QFETCH(int, mode);
        QFETCH(int, flipping);
        QFETCH(double, thresholdDeg);
        QFETCH(double, startDeg);
        QFETCH(double, stepDeg);
        QFETCH(int, count);
        QFETCH(QList<int>, firstIndices);
        const auto model = defaultAlignment(mode, 40.0);
        model->setFlippingMode(static_cast<FlippingMode_::E>(flipping));
        const double savedThreshold = TrailPointsListMaker::autoFlipMeridianAbsDeg();
        TrailPointsListMaker::setAutoFlipMeridianAbsDeg(thresholdDeg);
        const int64_t runStart = kTrailEpochMs + 60000;
        TrailPointsListMaker maker(model, nullptr, hourAnglePath(startDeg, stepDeg, count),
                                   runStart);
        const auto& segments = maker.segments();
        TrailPointsListMaker::setAutoFlipMeridianAbsDeg(savedThreshold);

        QList<int> firsts;
        size_t total = 0;
        for (const auto& s : segments) {
            firsts << static_cast<int>(s.firstIndex);
            total += s.points.size();
            QCOMPARE(s.intervalUs, 100000u);
            QCOMPARE(s.startTimeMs, runStart + static_cast<int64_t>(s.firstIndex) * 100);
            // Every point of a segment stays on its first point's pier side and converts back to
            // its own sky position (0.1 arcsecond).
            for (size_t j = 0; j < s.points.size(); ++j) {
                QCOMPARE(model->isFlipped(s.points[j]), model->isFlipped(s.points[0]));
                const auto sky = model->axesToSky(s.points[j]);
                const auto want = hourAnglePath(startDeg, stepDeg, count).points[s.firstIndex + j];
                QVERIFY2(std::abs(wrapToPi(sky.first - want.first)) < kDeg / 36000 &&
                             std::abs(sky.second - want.second) < kDeg / 36000,
                         qPrintable(QStringLiteral("point %1").arg(s.firstIndex + j)));
            }
        }
        QCOMPARE(firsts, firstIndices);
        QCOMPARE(total, static_cast<size_t>(count));
        // Segments after a split start on the other side.
        for (size_t i = 1; i < segments.size(); ++i)
            QVERIFY(model->isFlipped(segments[i].points[0]) !=
                    model->isFlipped(segments[i - 1].points[0]));
        // The list is made once.
        QCOMPARE(&maker.segments(), &segments);
    }

    void segmentsFollowTheRequestFrame() {
        const auto clock = std::make_shared<FakeClock>();
        clock->set(kTrailEpochMs);
        const auto location = std::make_shared<Location2>(nullptr);
        CLocation site;
        site.latitudeRad = 40 * kDeg;
        site.longitudeRad = -10 * kDeg;
        location->setLocation(site);
        const auto astro =
            std::make_shared<AstroCalc>(location, std::make_shared<AstroClock>(clock));
        const auto model = defaultAlignment(0, 40.0);
        model->setFlippingMode(FlippingMode_::No);

        // One hour apart: 3.6e9 us, as a 64-bit product.
        for (uint32_t frame : {0u, 1u, 2u, 7u}) {
            TrailPointsParam p;
            p.intervalUs = 3600000000u;
            p.startTimeMs = kTrailEpochMs;
            p.frame = frame;
            p.inRadians = false;
            p.points = {{150.0, 20.0}, {150.0, 20.0}, {150.0, 20.0}};
            TrailPointsListMaker maker(model, astro, std::move(p), kTrailEpochMs);
            const auto& segments = maker.segments();
            QCOMPARE(segments.size(), size_t{1});
            for (size_t k = 0; k < 3; ++k) {
                const auto sky = model->axesToSky(segments[0].points[k]);
                std::pair<double, double> want{0.0, 0.0};
                if (frame == 2) {
                    want = {150 * kDeg, 20 * kDeg};
                } else if (frame < 2) {
                    const double jd =
                        unixMsToJulianDate(kTrailEpochMs + static_cast<int64_t>(k) * 3600000);
                    const auto from = frame == 0 ? CoordType::RDJ2000 : CoordType::RDJNow;
                    const auto c = astro
                                       ->allFramesAt({150 * kDeg, 20 * kDeg, from},
                                                     CoordType::HDObsv, jd)[CoordType::HDObsv]
                                       .value();
                    want = {c.a, c.b};
                }
                QVERIFY2(std::abs(wrapToPi(sky.first - want.first)) < kDeg / 36000 &&
                             std::abs(sky.second - want.second) < kDeg / 36000,
                         qPrintable(QStringLiteral("frame %1 point %2").arg(frame).arg(k)));
            }
            if (frame < 2) {
                // A sidereal hour moves the hour angle by 15.041 degrees (to 0.01 degree).
                const auto h0 = model->axesToSky(segments[0].points[0]);
                const auto h1 = model->axesToSky(segments[0].points[1]);
                QVERIFY(std::abs(wrapToPi(h1.first - h0.first) - 15.041 * kDeg) < 0.01 * kDeg);
            }
        }
    }

    void testPageStartsASweep_data() {
        QTest::addColumn<int>("mount"); // 0 none, 1 without timed targets, 2 with
        QTest::addColumn<QString>("calls");
        QTest::newRow("no mount") << 0 << "";
        QTest::newRow("mount without timed targets") << 1 << "";
        QTest::newRow("mount with timed targets") << 2 << "countDown0 track6";
    }
    // The page's values make the sweep; only a mount that can follow it gets it, with a count-down
    // of 0 first.
    void testPageStartsASweep() {
        QFETCH(int, mount);
        QFETCH(QString, calls);
        const auto connection = std::make_shared<FakeMountConnection>();
        TrailMount target(mount == 2);
        if (mount > 0)
            connection->held = &target;
        TestTrailPoints page(connection);
        QCOMPARE(page.absRateDps(), 0.125);
        QCOMPARE(page.intervalMs(), 50u);
        QCOMPARE(page.haStartDeg(), -20.0);
        QCOMPARE(page.haEndDeg(), 20.0);
        QSignalSpy changed(&page, &TestTrailPoints::valueChanged);
        page.setAbsRateDps(-1.0);
        page.setIntervalMs(1000);
        page.setHaStartDeg(3.0);
        page.setHaEndDeg(-3.0);
        const double savedThreshold = page.autoFlipMeridianAbsDeg();
        page.setAutoFlipMeridianAbsDeg(7.5);
        QCOMPARE(TrailPointsListMaker::autoFlipMeridianAbsDeg(), 7.5);
        page.setAutoFlipMeridianAbsDeg(savedThreshold);
        QCOMPARE(changed.count(), 6);
        page.start();
        QCOMPARE(target.calls.join(' '), calls);
        if (mount == 2) {
            QCOMPARE(target.request.intervalUs, 1000000u);
            QCOMPARE(target.request.points.front().first, 3.0 * kDeg);
            QVERIFY(std::abs(target.request.points.back().first + 2.0 * kDeg) < 1e-12);
        }
    }
};

QTEST_GUILESS_MAIN(TstTrailPoints)
#include "tst_trailpoints.moc"

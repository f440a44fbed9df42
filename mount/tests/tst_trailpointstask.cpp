#include "mount/tasks/trailpointslistmaker.h"
#include "mount/tasks/trailpointssender_emulator.h"
#include "mount/tasks/trailpointstask.h"
#include "mount/tests/emulatedmountrig.h"

#include <QTest>

#include <atomic>
#include <thread>

using namespace Ko;

namespace {

// 2026-03-20 22:00 UTC.
constexpr int64_t kTrailStartMs = 1774044000000;

struct Published {
    TrailPointsProgress progress;
    std::pair<double, double> axes;
    int64_t timeMs = 0;
};

} // namespace

class TstTrailPointsTask : public QObject {
    Q_OBJECT
private slots:
    // An equatorial sweep from 3 degrees east to 5 degrees west of the meridian on the emulated
    // mount, 50 times faster than real time: the first segment is followed from its start; the flip
    // to the other pier side takes a long GoTo, so the second segment is joined further along, at a
    // point the mount can still reach, and followed to its end.
    void emulatedRunAcrossTheMeridian() {
        constexpr int kScale = 50;
        const auto clock = std::make_shared<FakeFastClock>(kTrailStartMs, kScale);
        const auto tc = std::make_shared<FakeFastTCCancellable>(kScale);
        const auto model = defaultAlignment(0, 40.0);
        const EmulatedMountRig rig(
            clock, tc, 0, 40.0, model->skyToAxes({-4 * kDeg, 45 * kDeg}, model->referenceAxes()));
        TrailPointsParam param = makeSweepTrailPointsParam(0.05, 500, -3.0, 5.0);
        QCOMPARE(param.points.size(), size_t(320));
        const double savedThreshold = TrailPointsListMaker::autoFlipMeridianAbsDeg();
        TrailPointsListMaker::setAutoFlipMeridianAbsDeg(1.01);
        const int64_t t0 = clock->nowMs() + 3000;
        auto maker =
            std::make_unique<TrailPointsListMaker>(rig.model, rig.astro, std::move(param), t0);
        const std::vector<TrailPointsSegment> segments = maker->segments();
        TrailPointsListMaker::setAutoFlipMeridianAbsDeg(savedThreshold);
        QCOMPARE(segments.size(), size_t(2));

        std::vector<Published> published;
        const auto task = std::make_shared<TrailPointsTask>(
            clock, rig.util, rig.axes, rig.command,
            std::make_shared<TrailPointsSender_Emulator>(clock, tc, rig.container),
            std::move(maker), [&](const TrailPointsProgress& p) {
                published.push_back({p,
                                     {rig.container->get(0).angle, rig.container->get(1).angle},
                                     clock->nowMs()});
            });
        const auto token = std::make_shared<ControlledCancellable>();
        std::atomic<int> result{-1};
        std::thread thread([&] {
            tc->setCurrent(token);
            result = task->run();
            tc->setCurrent(nullptr);
        });
        QTRY_VERIFY_WITH_TIMEOUT(result.load() >= 0, 30000);
        thread.join();
        QCOMPARE(result.load(), int(CmdRetType_::Ok));

        // SlewTo, Waiting, then Tracking point by point, once per segment.
        QList<int> states;
        for (const auto& p : published)
            if (states.isEmpty() || states.last() != p.progress.state)
                states << p.progress.state;
        const int slewTo = TrailPointsDetailedState_::SlewTo,
                  waiting = TrailPointsDetailedState_::Waiting,
                  tracking = TrailPointsDetailedState_::Tracking;
        QCOMPARE(states, (QList<int>{slewTo, waiting, tracking, slewTo, waiting, tracking}));
        QCOMPARE(published.front().progress.donePoints, 0u);
        QCOMPARE(published.back().progress.donePoints, 320u);

        unsigned last = 0;
        int joinedAt = -1;
        for (const auto& p : published) {
            if (p.progress.state == TrailPointsDetailedState_::SlewTo) {
                QCOMPARE(uint64_t(p.progress.donePoints), segments[last == 0 ? 0 : 1].firstIndex);
                continue;
            }
            if (p.progress.state == TrailPointsDetailedState_::Waiting) {
                if (last > 0)
                    joinedAt = int(p.progress.donePoints) - 1;
                continue;
            }
            // Each point is published once, in order, no earlier than 20 ms before its time, with
            // the point's own axis angles.
            const uint64_t k = p.progress.donePoints - 1;
            QVERIFY(p.progress.donePoints > last);
            last = p.progress.donePoints;
            const auto& segment = k < segments[1].firstIndex ? segments[0] : segments[1];
            const uint64_t j = k - segment.firstIndex;
            QCOMPARE(p.axes, segment.points[j]);
            QVERIFY(p.timeMs >= segment.startTimeMs + int64_t(j * 500) - 20);
        }
        // The second segment was joined late (the flip takes the better part of a minute), and the
        // mount ended on the other pier side.
        QVERIFY2(joinedAt > int(segments[1].firstIndex) + 20,
                 qPrintable(QString::number(joinedAt)));
        QVERIFY(rig.model->isFlipped(published.back().axes) !=
                rig.model->isFlipped(segments[0].points[0]));
    }

    void nothingToFollow_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<qlonglong>("startOffsetMs");
        QTest::addColumn<QList<uint>>("progress"); // donePoints of SlewTo, Waiting
        QTest::addColumn<int>("result");
        const int ok = CmdRetType_::Ok, failed = CmdRetType_::Other;
        QTest::newRow("empty request: done") << 0 << 1000ll << QList<uint>{} << ok;
        QTest::newRow("every point has passed: failed")
            << 10 << -3600000ll << QList<uint>{0, 10} << failed;
        QTest::newRow("too soon to reach: failed") << 10 << 1000ll << QList<uint>{0, 10} << failed;
    }
    // Without a point that can be reached in time the run ends at once, and as a failure: the
    // mount never followed the path. An empty request has nothing to follow and is done.
    void nothingToFollow() {
        QFETCH(int, points);
        QFETCH(qlonglong, startOffsetMs);
        QFETCH(QList<uint>, progress);
        QFETCH(int, result);
        const auto log = std::make_shared<CallLog>();
        const auto clock = std::make_shared<FakeClock>();
        clock->set(kTrailStartMs);
        const auto token = std::make_shared<FakeDeadlineToken>(log, clock, kTrailStartMs + 3600000);
        const EmulatedMountRig rig(clock, token, 0, 40.0, {0.0, 0.0});
        TrailPointsParam param;
        param.intervalUs = 100000;
        param.frame = 2;
        for (int i = 0; i < points; ++i)
            param.points.emplace_back(0.5, 0.5);
        QList<uint> reported;
        TrailPointsTask task(
            clock, rig.util, rig.axes, rig.command,
            std::make_shared<TrailPointsSender_Emulator>(clock, token, rig.container),
            std::make_unique<TrailPointsListMaker>(rig.model, rig.astro, std::move(param),
                                                   kTrailStartMs + startOffsetMs),
            [&](const TrailPointsProgress& p) { reported << p.donePoints; });
        QCOMPARE(int(task.run()), result);
        QCOMPARE(reported, progress);
        // Nothing was slept for: no GoTo, no wait.
        QCOMPARE(log->text(), QString());
    }
};

QTEST_GUILESS_MAIN(TstTrailPointsTask)
#include "tst_trailpointstask.moc"

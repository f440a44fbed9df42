#include "model/ipae.h"
#include "mount/slewtosettings.h"
#include "mount/slewtotargetmacontainer.h"
#include "mount/tasks/autohometask.h"
#include "mount/tasks/axisslewtask.h"
#include "mount/tasks/axisstoptask.h"
#include "mount/tasks/aztrackingtask.h"
#include "mount/tasks/eqtrackingtask.h"
#include "mount/tasks/mounttaskfactory.h"
#include "mount/tasks/pulseguidetask.h"
#include "mount/tasks/slewtotask.h"
#include "mount/tasks/trailpointstask.h"
#include "mount/tests/emulatedmountrig.h"

#include <QTest>

#include <functional>
#include <typeinfo>

using namespace Ko;

namespace {

constexpr int64_t kFactoryStartMs = 1774044000000;
const std::pair<double, double> kTrailPoint{0.3, 0.6};

// The mount's sender, standing in for the link: it records the segments it is asked to send.
class FakeTrailPointsSender : public ITrailPointsSender {
public:
    CmdRetType_::E send(const TrailPointsSegment& segment, uint32_t startIndex,
                        const Progress&) override {
        segmentStarts << segment.startTimeMs;
        startIndices << startIndex;
        return CmdRetType_::Ok;
    }
    QList<int64_t> segmentStarts;
    QList<uint32_t> startIndices;
};

// An empty correction table: positions pass unchanged.
class FakePAE : public IPAE {
public:
    void add(std::string, double, double, double, double) override {}
    AnglePair lookup(AnglePair position) override { return position; }
    AnglePair lookupShifted(AnglePair position) override { return position; }
};

struct Factory {
    Factory()
        : clock(std::make_shared<FakeClock>()),
          token(std::make_shared<FakeDeadlineToken>(log, clock, kFactoryStartMs + 3600000)),
          // The mount stands on the trail's first point.
          rig((clock->set(kFactoryStartMs), clock), token, 0, 40.0,
              defaultAlignment(0, 40.0)->skyToAxes(kTrailPoint, {0.0, 0.0})),
          factory(token, rig.axes, rig.util, MountMode_::EQ, clock, rig.astro, rig.model,
                  std::make_shared<SlewToSettings>(), std::make_shared<SlewToTargetMAContainer>(),
                  rig.location, rig.command,
                  std::make_shared<TCCancellable>(std::make_shared<NullCancellable>()),
                  std::make_shared<FakePAE>(), sender) {}

    std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
    std::shared_ptr<FakeClock> clock;
    std::shared_ptr<FakeDeadlineToken> token;
    EmulatedMountRig rig;
    std::shared_ptr<FakeTrailPointsSender> sender = std::make_shared<FakeTrailPointsSender>();
    MountTaskFactory factory;
};

using Make = std::function<std::shared_ptr<IMountTask>(IMountTaskFactory&)>;

} // namespace

Q_DECLARE_METATYPE(Make)

class TstMountTaskFactory : public QObject {
    Q_OBJECT
private slots:
    void makesEachKind_data() {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("tag");
        QTest::addColumn<QList<int>>("resources");
        const MountTarget star{"star", {1.0, 0.5, CoordType::RDJNow}, 0};
        QTest::newRow("axis slew")
            << Make([](auto& f) { return f.createAxisSlewTask(1, true, 0.01); })
            << QByteArray(typeid(AxisSlewTask).name()) << QByteArray("slew") << QList<int>{1};
        QTest::newRow("axis stop")
            << Make([](auto& f) { return f.createAxisStopTask(0); })
            << QByteArray(typeid(AxisStopTask).name()) << QByteArray("stop") << QList<int>{0};
        QTest::newRow("slew to") << Make([](auto& f) {
            return f.createSlewToTask({1.0, 0.5, CoordType::RDJ2000});
        }) << QByteArray(typeid(SlewToTask).name())
                                 << QByteArray("slto") << QList<int>{0, 1};
        QTest::newRow("EQ tracking at a rate") << Make([](auto& f) {
            return f.createTrackingTask(MountMode_::EQ, TrackingRate::Lunar, {});
        }) << QByteArray(typeid(EQTrackingTask).name())
                                               << QByteArray("trck") << QList<int>{0};
        QTest::newRow("AZ tracking at a rate") << Make([](auto& f) {
            return f.createTrackingTask(MountMode_::AZ, TrackingRate::Sidereal, {});
        }) << QByteArray(typeid(AZTrackingTask).name())
                                               << QByteArray("trck") << QList<int>{0, 1};
        QTest::newRow("AZ tracking of a target")
            << Make([star](auto& f) { return f.createTrackingTask(MountMode_::AZ, {}, star); })
            << QByteArray(typeid(AZTrackingTask).name()) << QByteArray("trck") << QList<int>{0, 1};
        QTest::newRow("auto home")
            << Make([](auto& f) { return f.createAutoHomeTask(0.1); })
            << QByteArray(typeid(AutoHomeTask).name()) << QByteArray("home") << QList<int>{0, 1};
        QTest::newRow("pulse guide")
            << Make([](auto& f) { return f.createPulseGuideTask(1, -kSiderealRate / 2, 300); })
            << QByteArray(typeid(PulseGuideTask).name()) << QByteArray("puls") << QList<int>{1};
        QTest::newRow("trail points")
            << Make([](auto& f) { return f.createTrailPointsTask(TrailPointsParam{}, {}, {}); })
            << QByteArray(typeid(TrailPointsTask).name()) << QByteArray("trps") << QList<int>{0, 1};
    }
    // Each kind comes out as its own task class with its tag and resources, and every call makes a
    // new task.
    void makesEachKind() {
        QFETCH(Make, make);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, tag);
        QFETCH(QList<int>, resources);
        Factory f;
        const auto task = make(f.factory);
        QVERIFY(task);
        QCOMPARE(QByteArray(typeid(*task).name()), type);
        QCOMPARE(QByteArray::fromStdString(mountTaskTagText(task->type())), tag);
        const std::set<int> claimed = task->resources();
        QCOMPARE(QList<int>(claimed.begin(), claimed.end()), resources);
        const auto another = make(f.factory);
        QVERIFY(another && another != task);
    }

    void eqTrackingNeedsARate() {
        Factory f;
        try {
            f.factory.createTrackingTask(MountMode_::EQ, {}, MountTarget{"moon", {}, 1});
            QFAIL("an EQ tracking task without a rate must not be made");
        } catch (const std::logic_error& e) {
            QCOMPARE(e.what(), "Read null Nullable");
        }
    }

    void trailPointsRunStart_data() {
        QTest::addColumn<bool>("hasCountDown");
        QTest::addColumn<uint>("countDown");
        QTest::addColumn<qlonglong>("runStartOffsetMs");
        // The request itself starts 20 s from now.
        QTest::newRow("the request's own start") << false << 0u << 20000ll;
        QTest::newRow("count-down of 10 s") << true << 10000000u << 10000ll;
        QTest::newRow("count-down in whole ms") << true << 10000999u << 10000ll;
    }
    // The run starts at the request's start time unless a test-run count-down is given.
    void trailPointsRunStart() {
        QFETCH(bool, hasCountDown);
        QFETCH(uint, countDown);
        QFETCH(qlonglong, runStartOffsetMs);
        Factory f;
        TrailPointsParam param;
        param.intervalUs = 100000;
        param.startTimeMs = kFactoryStartMs + 20000;
        param.frame = 2;
        param.points.assign(5, kTrailPoint);
        const auto task = f.factory.createTrailPointsTask(
            std::move(param), hasCountDown ? Nullable<uint32_t>(countDown) : Nullable<uint32_t>(),
            {});
        QCOMPARE(task->run(), CmdRetType_::Ok);
        QCOMPARE(f.sender->segmentStarts, QList<int64_t>{kFactoryStartMs + runStartOffsetMs});
        QCOMPARE(f.sender->startIndices, QList<uint32_t>{0});
    }
};

QTEST_GUILESS_MAIN(TstMountTaskFactory)
#include "tst_mounttaskfactory.moc"

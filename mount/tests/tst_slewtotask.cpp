#include "mount/tasks/slewtotask.h"

#include "astro/angleutil.h"
#include "astro/astrocalc.h"
#include "base/cancellable.h"
#include "base/location2.h"
#include "base/tests/datarow.h"
#include "link/emlatorkodevic.h"
#include "link/emlatormountaxis.h"
#include "link/mountaxistimecontainer.h"
#include "link/permountdatabasic.h"
#include "model/alignment.h"
#include "model/ipae.h"
#include "mount/appcore.h"
#include "mount/mountaxisutil.h"
#include "mount/slewtosettings.h"
#include "mount/slewtotargetmacontainer.h"
#include "mount/tasks/mounttaskmanager.h"
#include "mount/tests/fakemountaxis.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Ko;

namespace {

using Angles = QList<double>;
using AnglePair = std::pair<double, double>;

constexpr double kOffEQ = SlewToTask::kApproachOffsetEQ;
constexpr double kOffAZ = SlewToTask::kApproachOffsetAZ;
// 2024-03-20 00:00 UTC.
constexpr int64_t kSlewEpochMs = 1710892800000;

// The correction table with one point that applies everywhere: the sky position is shifted by a
// fixed amount.
class ShiftingTable : public IPAE {
public:
    explicit ShiftingTable(AnglePair shift = {0, 0}) : m_shift(shift) {}
    void add(std::string, double, double, double, double) override {}
    AnglePair lookup(AnglePair p) override {
        return {p.first + m_shift.first, p.second + m_shift.second};
    }
    AnglePair lookupShifted(AnglePair p) override {
        return {p.first - m_shift.first, p.second - m_shift.second};
    }

private:
    const AnglePair m_shift;
};

std::shared_ptr<Location2> slewSite() {
    auto location = std::make_shared<Location2>(nullptr);
    CLocation l;
    l.latitudeRad = 40 * kDeg;
    l.longitudeRad = 75 * kDeg;
    location->setLocation(l);
    return location;
}

std::shared_ptr<Alignment> defaultModel(MountMode_::E mode, const CLocation& where) {
    return std::make_shared<Alignment>(
        std::make_shared<SharedAlignmentData>(makeDefaultAlignmentData(mode, where)), nullptr);
}

// A GoTo on the scripted axis: both axes move at 10 degrees per second on a fake clock that
// every sleep of the task moves on.
struct SlewRig {
    std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
    std::shared_ptr<FakeClock> clock = std::make_shared<FakeClock>();
    std::shared_ptr<FakeMountAxis> axis = std::make_shared<FakeMountAxis>(log, clock);
    std::shared_ptr<FakeTCCancellable> token = std::make_shared<FakeTCCancellable>(log, clock);
    std::shared_ptr<Location2> location = slewSite();
    std::shared_ptr<AstroCalc> astro =
        std::make_shared<AstroCalc>(location, std::make_shared<AstroClock>(clock));
    std::shared_ptr<SlewToSettings> settings = std::make_shared<SlewToSettings>();
    std::shared_ptr<SlewToTargetMAContainer> container =
        std::make_shared<SlewToTargetMAContainer>();
    int changes = 0;

    SlewRig() {
        clock->set(kSlewEpochMs);
        container->changed.append([this] { ++changes; });
    }
    std::shared_ptr<SlewToTask> task(MountMode_::E mode, U_ASTRO_COORD target,
                                     AnglePair shift = {0, 0}) {
        return std::make_shared<SlewToTask>(
            token, clock, axis,
            std::make_shared<MountAxisUtil>(axis, token,
                                            std::make_shared<AppCore>(nullptr, nullptr)),
            astro, defaultModel(mode, location->location()), settings, container,
            std::make_shared<ShiftingTable>(shift), mode, target);
    }
    int passes() const { return log->text().count("pos1"); }
};

// The scripted axes behind a relay that garbles every nth reply (none while 0): the controller
// has taken the command either way, and the task reads a failure.
class GarblingAxis : public FakeMountAxis {
public:
    using FakeMountAxis::FakeMountAxis;
    void garbleEvery(int n) { m_every.store(n); }

    CmdResp<double> readPosition(AXISID axis) override {
        return garbled(FakeMountAxis::readPosition(axis));
    }
    CmdResp<AnglePair> readPositions() override { return garbled(FakeMountAxis::readPositions()); }
    CmdResp<MotorStatus> readStatus(AXISID axis) override {
        return garbled(FakeMountAxis::readStatus(axis));
    }
    CmdRetType_::E gotoPosition(AXISID axis, double target) override {
        return garbled(CmdResp<bool>(FakeMountAxis::gotoPosition(axis, target), true)).type;
    }
    CmdRetType_::E stop(AXISID axis) override {
        return garbled(CmdResp<bool>(FakeMountAxis::stop(axis), true)).type;
    }

private:
    template <typename T>
    CmdResp<T> garbled(CmdResp<T> reply) {
        const int every = m_every.load();
        if (every > 0 && ++m_replies % every == 0)
            return CmdResp<T>(CmdRetType_::Timeout);
        return reply;
    }

    std::atomic<int> m_every{0};
    std::atomic<int> m_replies{0};
};

// The task threads' token on a fake clock that each of their sleeps moves on at once: the
// emulated axes, which move by the clock, and the sky reach the same moments however late a
// loaded machine runs the thread.
class SteppingTCCancellable : public ITCCancellable, public ICancellableThreadContext {
public:
    explicit SteppingTCCancellable(std::shared_ptr<FakeClock> clock) : m_clock(std::move(clock)) {}
    bool isCancelled() override { return m_inner.isCancelled(); }
    bool sleep(int64_t ms) override {
        m_clock->advance(std::max<int64_t>(ms, 0));
        return m_inner.isCancelled();
    }
    std::shared_ptr<ICancellable> current() override { return m_inner.current(); }
    void setCurrent(std::shared_ptr<ICancellable> token) override { m_inner.setCurrent(token); }

private:
    const std::shared_ptr<FakeClock> m_clock;
    TCCancellable m_inner{std::make_shared<NullCancellable>()};
};

} // namespace

class TestSlewToTask : public QObject {
    Q_OBJECT

private slots:
    // Targets given as axis angles against the scripted axis: where each axis is aimed in each
    // pass, how many passes read the axes, how long the GoTo takes on the clock, and how it ends.
    // Every move target is published in the target container before the axes are commanded.
    void axisTargets_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<AnglePair>("start");
        QTest::addColumn<AnglePair>("target");
        QTest::addColumn<QString>("script");
        // Each GoTo of both axes ends this far off its aim; each command takes latencyMs.
        QTest::addColumn<double>("gotoError");
        QTest::addColumn<int>("latencyMs");
        QTest::addColumn<bool>("cancelInSettle");
        QTest::addColumn<int>("result");
        QTest::addColumn<Angles>("aims1");
        QTest::addColumn<Angles>("aims2");
        QTest::addColumn<int>("passes");
        QTest::addColumn<int>("elapsedMs");

        const int EQ = MountMode_::EQ, AZ = MountMode_::AZ;
        dataRow("within tolerance: one pass, nothing commanded", EQ, AnglePair{0.1, 0.2},
                AnglePair{0.1005, 0.2}, "", 0.0, 0, false, 0, Angles{}, Angles{}, 1, 0);
        dataRow("axis 1 beyond tolerance near the pole moves though the separation is small", EQ,
                AnglePair{0, 1.55}, AnglePair{0.01, 1.55}, "", 0.0, 0, false, 0, Angles{0.01},
                Angles{1.55}, 1, 3950);
        dataRow("axis 2 down goes 20' below first, then up; axis 1 up goes straight", EQ,
                AnglePair{0, 0}, AnglePair{0.3, -0.2}, "", 0.0, 0, false, 0, Angles{0.3, 0.3},
                Angles{-0.2 - kOffEQ, -0.2}, 2, 1800 + 3950);
        dataRow("altitude-azimuth: 45' below", AZ, AnglePair{0, 0}, AnglePair{0.3, -0.2}, "", 0.0,
                0, false, 0, Angles{0.3, 0.3}, Angles{-0.2 - kOffAZ, -0.2}, 2, 1800 + 3950);
        dataRow("both down: both go below", EQ, AnglePair{0.5, 0.5}, AnglePair{0.3, 0.2}, "", 0.0,
                0, false, 0, Angles{0.3 - kOffEQ, 0.3}, Angles{0.2 - kOffEQ, 0.2}, 2, 1800 + 3950);
        dataRow("a long slew is checked by another pass", EQ, AnglePair{0, 0}, AnglePair{1.0, 0.5},
                "", 0.0, 0, false, 0, Angles{1.0}, Angles{0.5}, 2, 5800);
        dataRow("an axis takes the offset once: later downward moves go straight", EQ,
                AnglePair{0, 0}, AnglePair{0.3, 0.2}, "", 0.01, 4000, false, 0,
                Angles{0.3, 0.3 - kOffEQ, 0.3, 0.3, 0.3, 0.3, 0.3},
                Angles{0.2, 0.2 - kOffEQ, 0.2, 0.2, 0.2, 0.2, 0.2}, 7, 168000);
        dataRow("six counted passes at most", EQ, AnglePair{0, 0}, AnglePair{0.3, 0.2}, "", -0.01,
                4000, false, 0, Angles{0.3, 0.3, 0.3, 0.3, 0.3, 0.3},
                Angles{0.2, 0.2, 0.2, 0.2, 0.2, 0.2}, 6, 144000);
        dataRow("a refused GoTo repeats the pass after 200 ms, uncounted", EQ, AnglePair{0, 0},
                AnglePair{0.3, 0.2}, "goto1=T", 0.0, 0, false, 0, Angles{0.3}, Angles{0.2, 0.2}, 2,
                200 + 3950);
        dataRow("Cancel from the axis read ends it", EQ, AnglePair{0, 0}, AnglePair{0.3, 0.2},
                "pos1=C", 0.0, 0, false, 3, Angles{}, Angles{}, 1, 0);
        dataRow("cancelled in the settle sleep", EQ, AnglePair{0, 0}, AnglePair{0.3, 0.2}, "", 0.0,
                0, true, 3, Angles{0.3}, Angles{0.2}, 1, 3950);
    }
    void axisTargets() {
        QFETCH(int, mode);
        QFETCH(AnglePair, start);
        QFETCH(AnglePair, target);
        QFETCH(QString, script);
        QFETCH(double, gotoError);
        QFETCH(int, latencyMs);
        QFETCH(bool, cancelInSettle);
        QFETCH(int, result);
        QFETCH(Angles, aims1);
        QFETCH(Angles, aims2);
        QFETCH(int, passes);
        QFETCH(int, elapsedMs);

        SlewRig rig;
        rig.axis->placeAt(0, start.first);
        rig.axis->placeAt(1, start.second);
        rig.axis->scriptAll(script);
        rig.axis->setGotoError(0, gotoError);
        rig.axis->setGotoError(1, gotoError);
        rig.axis->setLatencyMs(latencyMs);
        if (cancelInSettle)
            rig.token->cancelWhen([](int64_t ms) { return ms > SlewToTask::kRetryMs; });
        auto task = rig.task(static_cast<MountMode_::E>(mode),
                             U_ASTRO_COORD{target.first, target.second, CoordType::MountAxes});

        QCOMPARE(int(task->run()), result);
        QCOMPARE(rig.axis->aims(0), aims1);
        QCOMPARE(rig.axis->aims(1), aims2);
        QCOMPARE(rig.passes(), passes);
        QCOMPARE(int(rig.clock->nowMs() - kSlewEpochMs), elapsedMs);
        // One published target per pass that commanded the axes, always the target itself.
        QCOMPARE(rig.changes, int(rig.log->text().count("goto2")));
        const auto published = rig.container->target();
        QCOMPARE(published.hasValue(), rig.changes > 0);
        if (published.hasValue())
            QCOMPARE(published.value(), target);
    }

    // A GoTo that makes no progress (no axis moves, no pass ends) gives up with Timeout once
    // that has lasted the limit, measured on the clock; one that moves, or whose link comes back
    // before the limit, goes on to its target.
    void stalledGotoGivesUp_data() {
        QTest::addColumn<AnglePair>("target");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("result");
        // The clock when the GoTo ended, from the start: at least, and at most.
        QTest::addColumn<int>("fromMs");
        QTest::addColumn<int>("toMs");

        const int limit = int(SlewToTask::kStallLimitMs);
        const QString dead = QString("T").repeated(2 * limit / 100);
        const QString dropOut = QString("T").repeated(limit / 2 / 100);
        QTest::newRow("reads never answered") << AnglePair{0.3, 0.2} << "pos1=" + dead
                                              << int(CmdRetType_::Timeout) << limit << limit + 300;
        QTest::newRow("GoTo commands never taken: the axes stay")
            << AnglePair{0.3, 0.2} << "goto1=" + dead + " goto2=" + dead
            << int(CmdRetType_::Timeout) << limit << limit + 300;
        // Nothing reads the axes while the GoTo waits for them here: the look before giving up
        // finds the move made at the start, and the limit runs again from there.
        QTest::newRow("status reads never answered after the move")
            << AnglePair{0.3, 0.2} << "st1=" + dead + dead << int(CmdRetType_::Timeout) << 2 * limit
            << 2 * limit + 2000;
        QTest::newRow("a drop-out shorter than the limit")
            << AnglePair{0.3, 0.2} << "pos1=" + dropOut << int(CmdRetType_::Ok) << limit / 2
            << limit / 2 + 8000;
        // 330 degrees at 10 degrees per second: one pass longer than the limit.
        QTest::newRow("a slew longer than the limit")
            << AnglePair{5.76, 0.0} << "" << int(CmdRetType_::Ok) << 33000 << 40000;
    }
    void stalledGotoGivesUp() {
        QFETCH(AnglePair, target);
        QFETCH(QString, script);
        QFETCH(int, result);
        QFETCH(int, fromMs);
        QFETCH(int, toMs);

        SlewRig rig;
        rig.axis->placeAt(0, 0.0);
        rig.axis->placeAt(1, 0.0);
        rig.axis->scriptAll(script);
        auto task = rig.task(MountMode_::EQ,
                             U_ASTRO_COORD{target.first, target.second, CoordType::MountAxes});
        QCOMPARE(int(task->run()), result);
        const int elapsed = int(rig.clock->nowMs() - kSlewEpochMs);
        QVERIFY2(elapsed >= fromMs && elapsed <= toMs, qPrintable(QString::number(elapsed)));
    }

    // Only closing in on the target is progress: an equatorial mount whose axis 1 tracks while
    // every GoTo command fails gives up once the limit has passed on the clock, whether the
    // target moves with the sky or is fixed on the axes ahead of the tracking; one whose replies
    // are garbled now and then still arrives.
    // target: "sky" a star two hours east, "axes" axis 1's target 0.3 rad ahead of its tracking;
    // script: the scripted answers; garbleEvery: every nth reply garbled (0: none).
    void trackingDriftIsNoProgress_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("tracking");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("garbleEvery");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("fromMs");
        QTest::addColumn<int>("toMs");

        const int limit = int(SlewToTask::kStallLimitMs);
        // Four times the limit's worth of failed passes, one every kRetryMs.
        const QString dead = QString("T").repeated(4 * limit / int(SlewToTask::kRetryMs));
        const QString never = "goto1=" + dead + " goto2=" + dead;
        const int timeout = int(CmdRetType_::Timeout), ok = int(CmdRetType_::Ok);
        dataRow("star, axis 1 tracking, GoTos never taken", "sky", true, never, 0, timeout, limit,
                limit + 1000);
        dataRow("axes ahead of the tracking, GoTos never taken", "axes", true, never, 0, timeout,
                limit, limit + 1000);
        dataRow("star, axes standing, GoTos never taken", "sky", false, never, 0, timeout, limit,
                limit + 1000);
        dataRow("star, axis 1 tracking, every 5th reply garbled", "sky", true, "", 5, ok, 0, limit);
        dataRow("axes ahead, axis 1 tracking, every 5th reply garbled", "axes", true, "", 5, ok, 0,
                limit);
    }
    void trackingDriftIsNoProgress() {
        QFETCH(QString, target);
        QFETCH(bool, tracking);
        QFETCH(QString, script);
        QFETCH(int, garbleEvery);
        QFETCH(int, result);
        QFETCH(int, fromMs);
        QFETCH(int, toMs);

        SlewRig rig;
        auto garbling = std::make_shared<GarblingAxis>(rig.log, rig.clock);
        rig.axis = garbling;
        const AnglePair park =
            defaultModel(MountMode_::EQ, rig.location->location())->referenceAxes();
        rig.axis->placeAt(0, park.first);
        rig.axis->placeAt(1, park.second);
        rig.axis->readPositions();
        if (tracking)
            QCOMPARE(rig.axis->slewAtRate(0, kSiderealRate), CmdRetType_::Ok);
        rig.axis->scriptAll(script);
        garbling->garbleEvery(garbleEvery);
        const U_ASTRO_COORD goal =
            target == "sky"
                ? U_ASTRO_COORD{rig.astro->localSiderealRad() + 30 * kDeg, 20 * kDeg,
                                CoordType::RDJNow}
                : U_ASTRO_COORD{park.first + 0.3, park.second + 0.2, CoordType::MountAxes};
        const int64_t start = rig.clock->nowMs();
        QCOMPARE(int(rig.task(MountMode_::EQ, goal)->run()), result);
        const int elapsed = int(rig.clock->nowMs() - start);
        QVERIFY2(elapsed >= fromMs && elapsed <= toMs, qPrintable(QString::number(elapsed)));
    }

    // What keeps a GoTo from being given up: either axis moving, and a pass that ends. Each row
    // is a GoTo that must arrive though one kind of progress alone carries it past the limit.
    void progressOfEitherKind_data() {
        QTest::addColumn<AnglePair>("target");
        // Every GoTo of both axes ends this far off its aim; each command takes latencyMs.
        QTest::addColumn<double>("gotoError");
        QTest::addColumn<int>("latencyMs");
        QTest::addColumn<QString>("script");
        // How many times axis 2 was commanded.
        QTest::addColumn<int>("moves");

        // 330 degrees of axis 2 at 10 degrees per second, axis 1 staying: only axis 2 moves.
        dataRow("a slew of axis 2 alone, longer than the limit", AnglePair{0.0, 5.76}, 0.0, 0, "",
                1);
        // Every GoTo ends where the axes stand, short of the target: the axes never move, and
        // each pass takes 24 s of link time. The third pass's first read is lost 56 s after
        // the start, 8 s after the second pass ended.
        dataRow("a lost read after passes that ended with the axes still", AnglePair{0.01, 0.01},
                -0.01, 4000, "pos1=KKT", 6);
    }
    void progressOfEitherKind() {
        QFETCH(AnglePair, target);
        QFETCH(double, gotoError);
        QFETCH(int, latencyMs);
        QFETCH(QString, script);
        QFETCH(int, moves);

        SlewRig rig;
        rig.axis->placeAt(0, 0.0);
        rig.axis->placeAt(1, 0.0);
        rig.axis->setGotoError(0, gotoError);
        rig.axis->setGotoError(1, gotoError);
        rig.axis->setLatencyMs(latencyMs);
        rig.axis->scriptAll(script);
        auto task = rig.task(MountMode_::EQ,
                             U_ASTRO_COORD{target.first, target.second, CoordType::MountAxes});
        QCOMPARE(int(task->run()), int(CmdRetType_::Ok));
        QVERIFY(rig.clock->nowMs() - kSlewEpochMs > SlewToTask::kStallLimitMs);
        QCOMPARE(int(rig.log->text().count("goto2")), moves);
    }

    // Sky targets, with every GoTo of axis 1 falling short so that the GoTo runs all its passes: a
    // target fixed to the ground or the meridian is turned into axis angles once, one that moves
    // with the stars at every pass; each goes through the correction table.
    void skyTargets_data() {
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("fixed");
        QTest::newRow("observed hour angle and declination") << int(CoordType::HDObsv) << true;
        QTest::newRow("observed azimuth and altitude") << int(CoordType::AZObsv) << true;
        QTest::newRow("right ascension and declination of date") << int(CoordType::RDJNow) << false;
        QTest::newRow("right ascension and declination J2000") << int(CoordType::RDJ2000) << false;
    }
    void skyTargets() {
        QFETCH(int, frame);
        QFETCH(bool, fixed);

        auto aimsFor = [&](AnglePair shift) {
            SlewRig rig;
            U_ASTRO_COORD target{0.3, 0.5, CoordType::HDObsv};
            if (frame != int(CoordType::HDObsv))
                target = rig.astro->convertNow(target, static_cast<CoordType>(frame));
            rig.axis->placeAt(0, -kPi / 2);
            rig.axis->placeAt(1, kPi / 2);
            rig.axis->setGotoError(0, -0.01);
            rig.axis->setLatencyMs(4000);
            const CmdRetType_::E r = rig.task(MountMode_::EQ, target, shift)->run();
            return std::make_pair(r, std::make_pair(rig.axis->aims(0), rig.axis->aims(1)));
        };
        const auto [result, aims] = aimsFor({0, 0});
        QCOMPARE(result, CmdRetType_::Ok);
        // The counted passes come last: before them only the passes in which an axis went below.
        QVERIFY(aims.first.size() >= SlewToTask::kMaxCountedPasses);
        const Angles counted = aims.first.mid(aims.first.size() - SlewToTask::kMaxCountedPasses);
        // Each pass takes 24 s on the clock (six commands of 4 s); a moving target's axis 1 follows
        // the hour angle by that much.
        const double perPass = 24 * kSiderealRate;
        for (int i = 1; i < counted.size(); ++i) {
            const double step = counted[i] - counted[i - 1];
            if (fixed)
                QCOMPARE(step, 0.0);
            else
                QVERIFY2(std::fabs(step - perPass) < 0.01 * perPass,
                         qPrintable(QString::number(step)));
        }
        // A correction of the declination moves axis 2 of a perfect equatorial model by as much.
        const auto shifted = aimsFor({0, 0.01});
        QVERIFY(std::fabs(std::fabs(shifted.second.second[0] - aims.second[0]) - 0.01) < 1e-9);
    }

    // The whole GoTo on the emulated mount through the task manager, on a clock the task's sleeps
    // move on: from the park position to a star in the east, ending within the tolerance with
    // both axes having made their last move upward, in two commanding passes (the long slew with
    // axis 2 going below, then the approach from below), and settled 3950 ms after the last
    // command.
    void emulatedGoto() {
        auto clock = std::make_shared<FakeClock>(kSlewEpochMs);
        auto token = std::make_shared<SteppingTCCancellable>(clock);
        auto device = std::make_shared<EmlatorKoDevic>();
        auto axis = std::make_shared<EmlatorMountAxis>(
            device, token, clock, std::make_shared<MountAxisTimeContainer>(), slewSite(),
            std::make_shared<PerMountDataBasic>());
        device->initialize(false, 1);
        axis->initialize();
        auto location = slewSite();
        auto astro = std::make_shared<AstroCalc>(location, std::make_shared<AstroClock>(clock));
        auto model = defaultModel(MountMode_::EQ, location->location());
        const AnglePair park = model->referenceAxes();
        axis->setPosition(0, park.first);
        axis->setPosition(1, park.second);

        std::mutex commandsMutex;
        QList<int64_t> commandTimes;
        axis->motionCommanded.append([&] {
            std::lock_guard lock(commandsMutex);
            commandTimes << clock->nowMs();
        });

        // Two hours east of the meridian at declination 20 degrees, as right ascension of date.
        const double ra = astro->localSiderealRad() + 30 * kDeg;
        const U_ASTRO_COORD star{ra, 20 * kDeg, CoordType::RDJNow};
        auto settings = std::make_shared<SlewToSettings>();
        auto task = std::make_shared<SlewToTask>(
            token, clock, axis,
            std::make_shared<MountAxisUtil>(axis, token,
                                            std::make_shared<AppCore>(nullptr, nullptr)),
            astro, model, settings, std::make_shared<SlewToTargetMAContainer>(),
            std::make_shared<ShiftingTable>(), MountMode_::EQ, star);

        auto manager = std::make_shared<MountTaskManager>(token);
        manager->init(manager);
        std::atomic<int> result{-1};
        std::atomic<int64_t> endMs{0};
        manager->start(task, nullptr, [&](CmdRet r) {
            endMs = clock->nowMs();
            result = r.type;
        });
        QTRY_VERIFY_WITH_TIMEOUT(result != -1, 20000);
        QCOMPARE(result.load(), int(CmdRetType_::Ok));

        const auto [first, second] = axis->readPositions().value();
        const U_ASTRO_COORD hd = astro->convertNow(star, CoordType::HDObsv);
        const AnglePair want = model->skyToAxes({hd.a, hd.b}, {first, second});
        const double off = astro->angularSeparation(AnglePair{first, second}, want);
        QVERIFY2(off <= settings->toleranceRad, qPrintable(QString::number(off / kDeg * 60) + "'"));
        QCOMPARE(axis->lastDirection(0).value(), true);
        QCOMPARE(axis->lastDirection(1).value(), true);

        std::lock_guard lock(commandsMutex);
        QCOMPARE(commandTimes.size(), 4);
        // Settled 3950 ms after the last pass was commanded: the clock moves only by the task's
        // sleeps, so the time is exact.
        const int64_t settled = endMs - commandTimes[2];
        QCOMPARE(settled, int64_t(SlewToTask::kSettleMs));
    }
};

QTEST_GUILESS_MAIN(TestSlewToTask)
#include "tst_slewtotask.moc"

#include "base/tests/scratchsettings.h"
#include "mount/mount.h"
#include "mount/mountfactory.h"

#include "astro/angleutil.h"
#include "astro/astrocalc.h"
#include "astro/qastroformat.h"
#include "base/cancellable.h"
#include "base/clock.h"
#include "base/location2.h"
#include "base/qtfileutil.h"
#include "base/qtkvstore.h"
#include "base/tests/datarow.h"
#include "base/toastmanageruistub.h"
#include "link/connectionsettings.h"
#include "link/emkomcommand.h"
#include "link/emlatorkodevic.h"
#include "link/emlatormountaxis.h"
#include "link/kodevice.h"
#include "link/komountaxis.h"
#include "link/mountaxistimecontainer.h"
#include "link/tests/udplinkrig.h"
#include "model/alignment.h"
#include "model/alignmentdatacontainer.h"
#include "model/pae.h"
#include "model/permountdata.h"
#include "model/sharedalignmentdata.h"
#include "mount/altrange.h"
#include "mount/appcore.h"
#include "mount/gotoclaim.h"
#include "mount/mountaxisutil.h"
#include "mount/parkdataloaduistub.h"
#include "mount/slewtosettings.h"
#include "mount/slewtotargetmacontainer.h"
#include "mount/tasks/imounttask.h"
#include "mount/tasks/mounttaskfactory.h"
#include "mount/tasks/mounttaskmanager.h"
#include "mount/tasks/periodicpositionreadtask.h"
#include "mount/tasks/trailpointssender_emulator.h"
#include "mount/tests/fakefastclock.h"
#include "mount/tests/mountcontrolrig.h"

#include <QPointer>
#include <QTest>
#include <QThread>

#include <atomic>
#include <cmath>
#include <condition_variable>
#include <limits>
#include <map>
#include <mutex>
#include <thread>

using namespace Ko;
using AnglePair = std::pair<double, double>;

Q_DECLARE_METATYPE(Ko::U_ASTRO_COORD)

namespace {

// 2024-03-20 00:00 UTC; the mount runs ten times as fast as the wall clock from there.
constexpr int64_t kEpochMs = 1710892800000;
// A GoTo ends within the mount's tolerance (2' EQ, 5' AZ) of where the target was then; the
// check comes a moment later, while tracking follows the sky, so 3' more are allowed.
constexpr double kArrivalToleranceRad = 8.0 / 60 * kDeg;
constexpr int kGotoTimeoutMs = 30000;

// Keeps the axes busy until the test lets go: an axis slew that does not move and that ends only
// when released, cancelled or not, as a slew whose last command waits on a slow link. A task
// handed over meanwhile has to wait for it.
class HeldSlew : public IMountTask {
public:
    struct Gate {
        std::mutex mutex;
        std::condition_variable opened;
        bool open = false;
    };
    HeldSlew(std::shared_ptr<Gate> gate, AXISID axis) : m_gate(std::move(gate)), m_axis(axis) {}

    uint32_t type() const override { return MountTaskTag::AxisSlew; }
    std::set<int> resources() const override { return {int(axisSlot(m_axis))}; }
    CmdRetType_::E run() override {
        std::unique_lock lock(m_gate->mutex);
        m_gate->opened.wait(lock, [this] { return m_gate->open; });
        return CmdRetType_::Cancel;
    }

private:
    const std::shared_ptr<Gate> m_gate;
    const AXISID m_axis;
};

// The real task factory, with a log of what the mount asked it for ("slew 1", "stop 2", "trck",
// "slto"), so that the end-of-motion rule can be read off call by call. While held, axis slews
// are HeldSlew tasks.
class RecordingTaskFactory : public IMountTaskFactory {
public:
    explicit RecordingTaskFactory(std::shared_ptr<IMountTaskFactory> inner)
        : m_inner(std::move(inner)) {}

    void holdSlews() {
        std::lock_guard lock(m_mutex);
        m_gate = std::make_shared<HeldSlew::Gate>();
    }
    void releaseSlews() {
        std::shared_ptr<HeldSlew::Gate> gate;
        {
            std::lock_guard lock(m_mutex);
            gate = std::exchange(m_gate, nullptr);
        }
        if (!gate)
            return;
        {
            std::lock_guard lock(gate->mutex);
            gate->open = true;
        }
        gate->opened.notify_all();
    }

    std::shared_ptr<IMountTask> createAxisSlewTask(AXISID axis, bool absoluteRate,
                                                   double rate) override {
        record(QString("slew %1").arg(axis + 1));
        std::lock_guard lock(m_mutex);
        if (m_gate)
            return std::make_shared<HeldSlew>(m_gate, axis);
        return m_inner->createAxisSlewTask(axis, absoluteRate, rate);
    }
    std::shared_ptr<IMountTask> createAxisStopTask(AXISID axis) override {
        record(QString("stop %1").arg(axis + 1));
        return m_inner->createAxisStopTask(axis);
    }
    std::shared_ptr<IMountTask> createSlewToTask(U_ASTRO_COORD target) override {
        record("slto");
        return m_inner->createSlewToTask(target);
    }
    std::shared_ptr<IMountTask> createTrackingTask(MountMode_::E mode, Nullable<TrackingRate> rate,
                                                   Nullable<MountTarget> target) override {
        record("trck");
        return m_inner->createTrackingTask(mode, rate, target);
    }
    std::shared_ptr<IMountTask> createAutoHomeTask(double decOffsetRad) override {
        record("home");
        return m_inner->createAutoHomeTask(decOffsetRad);
    }
    std::shared_ptr<IMountTask> createPulseGuideTask(AXISID axis, double rate,
                                                     uint32_t durationMs) override {
        record("puls");
        return m_inner->createPulseGuideTask(axis, rate, durationMs);
    }
    std::shared_ptr<IMountTask>
    createTrailPointsTask(TrailPointsParam&& param, Nullable<uint32_t> countDown,
                          std::function<void(const TrailPointsProgress&)> progress) override {
        record("trps");
        return m_inner->createTrailPointsTask(std::move(param), countDown, std::move(progress));
    }

    QStringList take() {
        std::lock_guard lock(m_mutex);
        return std::exchange(m_log, {});
    }

private:
    void record(const QString& what) {
        std::lock_guard lock(m_mutex);
        m_log << what;
    }

    const std::shared_ptr<IMountTaskFactory> m_inner;
    std::mutex m_mutex;
    QStringList m_log;
    std::shared_ptr<HeldSlew::Gate> m_gate;
};

CLocation site() {
    CLocation l;
    l.latitudeRad = 40 * kDeg;
    l.longitudeRad = 75 * kDeg;
    return l;
}

// Lets go of a mount and waits until it is destroyed. A task thread that held the last reference
// for a moment hands the destruction to this thread's event loop, and until then the mount's
// tasks run on, into callbacks of a test row that has ended.
template <class M>
void letGo(std::shared_ptr<M>& mount) {
    if (!mount)
        return;
    QPointer<QObject> alive(mount.get());
    mount.reset();
    if (!QTest::qWaitFor([&] { return alive.isNull(); }, 30000))
        QTest::qFail("the mount outlived its rig", __FILE__, __LINE__);
}

// What every mount shares: a site at 40 degrees north, 75 west, the fast clock, the coordinate
// chain, settings in a scratch folder, per-mount data announcing the emulated mount of the mode,
// and so the default model of that mode with an empty correction table.
struct Shared : MountControlRig {
    explicit Shared(MountMode_::E mode)
        : MountControlRig({site().latitudeRad, site().longitudeRad, kEpochMs, {}, mode}) {}
};

// An emulated mount made by the factory, its axes at the model's reference position.
struct FactoryRig : Shared {
    explicit FactoryRig(MountMode_::E mode) : Shared(mode) {
        auto [m, s] = factory->create(mode, nullptr, device);
        mount = m;
        session = s;
        session->commit(true);
        axis = axisSlot->get();
        device->initialize(false, 1);
        const AnglePair home = alignment->referenceAxes();
        mount->setAxisPositions(home.first, home.second);
    }

    std::shared_ptr<EmlatorKoDevic> device = std::make_shared<EmlatorKoDevic>();
    std::shared_ptr<IMount> mount;
    std::shared_ptr<IMountFactory::ISession> session;
    std::shared_ptr<IMountAxis> axis;

    ~FactoryRig() {
        axis.reset();
        session.reset();
        letGo(mount);
    }
};

// The real task manager, with a look at the mount on the thread that starts a task, right after
// the axes' tags have changed. The mount starts its tasks holding its own lock, so the look may
// read the mount there; a subscriber of tasksChanged may not (a task thread that ends fires it
// too, and would wait for that lock while holding the subscriber).
class WatchedTaskManager : public IMountTaskManager {
public:
    explicit WatchedTaskManager(std::shared_ptr<MountTaskManager> inner) : m_inner(inner) {
        m_relay = m_inner->tasksChanged.append([this] { tasksChanged(); });
    }
    ~WatchedTaskManager() override {
        m_inner->shutdown();
        m_inner->tasksChanged.remove(m_relay);
    }

    void init(std::shared_ptr<IMountTaskManager>) override { m_inner->init(m_inner); }
    uint32_t taskType(int resource) override { return m_inner->taskType(resource); }
    std::map<int, uint32_t> taskTypes() override { return m_inner->taskTypes(); }
    std::shared_ptr<ICanceller> start(std::shared_ptr<IMountTask> task,
                                      std::function<void()> onStarted,
                                      std::function<void(CmdRet)> onFinished) override {
        auto handle = m_inner->start(std::move(task), std::move(onStarted), std::move(onFinished));
        std::function<void()> look;
        {
            std::lock_guard lock(m_mutex);
            look = m_look;
        }
        if (look)
            look();
        return handle;
    }
    void shutdown() override { m_inner->shutdown(); }

    void setLook(std::function<void()> look) {
        std::lock_guard lock(m_mutex);
        m_look = std::move(look);
    }

private:
    const std::shared_ptr<MountTaskManager> m_inner;
    eventpp::CallbackList<void()>::Handle m_relay;
    std::mutex m_mutex;
    std::function<void()> m_look;
};

// The same graph built by hand, so that the tests see the task manager's tags and every task the
// mount asks for.
struct ManualRig : Shared {
    explicit ManualRig(MountMode_::E mode) : Shared(mode) {
        watched->init(watched);
        device->initialize(false, 1);
        auto util = std::make_shared<MountAxisUtil>(axis, token, appCore);
        auto settings = std::make_shared<SlewToSettings>();
        auto targets = std::make_shared<SlewToTargetMAContainer>();
        auto command = std::make_shared<EmKoMCommand>(clock);
        tasks = std::make_shared<RecordingTaskFactory>(std::make_shared<MountTaskFactory>(
            token, axis, util, mode, clock, astro, alignment, settings, targets, location, command,
            token, pae, std::make_shared<TrailPointsSender_Emulator>(clock, token, axisTimes)));
        mount = Mount::create(mode, nullptr, device, axis, axisTimes, alignment, watched, tasks,
                              std::make_shared<PeriodicPositionReadTask>(token, clock, axis, false),
                              astro, altRange, settings, targets, command, appCore, perMountData,
                              toasts, parkPrompt, pae, clock);
        const AnglePair home = alignment->referenceAxes();
        mount->setAxisPositions(home.first, home.second);
    }

    QString tags() const {
        return QString::fromStdString(mountTaskTagText(manager->taskType(0)) + "/" +
                                      mountTaskTagText(manager->taskType(1)));
    }

    std::shared_ptr<EmlatorKoDevic> device = std::make_shared<EmlatorKoDevic>();
    std::shared_ptr<MountAxisTimeContainer> axisTimes = std::make_shared<MountAxisTimeContainer>();
    std::shared_ptr<EmlatorMountAxis> axis =
        std::make_shared<EmlatorMountAxis>(device, token, clock, axisTimes, location, perMountData);
    std::shared_ptr<MountTaskManager> manager = std::make_shared<MountTaskManager>(token);
    std::shared_ptr<WatchedTaskManager> watched = std::make_shared<WatchedTaskManager>(manager);
    std::shared_ptr<RecordingTaskFactory> tasks;
    std::shared_ptr<Mount> mount;

    ~ManualRig() {
        tasks->releaseSlews();
        letGo(mount);
    }
};

// What the GoTo state reads each time the mount says it changed, read on the thread that says
// so, before anything else can move it on: the published target's name, "-" for none. A repeat of
// the last reading is not kept.
struct GotoStateProbe {
    std::mutex mutex;
    QStringList seen;

    void subscribe(IMount& mount) {
        mount.slewToStateChanged.append([this, &mount] {
            const auto target = mount.slewToTarget();
            const QString now = target.hasValue() ? QString::fromStdString(target.value().name)
                                                  : QStringLiteral("-");
            std::lock_guard lock(mutex);
            if (seen.isEmpty() || seen.last() != now)
                seen << now;
        });
    }
    QStringList get() {
        std::lock_guard lock(mutex);
        return seen;
    }
};

// Collects what slewToFinished delivers to one subscription, from whichever thread.
struct FinishProbe {
    std::mutex mutex;
    QList<int> results;
    FlippingMode_::E flippingAtFinish = FlippingMode_::Auto;

    void subscribe(IMount& mount) {
        mount.slewToFinished.append([this, &mount](CmdRet r) {
            std::lock_guard lock(mutex);
            results << r.type;
            flippingAtFinish = mount.flippingMode();
        });
    }
    QList<int> get() {
        std::lock_guard lock(mutex);
        return results;
    }
};

// Where the axes should stand for target now.
AnglePair expectedAxes(const Shared& rig, const U_ASTRO_COORD& target, AnglePair near) {
    if (target.type == CoordType::MountAxes)
        return {target.a, target.b};
    const U_ASTRO_COORD hd = rig.astro->convertNow(target, CoordType::HDObsv);
    return rig.alignment->skyToAxes({hd.a, hd.b}, near);
}

double distance(const Shared& rig, AnglePair a, AnglePair b) {
    return rig.astro->angularSeparation(a, b);
}

QString arcmin(double rad) {
    return QString::number(rad / kDeg * 60, 'f', 2) + "'";
}

} // namespace

class TestMount : public QObject {
    Q_OBJECT

private slots:
    // A GoTo from the reference position to each kind of target ends within tolerance of it, with
    // the published target set while it runs and cleared at the end, and tracking as the target's
    // frame asks: on at the object's rate after an equatorial sky position, off after anything
    // else.
    void gotoArrives_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<U_ASTRO_COORD>("target");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("tracking");

        // Offsets from the local sidereal time at the start are turned into right ascension in the
        // test, so every row points to the same part of the sky whatever the date.
        const int EQ = MountMode_::EQ, AZ = MountMode_::AZ;
        dataRow("EQ axis angles: tracking off", EQ, U_ASTRO_COORD{-1.2, 1.1, CoordType::MountAxes},
                0, false);
        dataRow("EQ hour angle 2h east: tracking off", EQ,
                U_ASTRO_COORD{-30 * kDeg, 20 * kDeg, CoordType::HDObsv}, 0, false);
        dataRow("EQ star of date 2h east, lunar rate", EQ,
                U_ASTRO_COORD{30 * kDeg, 20 * kDeg, CoordType::RDJNow}, 1, true);
        dataRow("EQ J2000 star 1h west, solar rate", EQ,
                U_ASTRO_COORD{-15 * kDeg, 20 * kDeg, CoordType::RDJ2000}, 2, true);
        dataRow("AZ star of date, sidereal", AZ,
                U_ASTRO_COORD{20 * kDeg, 30 * kDeg, CoordType::RDJNow}, 0, true);
        dataRow("AZ azimuth 120, altitude 40: tracking off", AZ,
                U_ASTRO_COORD{120 * kDeg, 40 * kDeg, CoordType::AZObsv}, 0, false);
    }
    void gotoArrives() {
        QFETCH(int, mode);
        QFETCH(U_ASTRO_COORD, target);
        QFETCH(int, kind);
        QFETCH(bool, tracking);

        // The probes outlive the rig, whose tasks may still tell of a change after the checks.
        FinishProbe finish;
        std::atomic<int> states{0};
        std::atomic<int> positions{0};
        FactoryRig rig{MountMode_::E(mode)};
        if (target.type == CoordType::RDJNow || target.type == CoordType::RDJ2000)
            target.a += rig.astro->localSiderealRad();
        const MountTarget goal{"goal", target, uint32_t(kind)};
        finish.subscribe(*rig.mount);
        rig.mount->slewToStateChanged.append([&] { ++states; });
        QObject::connect(
            rig.mount.get(), &IMount::positionChanged, this, [&] { ++positions; },
            Qt::DirectConnection);

        QVERIFY(rig.mount->slewToAsync(goal));
        QTRY_VERIFY(rig.mount->slewToTarget().hasValue());
        QCOMPARE(rig.mount->slewToTarget().value(), goal);
        QTRY_COMPARE_WITH_TIMEOUT(finish.get(), QList<int>{CmdRetType_::Ok}, kGotoTimeoutMs);

        QVERIFY(!rig.mount->slewToTarget().hasValue());
        QVERIFY(!rig.mount->remainingSlewAngle().hasValue());
        // Start, end, and the readings in between.
        QVERIFY(states >= 3);
        QVERIFY(positions > 0);
        // The finish is told first; the tracking it leads to follows on the task's thread.
        QTRY_COMPARE(rig.mount->trackingEnabled(), tracking);
        if (tracking) {
            QCOMPARE(rig.mount->trackingRate(), Nullable<TrackingRate>(TrackingRate(kind)));
            QVERIFY(!rig.mount->trackingTarget().hasValue());
            QTRY_VERIFY(rig.mount->realTracking());
        } else {
            QVERIFY(!rig.mount->realTracking());
        }
        QVERIFY(rig.mount->axisSlewFlag(0) && rig.mount->axisSlewFlag(1));
        QCOMPARE(rig.mount->flippingMode(), FlippingMode_::Auto);

        const auto read = rig.mount->readAxisPositions();
        QVERIFY(read.isOk());
        const double off = distance(rig, read.value(), expectedAxes(rig, target, read.value()));
        QVERIFY2(off < kArrivalToleranceRad, qPrintable(arcmin(off)));
    }

    // The altitude limits (0 and 75 degrees by default) hold at both ends inclusive; targets that
    // are not numbers are refused in every frame; axis targets skip the limits. A refused target
    // starts nothing.
    void altitudeLimits_data() {
        QTest::addColumn<U_ASTRO_COORD>("target");
        QTest::addColumn<bool>("accepted");

        const double maxAlt = AltRange::kMaxAltDefault;
        const double nan = std::nan("");
        dataRow("altitude exactly at the lower limit", U_ASTRO_COORD{1.0, 0.0, CoordType::AZObsv},
                true);
        dataRow("just below the lower limit", U_ASTRO_COORD{1.0, -1e-9, CoordType::AZObsv}, false);
        dataRow("altitude exactly at the upper limit",
                U_ASTRO_COORD{1.0, maxAlt, CoordType::AZObsv}, true);
        dataRow("just above the upper limit", U_ASTRO_COORD{1.0, maxAlt + 1e-9, CoordType::AZObsv},
                false);
        dataRow("hour angle 12h: below the horizon", U_ASTRO_COORD{kPi, 0.0, CoordType::HDObsv},
                false);
        QTest::newRow("altitude not a number")
            << U_ASTRO_COORD{1.0, nan, CoordType::AZObsv} << false;
        dataRow("right ascension not a number", U_ASTRO_COORD{nan, 0.3, CoordType::RDJNow}, false);
        dataRow("axis angles below the horizon skip the limits",
                U_ASTRO_COORD{-1.2, -0.5, CoordType::MountAxes}, true);
        dataRow("axis angle not a number", U_ASTRO_COORD{nan, 1.0, CoordType::MountAxes}, false);
    }
    void altitudeLimits() {
        QFETCH(U_ASTRO_COORD, target);
        QFETCH(bool, accepted);

        ManualRig rig(MountMode_::EQ);
        rig.tasks->take();
        QCOMPARE(rig.mount->slewToAsync(MountTarget{"t", target, 0}), accepted);
        QCOMPARE(rig.tasks->take(), accepted ? QStringList{"slto"} : QStringList{});
        if (accepted)
            QTRY_VERIFY(rig.mount->slewToTarget().hasValue());
    }

    // Which task each axis gets after a sequence of manual slews, stops, tracking changes and
    // aborts: the tasks the mount asked for along the way, the tags the axes end with, and the
    // manual slew state of axis 1. Rates are in sidereal units; "+1 2" slews axis 2 at the sidereal
    // rate.
    void endOfMotionRule_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("ops");
        QTest::addColumn<QStringList>("tasks");
        QTest::addColumn<QString>("tags");
        QTest::addColumn<int>("state1");
        QTest::addColumn<bool>("flag1");

        const int EQ = MountMode_::EQ, AZ = MountMode_::AZ;
        dataRow("EQ right after connecting, tracking on starts at once", EQ,
                QStringList{"track on"}, QStringList{"trck"}, "trck/stop", 0, true);
        dataRow("AZ right after connecting, tracking on starts at once", AZ,
                QStringList{"track on"}, QStringList{"trck"}, "trck/trck", 0, true);
        dataRow("EQ tracking: zero rate on axis 1 resumes tracking", EQ,
                QStringList{"track on", "+8 1", "0 1"}, QStringList{"trck", "slew 1", "trck"},
                "trck/stop", 0, true);
        dataRow("EQ tracking: zero rate on axis 2 stops it", EQ,
                QStringList{"track on", "+8 2", "0 2"}, QStringList{"trck", "slew 2", "stop 2"},
                "trck/stop", 0, true);
        dataRow("AZ tracking: zero rate while the other axis slews stops, the last restarts", AZ,
                QStringList{"track on", "+8 1", "-8 2", "0 1", "0 2"},
                QStringList{"trck", "slew 1", "slew 2", "stop 1", "trck"}, "trck/trck", 0, true);
        dataRow("tracking off: zero rate stops the axis", EQ, QStringList{"+8 1", "0 1"},
                QStringList{"slew 1", "stop 1"}, "stop/stop", 0, true);
        dataRow("positive then negative: state -1, flag false", EQ, QStringList{"+8 1", "-8 1"},
                QStringList{"slew 1", "slew 1"}, "slew/stop", -1, false);
        dataRow("a stop keeps the last direction", EQ, QStringList{"+8 1", "-8 1", "0 1"},
                QStringList{"slew 1", "slew 1", "stop 1"}, "stop/stop", 0, false);
        dataRow("a rate that is not a number changes nothing", EQ, QStringList{"+8 1", "nan 1"},
                QStringList{"slew 1"}, "slew/stop", 1, true);
        dataRow("EQ tracking off stops axis 1 only", EQ,
                QStringList{"track on", "+8 2", "track off"},
                QStringList{"trck", "slew 2", "stop 1"}, "stop/slew", 0, true);
        dataRow("AZ tracking off stops both", AZ, QStringList{"track on", "track off"},
                QStringList{"trck", "stop 1", "stop 2"}, "stop/stop", 0, true);
        dataRow("tracking on while an axis slews waits for its end", EQ,
                QStringList{"+8 1", "track on", "0 1"}, QStringList{"slew 1", "trck"}, "trck/stop",
                0, true);
        dataRow("same rate again does not restart tracking, another rate does", EQ,
                QStringList{"track on", "rate 0", "rate 1"}, QStringList{"trck", "trck"},
                "trck/stop", 0, true);
        dataRow("EQ abort with tracking: axis 1 tracks, axis 2 stops", EQ,
                QStringList{"track on", "+8 1", "+8 2", "abort"},
                QStringList{"trck", "slew 1", "slew 2", "trck", "stop 2"}, "trck/stop", 0, true);
        dataRow("AZ abort with tracking: axis 1 stops (axis 2 still slews), axis 2 tracks", AZ,
                QStringList{"track on", "+8 1", "+8 2", "abort"},
                QStringList{"trck", "slew 1", "slew 2", "stop 1", "trck"}, "trck/trck", 0, true);
        dataRow("AZ tracking target replaces the rate", AZ, QStringList{"track on", "target"},
                QStringList{"trck", "trck"}, "trck/trck", 0, true);
        dataRow("EQ ignores a tracking target", EQ, QStringList{"track on", "target"},
                QStringList{"trck"}, "trck/stop", 0, true);
    }
    void endOfMotionRule() {
        QFETCH(int, mode);
        QFETCH(QStringList, ops);
        QFETCH(QStringList, tasks);
        QFETCH(QString, tags);
        QFETCH(int, state1);
        QFETCH(bool, flag1);

        ManualRig rig{MountMode_::E(mode)};
        IMount& mount = *rig.mount;
        rig.tasks->take();
        for (const QString& op : ops) {
            const QStringList w = op.split(' ');
            if (op == "track on" || op == "track off") {
                mount.setTrackingEnabled(op == "track on");
            } else if (w[0] == "rate") {
                mount.setTrackingRate(TrackingRate(w[1].toInt()));
            } else if (op == "target") {
                mount.setTrackingTarget(
                    MountTarget{"m", U_ASTRO_COORD{1.0, 0.5, CoordType::RDJNow}, 0});
            } else if (op == "abort") {
                mount.abortSlewAsync();
            } else {
                const double rate = w[0] == "nan" ? std::nan("") : w[0].toDouble() * kSiderealRate;
                mount.slewAxisAsync(w[1].toUInt() - 1, rate);
            }
        }
        QCOMPARE(rig.tasks->take(), tasks);
        QCOMPARE(rig.tags(), tags);
        QCOMPARE(mount.axisSlewState(0), state1);
        QCOMPARE(mount.axisSlewFlag(0), flag1);
        if (ops.contains("target")) {
            QCOMPARE(mount.trackingTarget().hasValue(), mode == MountMode_::AZ);
            QCOMPARE(mount.trackingRate().hasValue(), mode == MountMode_::EQ);
        }
    }

    // The program's end stops what only a release would have stopped: each axis whose motion is
    // a slew at a rate, whoever started it, and nothing that ends by itself. ops as in
    // endOfMotionRule, "goto" a GoTo under way. stopped: what stopOpenEndedMotions answers; tasks
    // and tags: what it asked for and what the axes end with.
    void stopsOpenEndedMotions_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("ops");
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<QStringList>("tasks");
        QTest::addColumn<QString>("tags");

        const int EQ = MountMode_::EQ, AZ = MountMode_::AZ;
        dataRow("nothing moves: nothing to stop", EQ, QStringList{}, false, QStringList{},
                "stop/stop");
        dataRow("axis 1 slews: stopped", EQ, QStringList{"+8 1"}, true, QStringList{"stop 1"},
                "stop/stop");
        dataRow("axis 2 slews: stopped", EQ, QStringList{"-400 2"}, true, QStringList{"stop 2"},
                "stop/stop");
        dataRow("both slew: both stopped", EQ, QStringList{"+8 1", "-8 2"}, true,
                QStringList{"stop 1", "stop 2"}, "stop/stop");
        dataRow("EQ tracking on, axis 1 slews: tracking resumes", EQ,
                QStringList{"track on", "+8 1"}, true, QStringList{"trck"}, "trck/stop");
        dataRow("AZ tracking on, both slew: tracking resumes", AZ,
                QStringList{"track on", "+8 1", "+8 2"}, true, QStringList{"stop 1", "trck"},
                "trck/trck");
        dataRow("tracking alone goes on", EQ, QStringList{"track on"}, false, QStringList{},
                "trck/stop");
        dataRow("a slew already let go is not stopped again", EQ, QStringList{"+8 1", "0 1"}, false,
                QStringList{}, "stop/stop");
        dataRow("a GoTo runs on", EQ, QStringList{"track on", "goto"}, false, QStringList{},
                "slto/slto");
    }
    void stopsOpenEndedMotions() {
        QFETCH(int, mode);
        QFETCH(QStringList, ops);
        QFETCH(bool, stopped);
        QFETCH(QStringList, tasks);
        QFETCH(QString, tags);

        ManualRig rig{MountMode_::E(mode)};
        IMount& mount = *rig.mount;
        for (const QString& op : ops) {
            const QStringList w = op.split(' ');
            if (op == "track on") {
                mount.setTrackingEnabled(true);
            } else if (op == "goto") {
                QVERIFY(mount.slewToAsync(
                    MountTarget{"far", U_ASTRO_COORD{0.5, 1.0, CoordType::MountAxes}, 0}));
                QTRY_VERIFY(mount.remainingSlewAngle().hasValue());
            } else {
                mount.slewAxisAsync(w[1].toUInt() - 1, w[0].toDouble() * kSiderealRate);
            }
        }
        rig.tasks->take();
        // Announced from the task threads too, hence counted rather than spied on.
        auto announced = std::make_shared<std::atomic<int>>(0);
        const QMetaObject::Connection counting = QObject::connect(
            rig.mount.get(), &IMount::stopPendingChanged, [announced] { ++*announced; });
        const auto disconnect = qScopeGuard([&counting] { QObject::disconnect(counting); });
        QCOMPARE(mount.stopOpenEndedMotions(), stopped);
        QCOMPARE(rig.tasks->take(), tasks);
        QCOMPARE(rig.tags(), tags);
        QCOMPARE(mount.axisSlewState(0), 0);
        QCOMPARE(mount.axisSlewState(1), 0);
        if (stopped) {
            // Pending from the moment it is given, so that the close waits for it.
            QVERIFY(*announced > 0);
            QTRY_VERIFY(!mount.stopPending());
        }
        if (ops.contains("goto"))
            QVERIFY(mount.slewToTarget().hasValue());
        // A second end finds nothing left to stop.
        QCOMPARE(mount.stopOpenEndedMotions(), false);
    }

    // An abort during a GoTo with tracking on ends it with Cancel; axis 1 goes on tracking, axis 2
    // stops, and the GoTo's bookkeeping is cleared. Where the axes are then depends on how far the
    // GoTo had come (on a slow machine, to its last pass near the target), so the controller's
    // axis 2 is checked to stand still instead.
    void abortDuringGoto() {
        ManualRig rig(MountMode_::EQ);
        rig.mount->setTrackingEnabled(true);
        FinishProbe finish;
        finish.subscribe(*rig.mount);
        QVERIFY(rig.mount->slewToAsync(
            MountTarget{"far", U_ASTRO_COORD{0.5, 1.0, CoordType::MountAxes}, 0}));
        QVERIFY(rig.mount->slewToTarget().hasValue());
        // Under way once it commands its axes (before, it waits for the tracking task to end).
        QTRY_VERIFY(rig.mount->remainingSlewAngle().hasValue());
        rig.tasks->take();
        rig.mount->abortSlewAsync();
        QTRY_COMPARE(finish.get(), QList<int>{CmdRetType_::Cancel});
        QVERIFY(!rig.mount->slewToTarget().hasValue());
        QCOMPARE(rig.tasks->take(), (QStringList{"trck", "stop 2"}));
        QCOMPARE(rig.tags(), QString("trck/stop"));
        QVERIFY(rig.mount->trackingEnabled());
        // Once the stop has run, a second of the mount's time leaves the axis where it was.
        const auto axis2StandsStill = [&rig] {
            const double at = rig.axis->readPosition(1).value();
            const int64_t atMs = rig.axis->lastPosition(1).timeMs;
            if (!QTest::qWaitFor([&] { return rig.clock->nowMs() - atMs >= 1000; }))
                return false;
            return rig.axis->readPosition(1).value() == at;
        };
        QTRY_VERIFY(axis2StandsStill());
    }

    // A GoTo started while another runs is not lost: the first ends with Cancel for its own
    // subscriber only, its end neither stops the axes under the second nor resets the pier side
    // forced for it, and the second arrives and reports to its subscriber.
    void secondGotoDuringFirst() {
        ManualRig rig(MountMode_::EQ);
        FinishProbe first, second;
        first.subscribe(*rig.mount);
        QVERIFY(rig.mount->slewToAsync(
            MountTarget{"first", U_ASTRO_COORD{0.8, 0.3, CoordType::MountAxes}, 0}));
        QVERIFY(rig.mount->slewToTarget().hasValue());
        QTRY_VERIFY(rig.mount->remainingSlewAngle().hasValue());

        second.subscribe(*rig.mount);
        rig.mount->setFlippingMode(FlippingMode_::Yes);
        const MountTarget goal{"second", U_ASTRO_COORD{-1.9, 1.3, CoordType::MountAxes}, 0};
        rig.tasks->take();
        QVERIFY(rig.mount->slewToAsync(goal));

        QTRY_COMPARE(first.get(), QList<int>{CmdRetType_::Cancel});
        QCOMPARE(first.flippingAtFinish, FlippingMode_::Yes);
        QTRY_COMPARE_WITH_TIMEOUT(second.get(), QList<int>{CmdRetType_::Ok}, kGotoTimeoutMs);
        QCOMPARE(first.get().size(), 1);
        // The first GoTo's end started nothing; the second's stops both axes. Its end is heard
        // on the task's thread, which may ask for the stops a moment later.
        QStringList asked;
        QTRY_VERIFY((asked += rig.tasks->take(), asked.size() >= 3));
        QCOMPARE(asked, (QStringList{"slto", "stop 1", "stop 2"}));
        QCOMPARE(rig.mount->flippingMode(), FlippingMode_::Auto);
        const double off = distance(rig, rig.mount->axisPositions(), {goal.coord.a, goal.coord.b});
        QVERIFY2(off < kArrivalToleranceRad, qPrintable(arcmin(off)));
    }

    // The GoTo state as a client sees it: a GoTo is under way from the moment it is accepted, even
    // while it waits for its axes; a GoTo replaced by another hands the state straight over, so it
    // never reads "done" in between (a dialog would close and give its end alert twice); a GoTo
    // that another task takes the axes from is over at once, also one that never got to run. At
    // the end nothing is published and the periodic reading has stopped.
    // Every GoTo, however it ends, puts a pier side forced for it back to automatic, at once when
    // it is aborted; the mount counts the GoTos it accepts (not one it refuses) and tells whether
    // the last one has arrived: one the controller fails has not. A claim on where the mount
    // stands, or on the GoTo about to start, holds only while no GoTo is under way, and no longer
    // once the mount has accepted another.
    // Ops: "hold" keeps axis 1 busy with a slew that ends only on "release"; "goto X" starts a
    // GoTo named X; "refused" asks for a GoTo to no place, which is refused; "is X" checks, right
    // after the previous op returned, what is published ("-": nothing); "running" waits until the
    // GoTo commands its axes; "abort"; "end" waits for the last GoTo to end; "heard N" waits until
    // the subscriber of the N-th GoTo has heard its end; "force" forces the flipped pier side;
    // "side A" checks the pier-side choice (Auto or Yes) right after the previous op returned;
    // "count N" checks the GoTos accepted; "arrived B" whether the last one has arrived; "fault"
    // makes the controller answer every motion command with Cancel, "mend" lets them through;
    // "claim here" and "claim next" take a claim (GotoClaim::current, ::next), "holds B" checks
    // it.
    void gotoState_data() {
        QTest::addColumn<QStringList>("ops");
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<QList<int>>("results");

        const int ok = CmdRetType_::Ok, cancel = CmdRetType_::Cancel;
        dataRow("a GoTo waiting for its axes is slewing at once",
                QStringList{"hold", "goto A", "is A", "release", "end"}, QStringList{"A", "-"},
                QList<int>{ok});
        dataRow("a running GoTo replaced: never done in between",
                QStringList{"goto A", "running", "goto B", "is B", "heard 1", "is B", "end"},
                QStringList{"A", "B", "-"}, QList<int>{cancel, ok});
        // A never ran: its subscriber hears the end of the GoTo that took its place.
        dataRow("a waiting GoTo replaced by another waiting one",
                QStringList{"hold", "goto A", "goto B", "is B", "release", "end"},
                QStringList{"A", "B", "-"}, QList<int>{ok, ok});
        dataRow("a waiting GoTo dropped by an abort is over at once",
                QStringList{"hold", "goto A", "abort", "is -", "release"}, QStringList{"A", "-"},
                QList<int>{});
        dataRow("a running GoTo aborted is over at once",
                QStringList{"goto A", "running", "abort", "is -"}, QStringList{"A", "-"},
                QList<int>{cancel});
        dataRow("a forced side is automatic again when its running GoTo is aborted",
                QStringList{"force", "goto A", "running", "side Yes", "abort", "side Auto",
                            "heard 1", "side Auto"},
                QStringList{"A", "-"}, QList<int>{cancel});
        dataRow("a forced side is automatic again when its waiting GoTo is dropped",
                QStringList{"hold", "force", "goto A", "side Yes", "abort", "side Auto", "release"},
                QStringList{"A", "-"}, QList<int>{});
        dataRow("a forced side is automatic again when its GoTo arrives",
                QStringList{"force", "goto A", "side Yes", "end", "heard 1", "side Auto"},
                QStringList{"A", "-"}, QList<int>{ok});
        dataRow("GoTos counted as accepted, arrival of the last one to end",
                QStringList{"count 0", "arrived false", "goto A", "count 1", "refused", "count 1",
                            "end", "heard 1", "arrived true", "goto B", "count 2", "arrived false",
                            "running", "abort", "arrived false", "heard 2", "arrived false"},
                QStringList{"A", "-", "B", "-"}, QList<int>{ok, cancel});
        dataRow("a replaced GoTo's end is no arrival",
                QStringList{"goto A", "end", "heard 1", "arrived true", "goto B", "arrived false",
                            "running", "goto C", "heard 2", "arrived false", "count 3", "end",
                            "heard 3", "arrived true"},
                QStringList{"A", "-", "B", "C", "-"}, QList<int>{ok, cancel, ok});
        dataRow("a GoTo the controller fails is no arrival",
                QStringList{"goto A", "end", "heard 1", "arrived true", "fault", "goto B",
                            "heard 2", "arrived false", "count 2", "mend", "goto C", "end",
                            "heard 3", "arrived true"},
                QStringList{"A", "-", "B", "-", "C", "-"}, QList<int>{ok, cancel, ok});
        // The GoTos wait for a held axis, so they are surely under way when the claim is read.
        dataRow("a claim on where the mount stands waits for the GoTo under way",
                QStringList{"hold", "goto A", "claim here", "holds false", "release", "end",
                            "heard 1", "holds true", "goto B", "holds false", "end", "holds false"},
                QStringList{"A", "-", "B", "-"}, QList<int>{ok, ok});
        dataRow("a claim on the next GoTo holds once that GoTo has ended",
                QStringList{"claim next", "holds false", "hold", "goto A", "holds false", "release",
                            "end", "heard 1", "holds true", "goto B", "holds false", "end",
                            "holds false"},
                QStringList{"A", "-", "B", "-"}, QList<int>{ok, ok});
    }
    void gotoState() {
        QFETCH(QStringList, ops);
        QFETCH(QStringList, seen);
        QFETCH(QList<int>, results);

        // The probes outlive the rig: a stop's task may still tell of the end after the last
        // check, and the rig's end waits for it.
        GotoStateProbe state;
        // Each GoTo has its own subscriber, appended before it starts.
        std::vector<std::unique_ptr<FinishProbe>> finishes;
        ManualRig rig(MountMode_::EQ);
        IMount& mount = *rig.mount;
        const std::shared_ptr<IMount> shared = rig.mount;
        GotoClaim claim;
        state.subscribe(mount);
        const std::map<QString, AnglePair> goals{
            {"A", {0.8, 0.3}}, {"B", {-1.9, 1.3}}, {"C", {0.4, -0.6}}};
        for (const QString& op : ops) {
            const QStringList w = op.split(' ');
            if (op == "hold") {
                rig.tasks->holdSlews();
                mount.slewAxisAsync(0, 8 * kSiderealRate);
            } else if (op == "release") {
                rig.tasks->releaseSlews();
            } else if (w[0] == "goto") {
                finishes.push_back(std::make_unique<FinishProbe>());
                finishes.back()->subscribe(mount);
                const AnglePair axes = goals.at(w[1]);
                QVERIFY(mount.slewToAsync(
                    MountTarget{w[1].toStdString(),
                                U_ASTRO_COORD{axes.first, axes.second, CoordType::MountAxes}, 0}));
            } else if (w[0] == "is") {
                const auto target = mount.slewToTarget();
                QCOMPARE(target.hasValue() ? QString::fromStdString(target.value().name)
                                           : QStringLiteral("-"),
                         w[1]);
            } else if (op == "running") {
                QTRY_VERIFY(mount.remainingSlewAngle().hasValue());
            } else if (op == "abort") {
                mount.abortSlewAsync();
            } else if (op == "refused") {
                const double nan = std::numeric_limits<double>::quiet_NaN();
                QVERIFY(!mount.slewToAsync(
                    MountTarget{"nowhere", U_ASTRO_COORD{nan, nan, CoordType::MountAxes}, 0}));
            } else if (op == "force") {
                mount.setFlippingMode(FlippingMode_::Yes);
            } else if (w[0] == "side") {
                QCOMPARE(mount.flippingMode(),
                         w[1] == "Yes" ? FlippingMode_::Yes : FlippingMode_::Auto);
            } else if (w[0] == "count") {
                QCOMPARE(mount.gotoGeneration(), w[1].toULongLong());
            } else if (w[0] == "arrived") {
                QCOMPARE(mount.lastGotoArrived(), w[1] == "true");
            } else if (op == "fault") {
                rig.axis->setMotionFault(CmdRetType_::Cancel);
            } else if (op == "mend") {
                rig.axis->setMotionFault(CmdRetType_::Ok);
            } else if (w[0] == "claim") {
                claim = w[1] == "next" ? GotoClaim::next(shared) : GotoClaim::current(shared);
            } else if (w[0] == "holds") {
                QCOMPARE(claim.holds(shared), w[1] == "true");
            } else if (w[0] == "heard") {
                QTRY_VERIFY_WITH_TIMEOUT(!finishes.at(w[1].toInt() - 1)->get().isEmpty(),
                                         kGotoTimeoutMs);
            } else if (op == "end") {
                QTRY_VERIFY_WITH_TIMEOUT(!mount.slewToTarget().hasValue(), kGotoTimeoutMs);
            }
        }
        // What each GoTo's subscriber heard, in the order the GoTos were started.
        const auto heard = [&] {
            QList<int> got;
            for (const auto& f : finishes)
                got << f->get();
            return got;
        };
        QTRY_COMPARE_WITH_TIMEOUT(heard(), results, kGotoTimeoutMs);
        // The end of a GoTo dropped before it started may be announced from a task's thread
        // after the last step, with the next announcement of the mount's.
        QTRY_COMPARE_WITH_TIMEOUT(state.get(), seen, kGotoTimeoutMs);
        QVERIFY(!mount.slewToTarget().hasValue());
        QTRY_COMPARE(rig.manager->taskType(MountResource::PositionReading), 0u);
    }

    // A trail-point run as a page or a client reads it: from the moment it is handed over, its
    // own information with no result; and whenever the mount reads as no longer following the
    // trail, the run's result is there to read. Checked at every start and end of a task, on the
    // thread that makes it, when the axes' tags have just changed. A GoTo that takes the axes from
    // a run is not stopped by the run's end.
    void trailRunResultBeforeItsEnd_data() {
        QTest::addColumn<qlonglong>("startInMs");
        QTest::addColumn<QString>("then");
        QTest::addColumn<int>("result");
        dataRow("no point reachable in time: failed", -3600000ll, "", int(CmdRetType_::Other));
        dataRow("aborted while it runs: cancelled", 3600000ll, "abort", int(CmdRetType_::Cancel));
        dataRow("a GoTo takes the axes: cancelled, the GoTo arrives", 3600000ll, "goto",
                int(CmdRetType_::Cancel));
    }
    void trailRunResultBeforeItsEnd() {
        QFETCH(qlonglong, startInMs);
        QFETCH(QString, then);
        QFETCH(int, result);

        ManualRig rig(MountMode_::EQ);
        IMount& mount = *rig.mount;
        QVERIFY(mount.canTrackTrailPoints());
        std::mutex mutex;
        QStringList wrong;
        rig.watched->setLook([&] {
            const bool tracking = mount.trailPointsTracking();
            const auto info = mount.trailPointsTaskInfo();
            if (!tracking && info.hasValue() && !info.value().cmdRet.hasValue()) {
                std::lock_guard lock(mutex);
                wrong << "ended without a result";
            }
        });
        std::atomic<int> progressed{0};
        QObject::connect(
            &mount, &IMount::trailPointsProgress, this, [&] { ++progressed; },
            Qt::DirectConnection);

        TrailPointsParam param;
        param.name = "trail";
        param.intervalUs = 100000;
        param.startTimeMs = rig.clock->nowMs() + startInMs;
        param.frame = 2;
        for (int i = 0; i < 50; ++i)
            param.points.emplace_back(-0.3 + i * 1e-4, 0.8);
        mount.trackTrailPointsAsync(std::move(param));
        auto info = mount.trailPointsTaskInfo();
        QVERIFY(info.hasValue());
        QCOMPARE(info.value().objectName, std::string("trail"));
        QCOMPARE(info.value().totalPoints, 50u);
        // A run that cannot start may be over before this thread looks again; one that can is
        // under way, without a result yet.
        if (startInMs > 0) {
            QVERIFY(mount.trailPointsTracking());
            QVERIFY(!info.value().cmdRet.hasValue());
        }

        FinishProbe gotoFinish;
        if (!then.isEmpty()) {
            // Under way: slewing to its first point.
            QTRY_VERIFY(progressed > 0);
            if (then == "abort") {
                mount.abortSlewAsync();
            } else {
                gotoFinish.subscribe(mount);
                QVERIFY(mount.slewToAsync(
                    MountTarget{"after", U_ASTRO_COORD{-1.2, 1.1, CoordType::MountAxes}, 0}));
            }
            // The run reads as over the moment the call returns, with its result.
            QVERIFY(!mount.trailPointsTracking());
            info = mount.trailPointsTaskInfo();
            QVERIFY(info.hasValue() && info.value().cmdRet.hasValue());
        }
        QTRY_VERIFY(!mount.trailPointsTracking());
        QTRY_VERIFY(mount.trailPointsTaskInfo().value().cmdRet.hasValue());
        QCOMPARE(int(mount.trailPointsTaskInfo().value().cmdRet.value().type), result);
        if (then == "goto")
            QTRY_COMPARE_WITH_TIMEOUT(gotoFinish.get(), QList<int>{CmdRetType_::Ok},
                                      kGotoTimeoutMs);
        // Every task the run's end and the abort started has come and gone.
        QTRY_COMPARE(rig.tags(), QString("stop/stop"));
        rig.watched->setLook({});
        std::lock_guard lock(mutex);
        QCOMPARE(wrong, QStringList());
    }

    // The program's end during a trail-point run: the run's path ends by itself and goes on, but
    // the nudge a key gave an axis along it is open-ended, and the end takes it back. The run
    // waits at its first point (an hour ahead), where its own rate is none: the nudge moves the
    // emulated axis at its rate, and once taken back the axis stands still again. nudge: the
    // key's rate, in sidereal rates.
    void endTakesBackTrailRunNudge_data() {
        QTest::addColumn<int>("axis");
        QTest::addColumn<double>("nudge");
        dataRow("axis 1 nudged forward", 0, 8.0);
        dataRow("axis 2 nudged back fast", 1, -400.0);
    }
    void endTakesBackTrailRunNudge() {
        QFETCH(int, axis);
        QFETCH(double, nudge);

        ManualRig rig(MountMode_::EQ);
        IMount& mount = *rig.mount;
        QVERIFY(mount.canTrackTrailPoints());
        std::atomic<bool> waiting{false};
        const QMetaObject::Connection watching = QObject::connect(
            &mount, &IMount::trailPointsProgress, this,
            [&waiting](const TrailPointsProgress& progress) {
                if (progress.state == TrailPointsDetailedState_::Waiting)
                    waiting = true;
            },
            Qt::DirectConnection);
        // A report still queued when the rig lets go of the mount must not reach this frame.
        const auto unwatch = qScopeGuard([&watching] { QObject::disconnect(watching); });
        TrailPointsParam param;
        param.name = "trail";
        param.intervalUs = 100000;
        param.startTimeMs = rig.clock->nowMs() + 3600000;
        param.frame = 2;
        for (int i = 0; i < 50; ++i)
            param.points.emplace_back(-0.3 + i * 1e-4, 0.8);
        mount.trackTrailPointsAsync(std::move(param));
        QTRY_VERIFY_WITH_TIMEOUT(waiting, kGotoTimeoutMs);

        const double rate = nudge * kSiderealRate;
        mount.slewAxisAsync(AXISID(axis), rate);
        QTRY_COMPARE(rig.axis->lastRate(AXISID(axis)).valueOr(0.0), rate);
        // Moving: the controller's motion is 0 only at rest.
        QVERIFY(rig.axis->lastStatus(AXISID(axis)).motion != 0);
        rig.tasks->take();

        mount.stopOpenEndedMotions();
        QCOMPARE(mount.axisSlewState(AXISID(axis)), 0);
        QTRY_COMPARE(rig.axis->lastRate(AXISID(axis)).valueOr(-1.0), 0.0);
        QCOMPARE(rig.axis->lastStatus(AXISID(axis)).motion, 0u);
        // The run goes on: nothing took its axes, and it has no result.
        QVERIFY(mount.trailPointsTracking());
        QCOMPARE(rig.tasks->take(), QStringList());
        QCOMPARE(rig.tags(), QString("trps/trps"));
        QVERIFY(!mount.trailPointsTaskInfo().value().cmdRet.hasValue());

        mount.abortSlewAsync();
        QTRY_VERIFY(!mount.trailPointsTracking());
        QTRY_COMPARE(rig.tags(), QString("stop/stop"));
    }

    // A pier flip takes the mount to the other side and back to what it pointed at: a tracking
    // mount to the same star (the sky has moved on meanwhile), tracking on at the rate it had; a
    // mount at rest to the same hour angle, still at rest. Asking for the side it is on moves
    // nothing.
    void pierFlipKeepsPointingAndTracking_data() {
        QTest::addColumn<bool>("tracking");
        QTest::addColumn<int>("rate");
        QTest::addColumn<bool>("sameSide");
        dataRow("tracking at the sidereal rate", true, int(TrackingRate::Sidereal), false);
        dataRow("tracking at the lunar rate", true, int(TrackingRate::Lunar), false);
        dataRow("at rest", false, int(TrackingRate::Sidereal), false);
        dataRow("already on that side: nothing moves", true, int(TrackingRate::Sidereal), true);
    }
    void pierFlipKeepsPointingAndTracking() {
        QFETCH(bool, tracking);
        QFETCH(int, rate);
        QFETCH(bool, sameSide);

        FactoryRig rig(MountMode_::EQ);
        IMount& mount = *rig.mount;
        // Two hours east of the meridian, 30 degrees north: on the normal side.
        const AnglePair axes =
            rig.alignment->skyToAxes({-30 * kDeg, 30 * kDeg}, rig.alignment->referenceAxes());
        QCOMPARE(mount.setAxisPositions(axes.first, axes.second), CmdRetType_::Ok);
        mount.setTrackingRate(TrackingRate(rate));
        mount.setTrackingEnabled(tracking);
        QTRY_COMPARE(mount.realTracking(), tracking);
        const auto before = mount.readPosition();
        QVERIFY(before.isOk());
        const U_ASTRO_COORD star = rig.astro->convertNow(
            U_ASTRO_COORD{before.value().first, before.value().second, CoordType::HDObsv},
            CoordType::RDJNow);
        const bool wasFlipped = rig.alignment->isFlipped(mount.axisPositions());
        QVERIFY(!wasFlipped);

        FinishProbe finish;
        finish.subscribe(mount);
        QCOMPARE(mount.setSideOfPier(sameSide ? 1 : 2), CmdRetType_::Ok);
        if (sameSide) {
            QVERIFY(!mount.slewToTarget().hasValue());
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(finish.get(), QList<int>{CmdRetType_::Ok}, kGotoTimeoutMs);
            QVERIFY(rig.alignment->isFlipped(mount.axisPositions()));
        }
        const auto after = mount.readPosition();
        QVERIFY(after.isOk());
        const U_ASTRO_COORD there = rig.astro->convertNow(
            U_ASTRO_COORD{after.value().first, after.value().second, CoordType::HDObsv},
            CoordType::RDJNow);
        // Within the GoTo's tolerance (2'), and 1' for the moments of tracking before the check.
        const double off = tracking ? distance(rig, {star.a, star.b}, {there.a, there.b})
                                    : distance(rig, before.value(), after.value());
        QVERIFY2(off < 3.0 / 60 * kDeg, qPrintable(arcmin(off)));
        QCOMPARE(mount.flippingMode(), FlippingMode_::Auto);
        QCOMPARE(mount.trackingEnabled(), tracking);
        QTRY_COMPARE(mount.realTracking(), tracking);
        QCOMPARE(mount.trackingRate(), Nullable<TrackingRate>(TrackingRate(rate)));
    }

    // The mount relays what its collaborators report as its own Qt signals. They come from task and
    // worker threads, so they are counted where they are emitted.
    void relays_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("signal");
        dataRow("periodic reading: positionChanged", "position updating", "positionChanged");
        dataRow("tracking task starts: realTrackingChanged", "track on", "realTrackingChanged");
        dataRow("pier side forced: flippingModeChanged", "flip", "flippingModeChanged");
        dataRow("PPEC training starts: lastPpecTrainingChanged", "ppec training",
                "lastPpecTrainingChanged");
        dataRow("PPEC playback on: lastPpecPlaybackChanged", "ppec playback",
                "lastPpecPlaybackChanged");
    }
    void relays() {
        QFETCH(QString, action);
        QFETCH(QString, signal);

        const std::map<QString, void (IMount::*)()> signals_{
            {"positionChanged", &IMount::positionChanged},
            {"realTrackingChanged", &IMount::realTrackingChanged},
            {"flippingModeChanged", &IMount::flippingModeChanged},
            {"lastPpecTrainingChanged", &IMount::lastPpecTrainingChanged},
            {"lastPpecPlaybackChanged", &IMount::lastPpecPlaybackChanged}};
        FactoryRig rig(MountMode_::EQ);
        std::atomic<int> count{0};
        // The connection ends with this row: the mount may outlive the rig for a moment (a task
        // thread that holds it last hands its destruction over) and still report.
        QObject receiver;
        QObject::connect(
            rig.mount.get(), signals_.at(signal), &receiver, [&] { ++count; },
            Qt::DirectConnection);
        if (action == "position updating")
            rig.mount->setPositionUpdating(true);
        else if (action == "track on")
            rig.mount->setTrackingEnabled(true);
        else if (action == "flip")
            rig.mount->setFlippingMode(FlippingMode_::No);
        else if (action == "ppec training")
            rig.mount->setPpecTrainingAsync(true);
        else
            rig.mount->setPpecPlaybackAsync(true);
        QTRY_VERIFY(count > 0);
        if (action == "position updating") {
            // Readings go on every 500 ms of the clock until nobody needs them.
            QTRY_VERIFY(count >= 3);
            rig.mount->setPositionUpdating(false);
            QVERIFY(!rig.mount->positionUpdating());
            // Asked again at once, while the cancelled read still winds down: readings resume.
            rig.mount->setPositionUpdating(true);
            const int before = count;
            QTRY_VERIFY(count >= before + 3);
        }
    }

    // Dropping the mount while its GoTo runs cancels the GoTo before anything is torn down; the
    // GoTo's callbacks then find no mount and report nothing.
    void destroyedDuringGoto() {
        FactoryRig rig(MountMode_::EQ);
        FinishProbe finish;
        finish.subscribe(*rig.mount);
        QVERIFY(rig.mount->slewToAsync(
            MountTarget{"far", U_ASTRO_COORD{0.5, 1.0, CoordType::MountAxes}, 0}));
        QTRY_VERIFY(rig.mount->slewToTarget().hasValue());
        rig.mount->setPositionUpdating(true);
        QPointer<QObject> alive(rig.mount.get());
        rig.mount.reset();
        // A task callback may still hold the mount for a moment; it then hands the destruction
        // here.
        QTRY_VERIFY(alive.isNull());
        QVERIFY(finish.get().isEmpty());
        // The graph is gone with the mount but for what the session still holds.
        rig.session.reset();
        rig.axisSlot->reset();
    }

    // When the last reference goes on a task thread (a GoTo's subscriber let go of the mount), the
    // mount is destroyed on the thread it lives on, not on the task thread that it would join.
    void lastReferenceOnTaskThread() {
        FactoryRig rig(MountMode_::EQ);
        auto holder = std::make_shared<std::shared_ptr<IMount>>(rig.mount);
        rig.mount.reset();
        std::atomic<QThread*> destroyedOn{nullptr};
        connect((*holder).get(), &QObject::destroyed, this,
                [&] { destroyedOn = QThread::currentThread(); }, Qt::DirectConnection);
        std::atomic<bool> finished{false};
        (*holder)->slewToFinished.append([holder, &finished](CmdRet) {
            holder->reset();
            finished = true;
        });
        QVERIFY((*holder)->slewToAsync(
            MountTarget{"near", U_ASTRO_COORD{-1.5, 1.5, CoordType::MountAxes}, 0}));
        QTRY_VERIFY_WITH_TIMEOUT(finished, kGotoTimeoutMs);
        QTRY_VERIFY(destroyedOn.load() != nullptr);
        // Compared as a flag: the task thread may be gone by now, so it cannot be printed.
        const bool onMainThread = destroyedOn.load() == QThread::currentThread();
        QVERIFY(onMainThread);
    }

    // The tracking switch is written on one thread while another reads it (the page reads it on the
    // main thread, task threads while they decide how an axis carries on): the last write stands,
    // and the mount tracks as it says. Under ThreadSanitizer a dropped lock on either side fails.
    void trackingSwitchAcrossThreads() {
        FactoryRig rig(MountMode_::EQ);
        constexpr int kWrites = 20;
        std::atomic<bool> written{false};
        std::atomic<int> onReadings{0};
        std::thread reader([&] {
            while (!written)
                onReadings += rig.mount->trackingEnabled() ? 1 : 0;
        });
        std::thread writer([&] {
            for (int i = 0; i < kWrites; ++i)
                rig.mount->setTrackingEnabled(i % 2 == 0);
            rig.mount->setTrackingEnabled(true);
            written = true;
        });
        writer.join();
        reader.join();
        QVERIFY(rig.mount->trackingEnabled());
        QTRY_VERIFY(rig.mount->realTracking());
        rig.mount->setTrackingEnabled(false);
        QVERIFY(!rig.mount->trackingEnabled());
        QTRY_VERIFY(!rig.mount->realTracking());
    }

    // Each connection gets its own graph over the shared collaborators (the emulator's axes without
    // a converser, the real ones with one); the session hands the connection's axes to the shared
    // slot on commit(true) and empties it on commit(false).
    void factorySessions() {
        Shared shared(MountMode_::AZ);
        auto device = std::make_shared<EmlatorKoDevic>();
        auto [first, firstSession] = shared.factory->create(MountMode_::AZ, nullptr, device);
        auto [second, secondSession] = shared.factory->create(MountMode_::AZ, nullptr, device);
        QVERIFY(first && second && first != second);
        QCOMPARE(first->alignment(), shared.alignment.get());
        QCOMPARE(second->alignment(), shared.alignment.get());
        QCOMPARE(first->mountMode(), MountMode_::AZ);
        QVERIFY(first->isAZ());
        QVERIFY(!first->positionUpdating() && !first->trackingEnabled());
        QCOMPARE(first->trackingRate(), Nullable<TrackingRate>(TrackingRate::Sidereal));
        QVERIFY(!first->trackingTarget().hasValue() && !first->slewToTarget().hasValue());
        QVERIFY(first->axisSlewFlag(0) && first->axisSlewFlag(1));
        QCOMPARE(first->axisSlewState(0), 0);
        QVERIFY(!first->property("trailPointsTaskInfo").isValid());

        // The run information as QML reads it: cmdRet stays undefined until the run has ended.
        TrailPointsTaskInfo info{"comet", 12, {}};
        const QMetaObject& meta = TrailPointsTaskInfo::staticMetaObject;
        auto read = [&](const char* name) {
            return meta.property(meta.indexOfProperty(name)).readOnGadget(&info);
        };
        QCOMPARE(read("objectName").toString(), QString("comet"));
        QCOMPARE(read("totalPoints").toUInt(), 12u);
        QVERIFY(!read("cmdRet").isValid());
        info.cmdRet = CmdRet(CmdRetType_::Cancel);
        QCOMPARE(read("cmdRet").value<CmdRet>().type, CmdRetType_::Cancel);

        QVERIFY(!shared.axisSlot->get());
        firstSession->commit(true);
        auto firstAxes = shared.axisSlot->get();
        QVERIFY(dynamic_cast<EmlatorMountAxis*>(firstAxes.get()));
        secondSession->commit(true);
        QVERIFY(shared.axisSlot->get() && shared.axisSlot->get() != firstAxes);
        // A session released without a commit changes nothing.
        firstSession.reset();
        QVERIFY(shared.axisSlot->get());
        secondSession->commit(false);
        QVERIFY(!shared.axisSlot->get());

        // With a converser the real mount's objects are made; making them sends nothing. The device
        // has been read as the connection reads it before it asks for a mount.
        UdpLinkRig link;
        QVERIFY(link.port != 0);
        link.scriptController(false, 0x00, 0x200000, 64935);
        link.reply(":q1010000", "=000000\r");
        auto realDevice = std::make_shared<KoDevice>(link.converser);
        QCOMPARE(realDevice->initialize(false, 1), CmdRetType_::Ok);
        QVERIFY(realDevice->statusEx().isOk());
        link.takeSent();
        auto [real, realSession] =
            shared.factory->create(MountMode_::EQ, link.converser, realDevice);
        realSession->commit(true);
        QVERIFY(dynamic_cast<KoMountAxis*>(shared.axisSlot->get().get()));
        QCOMPARE(real->mountMode(), MountMode_::EQ);
        QVERIFY(link.takeSent().isEmpty());
        realSession->commit(false);
    }

    // Setting, syncing and reading positions, and recording a correction point: the axes stop at
    // the first refused command; a sync makes the axes read the given sky pair; a point recorded
    // there makes the mount read the true position of the target from then on.
    void positions() {
        ManualRig rig(MountMode_::EQ);
        IMount& mount = *rig.mount;
        const double nan = std::nan("");
        QCOMPARE(mount.setAxisPositions(0.3, 1.2), CmdRetType_::Ok);
        QCOMPARE(mount.axisPositions(), AnglePair(0.3, 1.2));
        QCOMPARE(mount.setAxisPositions(nan, 0.5), CmdRetType_::Other);
        QCOMPARE(mount.axisPositions(), AnglePair(0.3, 1.2));
        QCOMPARE(mount.setAxisPositions(0.4, nan), CmdRetType_::Other);
        QCOMPARE(mount.axisPositions(), AnglePair(0.4, 1.2));
        QCOMPARE(mount.setAxisPosition(1, 1.1), CmdRetType_::Ok);
        QCOMPARE(mount.axisPositions(), AnglePair(0.4, 1.1));

        // Hour angle -0.5, declination 0.6; resting axes keep the hour angle.
        QCOMPARE(mount.syncPosition(-0.5, 0.6), CmdRetType_::Ok);
        const auto sky = mount.readPosition();
        QVERIFY(sky.isOk());
        QVERIFY(distance(rig, sky.value(), {-0.5, 0.6}) < 1e-9);
        QFuture<CmdRet> read = mount.readPositionAsync();
        read.waitForFinished();
        QVERIFY(read.result().isOk());

        QCOMPARE(mount.addPaePoint("Vega", U_ASTRO_COORD{-0.49, 0.61, CoordType::HDObsv}),
                 CmdRetType_::Ok);
        const auto points = rig.pae->points();
        QCOMPARE(points.size(), size_t(1));
        QCOMPARE(points[0].name, std::string("Vega"));
        QVERIFY(distance(rig, {points[0].cha, points[0].cdec}, {-0.5, 0.6}) < 1e-9);
        QVERIFY(distance(rig, mount.lastPosition(), {-0.49, 0.61}) < 1e-9);
    }
};

QTEST_MAIN(TestMount)
#include "tst_mount.moc"

#include "mount/mount.h"

#include "base/tests/datarow.h"
#include "link/emkomcommand.h"
#include "link/emlatorkodevic.h"
#include "link/mountaxistimecontainer.h"
#include "mount/mountaxisutil.h"
#include "mount/slewtosettings.h"
#include "mount/slewtotargetmacontainer.h"
#include "mount/tasks/imounttask.h"
#include "mount/tasks/mounttaskfactory.h"
#include "mount/tasks/mounttaskmanager.h"
#include "mount/tasks/trailpointssender_emulator.h"
#include "mount/tests/fakekomcommand.h"
#include "mount/tests/fakemountaxis.h"
#include "mount/tests/mountcontrolrig.h"

#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>

using namespace Ko;

namespace {

// 2024-03-20 00:00 UTC.
constexpr int64_t kAnswersEpochMs = 1710892800000;
// What an unanswered exchange costs on the link's clock: the read time-out of a slow link.
constexpr int64_t kLinkTimeoutMs = 1000;

// The scripted axes behind a link that the test cuts and mends: while cut, every exchange ends in
// Timeout after the link's time-out has passed on the clock.
class CuttableAxis : public FakeMountAxis {
public:
    CuttableAxis(std::shared_ptr<CallLog> log, std::shared_ptr<FakeClock> clock)
        : FakeMountAxis(std::move(log), clock), m_clock(std::move(clock)) {}

    void setCut(bool cut) { m_cut = cut; }
    // From hold until release, the commands of op ("pos" single position reads, "slew", "goto"
    // or "stop"; "goto1" and "goto2" the GoTo aims of one axis) wait; released, the one waiting
    // goes out, or fails as on a cut link.
    void hold(const QString& op) {
        std::lock_guard lock(m_holdMutex);
        m_holds[op] = Hold{};
    }
    void release(const QString& op, bool fail) {
        {
            std::lock_guard lock(m_holdMutex);
            auto it = m_holds.find(op);
            if (it == m_holds.end())
                return;
            it->second.released = true;
            it->second.fail = fail;
        }
        m_released.notify_all();
    }
    void releaseAll() {
        {
            std::lock_guard lock(m_holdMutex);
            for (auto& [op, hold] : m_holds)
                hold.released = true;
        }
        m_released.notify_all();
    }
    // How many commands of op have come to wait since it was held.
    int waiting(const QString& op) const {
        std::lock_guard lock(m_holdMutex);
        const auto it = m_holds.find(op);
        return it == m_holds.end() ? 0 : it->second.arrived;
    }

    CmdResp<double> readPosition(AXISID axis) override {
        return waitHeld("pos") || lost() ? CmdResp<double>(CmdRetType_::Timeout)
                                         : FakeMountAxis::readPosition(axis);
    }
    CmdResp<std::pair<double, double>> readPositions() override {
        return lost() ? CmdResp<std::pair<double, double>>(CmdRetType_::Timeout)
                      : FakeMountAxis::readPositions();
    }
    CmdResp<MotorStatus> readStatus(AXISID axis) override {
        return lost() || m_garbledStatus ? CmdResp<MotorStatus>(CmdRetType_::Timeout)
                                         : FakeMountAxis::readStatus(axis);
    }
    CmdRetType_::E slewAtRate(AXISID axis, double rate) override {
        return waitHeld("slew") || lost() ? CmdRetType_::Timeout
                                          : FakeMountAxis::slewAtRate(axis, rate);
    }
    CmdRetType_::E gotoPosition(AXISID axis, double target) override {
        const bool fail = waitHeld("goto") || waitHeld(QStringLiteral("goto%1").arg(axis + 1));
        return fail || lost() ? CmdRetType_::Timeout : FakeMountAxis::gotoPosition(axis, target);
    }
    CmdRetType_::E stop(AXISID axis) override {
        if (waitHeld("stop"))
            return CmdRetType_::Timeout;
        if (lost()) {
            ++m_lostStops[axis];
            return CmdRetType_::Timeout;
        }
        const CmdRetType_::E r = FakeMountAxis::stop(axis);
        return m_garbledStops ? CmdRetType_::Timeout : r;
    }
    // From now on the replies to every stop ("stop") or status read ("st") are garbled, or no
    // longer: the axes take a stop all the same.
    void setGarbled(const QString& op, bool on) {
        (op == "stop" ? m_garbledStops : m_garbledStatus).store(on);
    }
    // The stops of the axis sent while the link was cut.
    int lostStops(AXISID axis) const { return m_lostStops[axis]; }

private:
    struct Hold {
        int arrived = 0;
        bool released = false;
        bool fail = false;
    };

    bool lost() {
        if (!m_cut)
            return false;
        m_clock->advance(kLinkTimeoutMs);
        return true;
    }
    // Waits while op is held; true when the command is to fail. A released hold is over.
    bool waitHeld(const QString& op) {
        std::unique_lock lock(m_holdMutex);
        auto it = m_holds.find(op);
        if (it == m_holds.end())
            return false;
        ++it->second.arrived;
        m_released.wait(lock, [&] { return m_holds.at(op).released; });
        const bool fail = m_holds.at(op).fail;
        m_holds.erase(op);
        return fail;
    }

    const std::shared_ptr<FakeClock> m_clock;
    std::atomic<bool> m_cut{false};
    std::atomic<bool> m_garbledStops{false};
    std::atomic<bool> m_garbledStatus{false};
    std::atomic<int> m_lostStops[2] = {0, 0};
    mutable std::mutex m_holdMutex;
    std::condition_variable m_released;
    std::map<QString, Hold> m_holds;
};

// The extended commands of an altitude-azimuth mount that can refuse to stop its timed-target
// motion, the first thing a tracking start asks of it.
class RefusingCommand : public FakeKoMCommand {
public:
    using FakeKoMCommand::FakeKoMCommand;
    void setRefuse(bool refuse) { m_refuse = refuse; }
    CmdRetType_::E stopExtendedMotion() override {
        return m_refuse ? CmdRetType_::Nak : FakeKoMCommand::stopExtendedMotion();
    }

private:
    std::atomic<bool> m_refuse{false};
};

// In place of the periodic position read, whose reads on a cut link would come back at once and
// be sent again at once: it holds its resource until it is cancelled.
class QuietReadTask : public IMountTask {
public:
    explicit QuietReadTask(std::shared_ptr<ITCCancellable> token) : m_token(std::move(token)) {}
    uint32_t type() const override { return MountTaskTag::PositionRead; }
    std::set<int> resources() const override { return {MountResource::PositionReading}; }
    CmdRetType_::E run() override {
        while (!m_token->sleep(60000)) {
        }
        return CmdRetType_::Cancel;
    }

private:
    const std::shared_ptr<ITCCancellable> m_token;
};

// The mount with the real task manager and tasks on the scripted axes: every exchange moves the
// link's clock on by 100 ms, the axes move on that clock, and the task threads sleep a tenth of
// what they ask for. The texts told to the user are collected as the main thread hears them.
struct AnswerRig : MountControlRig {
    explicit AnswerRig(MountMode_::E mode)
        : MountControlRig({40 * kDeg, 75 * kDeg, kAnswersEpochMs, {}, mode}) {
        axis->setLatencyMs(100);
        axis->setRange({-10, 10});
        manager->init(manager);
        device->initialize(false, 1);
        auto util = std::make_shared<MountAxisUtil>(axis, token, appCore);
        auto settings = std::make_shared<SlewToSettings>();
        auto targets = std::make_shared<SlewToTargetMAContainer>();
        auto tasks = std::make_shared<MountTaskFactory>(
            token, axis, util, mode, linkClock, astro, alignment, settings, targets, location,
            command, token, pae,
            std::make_shared<TrailPointsSender_Emulator>(linkClock, token, axisTimes));
        mount = Mount::create(mode, nullptr, device, axis, axisTimes, alignment, manager, tasks,
                              std::make_shared<QuietReadTask>(token), astro, altRange, settings,
                              targets, command, appCore, perMountData, toasts, parkPrompt, pae,
                              linkClock);
        QObject::connect(toasts.get(), &ToastManagerUIStub::shouldToast, &receiver,
                         [this](const QString& text) { told << text; });
        // A task thread may hold the mount a moment past the rig: what they write is shared.
        mount->slewToFinished.append([heard = heard](CmdRet r) {
            std::lock_guard lock(heard->mutex);
            heard->finished << int(r.type);
        });
        // Whether a stop is pending, as each change of it is announced, on the thread that
        // announces it.
        QObject::connect(
            mount.get(), &IMount::stopPendingChanged, &receiver,
            [heard = heard, m = mount.get()] {
                const bool pending = m->stopPending();
                std::lock_guard lock(heard->mutex);
                heard->pending << pending;
            },
            Qt::DirectConnection);
        // As each change is told, on the thread that made it.
        mount->trackingStateChanged.append([heard = heard, m = mount.get()] {
            const IMount::AcknowledgedTracking t = m->acknowledgedTracking();
            const QString state = QString(!t.known ? "unknown" : (t.on ? "on" : "off")) +
                                  (m->stopPending() ? "+stopping" : "");
            std::lock_guard lock(heard->mutex);
            heard->states << state;
        });
    }
    ~AnswerRig() {
        // Whatever still waits for an answer gets one, and ends.
        axis->setCut(false);
        axis->setGarbled("stop", false);
        axis->setGarbled("st", false);
        axis->releaseAll();
        command->setRefuse(false);
    }

    QStringList trackingStates() {
        std::lock_guard lock(heard->mutex);
        return heard->states;
    }
    void clearTrackingStates() {
        std::lock_guard lock(heard->mutex);
        heard->states.clear();
    }

    // The link is cut from now on, or mended.
    void setCut(bool on) {
        cut = on;
        axis->setCut(on);
    }
    // A pad slew of the axis; on a sound link, true once it runs.
    bool startSlew(AXISID a) {
        mount->slewAxisAsync(a, 0.01);
        return cut || QTest::qWaitFor([&] { return slewing(a); }, 10000);
    }

    QString tags() const {
        return QString::fromStdString(mountTaskTagText(manager->taskType(0)) + "/" +
                                      mountTaskTagText(manager->taskType(1)));
    }
    int toldOf(const QString& words) const { return int(told.filter(words).size()); }
    // A GoTo target that far (radians) from where the axes are now.
    MountTarget axesAwayBy(double a, double b) {
        return {
            "axes", {axis->positionNow(0) + a, axis->positionNow(1) + b, CoordType::MountAxes}, 0};
    }
    QList<int> gotoResults() {
        std::lock_guard lock(heard->mutex);
        return heard->finished;
    }
    // The axis runs at a rate the mount commanded.
    bool slewing(AXISID a) const {
        const QList<double> r = axis->rates(a);
        return !r.isEmpty() && r.last() != 0 && axis->lastRate(a).valueOr(0.0) != 0;
    }

    std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
    std::shared_ptr<FakeClock> linkClock = std::make_shared<FakeClock>(kAnswersEpochMs);
    std::shared_ptr<CuttableAxis> axis = std::make_shared<CuttableAxis>(log, linkClock);
    std::shared_ptr<RefusingCommand> command =
        std::make_shared<RefusingCommand>(log, linkClock, 32);
    std::shared_ptr<EmlatorKoDevic> device = std::make_shared<EmlatorKoDevic>();
    std::shared_ptr<MountAxisTimeContainer> axisTimes = std::make_shared<MountAxisTimeContainer>();
    std::shared_ptr<MountTaskManager> manager = std::make_shared<MountTaskManager>(token);
    std::shared_ptr<Mount> mount;
    bool cut = false;
    QObject receiver;
    QStringList told;
    // What the mount's callbacks report: the GoTo results and the tracking states.
    struct Heard {
        std::mutex mutex;
        QList<int> finished;
        QStringList states;
        QList<bool> pending;
    };
    QList<bool> pendingAnnounced() {
        std::lock_guard lock(heard->mutex);
        return heard->pending;
    }
    // A GoTo runs on both axes.
    bool startGoto() {
        return mount->slewToAsync(axesAwayBy(0.3, 0.2)) &&
               QTest::qWaitFor([&] { return !axis->aims(0).isEmpty() && !axis->aims(1).isEmpty(); },
                               10000);
    }
    // Both axes report themselves still.
    bool atRest() {
        for (AXISID a : {0u, 1u}) {
            const auto s = axis->readStatus(a);
            if (!s.isOk() || s.value().motion != 0)
                return false;
        }
        return true;
    }
    const std::shared_ptr<Heard> heard = std::make_shared<Heard>();
};

const QString kNoAnswer = QStringLiteral("may still be moving");
const QString kGivenUp = QStringLiteral("GoTo given up");
const QString kReleased = QStringLiteral("before the stop reached the mount");

// The stops of the axis that reached the controller.
int stopsSent(const AnswerRig& rig, AXISID axis) {
    return int(rig.log->text().split(' ').count(QStringLiteral("stop%1").arg(axis + 1)));
}

} // namespace

class TestMountAnswers : public QObject {
    Q_OBJECT
private slots:
    // Stops sent while the link is cut stay pending until the mount takes them, whatever ended
    // the motion: a GoTo given up on the cut link leaves its stops pending, where one that
    // arrived has the axes seen at rest. The user hears once per outage that the mount does not
    // answer, and of every GoTo given up.
    // Steps: "cut" and "mend" the link (a mend waits for the stops to be taken); "slewN" starts
    // axis N (on a sound link, until it runs); "releaseN" ends that slew; "goto" runs a GoTo to
    // its end.
    void stopsOnACutLink_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("noAnswer");
        QTest::addColumn<int>("givenUp");
        dataRow("a GoTo that arrives", "goto", 0, 0);
        dataRow("a GoTo given up on a cut link", "cut goto mend", 1, 1);
        dataRow("two stops in one outage", "slew1 cut release1 slew2 release2 mend", 1, 0);
        dataRow("a second outage after the stop was taken",
                "slew1 cut release1 mend slew1 cut release1 mend", 2, 0);
        dataRow("a GoTo given up in a second outage", "slew2 cut release2 mend cut goto mend", 2,
                1);
    }
    void stopsOnACutLink() {
        QFETCH(QString, steps);
        QFETCH(int, noAnswer);
        QFETCH(int, givenUp);
        AnswerRig rig(MountMode_::EQ);
        const std::shared_ptr<Mount>& mount = rig.mount;
        const bool& cut = rig.cut;
        for (const QString& step : steps.split(' ')) {
            const AXISID a = step.endsWith('2') ? 1 : 0;
            if (step == "cut" || step == "mend") {
                rig.setCut(step == "cut");
                if (!cut)
                    QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
            } else if (step.startsWith("slew")) {
                QVERIFY(rig.startSlew(a));
            } else if (step.startsWith("release")) {
                const int lost = rig.axis->lostStops(a);
                mount->slewAxisAsync(a, 0.0);
                if (cut) {
                    QVERIFY(mount->stopPending());
                    QTRY_VERIFY_WITH_TIMEOUT(rig.axis->lostStops(a) > lost, 10000);
                }
            } else if (step == "goto") {
                const int ends = int(rig.gotoResults().size());
                QVERIFY(mount->slewToAsync(rig.axesAwayBy(0.3, 0.2)));
                // Over once its end has put both axes under stops.
                QTRY_VERIFY_WITH_TIMEOUT(
                    rig.gotoResults().size() > ends && rig.tags() == "stop/stop", 10000);
                QCOMPARE(rig.gotoResults().last(),
                         int(cut ? CmdRetType_::Timeout : CmdRetType_::Ok));
                QVERIFY(!mount->slewToTarget().hasValue());
                // Given up, nothing saw the axes at rest: the mount may still be moving.
                QCOMPARE(mount->stopPending(), cut);
                // The stops that end it go out on the cut link before a mend can reach them: a
                // stop task that first runs after the mend is taken at once, unheard.
                if (cut) {
                    const int lost[2] = {rig.axis->lostStops(0), rig.axis->lostStops(1)};
                    QTRY_VERIFY_WITH_TIMEOUT(rig.axis->lostStops(0) > lost[0] &&
                                                 rig.axis->lostStops(1) > lost[1],
                                             10000);
                }
            } else {
                QFAIL(qPrintable("unknown step " + step));
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(rig.toldOf(kNoAnswer), noAnswer, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.toldOf(kGivenUp), givenUp, 10000);
        QCoreApplication::processEvents();
        QCOMPARE(rig.toldOf(kNoAnswer), noAnswer);
        QCOMPARE(rig.toldOf(kGivenUp), givenUp);
    }

    // A pending stop tells what it stopped on either axis, and a stop given over one still
    // pending adds what it stops to what the first one stopped: a manual move ended on a cut link
    // or while it brakes slews until its stop is taken, whatever tracking does meanwhile.
    // Steps: "cut" the link; "slewN" starts axis N on a sound link; "brakeN" has axis N read as
    // moving from now on; "releaseN" ends that slew, and waits for the stop to be taken when the
    // link is sound; "on"/"off" switch tracking.
    void pendingStopTellsWhatItStopped_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("manual");
        QTest::addColumn<bool>("tracking");
        dataRow("manual move of axis 2 ended on a cut link", "slew2 cut release2", true, false);
        dataRow("manual move of axis 2 braking", "slew2 brake2 release2", true, false);
        dataRow("manual move of axis 1 ended, tracking on and off on the cut link",
                "slew1 cut release1 on off", true, true);
        dataRow("tracking switched off on a cut link", "on cut off", false, true);
    }
    void pendingStopTellsWhatItStopped() {
        QFETCH(QString, steps);
        QFETCH(bool, manual);
        QFETCH(bool, tracking);
        AnswerRig rig(MountMode_::EQ);
        const std::shared_ptr<Mount>& mount = rig.mount;
        for (const QString& step : steps.split(' ')) {
            const AXISID a = step.endsWith('2') ? 1 : 0;
            if (step == "cut") {
                rig.setCut(true);
            } else if (step.startsWith("slew")) {
                QVERIFY(rig.startSlew(a));
            } else if (step.startsWith("brake")) {
                rig.axis->setMovingReads(a, 1000000);
            } else if (step.startsWith("release")) {
                mount->slewAxisAsync(a, 0.0);
                if (!rig.cut)
                    QTRY_COMPARE_WITH_TIMEOUT(rig.axis->lastRate(a).valueOr(-1), 0.0, 10000);
            } else if (step == "on" || step == "off") {
                mount->setTrackingEnabled(step == "on");
                if (!rig.cut)
                    QTRY_COMPARE_WITH_TIMEOUT(mount->acknowledgedTracking().on, step == "on",
                                              10000);
            } else {
                QFAIL(qPrintable("unknown step " + step));
            }
        }
        QVERIFY(mount->stopPending());
        QCOMPARE(mount->stopPendingOf(IMount::StoppedMotion::ManualSlew), manual);
        QCOMPARE(mount->stopPendingOf(IMount::StoppedMotion::Tracking), tracking);
        QVERIFY(!mount->stopPendingOf(IMount::StoppedMotion::GoTo));

        rig.setCut(false);
        rig.axis->setMovingReads(0, 0);
        rig.axis->setMovingReads(1, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
        QVERIFY(!mount->stopPendingOf(IMount::StoppedMotion::ManualSlew));
    }

    // A GoTo that takes an axis over ends the stop pending there once the mount has taken the
    // GoTo's first aim of that axis: the motion the stop was given to is over, and the GoTo runs
    // on by itself, as at the program's end. Until then the stop stays pending.
    // Steps: "track" tracking on; "slewN" a pad slew of axis N; "brakeN" has axis N read as
    // moving from then on, so that its stop is taken but the axis never seen still; "releaseN"
    // ends the slew; "goto" starts a far GoTo, which aims axis 2 first. held: the aim ("goto1",
    // "goto2") held back until the pending stop is looked at, "" none.
    void gotoEndsThePendingStop_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("held");
        QTest::addColumn<bool>("pendingWhileHeld");
        dataRow("pad 1 braking", "slew1 brake1 release1 goto", "", false);
        dataRow("pad 2 braking", "slew2 brake2 release2 goto", "", false);
        dataRow("pad 2 braking, axis 1 tracking", "track slew2 brake2 release2 goto", "", false);
        dataRow("pad 1 braking, its aim held", "slew1 brake1 release1 goto", "goto1", true);
        dataRow("pad 2 braking, its aim held", "slew2 brake2 release2 goto", "goto2", true);
        dataRow("pad 2 braking, the aim of axis 1 held", "slew2 brake2 release2 goto", "goto1",
                false);
    }
    void gotoEndsThePendingStop() {
        QFETCH(QString, steps);
        QFETCH(QString, held);
        QFETCH(bool, pendingWhileHeld);
        AnswerRig rig(MountMode_::EQ);
        const std::shared_ptr<Mount>& mount = rig.mount;
        for (const QString& step : steps.split(' ')) {
            const AXISID a = step.endsWith('2') ? 1 : 0;
            if (step == "track") {
                mount->setTrackingEnabled(true);
                QTRY_VERIFY_WITH_TIMEOUT(mount->acknowledgedTracking().on, 10000);
            } else if (step.startsWith("slew")) {
                QVERIFY(rig.startSlew(a));
            } else if (step.startsWith("brake")) {
                rig.axis->setMovingReads(a, 1000000);
            } else if (step.startsWith("release")) {
                mount->slewAxisAsync(a, 0.0);
                // Taken, and pending while the axis reads as braking.
                QTRY_COMPARE_WITH_TIMEOUT(rig.axis->lastRate(a).valueOr(-1), 0.0, 10000);
                QVERIFY(mount->stopPendingOf(IMount::StoppedMotion::ManualSlew));
            } else if (step == "goto") {
                if (!held.isEmpty())
                    rig.axis->hold(held);
                // Far: with an axis read as moving it stays under way well past the checks.
                QVERIFY(mount->slewToAsync(rig.axesAwayBy(2.5, 2.0)));
            } else {
                QFAIL(qPrintable("unknown step " + step));
            }
        }
        if (!held.isEmpty()) {
            QTRY_COMPARE_WITH_TIMEOUT(rig.axis->waiting(held), 1, 10000);
            if (pendingWhileHeld)
                QVERIFY(mount->stopPending());
            else
                QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
            QCOMPARE(rig.axis->waiting(held), 1);
            rig.axis->release(held, false);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
        // Over while the GoTo runs on, not by its end.
        QVERIFY(rig.gotoResults().isEmpty());
        QVERIFY(mount->slewToTarget().hasValue());
        QCOMPARE(rig.tags(), QString("slto/slto"));
        QCOMPARE(rig.pendingAnnounced().last(), false);
        QTRY_VERIFY_WITH_TIMEOUT(!rig.axis->aims(0).isEmpty() && !rig.axis->aims(1).isEmpty(),
                                 10000);
        rig.axis->setMovingReads(0, 0);
        rig.axis->setMovingReads(1, 0);
    }

    // What a tracking start reports after another task has taken the axes says nothing of what
    // the mount does now: the state the mount acknowledged last stands. The start's rate command
    // is held until the other task waits for the axes, then fails.
    // taker: "goto" a GoTo, "stop" tracking switched off.
    void olderTrackingReportIgnored_data() {
        QTest::addColumn<QString>("taker");
        dataRow("a GoTo took the axes", "goto");
        dataRow("a stop took the axes", "stop");
    }
    void olderTrackingReportIgnored() {
        QFETCH(QString, taker);
        AnswerRig rig(MountMode_::EQ);
        const std::shared_ptr<Mount>& mount = rig.mount;
        mount->setTrackingEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(mount->acknowledgedTracking().on, 10000);

        rig.axis->hold("slew");
        mount->setTrackingRate(TrackingRate::Lunar);
        QTRY_COMPARE_WITH_TIMEOUT(rig.axis->waiting("slew"), 1, 10000);
        const QString next = taker == "goto" ? "goto" : "stop";
        rig.axis->hold(next);
        if (taker == "goto") {
            const MountTarget target{"axes",
                                     {rig.axis->positionNow(0) + 0.3,
                                      rig.axis->positionNow(1) + 0.2, CoordType::MountAxes},
                                     0};
            QVERIFY(mount->slewToAsync(target));
        } else {
            mount->setTrackingEnabled(false);
        }
        rig.axis->release("slew", true);
        // The taker starts once the tracking start has ended, its report told.
        QTRY_COMPARE_WITH_TIMEOUT(rig.axis->waiting(next), 1, 10000);
        const IMount::AcknowledgedTracking acknowledged = mount->acknowledgedTracking();
        QVERIFY(acknowledged.known);
        QVERIFY(acknowledged.on);
        QCOMPARE(acknowledged.rate.valueOr(TrackingRate::Lunar), TrackingRate::Sidereal);
        rig.axis->release(next, false);
    }

    // A tracking start that stops the axes before it sets them going: once they stand, the
    // stops given with it are taken and tracking reads as not known until the first motion is
    // taken; the timed targets of the first passes go unanswered.
    // from: what ran before, "goto" a GoTo aborted while tracking is on, "tracking" tracking at
    // another rate, "rest" nothing.
    void azTrackingStartPartlyTaken_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("rate");
        dataRow("GoTo aborted while tracking is on", "goto", int(TrackingRate::Sidereal));
        dataRow("rate changed while tracking", "tracking", int(TrackingRate::Lunar));
        dataRow("switched on from rest", "rest", int(TrackingRate::Sidereal));
    }
    void azTrackingStartPartlyTaken() {
        QFETCH(QString, from);
        QFETCH(int, rate);
        AnswerRig rig(MountMode_::AZ);
        const std::shared_ptr<Mount>& mount = rig.mount;
        if (from != "rest") {
            mount->setTrackingEnabled(true);
            QTRY_VERIFY_WITH_TIMEOUT(mount->acknowledgedTracking().on, 10000);
        }
        if (from == "goto") {
            const MountTarget target{
                "axes",
                {rig.axis->positionNow(0) + 3, rig.axis->positionNow(1) + 2, CoordType::MountAxes},
                0};
            QVERIFY(mount->slewToAsync(target));
            QTRY_VERIFY_WITH_TIMEOUT(!rig.axis->aims(1).isEmpty(), 10000);
        }
        rig.command->scriptTargets({CmdRetType_::Timeout, CmdRetType_::Timeout});
        rig.clearTrackingStates();
        rig.axis->hold("stop");
        if (from == "goto") {
            mount->abortSlewAsync();
            QVERIFY(mount->stopPendingOf(IMount::StoppedMotion::GoTo));
        } else if (from == "tracking") {
            mount->setTrackingRate(TrackingRate::Lunar);
        } else {
            mount->setTrackingEnabled(true);
        }
        // Stopped, and read still: the start reads where the axes stand before it moves them.
        QTRY_COMPARE_WITH_TIMEOUT(rig.axis->waiting("stop"), 1, 10000);
        rig.axis->hold("pos");
        rig.axis->release("stop", false);
        QTRY_COMPARE_WITH_TIMEOUT(rig.axis->waiting("pos"), 1, 10000);
        const IMount::AcknowledgedTracking standing = mount->acknowledgedTracking();
        QVERIFY(!(standing.known && standing.on));
        QVERIFY(!mount->stopPending());
        rig.axis->release("pos", false);
        // The axes were seen at rest with nothing pending, and not known to track.
        QTRY_VERIFY_WITH_TIMEOUT(rig.trackingStates().contains("unknown"), 10000);
        QVERIFY2(!rig.trackingStates().contains("unknown+stopping"),
                 qPrintable(rig.trackingStates().join(' ')));
        QTRY_COMPARE_WITH_TIMEOUT(rig.trackingStates().last(), QString("on"), 10000);
        const IMount::AcknowledgedTracking acknowledged = mount->acknowledgedTracking();
        QVERIFY(acknowledged.known && acknowledged.on);
        QCOMPARE(acknowledged.rate.valueOr(TrackingRate::Solar), TrackingRate(rate));
        QVERIFY(!mount->stopPending());
    }

    // A GoTo cancelled after its link died keeps its stops pending: they reach the mount when the
    // link returns. A mount let go (a disconnect, the program's end) while they are still pending
    // tells the user that the mount may still be moving; one whose stops were taken, or whose
    // controller restarted (its motors halt by themselves), says nothing.
    // Steps: "goto" starts a GoTo and waits until it runs; "cut" and "mend" the link (a mend
    // waits until the axes are at rest); "cancel" aborts; "restart" is a controller restart.
    void stopPendingWhenReleased_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("pendingAtRelease");
        QTest::addColumn<int>("toldOfRelease");
        dataRow("cancelled on a dead link that returns", "goto cut cancel mend", false, 0);
        dataRow("cancelled on a dead link, then released", "goto cut cancel", true, 1);
        dataRow("cancelled on a sound link", "goto cancel", false, 0);
        dataRow("cancelled on a dead link, then the controller restarted",
                "goto cut cancel restart", true, 0);
    }
    void stopPendingWhenReleased() {
        QFETCH(QString, steps);
        QFETCH(bool, pendingAtRelease);
        QFETCH(int, toldOfRelease);
        AnswerRig rig(MountMode_::EQ);
        const std::shared_ptr<Mount>& mount = rig.mount;
        auto atRest = [&rig](AXISID a) {
            const auto s = rig.axis->readStatus(a);
            return s.isOk() && s.value().motion == 0;
        };
        for (const QString& step : steps.split(' ')) {
            if (step == "goto") {
                // Far: at 100 ms of link time per exchange it lasts well over a hundred exchanges.
                QVERIFY(mount->slewToAsync(rig.axesAwayBy(2.5, 2.0)));
                QTRY_VERIFY_WITH_TIMEOUT(
                    !rig.axis->aims(0).isEmpty() && !rig.axis->aims(1).isEmpty(), 10000);
                QVERIFY(mount->slewToTarget().hasValue());
            } else if (step == "cut") {
                rig.setCut(true);
            } else if (step == "mend") {
                const int stops[2] = {stopsSent(rig, 0), stopsSent(rig, 1)};
                rig.setCut(false);
                QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
                // Taken by the mount, not merely forgotten.
                QVERIFY(stopsSent(rig, 0) > stops[0] && stopsSent(rig, 1) > stops[1]);
                QVERIFY(atRest(0) && atRest(1));
            } else if (step == "cancel") {
                const int lost[2] = {rig.axis->lostStops(0), rig.axis->lostStops(1)};
                mount->abortSlewAsync();
                QVERIFY(mount->stopPending());
                if (steps.contains("cut"))
                    QTRY_VERIFY_WITH_TIMEOUT(rig.axis->lostStops(0) > lost[0] &&
                                                 rig.axis->lostStops(1) > lost[1],
                                             10000);
                else
                    QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
            } else if (step == "restart") {
                rig.axis->controllerRestarted();
                QTRY_COMPARE_WITH_TIMEOUT(rig.toldOf("restarted"), 1, 10000);
            } else {
                QFAIL(qPrintable("unknown step " + step));
            }
        }
        QCOMPARE(mount->stopPending(), pendingAtRelease);
        // The rig holds the one reference: the mount goes, as at a disconnect.
        rig.mount.reset();
        QTRY_COMPARE_WITH_TIMEOUT(rig.toldOf(kReleased), toldOfRelease, 10000);
        QCoreApplication::processEvents();
        QCOMPARE(rig.toldOf(kReleased), toldOfRelease);
    }

    // A tracking start the mount refuses turns tracking off, and what the start took over is
    // stopped: nothing runs on at a rate that no one shows.
    // motion: what runs before tracking is asked for, "" nothing, "pad1" a pad slew of axis 1
    // under tracking that the mount took.
    void refusedTrackingStopsTheAxes_data() {
        QTest::addColumn<QString>("motion");
        dataRow("switched on from rest", "");
        dataRow("pad released under tracking", "pad1");
    }
    void refusedTrackingStopsTheAxes() {
        QFETCH(QString, motion);
        AnswerRig rig(MountMode_::AZ);
        const std::shared_ptr<Mount>& mount = rig.mount;
        if (motion == "pad1") {
            mount->setTrackingEnabled(true);
            QTRY_VERIFY_WITH_TIMEOUT(mount->acknowledgedTracking().on, 10000);
            mount->slewAxisAsync(0, 0.01);
            QTRY_VERIFY_WITH_TIMEOUT(rig.slewing(0), 10000);
            rig.command->setRefuse(true);
            mount->slewAxisAsync(0, 0.0);
        } else {
            rig.command->setRefuse(true);
            mount->setTrackingEnabled(true);
        }
        QTRY_COMPARE_WITH_TIMEOUT(rig.toldOf("did not take the tracking"), 1, 10000);
        QVERIFY(!mount->trackingEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(rig.tags(), QString("stop/stop"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
        QVERIFY(!mount->realTracking());
        QCOMPARE(rig.axis->lastRate(0).valueOr(-1), 0.0);
        QCOMPARE(rig.axis->lastRate(1).valueOr(-1), 0.0);
        QVERIFY(!mount->acknowledgedTracking().on);
    }

    // A stop whose replies come back garbled has reached the mount all the same: once the mount
    // has answered that the axis stands (read at once when the stop's reply was lost; when the
    // status replies are lost, after the braking time), the stop counts as taken and tracking is
    // as the mount took it. The user hears nothing of a stop whose axis was read still.
    // motion: "padN" a pad slew of axis N, "track" tracking, "goto" a GoTo with tracking as
    // given; stop: "release" the pad, "off" tracking, "abort" the GoTo; garbled: "stop" the
    // stops' replies, "st" the status replies; tracking: on afterwards.
    void garbledStopsAreTaken_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("motion");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("garbled");
        QTest::addColumn<bool>("tracking");
        const int EQ = MountMode_::EQ, AZ = MountMode_::AZ;
        dataRow("equatorial: pad 1 released, stop replies garbled", EQ, "pad1", "release", "stop",
                false);
        dataRow("equatorial: pad 2 released, status replies garbled", EQ, "pad2", "release", "st",
                false);
        dataRow("equatorial: tracking off, stop replies garbled", EQ, "track", "off", "stop",
                false);
        dataRow("equatorial: tracking off, status replies garbled", EQ, "track", "off", "st",
                false);
        dataRow("equatorial: GoTo aborted, stop replies garbled", EQ, "goto", "abort", "stop",
                false);
        dataRow("altitude-azimuth: tracking off, stop replies garbled", AZ, "track", "off", "stop",
                false);
        dataRow("altitude-azimuth: pad 2 released, stop replies garbled", AZ, "pad2", "release",
                "stop", false);
        dataRow("altitude-azimuth: GoTo aborted while tracking, stop replies garbled", AZ,
                "track goto", "abort", "stop", true);
    }
    void garbledStopsAreTaken() {
        QFETCH(int, mode);
        QFETCH(QString, motion);
        QFETCH(QString, stop);
        QFETCH(QString, garbled);
        QFETCH(bool, tracking);
        AnswerRig rig(static_cast<MountMode_::E>(mode));
        const std::shared_ptr<Mount>& mount = rig.mount;
        for (const QString& m : motion.split(' ')) {
            if (m == "track") {
                mount->setTrackingEnabled(true);
                QTRY_VERIFY_WITH_TIMEOUT(mount->acknowledgedTracking().on, 10000);
            } else if (m == "goto") {
                QVERIFY(rig.startGoto());
            } else {
                QVERIFY(rig.startSlew(m.endsWith('2') ? 1 : 0));
            }
        }
        QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);

        const int sent = stopsSent(rig, 0) + stopsSent(rig, 1);
        rig.axis->setGarbled(garbled, true);
        if (stop == "release")
            mount->slewAxisAsync(motion.endsWith('2') ? 1 : 0, 0.0);
        else if (stop == "off")
            mount->setTrackingEnabled(false);
        else
            mount->abortSlewAsync();
        // Pending from the request on, unless the mount took it already.
        QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
        QVERIFY(stopsSent(rig, 0) + stopsSent(rig, 1) > sent);
        QTRY_VERIFY_WITH_TIMEOUT(mount->acknowledgedTracking().known &&
                                     mount->acknowledgedTracking().on == tracking,
                                 10000);
        QVERIFY(!mount->slewToTarget().hasValue());
        rig.axis->setGarbled(garbled, false);
        if (!tracking)
            QVERIFY(rig.atRest());
        QCoreApplication::processEvents();
        QCOMPARE(rig.toldOf(kNoAnswer), 0);
    }

    // An altitude-azimuth GoTo aborted while tracking restarts tracking, which stops the axes and
    // reads as not known until its first pass. A motion that cancels the restart before that
    // pass leaves tracking as the mount took it last, and its listeners hear so while the GoTo
    // still runs. A pad slew of one axis leaves the other standing, and a restart whose first
    // reading went unanswered may have been taken in part: both stay in doubt. next: what takes the
    // axes while the restart waits for its first reading: "goto" a GoTo, "pad1" a pad slew, "none"
    // nothing (the reading comes); lost: the held reading fails first.
    void cancelledRestartLeavesTrackingKnown_data() {
        QTest::addColumn<QString>("next");
        QTest::addColumn<bool>("lost");
        QTest::addColumn<bool>("knownDuring");
        dataRow("a GoTo cancels the restart", "goto", false, true);
        dataRow("a pad slew cancels the restart", "pad1", false, false);
        dataRow("a GoTo cancels a restart whose reading went unanswered", "goto", true, false);
    }
    void cancelledRestartLeavesTrackingKnown() {
        QFETCH(QString, next);
        QFETCH(bool, lost);
        QFETCH(bool, knownDuring);
        AnswerRig rig(MountMode_::AZ);
        const std::shared_ptr<Mount>& mount = rig.mount;
        mount->setTrackingEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(mount->acknowledgedTracking().on, 10000);
        QVERIFY(rig.startGoto());

        rig.axis->hold("pos");
        mount->abortSlewAsync();
        // The restart has seen the axes stand and waits for its first reading: not known.
        QTRY_COMPARE_WITH_TIMEOUT(rig.axis->waiting("pos"), 1, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!mount->acknowledgedTracking().known, 10000);
        if (lost) {
            // The reading and the ones after it go unanswered: each costs a second of link time.
            const int64_t cutAt = rig.linkClock->nowMs();
            rig.setCut(true);
            rig.axis->release("pos", false);
            QTRY_VERIFY_WITH_TIMEOUT(rig.linkClock->nowMs() - cutAt >= 2 * kLinkTimeoutMs, 10000);
        }
        rig.clearTrackingStates();
        const qsizetype gotosEnded = rig.gotoResults().size();
        if (next == "goto") {
            // The GoTo stays under way: tracking resumes only after it, and would then be heard
            // whatever the GoTo itself announced.
            rig.axis->hold("goto");
            QVERIFY(mount->slewToAsync(rig.axesAwayBy(0.3, 0.2)));
        } else {
            mount->slewAxisAsync(0, 0.01);
        }
        // Ends the restart's wait (in vain): it learns of its cancel at its next pause.
        rig.axis->release("pos", true);
        QTRY_VERIFY_WITH_TIMEOUT(next == "goto"
                                     ? mount->slewToTarget().hasValue() && rig.tags() == "slto/slto"
                                     : rig.tags().startsWith("slew"),
                                 10000);
        const IMount::AcknowledgedTracking during = mount->acknowledgedTracking();
        QCOMPARE(during.known, knownDuring);
        QVERIFY(during.on);
        // The tracking page shows what it hears: a change it is not told of stays unseen.
        if (knownDuring)
            QTRY_VERIFY_WITH_TIMEOUT(rig.trackingStates().contains("on"), 10000);
        if (next == "goto")
            QCOMPARE(rig.gotoResults().size(), gotosEnded);
    }

    // Whoever shows a pending stop hears when it ends: the change is announced when the mount
    // takes the stop, when it takes a stop whose reply was lost, and when a tracking start sees
    // the axes at rest before it sets them going.
    // how: "taken" a pad's stop, "garbled" a pad's stop whose reply is lost, "rest" an
    // altitude-azimuth GoTo aborted while tracking, its restart held before its first reading.
    void stopEndAnnounced_data() {
        QTest::addColumn<QString>("how");
        dataRow("a pad's stop taken", "taken");
        dataRow("a pad's stop taken, its reply lost", "garbled");
        dataRow("a tracking restart sees the axes at rest", "rest");
    }
    void stopEndAnnounced() {
        QFETCH(QString, how);
        AnswerRig rig(how == "rest" ? MountMode_::AZ : MountMode_::EQ);
        const std::shared_ptr<Mount>& mount = rig.mount;
        if (how == "rest") {
            mount->setTrackingEnabled(true);
            QTRY_VERIFY_WITH_TIMEOUT(mount->acknowledgedTracking().on, 10000);
            QVERIFY(rig.startGoto());
        } else {
            QVERIFY(rig.startSlew(0));
        }
        QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
        const int before = int(rig.pendingAnnounced().size());

        if (how == "rest") {
            rig.axis->hold("stop");
            mount->abortSlewAsync();
            QTRY_COMPARE_WITH_TIMEOUT(rig.axis->waiting("stop"), 1, 10000);
            rig.axis->hold("pos");
            rig.axis->release("stop", false);
            // The restart has seen the axes stand, and waits for its first reading.
            QTRY_COMPARE_WITH_TIMEOUT(rig.axis->waiting("pos"), 1, 10000);
        } else {
            // Held, the stop is pending when the request announces it.
            rig.axis->hold("stop");
            rig.axis->setGarbled("stop", how == "garbled");
            mount->slewAxisAsync(0, 0.0);
            QTRY_COMPARE_WITH_TIMEOUT(rig.axis->waiting("stop"), 1, 10000);
            rig.axis->release("stop", false);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(
            rig.pendingAnnounced().size() >= before + 2 && !rig.pendingAnnounced().last(), 10000);
        const QList<bool> announced = rig.pendingAnnounced().mid(before);
        QVERIFY(announced.first());
        rig.axis->release("pos", false);
    }

    // A controller that restarted has its counters back at home: every axis is stopped, whatever
    // ran on it, and nothing resumes.
    // motions: what runs when the restart is learnt: "track" tracking, "padN" a pad slew of
    // axis N.
    void restartStopsEveryAxis_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("motions");
        const int EQ = MountMode_::EQ, AZ = MountMode_::AZ;
        dataRow("equatorial: tracking, pad on axis 2", EQ, "track pad2");
        dataRow("equatorial: pads on both axes", EQ, "pad1 pad2");
        dataRow("equatorial: pad on axis 2 alone", EQ, "pad2");
        dataRow("altitude-azimuth: tracking", AZ, "track");
    }
    void restartStopsEveryAxis() {
        QFETCH(int, mode);
        QFETCH(QString, motions);
        AnswerRig rig(static_cast<MountMode_::E>(mode));
        const std::shared_ptr<Mount>& mount = rig.mount;
        for (const QString& motion : motions.split(' ')) {
            if (motion == "track") {
                mount->setTrackingEnabled(true);
                QTRY_VERIFY_WITH_TIMEOUT(mount->acknowledgedTracking().on, 10000);
                continue;
            }
            const AXISID a = motion.endsWith('2') ? 1 : 0;
            mount->slewAxisAsync(a, 0.01);
            QTRY_VERIFY_WITH_TIMEOUT(rig.slewing(a), 10000);
        }
        QSignalSpy restarted(mount.get(), &IMount::controllerRestarted);

        rig.axis->controllerRestarted();
        QCOMPARE(restarted.size(), 1);
        QVERIFY(!mount->trackingEnabled());
        QCOMPARE(mount->axisSlewState(0), 0);
        QCOMPARE(mount->axisSlewState(1), 0);
        QTRY_COMPARE_WITH_TIMEOUT(rig.tags(), QString("stop/stop"), 10000);
        // Each stop is waited for on its own: one given to an axis already at rest (axis 1 when
        // only axis 2 moved) is no pending stop, so nothing pending says whether it went out.
        QTRY_COMPARE_WITH_TIMEOUT(rig.axis->lastRate(0).valueOr(-1), 0.0, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.axis->lastRate(1).valueOr(-1), 0.0, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
        QVERIFY(!mount->realTracking());
        QTRY_COMPARE_WITH_TIMEOUT(rig.toldOf("restarted"), 1, 10000);
    }
};

QTEST_MAIN(TestMountAnswers)
#include "tst_mountanswers.moc"

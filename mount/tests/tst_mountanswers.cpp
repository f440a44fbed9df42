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
#include <mutex>

using namespace Ko;

namespace {

// 2024-03-20 00:00 UTC.
constexpr int64_t kEpochMs = 1710892800000;
// What an unanswered exchange costs on the link's clock: the read time-out of a slow link.
constexpr int64_t kLinkTimeoutMs = 1000;

// The scripted axes behind a link that the test cuts and mends: while cut, every exchange ends in
// Timeout after the link's time-out has passed on the clock.
class CuttableAxis : public FakeMountAxis {
public:
    CuttableAxis(std::shared_ptr<CallLog> log, std::shared_ptr<FakeClock> clock)
        : FakeMountAxis(std::move(log), clock), m_clock(std::move(clock)) {}

    void setCut(bool cut) { m_cut = cut; }

    CmdResp<double> readPosition(AXISID axis) override {
        return lost() ? CmdResp<double>(CmdRetType_::Timeout) : FakeMountAxis::readPosition(axis);
    }
    CmdResp<std::pair<double, double>> readPositions() override {
        return lost() ? CmdResp<std::pair<double, double>>(CmdRetType_::Timeout)
                      : FakeMountAxis::readPositions();
    }
    CmdResp<MotorStatus> readStatus(AXISID axis) override {
        return lost() ? CmdResp<MotorStatus>(CmdRetType_::Timeout)
                      : FakeMountAxis::readStatus(axis);
    }
    CmdRetType_::E slewAtRate(AXISID axis, double rate) override {
        return lost() ? CmdRetType_::Timeout : FakeMountAxis::slewAtRate(axis, rate);
    }
    CmdRetType_::E gotoPosition(AXISID axis, double target) override {
        return lost() ? CmdRetType_::Timeout : FakeMountAxis::gotoPosition(axis, target);
    }
    CmdRetType_::E stop(AXISID axis) override {
        if (!lost())
            return FakeMountAxis::stop(axis);
        ++m_lostStops[axis];
        return CmdRetType_::Timeout;
    }
    // The stops of the axis sent while the link was cut.
    int lostStops(AXISID axis) const { return m_lostStops[axis]; }

private:
    bool lost() {
        if (!m_cut)
            return false;
        m_clock->advance(kLinkTimeoutMs);
        return true;
    }

    const std::shared_ptr<FakeClock> m_clock;
    std::atomic<bool> m_cut{false};
    std::atomic<int> m_lostStops[2] = {0, 0};
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
        : MountControlRig({40 * kDeg, 75 * kDeg, kEpochMs, {}, mode}) {
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
        mount->slewToFinished.append([this](CmdRet r) {
            std::lock_guard lock(mutex);
            finished << int(r.type);
        });
    }
    ~AnswerRig() {
        // Whatever still waits for an answer gets one, and ends.
        axis->setCut(false);
        command->setRefuse(false);
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
        std::lock_guard lock(mutex);
        return finished;
    }
    // The axis runs at a rate the mount commanded.
    bool slewing(AXISID a) const {
        const QList<double> r = axis->rates(a);
        return !r.isEmpty() && r.last() != 0 && axis->lastRate(a).valueOr(0.0) != 0;
    }

    std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
    std::shared_ptr<FakeClock> linkClock = std::make_shared<FakeClock>(kEpochMs);
    std::shared_ptr<CuttableAxis> axis = std::make_shared<CuttableAxis>(log, linkClock);
    std::shared_ptr<RefusingCommand> command =
        std::make_shared<RefusingCommand>(log, linkClock, 32);
    std::shared_ptr<EmlatorKoDevic> device = std::make_shared<EmlatorKoDevic>();
    std::shared_ptr<MountAxisTimeContainer> axisTimes = std::make_shared<MountAxisTimeContainer>();
    std::shared_ptr<MountTaskManager> manager = std::make_shared<MountTaskManager>(token);
    std::shared_ptr<Mount> mount;
    QObject receiver;
    QStringList told;
    std::mutex mutex;
    QList<int> finished;
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
        bool cut = false;
        for (const QString& step : steps.split(' ')) {
            const AXISID a = step.endsWith('2') ? 1 : 0;
            if (step == "cut") {
                cut = true;
                rig.axis->setCut(true);
            } else if (step == "mend") {
                cut = false;
                rig.axis->setCut(false);
                QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
            } else if (step.startsWith("slew")) {
                mount->slewAxisAsync(a, 0.01);
                if (!cut)
                    QTRY_VERIFY_WITH_TIMEOUT(rig.slewing(a), 10000);
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
                rig.axis->setCut(true);
            } else if (step == "mend") {
                const int stops[2] = {stopsSent(rig, 0), stopsSent(rig, 1)};
                rig.axis->setCut(false);
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
        QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
        QCOMPARE(rig.axis->lastRate(0).valueOr(-1), 0.0);
        QCOMPARE(rig.axis->lastRate(1).valueOr(-1), 0.0);
        QVERIFY(!mount->realTracking());
        QTRY_COMPARE_WITH_TIMEOUT(rig.toldOf("restarted"), 1, 10000);
    }
};

QTEST_MAIN(TestMountAnswers)
#include "tst_mountanswers.moc"

#pragma once

#include "base/backgroundwork.h"
#include "base/callbacksubscriptions.h"
#include "mount/imount.h"
#include "mount/settingrecheck.h"

#include <array>
#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

class ThreadPool;

namespace Ko {

class AltRange;
class AppCore;
class ControlledCancellable;
class IAstroCalc;
class ICanceller;
class IClock;
class IConverserTimeout;
class IKoConverser;
class IKoMCommand;
class IMountAxis;
class IMountTask;
class IMountTaskFactory;
class IMountTaskManager;
class IPAE;
class IParkDataOption;
class IPerMountData;
class IShortMessageSink;
class MountAxisTimeContainer;
class SlewToTargetMAContainer;
struct SlewToSettings;

// The one object that stands for a connected mount. Long motions run as tasks of the mount's
// task manager; the mount decides which task to start and keeps the bookkeeping around them.
//
// Threads: any thread, but a task's own thread for the calls that block on the link, as IMount
// says. Operations run on the caller's thread; task callbacks on the task's thread; queued
// operations on the one worker of m_workerPool. m_mutex (recursive: a start of a task fires the
// manager's change list, whose subscriber may come back into the mount on the same thread) guards
// every member below it that is not const, and is held across each task start together with the
// per-axis claim count, so that the end of one motion and the start of the next cannot interleave.
// Callback lists and Qt signals of the mount itself are fired with it released.
//
// Overlapping GoTos: each GoTo gets a ticket when it is handed to the task manager. Its target is
// published from that moment (a client that asks at once sees the mount slewing) until the GoTo
// ends or another task takes its axes; a GoTo replaced by a newer one hands the published target
// straight to it, so the GoTo state never reads "done" in between. Its end applies the
// end-of-motion rule only to an axis no task has claimed since (so a newer GoTo or slew is never
// cancelled by the older one's stop), resets the flipping mode only when no newer GoTo was
// started, and notifies only the subscribers that were waiting when it was started (or that wait
// for no particular GoTo).
//
// Trail-point runs likewise: the run's information is published when it is handed over, and its
// result is stored before anything can read the run as over: when another task takes the axes
// (an abort, a GoTo), the run counts as cancelled from that moment.
//
// The link: a mount over a real link watches it once prepared (see LinkWatch), so that a
// controller that restarted or a link that stopped answering is seen within seconds even while
// nothing else talks to the mount; linkAnswering follows the link's time-out state. The
// preparation ends by reading back what it set up, so that a controller that restarted while it
// ran is found before the mount is published: the preparation then fails, and the user is told
// as for a restart seen later. The axes it sets are recorded in the per-mount data until that
// read-back confirms them, so that the next connection, in this run or a later one, sets again
// the axes of a set-up cut at any step instead of trusting what a restarted controller holds.
// An axis found initialised away from its power-up count despite such a record may be another
// controller of the same version: it is set all the same, and the user is told that where the
// mount points is not known. A preparation whose exchange timed out waits for a booting
// controller to answer again, so that a restart is told as one rather than as a link fault.
//
// Lifetime: made by create, whose pointer destroys the mount on the thread it lives on: a last
// reference dropped on a task, worker or reading thread posts the destruction there.
class Mount : public IMount {
    Q_OBJECT
public:
    Mount(MountMode_::E mode, std::shared_ptr<IKoConverser> converser,
          std::shared_ptr<IKoDevice> device, std::shared_ptr<IMountAxis> axis,
          std::shared_ptr<MountAxisTimeContainer> axisTimes, std::shared_ptr<IAlignment> alignment,
          std::shared_ptr<IMountTaskManager> taskManager,
          std::shared_ptr<IMountTaskFactory> taskFactory,
          std::shared_ptr<IMountTask> positionReadTask, std::shared_ptr<IAstroCalc> astroCalc,
          std::shared_ptr<AltRange> altRange, std::shared_ptr<SlewToSettings> slewToSettings,
          std::shared_ptr<SlewToTargetMAContainer> slewToTargets,
          std::shared_ptr<IKoMCommand> command, std::shared_ptr<AppCore> appCore,
          std::shared_ptr<IPerMountData> perMountData,
          std::shared_ptr<IShortMessageSink> messageSink,
          std::shared_ptr<IParkDataOption> parkDataOption, std::shared_ptr<IPAE> pae,
          std::shared_ptr<IClock> clock);
    ~Mount() override;

    // Builds a mount whose last reference destroys it on its own thread (a task or worker thread
    // may let go of it last, and the destructor waits for those); init is already called.
    template <class... Args>
    static std::shared_ptr<Mount> create(Args&&... args) {
        std::shared_ptr<Mount> mount = makeOnOwnerThread<Mount>(std::forward<Args>(args)...);
        mount->init(mount);
        return mount;
    }

    // The GoTo tolerance for the mode, unless the board (from the axis-1 version: model id << 16
    // with the firmware word as received) is one of the old ones that stop less precisely.
    static double gotoToleranceRad(MountMode_::E mode, uint32_t axis1Version);

    IAlignment* alignment() const override;
    void init(std::shared_ptr<IMount> self) override;
    CmdRetType_::E prepareAfterConnect() override;
    MountMode_::E mountMode() const override;
    uint32_t motorControllerVersion(AXISID axis) const override;

    AnglePair axisPositions() const override;
    AnglePair lastPosition() const override;
    QFuture<CmdRet> readPositionAsync() override;
    CmdResp<AnglePair> readAxisPositions() override;
    CmdResp<AnglePair> readPosition() override;
    bool positionUpdating() const override;
    void setPositionUpdating(bool on) override;
    CmdRetType_::E setAxisPositions(double axis1, double axis2) override;
    CmdRetType_::E setAxisPosition(AXISID axis, double angle) override;
    CmdRetType_::E syncPosition(double a, double b) override;
    CmdRetType_::E addPaePoint(std::string name, U_ASTRO_COORD target) override;

    bool realTracking() override;
    bool trackingEnabled() const override;
    void setTrackingEnabled(bool on) override;
    Nullable<TrackingRate> trackingRate() const override;
    void setTrackingRate(TrackingRate rate) override;
    bool isAZ() const override;
    Nullable<MountTarget> trackingTarget() const override;
    void setTrackingTarget(const MountTarget& target) override;
    AcknowledgedTracking acknowledgedTracking() const override;
    bool stopPending() const override;
    bool stopPendingOf(StoppedMotion motion) const override;
    bool linkAnswering() const override;

    void abortSlewAsync() override;
    bool stopOpenEndedMotions() override;
    void stopAxisAsync(AXISID axis) override;
    void slewAxisAsync(AXISID axis, double rate) override;
    void slewAxisAsyncFlagged(AXISID axis, double rate) override;
    int32_t axisSlewState(AXISID axis) const override;
    bool axisSlewFlag(AXISID axis) const override;
    uint64_t slewAxisCounted(AXISID axis, double rate) override;
    bool stopAxisIfLatest(AXISID axis, uint64_t count) override;

    Nullable<MountTarget> slewToTarget() const override;
    Nullable<double> remainingSlewAngle() const override;
    bool slewToAsync(const MountTarget& target) override;
    uint64_t gotoGeneration() const override;
    bool lastGotoArrived() const override;

    QFuture<CmdRet> setCameraShutterAsync(bool on) override;
    bool hasDualEncoders() const override;
    bool lastEnableDualEncoders() const override;
    QFuture<CmdRet> setEnableDualEncodersAsync(bool on) override;
    bool hasPolarScopeLED() const override;
    QFuture<CmdRet> setGuidingSpeed(bool isAxis1, GuidingSpeed_::E speed) override;
    bool setGuideRate(AXISID axis, double rate) override;
    double guideRate(AXISID axis) const override;
    QFuture<CmdRet> setPolarLEDBrightness(double brightness) override;
    double speedFineAdjustmentPrecision() const override;

    bool supportsAutoHome() const override;
    bool duringAutoHome() override;
    void autoHomeAsync(double decOffsetRad) override;

    bool supportsPpec() const override;
    bool lastPpecTraining() const override;
    void updatePpecTrainingAsync() override;
    void setPpecTrainingAsync(bool start) override;
    bool lastPpecPlayback() const override;
    void updatePpecPlaybackAsync() override;
    QFuture<CmdRet> setPpecPlaybackAsync(bool on) override;
    double pePeriodSec() const override;

    bool parked() const override;
    void parkAsync(bool atHome) override;
    void unparkAsync() override;
    CmdRetType_::E unparkNow() override;

    FlippingMode_::E flippingMode() const override;
    void setFlippingMode(FlippingMode_::E mode) override;

    void pulseGuideAxisAsync(AXISID axis, bool direction, int durationMs) override;
    bool isPulseGuiding() override;

    bool canTrackTrailPoints() const override;
    void setTrailPointsTestRunCountDown(Nullable<uint32_t> countDown) override;
    void trackTrailPointsAsync(TrailPointsParam&& param) override;
    CmdResp<AnglePair> addTrailPointsOffset(double axis1, double axis2) override;
    bool trailPointsTracking() override;
    Nullable<TrailPointsTaskInfo> trailPointsTaskInfo() const override;

    CmdResp<uint64_t> readMountClock() override;
    CmdRetType_::E syncMountClock() override;

    bool destinationSideOfPier(AnglePair raDec) override;
    CmdResp<bool> sideOfPier() override;
    CmdRetType_::E setSideOfPier(int side) override;

private:
    // The tracking parameters: at most one of the two holds a value.
    struct TrackingChoice {
        Nullable<TrackingRate> rate;
        Nullable<MountTarget> target;

        bool operator==(const TrackingChoice&) const = default;
    };
    // The bookkeeping of one GoTo handed to the task manager.
    struct GotoTicket {
        uint64_t number = 0;
        std::array<uint64_t, 2> axisClaims{0, 0};
    };
    using TaskCallback = std::function<void(CmdRet)>;

    void onSlewToStarted(const GotoTicket& ticket);
    void onSlewToFinished(const GotoTicket& ticket, const MountTarget& target, CmdRet ret);
    void updatePeriodicPositionRead();
    // With m_mutex held: the published GoTo, or the open trail-point run, is over because another
    // task takes the axes. What changed is announced by the next announceEnds.
    void endPublishedGotoLocked();
    void endOpenTrailRunLocked(CmdRet ret);
    // With m_mutex released: fires what the ends above left unannounced.
    void announceEnds();
    void onTrailPointsFinished(const GotoTicket& run, CmdRet ret);
    // The controller restarted: every motion ends, tracking goes off and the user is told, once.
    void onControllerRestarted();
    // The end of the preparation over a link: reads back each axis's position (unless the
    // preparation read them itself) and then its status. An axis set to a position (setUp) that
    // reads back elsewhere, or an axis not initialised, means the controller restarted during the
    // preparation: that is told as a restart, and the result is Other. Otherwise Ok, or the
    // failure of a read.
    CmdRetType_::E confirmSetup(const std::array<Nullable<double>, 2>& setUp, bool positionsRead);
    CmdRetType_::E restartedWhileConnecting();
    // What the controller should hold at a step of the preparation: each axis initialised (found
    // so, or initialised by the preparation), and the positions the preparation set.
    struct SetupProgress {
        std::array<bool, 2> initialised{};
        std::array<Nullable<double>, 2> positions;
    };
    CmdRetType_::E prepareSteps(SetupProgress& progress);
    // After an exchange of the preparation timed out: waits, as long as a controller takes to
    // boot, for the controller to answer again, and tells a restart if it then holds less than
    // the progress says. Timeout otherwise.
    CmdRetType_::E afterSetupTimeout(const SetupProgress& progress);
    // Whether an angle read from the axis is the count a controller starts from at power-up.
    bool atPowerUpCount(AXISID axis, double rad) const;
    // Once the mount is prepared: a link is watched while nothing else talks to it.
    void startLinkWatch();

    using MotionHandle = eventpp::CallbackList<void()>::Handle;
    void parkNow(bool atHome);
    void onParked(AnglePair axes);
    void onMotionWhileParked();
    // Tracking off, both axes under stop tasks: the end of homing and of a trail-points run.
    void bringAxesToRest();
    // Swaps the subscription that ends the park at the next motion; returns the previous one.
    std::optional<MotionHandle> exchangeParkHandle(std::optional<MotionHandle> handle);

    // Each returns the axis's motion count as the slew left it.
    uint64_t slewAxisAsync_(AXISID axis, double rate, bool flag);
    uint64_t startAxisSlew(AXISID axis, bool flag, double rate);
    // The rate along a running trail-point run, on the worker.
    void nudgeTrailRun(AXISID axis, double rate);
    void stopAxisOrResumeTracking(AXISID axis);
    void applyTracking();
    // With m_mutex held.
    void stopAxisOrResumeTrackingLocked(AXISID axis);
    void startTrackingLocked();
    void startAxisStopLocked(AXISID axis);
    // Counts the axes the task claims, then hands it to the task manager. A task that takes the
    // axes ends the published GoTo and the open trail-point run, unless it is of the same kind
    // (whose start publishes itself), and ends the manual slew of each axis it takes.
    std::shared_ptr<ICanceller> startTaskLocked(std::shared_ptr<IMountTask> task,
                                                std::function<void()> onStarted = {},
                                                TaskCallback onFinished = {});
    uint32_t tag(int resource) const;

    // Acknowledgements: a stop, or tracking in place of a motion, counts as pending on each axis
    // it takes from a motion until the mount has accepted it, or answered that the axes stand
    // while tracking restarts (or a newer task took the axis and was accepted, or a GoTo took it
    // and the mount took the GoTo's first aim of it: the end lets a GoTo run on). With m_mutex
    // held, before the task is started.
    void markStopPendingLocked(const IMountTask& task);
    TaskCallback acknowledgementLocked(IMountTask& task, std::optional<TrackingChoice> tracking);
    void onAcknowledged(std::array<uint64_t, 2> claims, std::optional<TrackingChoice> tracking,
                        CmdRet ret);
    void onStopUnanswered();
    // From the destructor: a stop still pending goes with the mount, and the user hears so.
    void tellStopLeftPending();
    // A tracking start left its first command unanswered and goes on trying, or tracking that
    // was taken had a later rate go unanswered.
    void onTrackingUnanswered(std::array<uint64_t, 2> claims);
    // A task that took the axes from a motion has seen them stand before it set them going: the
    // stops given with it are taken.
    void onAxesAtRest(std::array<uint64_t, 2> claims);
    // A GoTo that holds these claims has had its first aim of the axis taken: a stop pending on
    // the axis, given to the motion that the GoTo replaced, is over.
    void onAxisTakenOver(std::array<uint64_t, 2> claims, AXISID axis);
    // With m_mutex held: the axis's pending stop is over; true when one was pending.
    bool clearStopPendingLocked(AXISID axis);
    // With m_mutex held: whether the task of these claims still holds an axis; when it does and
    // its stops are taken, none is pending on its axes any more.
    bool answeredLocked(std::array<uint64_t, 2> claims, bool stopsTaken);
    // A GoTo that ended without arriving and without being cancelled: the user hears why.
    void reportGotoFailure(CmdRet ret);
    // Writes a setting on the worker (see the settings' part of IMount): one left unanswered is
    // told to the user and its check waits for the link.
    QFuture<CmdRet> writeSetting(SettingRecheck::Setting setting,
                                 std::function<CmdRetType_::E()> write,
                                 SettingRecheck::Check check);
    // From the link's list, on the thread that ran the exchange: the link answers again.
    void recheckSettingsAsync();
    // On the worker or a task's thread: the speed sent, and stored once the mount took it.
    CmdRetType_::E sendGuideSpeed(AXISID axis, GuidingSpeed_::E speed);
    // Whether the mount may hold another speed than the kept one, as its answer r says; kept
    // beyond this mount, for the next connection.
    void noteGuideSpeedAnswer(AXISID axis, CmdRetType_::E r);
    static SettingRecheck::Setting guideSpeedSetting(AXISID axis);
    SettingRecheck::Check guideSpeedCheck(AXISID axis);
    SettingRecheck::Check ppecCheck();
    // A short message to the user, where the mount has someone to tell.
    void tell(const QString& text) const;

    // slewToFinished subscribers claimed by GoTos still to end, keyed by ticket number.
    void claimFinishSubscribers(uint64_t ticket);
    void fireSlewToFinished(uint64_t ticket, CmdRet ret);

    const MountMode_::E m_mode;
    const std::shared_ptr<IKoConverser> m_converser;
    const std::shared_ptr<IKoDevice> m_device;
    const std::shared_ptr<IMountAxis> m_axis;
    const std::shared_ptr<MountAxisTimeContainer> m_axisTimes;
    const std::shared_ptr<IAlignment> m_alignment;
    const std::shared_ptr<IMountTaskManager> m_taskManager;
    const std::shared_ptr<IMountTaskFactory> m_taskFactory;
    const std::shared_ptr<IMountTask> m_positionReadTask;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<AltRange> m_altRange;
    const std::shared_ptr<SlewToSettings> m_slewToSettings;
    const std::shared_ptr<SlewToTargetMAContainer> m_slewToTargets;
    const std::shared_ptr<IKoMCommand> m_command;
    const std::shared_ptr<AppCore> m_appCore;
    const std::shared_ptr<IPerMountData> m_perMountData;
    const std::shared_ptr<IShortMessageSink> m_messageSink;
    const std::shared_ptr<IParkDataOption> m_parkDataOption;
    const std::shared_ptr<IPAE> m_pae;
    const std::shared_ptr<IClock> m_clock;

    CallbackSubscriptions<void()> m_axisTimesSubscription;
    CallbackSubscriptions<void()> m_slewToTargetsSubscription;
    CallbackSubscriptions<void()> m_tasksSubscription;
    CallbackSubscriptions<void()> m_alignmentSubscription;
    CallbackSubscriptions<void()> m_ppecTrainingSubscription;
    CallbackSubscriptions<void()> m_ppecPlaybackSubscription;
    CallbackSubscriptions<void()> m_restartSubscription;
    // The link's time-out state; null for the emulated mount, which has no link.
    const std::shared_ptr<IConverserTimeout> m_link;
    CallbackSubscriptions<void(bool)> m_linkSubscription;

    std::weak_ptr<IMount> m_weakSelf;
    // One worker: the queued operations run one at a time, in order. Emptied by the destructor.
    std::unique_ptr<ThreadPool> m_workerPool;
    // Cleared by the destructor before it empties the worker: no check is queued after that.
    std::mutex m_workerOpenMutex;
    // Guarded by m_workerOpenMutex.
    bool m_workerOpen = true;
    // The settings whose last write went unanswered, made sure once the link is back.
    SettingRecheck m_settingRecheck;
    // The link watch's own thread and its token; the destructor cancels it and waits for it.
    std::shared_ptr<ControlledCancellable> m_linkWatchToken;
    std::unique_ptr<ThreadPool> m_linkWatchThread;
    std::atomic<bool> m_restartSeen{false};

    mutable std::recursive_mutex m_mutex;
    std::shared_ptr<ICanceller> m_positionReadHandle;
    bool m_positionUpdating = false;
    bool m_slewToRunning = false;
    bool m_trackingEnabled = false;
    TrackingChoice m_trackingChoice{TrackingRate::Sidereal, {}};
    TrackingChoice m_trackingInForce{TrackingRate::Sidereal, {}};
    std::array<int32_t, 2> m_axisSlewState{0, 0};
    std::array<bool, 2> m_axisSlewFlag{true, true};
    Nullable<MountTarget> m_slewToTarget;
    Nullable<uint32_t> m_trailPointsTestRunCountDown;
    Nullable<TrailPointsTaskInfo> m_trailPointsTaskInfo;
    // Held while parked: the subscription to the axes' motion list.
    std::optional<MotionHandle> m_parkHandle;
    // How many tasks have claimed each axis so far: the axes' motion counts.
    std::array<uint64_t, 2> m_axisClaims{0, 0};
    // The last GoTo ticket handed out, and the one whose target is published (0: none).
    uint64_t m_lastGotoTicket = 0;
    uint64_t m_publishedGotoTicket = 0;
    // The GoTo accepted last has ended Ok.
    bool m_lastGotoArrived = false;
    // The last trail-point run handed out, and whether its result is still to come.
    uint64_t m_lastTrailRun = 0;
    bool m_trailRunOpen = false;
    // Ends stored by another task's start, not yet announced.
    bool m_gotoEndUnannounced = false;
    bool m_trailRunEndUnannounced = false;
    bool m_slewStateUnannounced = false;
    bool m_stopPendingUnannounced = false;
    // Per axis: a stop the mount has not acknowledged yet (see stopPending).
    std::array<bool, 2> m_stopPending{false, false};
    // Per axis: the kinds of motion (bits of StoppedMotion) the pending stop was given to.
    std::array<uint8_t, 2> m_stopPendingMotions{0, 0};
    // The user has been told that a pending stop went unanswered; cleared once none is pending.
    bool m_stopUnansweredTold = false;
    // Tracking as the mount acknowledged it last.
    bool m_trackingAcknowledgedOn = false;
    TrackingChoice m_trackingAcknowledged{TrackingRate::Sidereal, {}};
    // A change of tracking is partly taken: the mount may have left what it acknowledged last.
    bool m_trackingInDoubt = false;
    // The doubt comes only from a tracking start that stopped the axes and holds them with these
    // claims: should another task take them before the start set them going, nothing was
    // changed that the mount did not take, and the doubt is over.
    std::array<uint64_t, 2> m_restDoubtClaims{0, 0};
    bool m_trackingStateUnannounced = false;
    // The slewToFinished subscriptions each waiting GoTo took over when it was started.
    std::map<uint64_t, std::vector<eventpp::CallbackList<void(CmdRet)>::Handle>> m_finishClaims;
};

} // namespace Ko

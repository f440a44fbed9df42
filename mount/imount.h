#pragma once

#include "astro/coordtype.h"
#include "base/callbacklist.h"
#include "base/nullable.h"
#include "link/cmdret.h"
#include "link/guidingspeed.h"
#include "link/ikodevice.h"
#include "model/flippingmode.h"
#include "model/mountmode.h"
#include "mount/mounttarget.h"
#include "mount/tasks/trailpoints.h"
#include "mount/trackingrate.h"
#include "mount/trailpointstaskinfo.h"

#include <QFuture>
#include <QObject>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace Ko {

class IAlignment;

// One connected mount, as QML and the services see it: position, GoTo, axis slews, tracking,
// park, home, guiding, periodic-error correction and trail points. Every asynchronous operation
// returns at once; results arrive through the cached states, the four callback lists and the Qt
// signals. Signals and lists fire on whatever thread made the change (a task thread, the mount's
// worker, a reading thread): QML receives them queued. Angles are radians; an axis pair is
// (axis 1, axis 2), a sky pair is (observed hour angle, declination) unless said otherwise.
// Threads: any thread for the asynchronous operations, the cached states and the callback lists; a
// task's own thread for the calls that return the mount's answer (readPosition, setAxisPositions,
// syncPosition, unparkNow, readMountClock, sideOfPier and the like), which block on the link.
class IMount : public QObject {
    Q_OBJECT
    Q_PROPERTY(Ko::MountMode_::E mountMode READ mountMode CONSTANT)
    Q_PROPERTY(bool realTracking READ realTracking NOTIFY realTrackingChanged)
    Q_PROPERTY(bool stopPending READ stopPending NOTIFY stopPendingChanged)
    Q_PROPERTY(bool linkAnswering READ linkAnswering NOTIFY linkAnsweringChanged)
    Q_PROPERTY(double speedFineAdjustmentPrecision READ speedFineAdjustmentPrecision CONSTANT)
    Q_PROPERTY(bool supportsAutoHome READ supportsAutoHome CONSTANT)
    Q_PROPERTY(bool duringAutoHome READ duringAutoHome NOTIFY duringAutoHomeChanged)
    Q_PROPERTY(bool supportsPpec READ supportsPpec CONSTANT)
    Q_PROPERTY(bool lastPpecTraining READ lastPpecTraining NOTIFY lastPpecTrainingChanged)
    Q_PROPERTY(bool lastPpecPlayback READ lastPpecPlayback NOTIFY lastPpecPlaybackChanged)
    Q_PROPERTY(double pePeriodSec READ pePeriodSec CONSTANT)
    Q_PROPERTY(bool parked READ parked NOTIFY parkChanged)
    Q_PROPERTY(Ko::FlippingMode_::E flippingMode READ flippingMode WRITE setFlippingMode NOTIFY
                   flippingModeChanged)
    Q_PROPERTY(bool canTrackTrailPoints READ canTrackTrailPoints CONSTANT)
    Q_PROPERTY(bool trailPointsTracking READ trailPointsTracking NOTIFY trailPointsTaskChanged)
    Q_PROPERTY(
        QVariant trailPointsTaskInfo READ trailPointsTaskInfoVariant NOTIFY trailPointsTaskChanged)

public:
    using AnglePair = std::pair<double, double>;

    explicit IMount(QObject* parent = nullptr);
    ~IMount() override;

    // After every re-evaluation of tracking.
    eventpp::CallbackList<void()> trackingStateChanged;
    // A manual slew state changed, or a GoTo ended with Ok.
    eventpp::CallbackList<void()> axisSlewStateChanged;
    // A GoTo started or ended, and on every axis reading while it runs.
    eventpp::CallbackList<void()> slewToStateChanged;
    // A GoTo ended, with its result. A subscription serves one GoTo: the one started next after
    // it was appended (or, when none is started, the next one to end); it is removed once called.
    eventpp::CallbackList<void(CmdRet)> slewToFinished;

    // The pointing model, owned by the mount; may be null.
    virtual IAlignment* alignment() const = 0;
    // Once, right after construction, with the owning pointer of this very object.
    virtual void init(std::shared_ptr<IMount> self) = 0;
    virtual CmdRetType_::E prepareAfterConnect() = 0;
    virtual MountMode_::E mountMode() const = 0;
    // model id << 16 | firmware word of the axis.
    virtual uint32_t motorControllerVersion(AXISID axis) const = 0;

    // The last known axis angles; no traffic.
    virtual AnglePair axisPositions() const = 0;
    // axisPositions through the model and the correction table; no traffic.
    virtual AnglePair lastPosition() const = 0;
    // Reads both axes on a background job.
    Q_INVOKABLE virtual QFuture<Ko::CmdRet> readPositionAsync() = 0;
    virtual CmdResp<AnglePair> readAxisPositions() = 0;
    // The sky pair of a fresh read.
    virtual CmdResp<AnglePair> readPosition() = 0;
    virtual bool positionUpdating() const = 0;
    // While set (or while a GoTo runs) the axes are read every 500 ms.
    virtual void setPositionUpdating(bool on) = 0;
    // Stops at the first failure: axis 2 is left alone when axis 1 fails.
    virtual CmdRetType_::E setAxisPositions(double axis1, double axis2) = 0;
    virtual CmdRetType_::E setAxisPosition(AXISID axis, double angle) = 0;
    // Sets the axes so that they read the sky pair (a, b).
    virtual CmdRetType_::E syncPosition(double a, double b) = 0;
    // Records a correction point: where the target truly is against where the model says the
    // axes point.
    virtual CmdRetType_::E addPaePoint(std::string name, U_ASTRO_COORD target) = 0;

    // A tracking task runs or waits to run.
    virtual bool realTracking() = 0;
    virtual bool trackingEnabled() const = 0;
    virtual void setTrackingEnabled(bool on) = 0;
    virtual Nullable<TrackingRate> trackingRate() const = 0;
    // Clears the tracking target.
    virtual void setTrackingRate(TrackingRate rate) = 0;
    virtual bool isAZ() const = 0;
    virtual Nullable<MountTarget> trackingTarget() const = 0;
    // AZ mounts only (ignored on EQ); clears the tracking rate.
    virtual void setTrackingTarget(const MountTarget& target) = 0;
    // Tracking as the mount took it: a change of tracking that has not reached the mount (a dead
    // link) leaves what the mount acknowledged last, and so does one it refused. The base
    // answers with the wish.
    struct AcknowledgedTracking {
        bool on = false;
        Nullable<TrackingRate> rate;
        Nullable<MountTarget> target;
        // False while a change of tracking is only partly taken: the mount left a command of it
        // unanswered and is still being asked, so it may have left what it took last (a rate
        // change stops the axis before restarting it) without having taken the new state; or
        // the axes were seen to stand for the change while the tracking taken last was on.
        bool known = true;
    };
    virtual AcknowledgedTracking acknowledgedTracking() const;
    // A stop sent to an axis that may be moving (an abort, the end of a manual slew, a stop of
    // tracking, the end of a GoTo that did not arrive) has not been acknowledged yet: the mount
    // may still be moving. The stop is sent again until the mount answers. The base: false.
    virtual bool stopPending() const;
    // What an axis was doing when a stop still pending was given to it: the motion that may
    // still be running.
    enum class StoppedMotion { GoTo, ManualSlew, Tracking, Other };
    // A stop of that kind of motion is pending (see stopPending). The base: false.
    virtual bool stopPendingOf(StoppedMotion motion) const;
    // The mount answers over its link: false from the moment an exchange went unanswered (the
    // link dropped, or the controller no longer replies) until one is answered again. What the
    // mount does meanwhile is not known; what it took last is kept. The base: true.
    virtual bool linkAnswering() const;
    // What the user is told when an operation came to nothing because the mount did not answer:
    // the words the pages use for it.
    static QString noAnswerText();

    // Ends any motion of both axes; each goes on tracking or comes to rest.
    Q_INVOKABLE virtual void abortSlewAsync() = 0;
    // For the program's end: stops every axis whose motion is a slew at a rate, whoever started
    // it (a key, the pad, a remote client), since nothing ends such a slew once the program has
    // gone. A GoTo runs on to its target and tracking goes on. true when it stopped an axis: the
    // stop is then pending (see stopPending) until the mount takes it. The base: false.
    Q_INVOKABLE virtual bool stopOpenEndedMotions();
    virtual void stopAxisAsync(AXISID axis) = 0;
    // rad/s; 0 ends the slew.
    virtual void slewAxisAsync(AXISID axis, double rate) = 0;
    // The same, the rate taken as an absolute rate.
    virtual void slewAxisAsyncFlagged(AXISID axis, double rate) = 0;
    // 1, -1 or 0: the sign of the last manual rate.
    virtual int32_t axisSlewState(AXISID axis) const = 0;
    // The last non-zero manual rate was positive.
    virtual bool axisSlewFlag(AXISID axis) const = 0;
    // slewAxisAsync that returns the axis's motion count as this slew left it, taken together
    // with its start. The count goes up with every motion that takes the axis (a slew, a stop,
    // tracking, a GoTo, a park, homing, a guide pulse), whoever starts it; a slew that only
    // nudges a trail-point run, or is ignored (a rate that is not a number), takes nothing and
    // leaves the count as it was.
    virtual uint64_t slewAxisCounted(AXISID axis, double rate) = 0;
    // Stops the axis as stopAxisAsync does, but only while its motion count is still count: a
    // motion that anyone started on it since goes on. The check and the stop are one step, so a
    // motion started meanwhile is never stopped. true when it stopped the axis.
    virtual bool stopAxisIfLatest(AXISID axis, uint64_t count) = 0;

    // The target of the GoTo in progress: set when slewToAsync accepts it (also while it waits for
    // its axes), handed straight to a GoTo that replaces it, and emptied when it ends or another
    // task takes its axes.
    virtual Nullable<MountTarget> slewToTarget() const = 0;
    // From the axes to the GoTo's current axis target.
    virtual Nullable<double> remainingSlewAngle() const = 0;
    // false when the altitude limits refuse the target (nothing else happens then).
    virtual bool slewToAsync(const MountTarget& target) = 0;
    // How many GoTos slewToAsync has accepted so far, whoever asked (a page, a server, a park):
    // a step that follows one GoTo (centring its target, measuring there) compares it with the
    // count its own GoTo left, to know that no other GoTo has taken the mount elsewhere since.
    virtual uint64_t gotoGeneration() const = 0;
    // Whether the GoTo accepted last has ended and reached its target (ended Ok): false while it
    // runs, and when it was aborted, stopped by another task or failed.
    virtual bool lastGotoArrived() const = 0;

    // Switches the camera shutter (the auxiliary switch) on the mount's worker, after the
    // operations queued before it; the result is Ok once the mount acknowledged it.
    virtual QFuture<Ko::CmdRet> setCameraShutterAsync(bool on) = 0;
    // The settings below (auxiliary encoders, autoguider speed, polar-scope light) cannot be read
    // back from the mount: what it confirmed last is kept (lastEnableDualEncoders, and the
    // AppCore's autoguider speeds and light, written only once the mount took them). A write
    // ends with the mount's answer, on the mount's worker, after the operations queued before
    // it; one it does not answer tells the user noAnswerText() and, once the link answers again,
    // is followed by the value confirmed last, so that the mount holds what the pages show.
    Q_INVOKABLE virtual bool hasDualEncoders() const = 0;
    Q_INVOKABLE virtual bool lastEnableDualEncoders() const = 0;
    Q_INVOKABLE virtual QFuture<Ko::CmdRet> setEnableDualEncodersAsync(bool on) = 0;
    Q_INVOKABLE virtual bool hasPolarScopeLED() const = 0;
    Q_INVOKABLE virtual QFuture<Ko::CmdRet> setGuidingSpeed(bool isAxis1,
                                                            Ko::GuidingSpeed_::E speed) = 0;
    // The nearest autoguider speed to rate (rad/s); false when the mount refused it.
    virtual bool setGuideRate(AXISID axis, double rate) = 0;
    virtual double guideRate(AXISID axis) const = 0;
    // 0 (off) to 1 (full).
    Q_INVOKABLE virtual QFuture<Ko::CmdRet> setPolarLEDBrightness(double brightness) = 0;
    virtual double speedFineAdjustmentPrecision() const = 0;

    virtual bool supportsAutoHome() const = 0;
    virtual bool duringAutoHome() = 0;
    Q_INVOKABLE virtual void autoHomeAsync(double decOffsetRad) = 0;

    // The PPEC states are what the mount confirmed last: a set that the mount takes changes them,
    // one it does not answer leaves them and tells the user noAnswerText(), and has both read
    // from the mount once the link answers again: it may have taken the set all the same.
    virtual bool supportsPpec() const = 0;
    virtual bool lastPpecTraining() const = 0;
    Q_INVOKABLE virtual void updatePpecTrainingAsync() = 0;
    Q_INVOKABLE virtual void setPpecTrainingAsync(bool start) = 0;
    virtual bool lastPpecPlayback() const = 0;
    Q_INVOKABLE virtual void updatePpecPlaybackAsync() = 0;
    // Ends with the mount's answer, as the writes of the settings above do.
    Q_INVOKABLE virtual QFuture<Ko::CmdRet> setPpecPlaybackAsync(bool on) = 0;
    virtual double pePeriodSec() const = 0;

    virtual bool parked() const = 0;
    Q_INVOKABLE virtual void parkAsync(bool atHome) = 0;
    Q_INVOKABLE virtual void unparkAsync() = 0;
    virtual CmdRetType_::E unparkNow() = 0;

    virtual FlippingMode_::E flippingMode() const = 0;
    virtual void setFlippingMode(FlippingMode_::E mode) = 0;

    // direction true moves the axis at plus the guide rate.
    virtual void pulseGuideAxisAsync(AXISID axis, bool direction, int durationMs) = 0;
    virtual bool isPulseGuiding() = 0;

    virtual bool canTrackTrailPoints() const = 0;
    virtual void setTrailPointsTestRunCountDown(Nullable<uint32_t> countDown) = 0;
    virtual void trackTrailPointsAsync(TrailPointsParam&& param) = 0;
    virtual CmdResp<AnglePair> addTrailPointsOffset(double axis1, double axis2) = 0;
    virtual bool trailPointsTracking() = 0;
    // The last run's, from the moment it was handed over; its result is set before
    // trailPointsTracking reads false (an abort or another task taking the axes sets Cancel).
    virtual Nullable<TrailPointsTaskInfo> trailPointsTaskInfo() const = 0;

    virtual CmdResp<uint64_t> readMountClock() = 0;
    virtual CmdRetType_::E syncMountClock() = 0;

    // (right ascension, declination of date): true when a GoTo there ends on the normal side.
    virtual bool destinationSideOfPier(AnglePair raDec) = 0;
    // true = normal side.
    virtual CmdResp<bool> sideOfPier() = 0;
    // 1 asks for the normal side, anything else for the flipped side.
    virtual CmdRetType_::E setSideOfPier(int side) = 0;

signals:
    void positionChanged();
    void realTrackingChanged();
    void stopPendingChanged();
    // May be emitted on the thread that ran the exchange.
    void linkAnsweringChanged();
    void alignmentChanged_q();
    void duringAutoHomeChanged();
    void lastPpecTrainingChanged();
    void lastPpecPlaybackChanged();
    // After a write of the auxiliary encoders ended, taken or not.
    void dualEncodersChanged();
    void parkChanged();
    void flippingModeChanged();
    void trailPointsTaskChanged();
    // Emitted on the main thread.
    void trailPointsProgress(Ko::TrailPointsProgress progress);
    // The motor controller restarted during the session: where the mount points is no longer
    // known, and this mount object moves it no more. Emitted once, on the thread that saw it.
    void controllerRestarted();

private:
    // An invalid QVariant when no run has started.
    QVariant trailPointsTaskInfoVariant() const;
};

} // namespace Ko

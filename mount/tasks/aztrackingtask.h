#pragma once

#include "base/callbacklist.h"
#include "base/nullable.h"
#include "mount/mounttarget.h"
#include "mount/tasks/imounttask.h"
#include "mount/trackingrate.h"

#include <atomic>
#include <memory>
#include <utility>

namespace Ko {

class IAlignment;
class IAstroCalc;
class IClock;
class IKoMCommand;
class ILocation;
class IMountAxis;
class IMountAxisUtil;
class ITCCancellable;

// Keeps an altitude-azimuth mount on the sky until cancelled, one pass every 5 s. With a rate it
// holds whatever the mount pointed at when it started, drifting west at that rate: through the
// pointing model with a PID loop on the measured axes, or, on firmware with timed targets, by
// keeping the next 5 s of predicted axis positions queued in the mount. With a target it drives
// open-loop axis rates from the target's azimuth and altitude, without the model. Failures inside
// a pass are left to the next pass; only a cancel (or a failed start) ends the run. The gains and
// the logger of the PID loop are the process's (AZTrackingTuning), read at every step.
// Threads: a task's own thread (run blocks on the mount); the model's change notification any
// thread.
class AZTrackingTask : public IMountTask {
public:
    using AnglePair = std::pair<double, double>;

    // Exactly one of trackingRate and mountTarget holds a value.
    AZTrackingTask(std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IMountAxis> axes,
                   std::shared_ptr<IMountAxisUtil> axisUtil, std::shared_ptr<ILocation> location,
                   std::shared_ptr<IAstroCalc> astroCalc, std::shared_ptr<IClock> clock,
                   std::shared_ptr<IAlignment> alignment, Nullable<TrackingRate> trackingRate,
                   Nullable<MountTarget> mountTarget, std::shared_ptr<IKoMCommand> command);
    ~AZTrackingTask() override;
    AZTrackingTask(const AZTrackingTask&) = delete;
    AZTrackingTask& operator=(const AZTrackingTask&) = delete;

    uint32_t type() const override { return MountTaskTag::Tracking; }
    std::set<int> resources() const override {
        return {MountResource::Axis1, MountResource::Axis2};
    }
    void setAnswerListener(std::function<void(bool accepted)> listener) override {
        m_answered = std::move(listener);
    }
    void setRestListener(std::function<void()> listener) override {
        m_atRest = std::move(listener);
    }
    CmdRetType_::E run() override;

    static constexpr int64_t kPassMs = 5000;
    // Farther than this from the prediction, the mount was moved: take a new reference.
    static constexpr double kReReferenceRad = 0.05235987755982988;
    static constexpr int64_t kRetryMs = 100;
    // Two readings further apart than this are not taken as one position.
    static constexpr int64_t kMaxReadSkewMs = 1000;
    // Used when two samples carry the same time.
    static constexpr double kMinSampleSec = 0.0001;
    static constexpr int64_t kMinTargetSpacingMs = 100;

private:
    struct Reading {
        AnglePair axes{0.0, 0.0};
        int64_t timeMs = 0;
    };
    struct Prediction {
        AnglePair axes{0.0, 0.0};
        AnglePair rates{0.0, 0.0};
    };

    bool rateMode() const { return m_trackingRate.hasValue(); }
    bool sleep(int64_t ms);
    CmdRetType_::E readAxisUntilOk(AXISID axis);
    CmdRetType_::E readAxesAtOneTime(Reading* out);
    CmdRetType_::E takeReference();
    Prediction predict(int64_t timeMs) const;
    CmdResp<AnglePair> targetRates() const;
    CmdResp<AnglePair> pidRates();
    CmdResp<AnglePair> rates();
    CmdRetType_::E ratePass();
    CmdRetType_::E timedTargetPass();
    // An exchange went unanswered, or a pass failed, before the first pass set the axes going:
    // told once.
    void noteUnanswered();

    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<IMountAxis> m_axes;
    const std::shared_ptr<IMountAxisUtil> m_axisUtil;
    const std::shared_ptr<ILocation> m_location;
    const std::shared_ptr<IAstroCalc> m_astroCalc;
    const std::shared_ptr<IClock> m_clock;
    const std::shared_ptr<IAlignment> m_alignment;
    const Nullable<TrackingRate> m_trackingRate;
    const Nullable<MountTarget> m_mountTarget;
    const std::shared_ptr<IKoMCommand> m_command;
    const double m_baseRate;
    // Told the axes stand once they are stopped under this task's control, and that the mount
    // took the change once the first pass has set both axes going. Until then, the first
    // exchange that goes unanswered is told: the mount may stand without tracking. Once taken,
    // a lost read changes nothing (the axes keep their rates); a pass whose rate went unanswered
    // is told, and the next pass taken is told again.
    std::function<void(bool)> m_answered;
    std::function<void()> m_atRest;
    eventpp::CallbackList<void()>::Handle m_alignmentSubscription;

    // Set by the model's change notification on any thread; everything below belongs to the
    // task thread.
    std::atomic<bool> m_referenceStale{false};

    // Reference sky position (true hour angle and declination) and its time.
    AnglePair m_reference{0.0, 0.0};
    int64_t m_referenceTimeMs = 0;
    int64_t m_previousTimeMs = 0;
    AnglePair m_previousAxes{0.0, 0.0};
    AnglePair m_previousRates{0.0, 0.0};
    AnglePair m_integral{0.0, 0.0};
    AnglePair m_previousError{0.0, 0.0};
    bool m_firstPass = false;
    Nullable<int64_t> m_lastTargetTimeMs;
    bool m_motionTaken = false;
    bool m_unansweredTold = false;
    // A rate (or timed target) of this pass went unanswered.
    bool m_rateUnanswered = false;
    // Told that a pass's rate went unanswered after the motion was taken, and not taken since.
    bool m_rateInDoubt = false;
};

} // namespace Ko

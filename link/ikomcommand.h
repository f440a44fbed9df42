#pragma once

#include "base/callbacklist.h"
#include "base/nullable.h"
#include "link/cmdret.h"
#include "link/guidingspeed.h"
#include "link/ikodevice.h"

#include <cstdint>
#include <memory>
#include <utility>

namespace Ko {

class IClock;

// The mount features beside motion: dual encoders, autoguider speed, polar-scope LED, periodic-
// error training and playback, the mount's own clock, position offsets and timed targets. Getters
// of cached values throw std::logic_error "Read null Nullable" before the value is known.
// Threads: a task's own thread for the exchanges (they block on the mount's replies); the cached
// values any thread.
class IKoMCommand {
public:
    virtual ~IKoMCommand() = default;

    // Reads the capabilities the getters answer from; runs once after the device and the axes.
    virtual CmdRetType_::E initialize() = 0;
    virtual bool lastEnableDualEncoders(AXISID axis) const = 0;
    virtual CmdRetType_::E setEnableDualEncoders(AXISID axis, bool on) = 0;
    virtual CmdRetType_::E setGuidingSpeed(AXISID axis, GuidingSpeed_::E speed) = 0;
    // 0 (off) .. 1 (full); values outside are clamped.
    virtual CmdRetType_::E setPolarLEDBrightness(double brightness) = 0;
    virtual bool supportsPpec() const = 0;
    virtual bool lastPpecTraining() const = 0;
    // Asks the mount whether training is active.
    virtual CmdResp<bool> updatePpecTraining() = 0;
    virtual CmdRetType_::E setPpecTraining(bool start) = 0;
    virtual bool lastPpecPlayback() const = 0;
    virtual CmdResp<bool> updatePpecPlayback() = 0;
    virtual CmdRetType_::E setPpecPlayback(bool on) = 0;
    // 0.0 when the mount has no periodic-error period.
    virtual double pePeriodSec() const = 0;
    virtual bool supportsExtended() const = 0;
    // The clock and the timed targets count in the mount's ticks, whose rate only extended
    // firmware reports (during initialize): without it these three answer Other and send nothing.
    virtual CmdResp<uint64_t> readMountClock() = 0;
    // Writes the application's time into the mount; the value is the round trip in ms.
    virtual CmdResp<uint32_t> syncMountClock(const std::shared_ptr<IClock>& appClock) = 0;
    // Radians (axis 1, axis 2); the value is the resulting pair of axis angles.
    virtual CmdResp<std::pair<double, double>>
    addPositionOffset(std::pair<double, double> offsets) = 0;
    // Queues one target (axis angles, optional rates in rad/s) for the mount time timeMs. The out
    // pointers may be null; outStatus receives the free slots of the mount's target queue.
    virtual CmdRetType_::E sendTimedTarget(int64_t timeMs, std::pair<double, double> angles,
                                           const Nullable<std::pair<double, double>>& rates,
                                           std::pair<double, double>* outAngles, uint64_t* outTime,
                                           uint16_t* outStatus) = 0;
    // The free slots of the timed-target queue, without queueing anything.
    virtual CmdRetType_::E readTargetStatus(uint16_t* outStatus) = 0;
    // The free slots found by initialize, with an empty queue: the size of the queue.
    virtual uint16_t lastTargetStatus() const = 0;
    virtual CmdRetType_::E stopExtendedMotion() = 0;

    // Fired after a successful set, and when a status read of the mount shows another state.
    eventpp::CallbackList<void()> ppecTrainingChanged;
    eventpp::CallbackList<void()> ppecPlaybackChanged;
};

} // namespace Ko

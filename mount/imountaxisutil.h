#pragma once

#include "base/nullable.h"
#include "link/cmdret.h"
#include "link/ikodevice.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace Ko {

// Blocking operations over both axes of one mount, for the mount tasks. They wait only by
// sleeping on the calling thread's current cancellation token and retry every failure except
// Cancel, so each ends either in success or, once the task is cancelled, in Cancel. The waits
// also end in Timeout once a caller's giveUp, asked before each sleep, says so.
// Threads: a task's own thread.
class IMountAxisUtil {
public:
    virtual ~IMountAxisUtil() = default;

    // (axis 1, axis 2) angles in radians, each from the read that succeeded.
    virtual CmdResp<std::pair<double, double>>
    readPositionsRetry(const std::function<bool()>& giveUp = {}) = 0;
    // With readPositions, each status read is followed by a position read, so the cached
    // positions follow the motion.
    virtual CmdRetType_::E waitAxesStopped(bool readPositions,
                                           const std::function<bool()>& giveUp = {}) = 0;
    virtual CmdRetType_::E stopAxes() = 0;
    // How long a GoTo over this angle may take.
    virtual int64_t moveTimeoutMs(double angle) = 0;
    // Takes up the axis's backlash when rate reverses its last motion, and leaves the axis
    // running at the take-up rate for the caller's next command to replace.
    virtual CmdResp<bool> takeUpBacklashAxis(AXISID axis, double rate) = 0;
    // The same for both axes; each take-up motion is stopped again.
    virtual CmdResp<bool> takeUpBacklashBoth(double rate1, double rate2) = 0;
    // The value is true when a take-up motion was made.
    virtual CmdResp<bool> takeUpBacklash(Nullable<double> rate1, Nullable<double> rate2) = 0;
};

} // namespace Ko

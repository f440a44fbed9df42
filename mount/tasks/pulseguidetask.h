#pragma once

#include "link/ikodevice.h"
#include "mount/tasks/imounttask.h"

#include <memory>

namespace Ko {

class IClock;
class IMountAxis;
class ITCCancellable;

// One guiding pulse: adds a rate to the axis's current one for a duration timed from the moment
// the command was sent, then ends with the axis still at the pulse rate; the next task on the axis
// restores its motion.
// Threads: a task's own thread (run blocks on the mount).
class PulseGuideTask : public IMountTask {
public:
    PulseGuideTask(std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IMountAxis> axes,
                   std::shared_ptr<IClock> clock, AXISID axis, double rate, uint32_t durationMs);

    uint32_t type() const override { return MountTaskTag::PulseGuide; }
    std::set<int> resources() const override { return {static_cast<int>(m_axis)}; }
    CmdRetType_::E run() override;

    // A refused command is sent again after this pause, so a dead link does not keep a core busy.
    static constexpr int64_t kRetryMs = 100;

private:
    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<IMountAxis> m_axes;
    const std::shared_ptr<IClock> m_clock;
    const AXISID m_axis;
    const double m_rate;
    const uint32_t m_durationMs;
};

} // namespace Ko

#pragma once

#include "link/ikodevice.h"
#include "mount/tasks/imounttask.h"

#include <functional>
#include <memory>

namespace Ko {

class IMountAxis;
class IMountAxisUtil;
class ITCCancellable;

// Sets one axis running at a rate and ends, leaving it running. A relative rate is added to the
// axis's last recorded rate (so a slew rides on tracking) and takes up backlash when it reverses
// the axis; an absolute rate is commanded as it is.
// Threads: a task's own thread (run blocks on the mount).
class AxisSlewTask : public IMountTask {
public:
    AxisSlewTask(std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IMountAxis> axes,
                 std::shared_ptr<IMountAxisUtil> axisUtil, AXISID axis, double rate,
                 bool absoluteRate);

    uint32_t type() const override { return MountTaskTag::AxisSlew; }
    std::set<int> resources() const override { return {static_cast<int>(m_axis)}; }
    CmdRetType_::E run() override;

    static constexpr int64_t kRetryMs = 100;

private:
    CmdRetType_::E slew();

    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<IMountAxis> m_axes;
    const std::shared_ptr<IMountAxisUtil> m_axisUtil;
    const AXISID m_axis;
    const double m_rate;
    const bool m_absoluteRate;
};

// Sends the rate command until it is accepted, pausing between tries; Cancel once cancelled.
// unanswered, when given, runs after each try that failed, before the pause.
CmdRetType_::E slewAtRateUntilOk(IMountAxis& axes, ITCCancellable& cancellable, AXISID axis,
                                 double rate, int64_t retryMs,
                                 const std::function<void()>& unanswered = {});

} // namespace Ko

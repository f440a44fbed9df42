#pragma once

#include "link/ikodevice.h"
#include "mount/tasks/imounttask.h"

#include <functional>
#include <memory>

namespace Ko {

class IMountAxis;
class ITCCancellable;

// Sends the axis's stop every retryMs until the mount accepts it, or until the axis, its stop
// unanswered, reports itself still (the stop's reply, not the stop, may have been lost): true
// when it was seen still, false when the stop was accepted and the axis may still be braking;
// Cancel once cancelled. unanswered hears of every stop that failed while the axis was not seen
// still.
CmdResp<bool> stopUntilTaken(IMountAxis& axes, ITCCancellable& cancellable, AXISID axis,
                             int64_t retryMs, const std::function<void()>& unanswered = {});

// Stops one axis, retrying every 200 ms until the stop is accepted or the task is cancelled, and
// then records the axis's rate as 0. A stop whose reply was lost may still have been taken: after
// each failed stop the axis's status is read, and an axis that reports itself still counts as
// stopped. The answer listener hears of the first stop that failed (until one is accepted, the
// axis may still be moving) and of the end of the stop: an axis decelerates for a while after it
// took the stop (a second and more from the fastest slew), so with a listener the task reads the
// axis's status until it reports itself still, or until kBrakeReads reads in a row went
// unanswered (the braking is over by then), and only then tells it and ends. Without one it ends
// as soon as the stop is accepted.
// Threads: a task's own thread (run blocks on the mount).
class AxisStopTask : public IMountTask {
public:
    AxisStopTask(std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IMountAxis> axes,
                 AXISID axis);

    uint32_t type() const override { return MountTaskTag::AxisStop; }
    std::set<int> resources() const override { return {static_cast<int>(m_axis)}; }
    CmdRetType_::E run() override;
    void setAnswerListener(std::function<void(bool accepted)> listener) override;

    static constexpr int64_t kRetryMs = 200;
    // 5 s of retries at the least: well beyond the longest braking from the fastest slew.
    static constexpr int kBrakeReads = 25;

private:
    // Ok once the axis is seen still, or Cancel; failed reads are tried again.
    CmdRetType_::E waitUntilStill();

    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<IMountAxis> m_axes;
    const AXISID m_axis;
    std::function<void(bool)> m_answered;
    bool m_unansweredTold = false;
};

} // namespace Ko

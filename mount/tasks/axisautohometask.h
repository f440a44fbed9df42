#pragma once

#include "base/nullable.h"
#include "link/ikodevice.h"
#include "mount/tasks/iaxisautohometask.h"

#include <functional>
#include <memory>

namespace Ko {

class IAlignment;
class IKoMCommand;
class IMountAxis;
class ITCCancellable;

// Finds one axis's home sensor: probes the sensor state around the start, sweeps across the
// sensor fast while the controller captures its position (from the sensor's active side, so the
// capture is always made moving down), moves to the captured position plus offset with an upward
// final approach, and sets the axis's position to the model's reference angle for that axis.
// Commands are repeated until they succeed; the search ends early only when cancelled, when the
// sensor readings contradict each other, or when a sweep cannot read the sensor.
// Threads: a task's own thread (run blocks on the mount).
class AxisAutoHomeTask : public IAxisAutoHomeTask {
public:
    AxisAutoHomeTask(std::shared_ptr<ITCCancellable> cancellable, std::shared_ptr<IMountAxis> axes,
                     std::shared_ptr<IKoMCommand> command, std::shared_ptr<IAlignment> alignment,
                     AXISID axis, double offset);

    CmdRetType_::E run() override;

    static constexpr double kProbeStep = 0.08726646259971647;       // 5 degrees
    static constexpr double kSweepRate = 0.058336926761771254;      // 800 x sidereal, rad/s
    static constexpr double kApproachMargin = 0.017453292519943295; // 1 degree
    static constexpr int64_t kPollMs = 100;
    static constexpr int64_t kStopPollMs = 200;
    // The positive sweep runs on this long past the capture, onto the sensor's active side.
    static constexpr int64_t kOverrunMs = 500;
    // A sweep gives up at the next failed sensor read in a row.
    static constexpr int kReadFailuresTolerated = 5;

private:
    CmdRetType_::E repeatUntilOk(const std::function<CmdRetType_::E()>& command);
    CmdRetType_::E waitStopped();
    CmdRetType_::E stopAndWait();
    CmdResp<double> readPositionRetry();
    CmdResp<bool> readSensorState();
    CmdResp<bool> probe();
    CmdResp<double> sweep(bool positive);
    CmdRetType_::E moveBy(double delta);
    CmdRetType_::E moveTo(double target);
    CmdRetType_::E gotoAndWait(double target);

    const std::shared_ptr<ITCCancellable> m_cancellable;
    const std::shared_ptr<IMountAxis> m_axes;
    const std::shared_ptr<IKoMCommand> m_command;
    const std::shared_ptr<IAlignment> m_alignment;
    const AXISID m_axis;
    const double m_offset;
};

} // namespace Ko

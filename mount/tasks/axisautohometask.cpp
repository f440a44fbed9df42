#include "mount/tasks/axisautohometask.h"

#include "base/cancellable.h"
#include "base/koassert.h"
#include "base/log.h"
#include "link/ikomcommand.h"
#include "link/imountaxis.h"
#include "model/ialignment.h"

namespace Ko {

namespace {

constexpr CmdRetType_::E Ok = CmdRetType_::Ok;

// Relative probe moves, in probe steps, from the position 5 degrees below the start, by the
// sensor states read there (s2), at the start (s0) and 5 degrees above (s1); -1 marks readings
// that cannot come from one sensor edge.
constexpr int kProbeSteps[2][2][2] = {
    // s2 false: s0 false {s1 false, s1 true}, s0 true {...}
    {{1, 0}, {-1, 2}},
    // s2 true
    {{2, -1}, {0, 1}},
};

} // namespace

AxisAutoHomeTask::AxisAutoHomeTask(std::shared_ptr<ITCCancellable> cancellable,
                                   std::shared_ptr<IMountAxis> axes,
                                   std::shared_ptr<IKoMCommand> command,
                                   std::shared_ptr<IAlignment> alignment, AXISID axis,
                                   double offset)
    : m_cancellable(std::move(cancellable)), m_axes(std::move(axes)), m_command(std::move(command)),
      m_alignment(std::move(alignment)), m_axis(axis), m_offset(offset) {
    KO_ASSERT(m_cancellable && m_axes && m_command && m_alignment);
}

CmdRetType_::E AxisAutoHomeTask::repeatUntilOk(const std::function<CmdRetType_::E()>& command) {
    while (command() != Ok) {
        if (m_cancellable->sleep(kPollMs))
            return CmdRetType_::Cancel;
    }
    return Ok;
}

CmdRetType_::E AxisAutoHomeTask::waitStopped() {
    for (;;) {
        const CmdResp<MotorStatus> s = m_axes->readStatus(m_axis);
        if (s.isOk() && s.value().motion == 0)
            return Ok;
        if (m_cancellable->sleep(kStopPollMs))
            return CmdRetType_::Cancel;
    }
}

CmdRetType_::E AxisAutoHomeTask::stopAndWait() {
    const CmdRetType_::E r = repeatUntilOk([this] { return m_axes->stop(m_axis); });
    return r == Ok ? waitStopped() : r;
}

CmdResp<double> AxisAutoHomeTask::readPositionRetry() {
    for (;;) {
        const CmdResp<double> p = m_axes->readPosition(m_axis);
        if (p.isOk())
            return p;
        if (m_cancellable->sleep(kPollMs))
            return CmdResp<double>(CmdRetType_::Cancel);
    }
}

CmdResp<bool> AxisAutoHomeTask::readSensorState() {
    const CmdRetType_::E reset = repeatUntilOk([this] { return m_axes->resetHomeSensor(m_axis); });
    if (reset != Ok)
        return CmdResp<bool>(reset);
    for (;;) {
        const CmdResp<HomeSensorReading> r = m_axes->readHomeSensorPosition(m_axis);
        if (r.type == CmdRetType_::Cancel)
            return CmdResp<bool>(CmdRetType_::Cancel);
        if (r.isOk()) {
            // Just re-armed, the controller cannot have captured anything yet.
            if (r.value().position.hasValue())
                return CmdResp<bool>(CmdRetType_::Other);
            return CmdResp<bool>::ok(r.value().sensorActive());
        }
        if (m_cancellable->sleep(kPollMs))
            return CmdResp<bool>(CmdRetType_::Cancel);
    }
}

CmdResp<bool> AxisAutoHomeTask::probe() {
    bool s[3]; // s0 at the start, s1 5 degrees above, s2 5 degrees below
    const double moves[3] = {0.0, kProbeStep, -2 * kProbeStep};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            const CmdRetType_::E m = moveBy(moves[i]);
            if (m != Ok)
                return CmdResp<bool>(m);
        }
        const CmdResp<bool> state = readSensorState();
        if (!state.isOk())
            return state;
        s[i] = state.value();
    }
    const int steps = kProbeSteps[s[2]][s[0]][s[1]];
    Log("Home probe of axis %u: below %d, start %d, above %d", m_axis + 1, s[2], s[0], s[1]);
    if (steps < 0)
        return CmdResp<bool>(CmdRetType_::Other);
    if (steps > 0) {
        const CmdRetType_::E m = moveBy(steps * kProbeStep);
        if (m != Ok)
            return CmdResp<bool>(m);
    }
    // The state read where the axis now stands.
    const bool at[3] = {s[2], s[0], s[1]};
    return CmdResp<bool>::ok(at[steps]);
}

CmdResp<double> AxisAutoHomeTask::sweep(bool positive) {
    CmdRetType_::E r = repeatUntilOk([this] { return m_axes->resetHomeSensor(m_axis); });
    if (r == Ok) {
        const double rate = positive ? kSweepRate : -kSweepRate;
        r = repeatUntilOk([this, rate] { return m_axes->slewAtRate(m_axis, rate); });
    }
    if (r != Ok)
        return CmdResp<double>(r);

    int failures = 0;
    double captured = 0.0;
    for (;;) {
        const CmdResp<HomeSensorReading> reading = m_axes->readHomeSensorPosition(m_axis);
        if (reading.type == CmdRetType_::Cancel)
            return CmdResp<double>(CmdRetType_::Cancel);
        if (reading.isOk()) {
            failures = 0;
            if (reading.value().position.hasValue()) {
                captured = reading.value().position.value();
                break;
            }
        } else if (++failures > kReadFailuresTolerated) {
            return CmdResp<double>(reading.type);
        }
        if (m_cancellable->sleep(kPollMs))
            return CmdResp<double>(CmdRetType_::Cancel);
    }
    Log("Home sensor of axis %u captured at %.6f rad", m_axis + 1, captured);
    if (positive && m_cancellable->sleep(kOverrunMs))
        return CmdResp<double>(CmdRetType_::Cancel);
    r = stopAndWait();
    if (r != Ok)
        return CmdResp<double>(r);
    return CmdResp<double>::ok(captured);
}

CmdRetType_::E AxisAutoHomeTask::gotoAndWait(double target) {
    const CmdRetType_::E r =
        repeatUntilOk([this, target] { return m_axes->gotoPosition(m_axis, target); });
    return r == Ok ? waitStopped() : r;
}

CmdRetType_::E AxisAutoHomeTask::moveBy(double delta) {
    const CmdResp<double> p = readPositionRetry();
    if (!p.isOk())
        return p.type;
    return gotoAndWait(p.value() + delta);
}

CmdRetType_::E AxisAutoHomeTask::moveTo(double target) {
    const CmdResp<double> p = readPositionRetry();
    if (!p.isOk())
        return p.type;
    if (target < p.value()) {
        const CmdRetType_::E r = gotoAndWait(target - kApproachMargin);
        if (r != Ok)
            return r;
    }
    return gotoAndWait(target);
}

CmdRetType_::E AxisAutoHomeTask::run() {
    // The home position is found on the motor encoders: the axis encoders must be off.
    if (m_command->lastEnableDualEncoders(m_axis)) {
        const CmdRetType_::E r = repeatUntilOk([this] {
            const CmdRetType_::E r1 = m_command->setEnableDualEncoders(0, false);
            const CmdRetType_::E r2 = m_command->setEnableDualEncoders(1, false);
            return r1 == Ok && r2 == Ok ? Ok : (r1 != Ok ? r1 : r2);
        });
        if (r != Ok)
            return r;
    }
    CmdRetType_::E r = stopAndWait();
    if (r != Ok)
        return r;

    const CmdResp<bool> onSensor = probe();
    if (!onSensor.isOk())
        return onSensor.type;
    if (!onSensor.value()) {
        const CmdResp<double> up = sweep(true);
        if (!up.isOk())
            return up.type;
    }
    const CmdResp<double> captured = sweep(false);
    if (!captured.isOk())
        return captured.type;

    r = moveTo(captured.value() + m_offset);
    if (r != Ok)
        return r;

    const auto reference = m_alignment->referenceAxes();
    const double home = m_axis == 0 ? reference.first : reference.second;
    return repeatUntilOk([this, home] { return m_axes->setPosition(m_axis, home); });
}

} // namespace Ko

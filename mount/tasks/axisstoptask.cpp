#include "mount/tasks/axisstoptask.h"

#include "base/cancellable.h"
#include "base/koassert.h"
#include "link/imountaxis.h"

#include <utility>

namespace Ko {

CmdResp<bool> stopUntilTaken(IMountAxis& axes, ITCCancellable& cancellable, AXISID axis,
                             int64_t retryMs, const std::function<void()>& unanswered) {
    for (;;) {
        const CmdRetType_::E r = axes.stop(axis);
        if (r == CmdRetType_::Ok)
            return CmdResp<bool>::ok(false);
        if (r == CmdRetType_::Cancel)
            return CmdResp<bool>(CmdRetType_::Cancel);
        // The reply may be what was lost, not the stop: an axis the mount reports still has
        // nothing left to stop, and nobody needs to hear that the stop went unanswered.
        const CmdResp<MotorStatus> status = axes.readStatus(axis);
        if (status.type == CmdRetType_::Cancel)
            return CmdResp<bool>(CmdRetType_::Cancel);
        if (status.isOk() && status.value().motion == 0)
            return CmdResp<bool>::ok(true);
        if (unanswered)
            unanswered();
        if (cancellable.sleep(retryMs))
            return CmdResp<bool>(CmdRetType_::Cancel);
    }
}

AxisStopTask::AxisStopTask(std::shared_ptr<ITCCancellable> cancellable,
                           std::shared_ptr<IMountAxis> axes, AXISID axis)
    : m_cancellable(std::move(cancellable)), m_axes(std::move(axes)), m_axis(axis) {
    KO_ASSERT(m_cancellable && m_axes);
}

void AxisStopTask::setAnswerListener(std::function<void(bool accepted)> listener) {
    m_answered = std::move(listener);
}

CmdRetType_::E AxisStopTask::run() {
    const CmdResp<bool> stopped = stopUntilTaken(*m_axes, *m_cancellable, m_axis, kRetryMs, [this] {
        if (!std::exchange(m_unansweredTold, true) && m_answered)
            m_answered(false);
    });
    if (!stopped.isOk())
        return stopped.type;
    m_axes->assumeRate(m_axis, 0.0);
    if (!m_answered)
        return CmdRetType_::Ok;
    // Taken, but the axis brakes for a while yet: whoever waits for the stop hears of it once
    // the axis is seen still.
    if (!stopped.value() && waitUntilStill() == CmdRetType_::Cancel)
        return CmdRetType_::Cancel;
    m_answered(true);
    return CmdRetType_::Ok;
}

CmdRetType_::E AxisStopTask::waitUntilStill() {
    int unread = 0;
    for (;;) {
        const CmdResp<MotorStatus> status = m_axes->readStatus(m_axis);
        if (status.type == CmdRetType_::Cancel)
            return CmdRetType_::Cancel;
        if (status.isOk() && status.value().motion == 0)
            return CmdRetType_::Ok;
        // The stop was taken: a read that went unanswered only delays seeing the axis at rest.
        // Should the status stay unreadable, an axis that took its stop has braked to rest by
        // the time kBrakeReads reads in a row went unanswered.
        if (status.isOk())
            unread = 0;
        else if (++unread >= kBrakeReads)
            return CmdRetType_::Ok;
        if (m_cancellable->sleep(status.isOk() ? IMountAxis::kStillPollMs : kRetryMs))
            return CmdRetType_::Cancel;
    }
}

} // namespace Ko

#include "mount/tasks/axisstoptask.h"

#include "base/cancellable.h"
#include "base/koassert.h"
#include "link/imountaxis.h"

#include <utility>

namespace Ko {

AxisStopTask::AxisStopTask(std::shared_ptr<ITCCancellable> cancellable,
                           std::shared_ptr<IMountAxis> axes, AXISID axis)
    : m_cancellable(std::move(cancellable)), m_axes(std::move(axes)), m_axis(axis) {
    KO_ASSERT(m_cancellable && m_axes);
}

void AxisStopTask::setAnswerListener(std::function<void(bool accepted)> listener) {
    m_answered = std::move(listener);
}

CmdRetType_::E AxisStopTask::run() {
    for (;;) {
        const CmdRetType_::E r = m_axes->stop(m_axis);
        if (r == CmdRetType_::Ok) {
            m_axes->assumeRate(m_axis, 0.0);
            if (!m_answered)
                return CmdRetType_::Ok;
            // Taken, but the axis brakes for a while yet: whoever waits for the stop hears of it
            // once the axis is seen still.
            if (waitUntilStill() == CmdRetType_::Cancel)
                return CmdRetType_::Cancel;
            m_answered(true);
            return CmdRetType_::Ok;
        }
        if (r != CmdRetType_::Cancel && !std::exchange(m_unansweredTold, true) && m_answered)
            m_answered(false);
        if (m_cancellable->sleep(kRetryMs))
            return CmdRetType_::Cancel;
    }
}

CmdRetType_::E AxisStopTask::waitUntilStill() {
    for (;;) {
        const CmdRetType_::E r = m_axes->waitUntilStill(m_axis, *m_cancellable);
        if (r == CmdRetType_::Ok || r == CmdRetType_::Cancel)
            return r;
        // The stop was taken: a read that went unanswered only delays seeing the axis at rest.
        if (m_cancellable->sleep(kRetryMs))
            return CmdRetType_::Cancel;
    }
}

} // namespace Ko

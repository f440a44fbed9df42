#include "mount/tasks/axisstoptask.h"

#include "base/cancellable.h"
#include "base/koassert.h"
#include "link/imountaxis.h"

namespace Ko {

AxisStopTask::AxisStopTask(std::shared_ptr<ITCCancellable> cancellable,
                           std::shared_ptr<IMountAxis> axes, AXISID axis)
    : m_cancellable(std::move(cancellable)), m_axes(std::move(axes)), m_axis(axis) {
    KO_ASSERT(m_cancellable && m_axes);
}

CmdRetType_::E AxisStopTask::run() {
    for (;;) {
        if (m_axes->stop(m_axis) == CmdRetType_::Ok) {
            m_axes->assumeRate(m_axis, 0.0);
            return CmdRetType_::Ok;
        }
        if (m_cancellable->sleep(kRetryMs))
            return CmdRetType_::Cancel;
    }
}

} // namespace Ko

#include "mount/tasks/axisslewtask.h"

#include "base/cancellable.h"
#include "base/koassert.h"
#include "base/log.h"
#include "link/imountaxis.h"
#include "mount/imountaxisutil.h"

#include <utility>

namespace Ko {

CmdRetType_::E slewAtRateUntilOk(IMountAxis& axes, ITCCancellable& cancellable, AXISID axis,
                                 double rate, int64_t retryMs,
                                 const std::function<void()>& unanswered) {
    for (;;) {
        const CmdRetType_::E r = axes.slewAtRate(axis, rate);
        if (r == CmdRetType_::Ok)
            return CmdRetType_::Ok;
        if (r != CmdRetType_::Cancel && unanswered)
            unanswered();
        if (cancellable.sleep(retryMs))
            return CmdRetType_::Cancel;
    }
}

AxisSlewTask::AxisSlewTask(std::shared_ptr<ITCCancellable> cancellable,
                           std::shared_ptr<IMountAxis> axes,
                           std::shared_ptr<IMountAxisUtil> axisUtil, AXISID axis, double rate,
                           bool absoluteRate)
    : m_cancellable(std::move(cancellable)), m_axes(std::move(axes)),
      m_axisUtil(std::move(axisUtil)), m_axis(axis), m_rate(rate), m_absoluteRate(absoluteRate) {
    KO_ASSERT(m_cancellable && m_axes && m_axisUtil);
}

CmdRetType_::E AxisSlewTask::run() {
    LogIndentPush();
    const CmdRetType_::E result = slew();
    LogIndentPop();
    return result;
}

CmdRetType_::E AxisSlewTask::slew() {
    double target = m_rate;
    if (!m_absoluteRate) {
        target += m_axes->lastRate(m_axis).valueOr(0.0);
        const CmdResp<bool> takeUp = m_axisUtil->takeUpBacklashAxis(m_axis, target);
        if (!takeUp.isOk())
            return takeUp.type;
    }
    Log("Axis %u slews at %.9f rad/s", m_axis + 1, target);
    return slewAtRateUntilOk(*m_axes, *m_cancellable, m_axis, target, kRetryMs);
}

} // namespace Ko

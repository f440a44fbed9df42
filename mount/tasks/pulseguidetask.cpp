#include "mount/tasks/pulseguidetask.h"

#include "base/cancellable.h"
#include "base/clock.h"
#include "base/koassert.h"
#include "base/log.h"
#include "link/imountaxis.h"

namespace Ko {

PulseGuideTask::PulseGuideTask(std::shared_ptr<ITCCancellable> cancellable,
                               std::shared_ptr<IMountAxis> axes, std::shared_ptr<IClock> clock,
                               AXISID axis, double rate, uint32_t durationMs)
    : m_cancellable(std::move(cancellable)), m_axes(std::move(axes)), m_clock(std::move(clock)),
      m_axis(axis), m_rate(rate), m_durationMs(durationMs) {
    KO_ASSERT(m_cancellable && m_axes && m_clock);
}

CmdRetType_::E PulseGuideTask::run() {
    LogIndentPush();
    const double target = m_axes->lastRate(m_axis).valueOr(0.0) + m_rate;
    CmdRetType_::E result = CmdRetType_::Cancel;
    for (;;) {
        const int64_t t0 = m_clock->nowMs();
        const CmdRetType_::E r = m_axes->slewAtRate(m_axis, target);
        if (r == CmdRetType_::Ok) {
            // Timed from the command: a slow link shortens the wait, down to none.
            const int64_t wait = m_durationMs - (m_clock->nowMs() - t0);
            result = wait > 0 && m_cancellable->sleep(wait) ? CmdRetType_::Cancel : CmdRetType_::Ok;
            break;
        }
        if (r == CmdRetType_::Cancel || m_cancellable->sleep(kRetryMs))
            break;
    }
    LogIndentPop();
    return result;
}

} // namespace Ko

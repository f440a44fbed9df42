#include "mount/tasks/periodicpositionreadtask.h"

#include "base/cancellable.h"
#include "base/clock.h"
#include "base/koassert.h"
#include "link/imountaxis.h"

#include <algorithm>

namespace Ko {

PeriodicPositionReadTask::PeriodicPositionReadTask(std::shared_ptr<ITCCancellable> cancellable,
                                                   std::shared_ptr<IClock> clock,
                                                   std::shared_ptr<IMountAxis> axes,
                                                   bool firstAxisOnly)
    : m_cancellable(std::move(cancellable)), m_clock(std::move(clock)), m_axes(std::move(axes)),
      m_firstAxisOnly(firstAxisOnly) {
    KO_ASSERT(m_cancellable && m_clock && m_axes);
}

int64_t PeriodicPositionReadTask::msUntilStale() const {
    const int64_t now = m_clock->nowMs();
    int64_t wait = kMaxAgeMs;
    const AXISID last = m_firstAxisOnly ? 0 : 1;
    for (AXISID a = 0; a <= last; ++a)
        wait = std::min(wait, m_axes->lastPosition(a).timeMs - now + kMaxAgeMs);
    return wait;
}

CmdRetType_::E PeriodicPositionReadTask::run() {
    for (;;) {
        if (msUntilStale() <= 0) {
            const CmdRetType_::E r =
                m_firstAxisOnly ? m_axes->readPosition(0).type : m_axes->readPositions().type;
            if (r == CmdRetType_::Cancel)
                return CmdRetType_::Cancel;
            if (r != CmdRetType_::Ok) {
                if (m_cancellable->sleep(kRetryMs))
                    return CmdRetType_::Cancel;
                continue;
            }
        }
        const int64_t wait = msUntilStale();
        if (wait < 1)
            continue;
        if (m_cancellable->sleep(wait))
            return CmdRetType_::Cancel;
    }
}

} // namespace Ko

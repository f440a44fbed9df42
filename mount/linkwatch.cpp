#include "mount/linkwatch.h"

#include "base/cancellable.h"
#include "base/clock.h"
#include "base/koassert.h"
#include "link/imountaxis.h"

#include <utility>

namespace Ko {

LinkWatch::LinkWatch(std::shared_ptr<ICancellable> token, std::shared_ptr<IClock> clock,
                     std::shared_ptr<IMountAxis> axes)
    : m_token(std::move(token)), m_clock(std::move(clock)), m_axes(std::move(axes)) {
    KO_ASSERT(m_token && m_clock && m_axes);
}

CmdRetType_::E LinkWatch::run() {
    AXISID next = 0;
    for (;;) {
        int64_t wait = m_axes->lastExchangeMs() + kQuietMs - m_clock->nowMs();
        if (wait <= 0) {
            if (m_axes->readStatus(next).type == CmdRetType_::Cancel)
                return CmdRetType_::Cancel;
            next = next == 0 ? 1 : 0;
            // Its own exchange counts as one: a second later at the earliest, whatever the axes
            // report about the time of their last exchange.
            wait = kQuietMs;
        }
        if (m_token->sleep(wait))
            return CmdRetType_::Cancel;
    }
}

} // namespace Ko

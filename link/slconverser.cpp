#include "link/slconverser.h"

#include "base/byteutil.h"
#include "base/log.h"

namespace Ko {

SLConverser::SLConverser(std::shared_ptr<IConverser> inner) : m_inner(std::move(inner)) {
    // Direct, so that listeners of this object hear the signal on the exchange's thread even
    // though the exchange runs on another thread than the one that built the stack.
    connect(m_inner.get(), &IConverser::converseTimeout, this, &IConverser::converseTimeout,
            Qt::DirectConnection);
}

CmdResp<CBytes> SLConverser::converse(const CBytes& request) {
    CmdResp<CBytes> resp;
    uint64_t exchange = 0;
    {
        std::lock_guard lock(m_mutex);
        resp = m_inner->converse(request);
        exchange = ++m_exchanges;
    }
    if (m_log.load(std::memory_order_relaxed)) {
        const CBytes req = ByteUtil::EscapedText(request, true);
        const CBytes rep =
            resp.hasValue ? ByteUtil::EscapedText(resp.value(), true) : CBytes(1, uint8_t{0});
        Log("KoConv: Cmd=[%s] <%s> Resp=[%s]", reinterpret_cast<const char*>(req.data()),
            cmdRetTypeText(resp.type), reinterpret_cast<const char*>(rep.data()));
    }
    const bool nowTimedout = resp.type == CmdRetType_::Timeout;
    bool changed = false;
    {
        // A thread that finished an earlier exchange but got here late must not overwrite the
        // state of a later one, or the link would stay "timed out" after a success.
        std::lock_guard lock(m_stateMutex);
        if (exchange > m_stateExchange) {
            m_stateExchange = exchange;
            changed = m_timedout.exchange(nowTimedout) != nowTimedout;
        }
    }
    if (changed)
        timedoutChangedList(nowTimedout);
    return resp;
}

bool SLConverser::timedout() {
    return m_timedout.load();
}

void SLConverser::setLogEnabled(bool on) {
    m_log.store(on);
}

bool SLConverser::logEnabled() const {
    return m_log.load();
}

} // namespace Ko

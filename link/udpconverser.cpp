#include "link/udpconverser.h"

#include "base/cancellable.h"
#include "link/iconnectionsettings.h"
#include "link/iudp.h"

#include <algorithm>

namespace Ko {

UDPConverser::UDPConverser(std::shared_ptr<IUDP> udp, std::shared_ptr<IConnectionSettings> settings,
                           std::shared_ptr<ICancellable> cancellable)
    : m_udp(std::move(udp)), m_settings(std::move(settings)),
      m_cancellable(std::move(cancellable)) {}

CmdResp<CBytes> UDPConverser::converse(const CBytes& request) {
    if (m_cancellable->isCancelled())
        return CmdResp<CBytes>(CmdRetType_::Cancel);
    const bool keepSocket = m_socketSettled && m_udp->isOpen();
    m_socketSettled = false;
    if (!keepSocket && !m_udp->reopen())
        return CmdResp<CBytes>(CmdRetType_::Timeout);
    m_udp->drain();

    const int retries = std::max(0, m_settings->resendCount());
    for (int attempt = 0; attempt <= retries; ++attempt) {
        if (m_cancellable->isCancelled()) {
            m_socketSettled = attempt == 0;
            return CmdResp<CBytes>(CmdRetType_::Cancel);
        }
        if (!m_udp->write(request))
            break;
        CBytes reply = m_udp->read();
        if (!reply.empty()) {
            m_socketSettled = attempt == 0 && reply.back() == '\r';
            return CmdResp<CBytes>::ok(std::move(reply));
        }
    }
    emit converseTimeout();
    return CmdResp<CBytes>(CmdRetType_::Timeout);
}

} // namespace Ko

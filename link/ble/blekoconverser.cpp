#include "link/ble/blekoconverser.h"

#include "base/cancellable.h"
#include "link/ble/ikoble.h"
#include "link/iconnectionsettings.h"

#include <algorithm>

namespace Ko {

BLEKoConverser::BLEKoConverser(std::shared_ptr<IKoBLE> ble,
                               std::shared_ptr<IConnectionSettings> settings,
                               std::shared_ptr<ICancellable> cancellable)
    : m_ble(std::move(ble)), m_settings(std::move(settings)),
      m_cancellable(std::move(cancellable)) {}

CmdResp<CBytes> BLEKoConverser::converse(const CBytes& request) {
    if (m_cancellable->isCancelled())
        return CmdResp<CBytes>(CmdRetType_::Cancel);
    m_ble->clear();
    const int retries = std::max(0, m_settings->resendCount());
    for (int attempt = 0; attempt <= retries; ++attempt) {
        if (m_cancellable->isCancelled())
            return CmdResp<CBytes>(CmdRetType_::Cancel);
        if (!m_ble->write(request))
            break;
        CBytes reply = m_ble->read();
        if (!reply.empty())
            return CmdResp<CBytes>::ok(std::move(reply));
    }
    emit converseTimeout();
    return CmdResp<CBytes>(CmdRetType_::Timeout);
}

} // namespace Ko

#pragma once

#include "link/iconverser.h"

#include <memory>

namespace Ko {

class IKoBLE;
class IConnectionSettings;
class ICancellable;

// The Bluetooth LE transport converser: drops a stale reply, then writes the request and takes
// one notified reply per attempt. Not locked: the link's SLConverser serialises it.
// Threads: a task's own thread (it blocks on the mount's replies).
class BLEKoConverser : public IConverser {
    Q_OBJECT
public:
    BLEKoConverser(std::shared_ptr<IKoBLE> ble, std::shared_ptr<IConnectionSettings> settings,
                   std::shared_ptr<ICancellable> cancellable);
    CmdResp<CBytes> converse(const CBytes& request) override;

private:
    std::shared_ptr<IKoBLE> m_ble;
    std::shared_ptr<IConnectionSettings> m_settings;
    std::shared_ptr<ICancellable> m_cancellable;
};

} // namespace Ko

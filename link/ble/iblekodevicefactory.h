#pragma once

#include "link/ble/koble.h"
#include "link/devicesetupfinisheddata.h"

namespace Ko {

// Threads: any thread.
class IBLEKoDeviceFactory {
public:
    virtual ~IBLEKoDeviceFactory() = default;
    // The device graph over the discovered services, deviceName left empty. Sends nothing.
    virtual DeviceSetupFinishedData create(std::shared_ptr<BLEDeviceInfo> device,
                                           const BLEServiceMap& services) = 0;
};

} // namespace Ko

#pragma once

#include "link/ble/iblekodevicefactory.h"

namespace Ko {

class IConnectionSettings;
class ITCCancellable;

// Builds transport, Bluetooth LE converser, serialising converser, command converser and device.
// Threads: any thread.
class BLEKoDeviceFactory : public IBLEKoDeviceFactory {
public:
    BLEKoDeviceFactory(std::shared_ptr<IConnectionSettings> settings,
                       std::shared_ptr<ITCCancellable> token);

    DeviceSetupFinishedData create(std::shared_ptr<BLEDeviceInfo> device,
                                   const BLEServiceMap& services) override;

private:
    const std::shared_ptr<IConnectionSettings> m_settings;
    const std::shared_ptr<ITCCancellable> m_token;
};

} // namespace Ko

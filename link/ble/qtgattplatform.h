#pragma once

#include "link/ble/igattplatform.h"

namespace Ko {

// The GATT seam on Qt Bluetooth.
// Threads: main thread only.
class QtGattPlatform : public IGattPlatform {
public:
    std::unique_ptr<IGattScanner> createScanner() override;
    std::unique_ptr<IGattController> createController(const QBluetoothDeviceInfo& device) override;
};

} // namespace Ko

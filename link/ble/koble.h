#pragma once

#include "link/ble/ikoble.h"

#include <QList>

#include <map>
#include <memory>

namespace Ko {

class BLEDeviceInfo;
class BLEServiceInfo;
class BLECharacteristicInfo;

// Every service of a device with its characteristics as discovered, ordered by element.
using BLEServiceMap =
    std::map<std::shared_ptr<BLEServiceInfo>, QList<std::shared_ptr<BLECharacteristicInfo>>>;

// The Bluetooth LE transport over the device's discovered services. The controller's service is
// the first one in map order that carries its UUID, for setup and every exchange alike. Takes no
// lock: the map never changes and the service elements are thread-safe.
// Threads: a task's own thread (readValue waits for the notified reply).
class KoBLE : public IKoBLE {
public:
    // The connection to device lives as long as the transport: destroying it disconnects.
    KoBLE(std::shared_ptr<BLEDeviceInfo> device, BLEServiceMap services);
    ~KoBLE() override;

    bool setup() override;
    bool write(const CBytes& request) override;
    CBytes read() override;
    void clear() override;

private:
    struct Target {
        BLEServiceInfo* service = nullptr;
        std::shared_ptr<BLECharacteristicInfo> characteristic;
    };
    Target find(const char* characteristicUuid) const;

    const std::shared_ptr<BLEDeviceInfo> m_device;
    const BLEServiceMap m_services;
};

} // namespace Ko

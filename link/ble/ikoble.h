#pragma once

#include "base/cbytes.h"

namespace Ko {

// The controller's GATT service and its two characteristics, as GattText::uuid writes them.
inline constexpr const char* kControllerServiceUuid = "0xa002";
// Requests are written here.
inline constexpr const char* kWriteCharacteristicUuid = "0xc302";
// Replies are notified here.
inline constexpr const char* kNotifyCharacteristicUuid = "0xc306";

// The byte transport to the motor controller over Bluetooth LE: a request is one value written,
// a reply one value notified.
// Threads: a task's own thread (readValue waits for the notified reply).
class IKoBLE {
public:
    virtual ~IKoBLE() = default;
    // Whether the controller's service with both characteristics is there.
    virtual bool setup() = 0;
    // True once the write is issued.
    virtual bool write(const CBytes& request) = 0;
    // The latest notified reply; empty when none came within the service's wait.
    virtual CBytes read() = 0;
    // Drops a reply nobody took.
    virtual void clear() = 0;
};

} // namespace Ko

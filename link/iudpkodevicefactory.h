#pragma once

#include "link/unixudp.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Ko {

class IKoDevice;
class IKoConverser;
class IConverser;
class IConverserTimeout;

// The mount's own access point, where a mount is looked for when it ignores broadcasts.
inline constexpr const char* kDefaultMountAddress = "192.168.4.1";
inline constexpr const char* kDefaultMountBroadcast = "192.168.4.255";
inline constexpr uint16_t kMountUdpPort = 11880;

// The top of one UDP link's object graph; the transport and its converser live on through it.
// converser and converserTimeout are the one serialising converser.
struct UDPKoDeviceGraph {
    std::shared_ptr<IKoDevice> device;
    std::shared_ptr<IKoConverser> koConverser;
    std::shared_ptr<IConverser> converser;
    std::shared_ptr<IConverserTimeout> converserTimeout;
};

// Threads: any thread.
class IUDPKoDeviceFactory {
public:
    virtual ~IUDPKoDeviceFactory() = default;
    // An empty local address lets the system pick the interface.
    virtual UDPKoDeviceGraph create(const std::string& localAddress, const UDPAddress& address) = 0;
};

} // namespace Ko

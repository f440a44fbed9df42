#pragma once

#include "link/iudpkodevicefactory.h"

#include <memory>
#include <string>

namespace Ko {

class IConnectionSettings;
class ITCCancellable;

// Where mounts are really reached: every mount at port, and the default mount address at
// defaultAddressTarget. Production uses the defaults; tests point both at loopback.
struct UDPMountRoute {
    std::string defaultAddressTarget = kDefaultMountAddress;
    uint16_t port = kMountUdpPort;
};

// Builds transport, UDP converser, serialising converser, command converser and device for one
// mount address.
// Threads: any thread.
class UDPKoDeviceFactory : public IUDPKoDeviceFactory {
public:
    UDPKoDeviceFactory(std::shared_ptr<IConnectionSettings> settings,
                       std::shared_ptr<ITCCancellable> token, UDPMountRoute route = {});

    UDPKoDeviceGraph create(const std::string& localAddress, const UDPAddress& address) override;

private:
    const std::shared_ptr<IConnectionSettings> m_settings;
    const std::shared_ptr<ITCCancellable> m_token;
    const UDPMountRoute m_route;
};

} // namespace Ko

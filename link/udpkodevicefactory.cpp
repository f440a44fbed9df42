#include "link/udpkodevicefactory.h"

#include "base/cancellable.h"
#include "link/iconnectionsettings.h"
#include "link/koconverser.h"
#include "link/kodevice.h"
#include "link/slconverser.h"
#include "link/udpconverser.h"

namespace Ko {

UDPKoDeviceFactory::UDPKoDeviceFactory(std::shared_ptr<IConnectionSettings> settings,
                                       std::shared_ptr<ITCCancellable> token, UDPMountRoute route)
    : m_settings(std::move(settings)), m_token(std::move(token)), m_route(std::move(route)) {}

UDPKoDeviceGraph UDPKoDeviceFactory::create(const std::string& localAddress,
                                            const UDPAddress& address) {
    const int timeoutMs = m_settings->type() == ConnectionType_::BLE
                              ? m_settings->readTimeoutMs_BLE()
                              : m_settings->readTimeoutMs_other();
    UDPAddress remote = address;
    if (remote.address == kDefaultMountAddress)
        remote.address = m_route.defaultAddressTarget;
    auto udp = std::make_shared<UnixUDP>(localAddress, remote, m_route.port,
                                         static_cast<uint32_t>(timeoutMs));
    auto udpConverser = std::make_shared<UDPConverser>(udp, m_settings, m_token);
    auto slConverser = std::make_shared<SLConverser>(udpConverser);
    auto koConverser = std::make_shared<KoConverser>(slConverser);
    auto device = std::make_shared<KoDevice>(koConverser);
    return {device, koConverser, slConverser, slConverser};
}

} // namespace Ko

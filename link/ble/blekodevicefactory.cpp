#include "link/ble/blekodevicefactory.h"

#include "base/cancellable.h"
#include "link/ble/blekoconverser.h"
#include "link/koconverser.h"
#include "link/kodevice.h"
#include "link/slconverser.h"

namespace Ko {

BLEKoDeviceFactory::BLEKoDeviceFactory(std::shared_ptr<IConnectionSettings> settings,
                                       std::shared_ptr<ITCCancellable> token)
    : m_settings(std::move(settings)), m_token(std::move(token)) {}

DeviceSetupFinishedData BLEKoDeviceFactory::create(std::shared_ptr<BLEDeviceInfo> device,
                                                   const BLEServiceMap& services) {
    auto ble = std::make_shared<KoBLE>(std::move(device), services);
    auto bleConverser = std::make_shared<BLEKoConverser>(ble, m_settings, m_token);
    auto slConverser = std::make_shared<SLConverser>(bleConverser);
    auto koConverser = std::make_shared<KoConverser>(slConverser);
    auto koDevice = std::make_shared<KoDevice>(koConverser);
    return {koConverser, koDevice, slConverser, slConverser, std::string()};
}

} // namespace Ko

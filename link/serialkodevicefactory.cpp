#include "link/serialkodevicefactory.h"

#include "base/cancellable.h"
#include "link/iconnectionsettings.h"
#include "link/koconverser.h"
#include "link/kodevice.h"
#include "link/koserialportconverser.h"
#include "link/qtserialport.h"
#include "link/slconverser.h"

namespace Ko {

SerialKoDeviceFactory::SerialKoDeviceFactory(std::shared_ptr<IConnectionSettings> settings,
                                             std::shared_ptr<ITCCancellable> token)
    : m_settings(std::move(settings)), m_token(std::move(token)) {}

SerialKoDeviceGraph SerialKoDeviceFactory::create(const std::string& portName) {
    auto port = std::make_shared<QtSerialPort>(portName);
    auto serialConverser = std::make_shared<KoSerialPortConverser>(m_settings, port, m_token);
    auto slConverser = std::make_shared<SLConverser>(serialConverser);
    auto koConverser = std::make_shared<KoConverser>(slConverser);
    auto device = std::make_shared<KoDevice>(koConverser);
    return {device, koConverser, slConverser, slConverser, port};
}

} // namespace Ko

#include "link/ble/koble.h"

#include "link/ble/blecharacteristicinfo.h"
#include "link/ble/bledeviceinfo.h"
#include "link/ble/bleserviceinfo.h"

namespace Ko {

KoBLE::KoBLE(std::shared_ptr<BLEDeviceInfo> device, BLEServiceMap services)
    : m_device(std::move(device)), m_services(std::move(services)) {}

// The device element outlives the transport in the scan lists; the connection must not.
KoBLE::~KoBLE() {
    if (m_device)
        emit m_device->triggerDisconnect();
}

KoBLE::Target KoBLE::find(const char* characteristicUuid) const {
    const QString serviceUuid = QString::fromLatin1(kControllerServiceUuid);
    const QString wanted = QString::fromLatin1(characteristicUuid);
    for (const auto& [service, characteristics] : m_services) {
        if (service->serviceUuid().toLower() != serviceUuid)
            continue;
        for (const auto& ch : characteristics) {
            if (ch->characteristicUuid().toLower() == wanted)
                return {service.get(), ch};
        }
        return {service.get(), nullptr};
    }
    return {};
}

bool KoBLE::setup() {
    return find(kWriteCharacteristicUuid).characteristic &&
           find(kNotifyCharacteristicUuid).characteristic;
}

bool KoBLE::write(const CBytes& request) {
    const Target target = find(kWriteCharacteristicUuid);
    if (!target.characteristic)
        return false;
    const QByteArray value(reinterpret_cast<const char*>(request.data()),
                           qsizetype(request.size()));
    return target.service->writeCharacteristic(target.characteristic->characteristic(), value);
}

CBytes KoBLE::read() {
    const Target target = find(kNotifyCharacteristicUuid);
    if (!target.characteristic)
        return {};
    const QByteArray reply = target.service->readValue(target.characteristic->characteristic());
    return CBytes::fromData(reply.constData(), size_t(reply.size()));
}

void KoBLE::clear() {
    const Target target = find(kNotifyCharacteristicUuid);
    if (target.characteristic)
        target.service->clearValue(target.characteristic->characteristic());
}

} // namespace Ko

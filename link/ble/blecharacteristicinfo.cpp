#include "link/ble/blecharacteristicinfo.h"

#include "link/ble/bledescriptorinfo.h"
#include "link/ble/gatttext.h"

namespace Ko {

BLECharacteristicInfo::BLECharacteristicInfo(GattCharacteristic characteristic, QObject* parent)
    : QObject(parent), m_characteristic(std::move(characteristic)) {
    for (const auto& descriptor : m_characteristic.descriptors)
        m_descriptors.append(std::make_shared<BLEDescriptorInfo>(descriptor));
}

BLECharacteristicInfo::~BLECharacteristicInfo() = default;

QString BLECharacteristicInfo::characteristicName() const {
    if (!m_characteristic.name.isEmpty())
        return m_characteristic.name;
    // The user description holds the characteristic's name as text; the descriptor's own name
    // would only say that it is a user description.
    const QBluetoothUuid userDescription(
        QBluetoothUuid::DescriptorType::CharacteristicUserDescription);
    for (const auto& descriptor : m_characteristic.descriptors) {
        if (descriptor.uuid == userDescription && !descriptor.value.isEmpty())
            return QString::fromUtf8(descriptor.value);
    }
    return QString::fromLatin1(GattText::kUnknown);
}

QString BLECharacteristicInfo::characteristicUuid() const {
    return GattText::uuid(m_characteristic.uuid);
}

QString BLECharacteristicInfo::characteristicValue() const {
    return GattText::value(m_characteristic.value);
}

QString BLECharacteristicInfo::characteristicHandle() const {
    return QString::fromLatin1(GattText::kHandle);
}

QString BLECharacteristicInfo::characteristicPermission() const {
    using P = QLowEnergyCharacteristic;
    static const std::pair<P::PropertyType, const char*> kNames[] = {
        {P::Read, " Read"},
        {P::Write, " Write"},
        {P::Notify, " Notify"},
        {P::Indicate, " Indicate"},
        {P::ExtendedProperty, " ExtendedProperty"},
        {P::Broadcasting, " Broadcast"},
        {P::WriteNoResponse, " WriteNoResp"},
        {P::WriteSigned, " WriteSigned"},
    };
    QString text = QStringLiteral("( ");
    for (const auto& [property, name] : kNames) {
        if (m_characteristic.has(property))
            text += QLatin1String(name);
    }
    return text + QStringLiteral(" )");
}

} // namespace Ko

#include "link/ble/bledescriptorinfo.h"

#include "link/ble/gatttext.h"

namespace Ko {

BLEDescriptorInfo::BLEDescriptorInfo(GattDescriptor descriptor, QObject* parent)
    : QObject(parent), m_descriptor(std::move(descriptor)) {}

QString BLEDescriptorInfo::descriptorName() const {
    return m_descriptor.name;
}

QString BLEDescriptorInfo::descriptorUuid() const {
    return GattText::uuid(m_descriptor.uuid);
}

QString BLEDescriptorInfo::descriptorValue() const {
    return GattText::value(m_descriptor.value);
}

QString BLEDescriptorInfo::descriptorHandle() const {
    return QString::fromLatin1(GattText::kHandle);
}

QString BLEDescriptorInfo::descriptorType() const {
    bool ok = false;
    const quint16 type = m_descriptor.uuid.toUInt16(&ok);
    if (!ok)
        return QString::fromLatin1(GattText::kUnknown);
    switch (type) {
    case 0x2900:
        return QStringLiteral("Extended Properties");
    case 0x2901:
        return QStringLiteral("User Description");
    case 0x2902:
        return QStringLiteral("Client Characteristic Configuration");
    case 0x2903:
        return QStringLiteral("Server Characteristic Configuration");
    case 0x2904:
        return QStringLiteral("Presentation Format");
    case 0x2905:
        return QStringLiteral("Aggregate Format");
    case 0x2906:
        return QStringLiteral("ValidRange");
    case 0x2907:
        return QStringLiteral("External Report Reference");
    case 0x2908:
        return QStringLiteral("Report Reference");
    case 0x290B:
        return QStringLiteral("Environmental Sensing Configuration");
    case 0x290C:
        return QStringLiteral("Environmental Sensing Measurement");
    case 0x290D:
        return QStringLiteral("Environmental Sensing Trigger Setting");
    default:
        return QString::fromLatin1(GattText::kUnknown);
    }
}

} // namespace Ko

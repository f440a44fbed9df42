#pragma once

#include "link/ble/igattplatform.h"

namespace Ko {

// One descriptor of a discovered characteristic, with its display texts.
// Threads: main thread only.
class BLEDescriptorInfo : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString descriptorName READ descriptorName CONSTANT)
    Q_PROPERTY(QString descriptorUuid READ descriptorUuid CONSTANT)
    Q_PROPERTY(QString descriptorValue READ descriptorValue CONSTANT)
    Q_PROPERTY(QString descriptorHandle READ descriptorHandle CONSTANT)
    Q_PROPERTY(QString descriptorType READ descriptorType CONSTANT)
public:
    explicit BLEDescriptorInfo(GattDescriptor descriptor, QObject* parent = nullptr);

    QString descriptorName() const;
    QString descriptorUuid() const;
    QString descriptorValue() const;
    QString descriptorHandle() const;
    // The standard's name of a 0x2900 to 0x290D descriptor; "Unknown" for any other.
    QString descriptorType() const;

    const GattDescriptor& descriptor() const { return m_descriptor; }

private:
    const GattDescriptor m_descriptor;
};

} // namespace Ko

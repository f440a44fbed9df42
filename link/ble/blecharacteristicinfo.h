#pragma once

#include "link/ble/igattplatform.h"

#include <memory>

namespace Ko {

class BLEDescriptorInfo;

// One characteristic of a discovered service with its descriptors, as the service knew it when
// its details were discovered, and its display texts.
// Threads: main thread only.
class BLECharacteristicInfo : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString characteristicName READ characteristicName CONSTANT)
    Q_PROPERTY(QString characteristicUuid READ characteristicUuid CONSTANT)
    Q_PROPERTY(QString characteristicValue READ characteristicValue CONSTANT)
    Q_PROPERTY(QString characteristicHandle READ characteristicHandle CONSTANT)
    Q_PROPERTY(QString characteristicPermission READ characteristicPermission CONSTANT)
public:
    explicit BLECharacteristicInfo(GattCharacteristic characteristic, QObject* parent = nullptr);
    ~BLECharacteristicInfo() override;

    // The platform's name; failing that, the text of the User Description descriptor; failing
    // that, "Unknown".
    QString characteristicName() const;
    QString characteristicUuid() const;
    QString characteristicValue() const;
    QString characteristicHandle() const;
    // "( ", then " Read", " Write", ... for each property present, then " )".
    QString characteristicPermission() const;

    const GattCharacteristic& characteristic() const { return m_characteristic; }
    QList<std::shared_ptr<BLEDescriptorInfo>> descriptors() const { return m_descriptors; }

private:
    const GattCharacteristic m_characteristic;
    QList<std::shared_ptr<BLEDescriptorInfo>> m_descriptors;
};

} // namespace Ko

#pragma once

#include "link/ble/igattplatform.h"

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

namespace Ko {

class BLECharacteristicInfo;
class Handover;

// One GATT service of a connected device: discovers its characteristics, switches on their
// notifications, and keeps the latest value each characteristic notified until somebody takes
// it. Lives on the user-interface thread; the plain operations may be called from any thread,
// and any GATT request they make is issued on the owner's thread. Hold it through
// makeOnOwnerThread.
// Threads: main thread only for construction, the slots and destruction; the plain operations any
// thread, readValue a task's own thread (it waits for a notification).
class BLEServiceInfo : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString serviceName READ serviceName CONSTANT)
    Q_PROPERTY(QString serviceUuid READ serviceUuid CONSTANT)
    Q_PROPERTY(QString serviceType READ serviceType CONSTANT)
public:
    // readValue waits up to retryCount x 10 ms for a notification.
    BLEServiceInfo(std::shared_ptr<IGattService> service, uint32_t retryCount,
                   QObject* parent = nullptr);
    ~BLEServiceInfo() override;

    QString serviceName() const { return m_name; }
    QString serviceUuid() const { return m_uuid; }
    // "<primary>", "<secondary>", with " included" before the ">" for an included service.
    QString serviceType() const { return m_type; }

    // Rebuilt by every detail discovery.
    QList<std::shared_ptr<BLECharacteristicInfo>> characteristics() const;
    // False, and nothing written, unless ch is valid and writable. Without response when ch
    // allows it. True once the write is queued to the owner's thread.
    bool writeCharacteristic(const GattCharacteristic& ch, const QByteArray& value);
    bool writeDescriptor(const GattDescriptor& descriptor, const QByteArray& value);
    // A readable ch: asks for a fresh value and returns the one held now. A ch that only
    // notifies or indicates: takes the latest notified value, waiting for one up to the wait
    // count; empty when none came.
    QByteArray readValue(const GattCharacteristic& ch);
    // Asks for a fresh value and returns the one the descriptor held when discovered.
    QByteArray readDescriptor(const GattDescriptor& descriptor);
    // Drops a notified value nobody took.
    void clearValue(const GattCharacteristic& ch);

    static constexpr int kWaitStepMs = 10;
    // Some stacks drop configuration writes that follow each other too closely.
    static constexpr int kConfigWriteSpacingMs = 10;

signals:
    void triggerDiscoverDetail();
    void discoverDetailFinished();

public slots:
    void discoverDetail();
    void serviceDetailsDiscovered(QLowEnergyService::ServiceState state);
    void characteristicChanged(const QBluetoothUuid& characteristic, const QByteArray& value);

private:
    struct ConfigWrite {
        GattDescriptor descriptor;
        QByteArray value;
    };
    void processDetails();
    void enableNotifications(QList<ConfigWrite> pending);
    void heldValueRead(const QBluetoothUuid& characteristic, const QByteArray& value);

    const std::shared_ptr<IGattService> m_service;
    const uint32_t m_retryCount;
    const QString m_name;
    const QString m_uuid;
    const QString m_type;

    mutable std::mutex m_mutex;
    std::condition_variable m_notified;
    // Guarded by m_mutex.
    QList<std::shared_ptr<BLECharacteristicInfo>> m_characteristics;
    std::map<QBluetoothUuid, QByteArray> m_notifiedValues;
    std::map<QBluetoothUuid, QByteArray> m_heldValues;
    // Issues GATT requests made on other threads on this object's thread.
    const std::unique_ptr<Handover> m_handover;
};

} // namespace Ko

#pragma once

#include "base/backgroundwork.h"
#include "link/ble/igattplatform.h"

#include <cstdint>
#include <memory>
#include <mutex>

namespace Ko {

class BLEServiceInfo;

// One device found by a scan, with its GATT connection and the services found on it. Lives on
// the user-interface thread: other threads ask for work through the trigger signals. Reports
// come later on that thread, never from inside the platform's callback. Hold it through
// makeOnOwnerThread; destroying it disconnects the device.
// Threads: main thread only, but any thread may emit the trigger signals.
class BLEDeviceInfo : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString deviceName READ deviceName CONSTANT)
    Q_PROPERTY(QString deviceAddress READ deviceAddress CONSTANT)
public:
    // Each service made waits up to retryCount x 10 ms for a notification.
    BLEDeviceInfo(std::shared_ptr<IGattPlatform> platform, QBluetoothDeviceInfo device,
                  uint32_t retryCount, QObject* parent = nullptr);
    ~BLEDeviceInfo() override;

    QString deviceName() const;
    // See GattText::deviceId.
    QString deviceAddress() const;
    const QBluetoothDeviceInfo& device() const { return m_device; }
    // Empty while not connected. Owner's thread only.
    IGattController* controller() const { return m_controller.get(); }
    QList<std::shared_ptr<BLEServiceInfo>> services() const;

signals:
    void triggerConnect(bool isRandomAddress = false);
    void triggerDisconnect();
    // Service discovery finished; services() holds what was found.
    void scanFinished();
    void scanError(QLowEnergyController::Error error);
    void disconnected();

public slots:
    void connectDevice(bool isRandomAddress = false);
    void disconnectDevice();
    void addLowEnergyService(const QBluetoothUuid& uuid);
    void serviceScanDone();
    void deviceConnected();
    void deviceDisconnected();
    void errorReceived(QLowEnergyController::Error error);

private:
    const std::shared_ptr<IGattPlatform> m_platform;
    const QBluetoothDeviceInfo m_device;
    const uint32_t m_retryCount;
    // Deleted later: the controller may be the one reporting right now.
    std::unique_ptr<IGattController, LaterDeleter> m_controller;
    mutable std::mutex m_mutex;
    // Guarded by m_mutex.
    QList<std::shared_ptr<BLEServiceInfo>> m_services;
};

} // namespace Ko

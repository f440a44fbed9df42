#pragma once

#include "link/ble/igattplatform.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

namespace Ko {

class BLEDeviceInfo;

// Scans for Low Energy devices and makes one device element per device found. Lives on the
// user-interface thread: other threads ask for a scan through the trigger signals; the setters
// and the device list may be used from any thread. Reports come later on that thread. Hold it
// through makeOnOwnerThread.
// Threads: main thread only, but the trigger signals, the setters and the device list any thread.
class BLEDiscover : public QObject {
    Q_OBJECT
public:
    BLEDiscover(std::shared_ptr<IGattPlatform> platform, int discoveryTimeoutMs,
                uint32_t retryCount, QObject* parent = nullptr);
    ~BLEDiscover() override;

    // Takes effect at the next scan.
    void setDiscoveryTimeout(int ms);
    // Handed to the device elements of the next scan.
    void setRetryCount(uint32_t count);
    // Owner's thread only.
    bool isActive() const;
    QList<std::shared_ptr<BLEDeviceInfo>> devices() const;
    // Empty when index is outside the list.
    std::shared_ptr<BLEDeviceInfo> device(int index) const;

signals:
    void triggerEnableBluetooth(bool enable);
    void triggerStarScan();
    void bluetoothStateChanged();
    void scanFinished();
    void scanError(QBluetoothDeviceDiscoveryAgent::Error error);

public slots:
    void deviceDiscovered(const QBluetoothDeviceInfo& device);
    void deviceScanFinished();
    void deviceScanError(QBluetoothDeviceDiscoveryAgent::Error error);
    // Only reports the state: the adapter is left as the user set it.
    void enableBluetooth(bool enable);
    void startScan();

private:
    const std::shared_ptr<IGattPlatform> m_platform;
    const std::unique_ptr<IGattScanner> m_scanner;
    std::atomic<int> m_discoveryTimeoutMs;
    std::atomic<uint32_t> m_retryCount;
    mutable std::mutex m_mutex;
    // Guarded by m_mutex.
    QList<std::shared_ptr<BLEDeviceInfo>> m_devices;
};

} // namespace Ko

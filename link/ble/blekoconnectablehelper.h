#pragma once

#include "base/nullable.h"
#include "link/iconnectablehelper.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QLowEnergyController>

#include <cstdint>
#include <memory>
#include <mutex>

class QBluetoothDeviceInfo;

namespace Ko {

class BLEDeviceInfo;
class BLEDiscover;
class IBLEKoDeviceFactory;
class IConnectionSettings;
class IConverser;
class IGattPlatform;

// Scans for motor controllers over Bluetooth LE, lists them strongest signal first (connecting
// at once when there is only one), connects to the chosen one, discovers its services and the
// details of the controller's service, and hands the device graph over. A device that later
// drops the link makes that graph's converser report a time-out. Lives on the user-interface
// thread, where its slots run; the IConnectableHelper calls may come from any thread.
// Threads: main thread only for the slots; the IConnectableHelper calls any thread.
class BLEKoConnectableHelper : public IConnectableHelper {
    Q_OBJECT
public:
    BLEKoConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                           std::shared_ptr<IBLEKoDeviceFactory> factory,
                           std::shared_ptr<IGattPlatform> platform);
    ~BLEKoConnectableHelper() override;

    QVariant devicesList() override;
    void startConnect() override;
    void selectDevice(int index) override;
    // BLE devices are not filtered by model.
    void setModelFilter(ModelFilter filter) override;
    // The handler runs on a thread of its own.
    void setHandler(SetupHandler handler) override;
    void setEmulatorEnabled(bool enabled) override;

    // Whether the advertisement names a motor controller: manufacturer data under kCompanyId that
    // is exactly kControllerTag.
    static bool isController(const QBluetoothDeviceInfo& device);
    // How many 10 ms steps a read waits for a notified reply: the read time-out and half a
    // second more, so that a reply in flight at the time-out still counts.
    static uint32_t readWaitCount(int readTimeoutMs);

    static constexpr quint16 kCompanyId = 11880;
    static constexpr const char* kControllerTag = "54806524";
    // The wait count until the first scan sets it from the settings.
    static constexpr uint32_t kInitialWaitCount = 50;
    // Lets the scan wind down before the connection starts.
    static constexpr int kConnectDelayMs = 100;

signals:
    void triggerConnectDevice();

private slots:
    void connectDevice();
    void bluetoothState();
    void deviceScanFinished();
    void deviceScanError(QBluetoothDeviceDiscoveryAgent::Error error);
    void deviceDisconnect();
    void serviceScanFinished();
    void serviceScanError(QLowEnergyController::Error error);
    void serviceDiscoverDetailFinished();

private:
    std::shared_ptr<BLEDeviceInfo> selectedDevice() const;
    // Counts services whose handling ended; the last one finishes the setup.
    void countHandled(int services);
    void finishSetup(const std::shared_ptr<BLEDeviceInfo>& device);

    const std::shared_ptr<IConnectionSettings> m_settings;
    const std::shared_ptr<IBLEKoDeviceFactory> m_factory;
    const std::shared_ptr<BLEDiscover> m_discover;

    // Worker threads and the user-interface thread both reach everything below.
    mutable std::mutex m_mutex;
    SetupHandler m_handler;
    Nullable<QList<std::shared_ptr<BLEDeviceInfo>>> m_found;
    int m_selected = -1;
    // Services of the selected device still being handled; the setup finishes once, when the
    // count reaches the number of services, and only while m_awaitingServices.
    int m_handledServices = 0;
    int m_expectedServices = 0;
    bool m_awaitingServices = false;
    // The last setup handed over, held weakly: the link must end when the session lets the
    // graph go, and a report of its loss is owed only while somebody uses it.
    std::weak_ptr<IConverser> m_setupConverser;
    std::weak_ptr<BLEDeviceInfo> m_setupDevice;
};

} // namespace Ko

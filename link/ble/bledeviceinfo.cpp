#include "link/ble/bledeviceinfo.h"

#include "link/ble/bleserviceinfo.h"
#include "link/ble/gatttext.h"

namespace Ko {

BLEDeviceInfo::BLEDeviceInfo(std::shared_ptr<IGattPlatform> platform, QBluetoothDeviceInfo device,
                             uint32_t retryCount, QObject* parent)
    : QObject(parent), m_platform(std::move(platform)), m_device(std::move(device)),
      m_retryCount(retryCount) {
    connect(this, &BLEDeviceInfo::triggerConnect, this, &BLEDeviceInfo::connectDevice);
    connect(this, &BLEDeviceInfo::triggerDisconnect, this, &BLEDeviceInfo::disconnectDevice);
}

BLEDeviceInfo::~BLEDeviceInfo() {
    disconnectDevice();
}

QString BLEDeviceInfo::deviceName() const {
    return m_device.name();
}

QString BLEDeviceInfo::deviceAddress() const {
    return GattText::deviceId(m_device);
}

QList<std::shared_ptr<BLEServiceInfo>> BLEDeviceInfo::services() const {
    std::lock_guard lock(m_mutex);
    return m_services;
}

void BLEDeviceInfo::connectDevice(bool isRandomAddress) {
    disconnectDevice();
    m_controller.reset(m_platform->createController(m_device).release());
    IGattController* c = m_controller.get();
    connect(c, &IGattController::connected, this, &BLEDeviceInfo::deviceConnected);
    connect(c, &IGattController::errorOccurred, this, &BLEDeviceInfo::errorReceived);
    connect(c, &IGattController::disconnected, this, &BLEDeviceInfo::deviceDisconnected);
    connect(c, &IGattController::serviceDiscovered, this, &BLEDeviceInfo::addLowEnergyService);
    connect(c, &IGattController::discoveryFinished, this, &BLEDeviceInfo::serviceScanDone);
    c->connectToDevice(isRandomAddress);
}

void BLEDeviceInfo::disconnectDevice() {
    QList<std::shared_ptr<BLEServiceInfo>> dropped;
    {
        std::lock_guard lock(m_mutex);
        dropped.swap(m_services);
    }
    if (!m_controller)
        return;
    m_controller->disconnect(this);
    m_controller->disconnectFromDevice();
    m_controller.reset();
}

void BLEDeviceInfo::deviceConnected() {
    if (m_controller)
        m_controller->discoverServices();
}

void BLEDeviceInfo::addLowEnergyService(const QBluetoothUuid& uuid) {
    if (!m_controller)
        return;
    auto service = m_controller->createService(uuid);
    if (!service)
        return;
    auto element = makeOnOwnerThread<BLEServiceInfo>(std::move(service), m_retryCount);
    std::lock_guard lock(m_mutex);
    m_services.append(std::move(element));
}

void BLEDeviceInfo::serviceScanDone() {
    reportLater(this, [this] { emit scanFinished(); });
}

void BLEDeviceInfo::deviceDisconnected() {
    disconnectDevice();
    reportLater(this, [this] { emit disconnected(); });
}

void BLEDeviceInfo::errorReceived(QLowEnergyController::Error error) {
    reportLater(this, [this, error] { emit scanError(error); });
}

} // namespace Ko

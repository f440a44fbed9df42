#include "link/ble/blediscover.h"

#include "base/backgroundwork.h"
#include "link/ble/bledeviceinfo.h"

namespace Ko {

BLEDiscover::BLEDiscover(std::shared_ptr<IGattPlatform> platform, int discoveryTimeoutMs,
                         uint32_t retryCount, QObject* parent)
    : QObject(parent), m_platform(std::move(platform)), m_scanner(m_platform->createScanner()),
      m_discoveryTimeoutMs(discoveryTimeoutMs), m_retryCount(retryCount) {
    m_scanner->setLowEnergyDiscoveryTimeout(discoveryTimeoutMs);
    connect(m_scanner.get(), &IGattScanner::deviceDiscovered, this, &BLEDiscover::deviceDiscovered);
    connect(m_scanner.get(), &IGattScanner::errorOccurred, this, &BLEDiscover::deviceScanError);
    connect(m_scanner.get(), &IGattScanner::finished, this, &BLEDiscover::deviceScanFinished);
    connect(this, &BLEDiscover::triggerEnableBluetooth, this, &BLEDiscover::enableBluetooth);
    connect(this, &BLEDiscover::triggerStarScan, this, &BLEDiscover::startScan);
}

BLEDiscover::~BLEDiscover() {
    m_scanner->disconnect(this);
}

void BLEDiscover::setDiscoveryTimeout(int ms) {
    m_discoveryTimeoutMs.store(ms);
}

void BLEDiscover::setRetryCount(uint32_t count) {
    m_retryCount.store(count);
}

bool BLEDiscover::isActive() const {
    return m_scanner->isActive();
}

QList<std::shared_ptr<BLEDeviceInfo>> BLEDiscover::devices() const {
    std::lock_guard lock(m_mutex);
    return m_devices;
}

std::shared_ptr<BLEDeviceInfo> BLEDiscover::device(int index) const {
    std::lock_guard lock(m_mutex);
    if (index < 0 || index >= m_devices.size())
        return nullptr;
    return m_devices[index];
}

void BLEDiscover::deviceDiscovered(const QBluetoothDeviceInfo&) {}

void BLEDiscover::deviceScanFinished() {
    QList<std::shared_ptr<BLEDeviceInfo>> found;
    for (const auto& info : m_scanner->discoveredDevices()) {
        if (info.coreConfigurations().testFlag(QBluetoothDeviceInfo::LowEnergyCoreConfiguration))
            found.append(makeOnOwnerThread<BLEDeviceInfo>(m_platform, info, m_retryCount.load()));
    }
    {
        std::lock_guard lock(m_mutex);
        m_devices = found;
    }
    m_scanner->stop();
    reportLater(this, [this] { emit scanFinished(); });
}

void BLEDiscover::deviceScanError(QBluetoothDeviceDiscoveryAgent::Error error) {
    reportLater(this, [this, error] { emit scanError(error); });
}

void BLEDiscover::enableBluetooth(bool) {
    reportLater(this, [this] { emit bluetoothStateChanged(); });
}

void BLEDiscover::startScan() {
    QList<std::shared_ptr<BLEDeviceInfo>> dropped;
    {
        std::lock_guard lock(m_mutex);
        dropped.swap(m_devices);
    }
    m_scanner->setLowEnergyDiscoveryTimeout(m_discoveryTimeoutMs.load());
    m_scanner->start();
}

} // namespace Ko

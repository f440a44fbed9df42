#include "link/ble/blekoconnectablehelper.h"

#include "base/backgroundwork.h"
#include "link/ble/bledeviceinfo.h"
#include "link/ble/blediscover.h"
#include "link/ble/bleserviceinfo.h"
#include "link/ble/gatttext.h"
#include "link/ble/iblekodevicefactory.h"
#include "link/ble/ikoble.h"
#include "link/iconnectionsettings.h"
#include "link/iconverser.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

namespace Ko {

namespace {

bool isControllerService(const BLEServiceInfo& service) {
    return service.serviceUuid().toLower() == QLatin1String(kControllerServiceUuid);
}

} // namespace

BLEKoConnectableHelper::BLEKoConnectableHelper(std::shared_ptr<IConnectionSettings> settings,
                                               std::shared_ptr<IBLEKoDeviceFactory> factory,
                                               std::shared_ptr<IGattPlatform> platform)
    : m_settings(std::move(settings)), m_factory(std::move(factory)),
      m_discover(makeOnOwnerThread<BLEDiscover>(
          std::move(platform), m_settings->discoveryTimeoutMs_BLE(), kInitialWaitCount)) {
    // Queued, so that selectDevice returns before the connection starts, whatever its thread.
    connect(this, &BLEKoConnectableHelper::triggerConnectDevice, this,
            &BLEKoConnectableHelper::connectDevice, Qt::QueuedConnection);
    connect(m_discover.get(), &BLEDiscover::bluetoothStateChanged, this,
            &BLEKoConnectableHelper::bluetoothState);
    connect(m_discover.get(), &BLEDiscover::scanFinished, this,
            &BLEKoConnectableHelper::deviceScanFinished);
    connect(m_discover.get(), &BLEDiscover::scanError, this,
            &BLEKoConnectableHelper::deviceScanError);
}

BLEKoConnectableHelper::~BLEKoConnectableHelper() = default;

bool BLEKoConnectableHelper::isController(const QBluetoothDeviceInfo& device) {
    return device.manufacturerData(kCompanyId) == QByteArray(kControllerTag);
}

uint32_t BLEKoConnectableHelper::readWaitCount(int readTimeoutMs) {
    const float steps = std::ceil((float(readTimeoutMs) + 500.0f) / 10.0f);
    return steps > 0.0f ? uint32_t(steps) : 0u;
}

QVariant BLEKoConnectableHelper::devicesList() {
    QList<std::shared_ptr<BLEDeviceInfo>> found;
    {
        std::lock_guard lock(m_mutex);
        if (!m_found.hasValue())
            return QVariant();
        found = m_found.value();
    }
    QVariantList list;
    for (const auto& device : found) {
        const QString name = device->deviceName();
        list.append(QVariant::fromValue(
            IConnectableSearchResult(name.isEmpty() ? device->deviceAddress() : name, QString())));
    }
    return list;
}

void BLEKoConnectableHelper::startConnect() {
    {
        std::lock_guard lock(m_mutex);
        m_found.reset();
        m_selected = -1;
        m_awaitingServices = false;
    }
    emit devicesListChanged();
    emit statusChanged(true, QString(), QString());
    emit statusChanged(true, QStringLiteral(QT_TRANSLATE_NOOP("mount", "Searching")), QString());
    emit m_discover->triggerEnableBluetooth(true);
}

void BLEKoConnectableHelper::selectDevice(int index) {
    bool valid = false;
    {
        std::lock_guard lock(m_mutex);
        m_selected = -1;
        if (m_found.hasValue() && index >= 0 && index < m_found.value().size()) {
            m_selected = index;
            valid = true;
        }
    }
    if (valid)
        emit triggerConnectDevice();
}

void BLEKoConnectableHelper::setModelFilter(ModelFilter) {}

void BLEKoConnectableHelper::setHandler(SetupHandler handler) {
    std::lock_guard lock(m_mutex);
    m_handler = std::move(handler);
}

void BLEKoConnectableHelper::setEmulatorEnabled(bool) {}

std::shared_ptr<BLEDeviceInfo> BLEKoConnectableHelper::selectedDevice() const {
    std::lock_guard lock(m_mutex);
    if (!m_found.hasValue() || m_selected < 0 || m_selected >= m_found.value().size())
        return nullptr;
    return m_found.value()[m_selected];
}

void BLEKoConnectableHelper::bluetoothState() {
    const int readTimeoutMs = m_settings->type() == ConnectionType_::BLE
                                  ? m_settings->readTimeoutMs_BLE()
                                  : m_settings->readTimeoutMs_other();
    m_discover->setDiscoveryTimeout(m_settings->discoveryTimeoutMs_BLE());
    m_discover->setRetryCount(readWaitCount(readTimeoutMs));
    emit m_discover->triggerStarScan();
}

void BLEKoConnectableHelper::deviceScanFinished() {
    QList<std::shared_ptr<BLEDeviceInfo>> found;
    for (const auto& device : m_discover->devices()) {
        if (isController(device->device()))
            found.append(device);
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a->device().rssi() > b->device().rssi(); });
    const auto count = found.size();
    {
        std::lock_guard lock(m_mutex);
        m_found = std::move(found);
    }
    emit devicesListChanged();
    if (count == 1)
        selectDevice(0);
    else
        emit statusChanged(false, QStringLiteral(QT_TRANSLATE_NOOP("mount", "Search finished")),
                           QString());
}

void BLEKoConnectableHelper::deviceScanError(QBluetoothDeviceDiscoveryAgent::Error) {
    {
        std::lock_guard lock(m_mutex);
        m_found.reset();
        m_selected = -1;
    }
    emit statusChanged(false, QStringLiteral(QT_TRANSLATE_NOOP("mount", "Search finished")),
                       QString());
}

void BLEKoConnectableHelper::connectDevice() {
    // A new search or an error since the selection leaves nothing to connect to.
    const auto device = selectedDevice();
    if (!device)
        return;
    BLEDeviceInfo* const d = device.get();
    connect(d, &BLEDeviceInfo::scanFinished, this, &BLEKoConnectableHelper::serviceScanFinished,
            Qt::UniqueConnection);
    connect(d, &BLEDeviceInfo::scanError, this, &BLEKoConnectableHelper::serviceScanError,
            Qt::UniqueConnection);
    connect(d, &BLEDeviceInfo::disconnected, this, &BLEKoConnectableHelper::deviceDisconnect,
            Qt::UniqueConnection);
    emit statusChanged(true, QStringLiteral(QT_TRANSLATE_NOOP("mount", "Connecting")), QString());
    QTimer::singleShot(kConnectDelayMs, d, [d] { emit d->triggerConnect(false); });
}

void BLEKoConnectableHelper::serviceScanFinished() {
    const auto device = selectedDevice();
    // A device dropped by a later search or selection may still report.
    if (!device || sender() != device.get())
        return;
    const auto services = device->services();
    {
        std::lock_guard lock(m_mutex);
        m_handledServices = 0;
        m_expectedServices = int(services.size());
        m_awaitingServices = true;
    }
    int withoutDetails = 0;
    for (const auto& service : services) {
        if (!isControllerService(*service)) {
            ++withoutDetails;
            continue;
        }
        connect(service.get(), &BLEServiceInfo::discoverDetailFinished, this,
                &BLEKoConnectableHelper::serviceDiscoverDetailFinished, Qt::UniqueConnection);
        emit service->triggerDiscoverDetail();
    }
    // Also finishes a device without services, which nothing else would count.
    countHandled(withoutDetails);
}

void BLEKoConnectableHelper::serviceDiscoverDetailFinished() {
    const auto device = selectedDevice();
    if (!device)
        return;
    const auto services = device->services();
    const bool ofSelected = std::any_of(services.begin(), services.end(),
                                        [this](const auto& s) { return s.get() == sender(); });
    if (ofSelected)
        countHandled(1);
}

void BLEKoConnectableHelper::countHandled(int services) {
    std::shared_ptr<BLEDeviceInfo> device;
    {
        std::lock_guard lock(m_mutex);
        if (!m_awaitingServices)
            return;
        m_handledServices += services;
        if (m_handledServices < m_expectedServices)
            return;
        m_awaitingServices = false;
        if (m_found.hasValue() && m_selected >= 0 && m_selected < m_found.value().size())
            device = m_found.value()[m_selected];
    }
    if (device)
        finishSetup(device);
}

void BLEKoConnectableHelper::finishSetup(const std::shared_ptr<BLEDeviceInfo>& device) {
    BLEServiceMap services;
    for (const auto& service : device->services()) {
        services[service] = service->characteristics();
        if (isControllerService(*service))
            disconnect(service.get(), &BLEServiceInfo::discoverDetailFinished, this,
                       &BLEKoConnectableHelper::serviceDiscoverDetailFinished);
    }
    DeviceSetupFinishedData data = m_factory->create(device, services);
    data.deviceName = GattText::deviceId(device->device()).toStdString();
    SetupHandler handler;
    {
        std::lock_guard lock(m_mutex);
        m_setupConverser = data.converser;
        m_setupDevice = device;
        handler = m_handler;
    }
    // The session's handler talks to the mount, whose replies arrive on this thread.
    if (handler)
        runInBackground("BLE device set-up", [handler, data] { handler(data); });
}

void BLEKoConnectableHelper::serviceScanError(QLowEnergyController::Error) {
    const auto device = selectedDevice();
    if (!device || sender() != device.get())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_found.reset();
        m_selected = -1;
        m_awaitingServices = false;
    }
    emit devicesListChanged();
    emit statusChanged(false, QStringLiteral(QT_TRANSLATE_NOOP("mount", "Connect fail")),
                       QString());
}

void BLEKoConnectableHelper::deviceDisconnect() {
    std::shared_ptr<IConverser> converser;
    {
        std::lock_guard lock(m_mutex);
        if (m_setupDevice.lock().get() == sender())
            converser = m_setupConverser.lock();
    }
    if (converser)
        emit converser->linkLost();
    // The session ends the link on this signal; it may take its time, so not on this thread.
    if (converser)
        runInBackground("BLE link end", [converser] { emit converser->converseTimeout(); });
}

} // namespace Ko

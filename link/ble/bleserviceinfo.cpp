#include "link/ble/bleserviceinfo.h"

#include "base/backgroundwork.h"
#include "link/ble/blecharacteristicinfo.h"
#include "link/ble/gatttext.h"

#include <QTimer>

#include <chrono>

namespace Ko {

namespace {

QString typeText(QLowEnergyService::ServiceTypes type) {
    QString text = type.testFlag(QLowEnergyService::PrimaryService) ? QStringLiteral("primary")
                                                                    : QStringLiteral("secondary");
    if (type.testFlag(QLowEnergyService::IncludedService))
        text += QStringLiteral(" included");
    return QLatin1Char('<') + text + QLatin1Char('>');
}

} // namespace

BLEServiceInfo::BLEServiceInfo(std::shared_ptr<IGattService> service, uint32_t retryCount,
                               QObject* parent)
    : QObject(parent), m_service(std::move(service)), m_retryCount(retryCount),
      m_name(m_service->serviceName()), m_uuid(GattText::uuid(m_service->serviceUuid())),
      m_type(typeText(m_service->type())), m_handover(std::make_unique<Handover>(this)) {
    connect(this, &BLEServiceInfo::triggerDiscoverDetail, this, &BLEServiceInfo::discoverDetail);
    connect(m_service.get(), &IGattService::stateChanged, this,
            &BLEServiceInfo::serviceDetailsDiscovered);
    connect(m_service.get(), &IGattService::characteristicChanged, this,
            &BLEServiceInfo::characteristicChanged);
    connect(m_service.get(), &IGattService::characteristicRead, this,
            &BLEServiceInfo::heldValueRead);
}

BLEServiceInfo::~BLEServiceInfo() = default;

QList<std::shared_ptr<BLECharacteristicInfo>> BLEServiceInfo::characteristics() const {
    std::lock_guard lock(m_mutex);
    return m_characteristics;
}

void BLEServiceInfo::discoverDetail() {
    {
        std::lock_guard lock(m_mutex);
        m_characteristics.clear();
    }
    switch (m_service->state()) {
    case QLowEnergyService::RemoteService:
        m_service->discoverDetails();
        break;
    case QLowEnergyService::RemoteServiceDiscovering:
        // The discovery under way reports through serviceDetailsDiscovered.
        break;
    default:
        processDetails();
        break;
    }
}

void BLEServiceInfo::serviceDetailsDiscovered(QLowEnergyService::ServiceState state) {
    if (state == QLowEnergyService::RemoteServiceDiscovering)
        return;
    if (state == QLowEnergyService::RemoteServiceDiscovered)
        processDetails();
    else
        reportLater(this, [this] { emit discoverDetailFinished(); });
}

void BLEServiceInfo::processDetails() {
    using P = QLowEnergyCharacteristic;
    const QBluetoothUuid configUuid(
        QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration);
    QList<std::shared_ptr<BLECharacteristicInfo>> list;
    QList<ConfigWrite> configWrites;
    {
        std::lock_guard lock(m_mutex);
        for (const auto& ch : m_service->characteristics()) {
            if (ch.has(P::Notify) || ch.has(P::Indicate)) {
                for (const auto& descriptor : ch.descriptors) {
                    if (descriptor.uuid != configUuid)
                        continue;
                    configWrites.append({descriptor, ch.has(P::Notify) ? P::CCCDEnableNotification
                                                                       : P::CCCDEnableIndication});
                    break;
                }
            }
            m_heldValues[ch.uuid] = ch.value;
            list.append(std::make_shared<BLECharacteristicInfo>(ch));
        }
        m_characteristics = list;
    }
    enableNotifications(std::move(configWrites));
}

// One configuration write per step, and the report only after the last one, so that no command
// goes out before its reply can be notified.
void BLEServiceInfo::enableNotifications(QList<ConfigWrite> pending) {
    if (pending.isEmpty()) {
        reportLater(this, [this] { emit discoverDetailFinished(); });
        return;
    }
    const ConfigWrite next = pending.takeFirst();
    m_service->writeDescriptor(next.descriptor, next.value);
    QTimer::singleShot(kConfigWriteSpacingMs, this,
                       [this, pending = std::move(pending)] { enableNotifications(pending); });
}

void BLEServiceInfo::characteristicChanged(const QBluetoothUuid& characteristic,
                                           const QByteArray& value) {
    {
        std::lock_guard lock(m_mutex);
        m_notifiedValues[characteristic] = value;
        m_heldValues[characteristic] = value;
    }
    m_notified.notify_all();
}

void BLEServiceInfo::heldValueRead(const QBluetoothUuid& characteristic, const QByteArray& value) {
    std::lock_guard lock(m_mutex);
    m_heldValues[characteristic] = value;
}

bool BLEServiceInfo::writeCharacteristic(const GattCharacteristic& ch, const QByteArray& value) {
    using P = QLowEnergyCharacteristic;
    if (!ch.isValid() ||
        !(ch.has(P::Write) || ch.has(P::WriteNoResponse) || ch.has(P::WriteSigned)))
        return false;
    const auto mode = ch.has(P::WriteNoResponse) ? QLowEnergyService::WriteWithoutResponse
                                                 : QLowEnergyService::WriteWithResponse;
    m_handover->run([this, ch, value, mode] { m_service->writeCharacteristic(ch, value, mode); });
    return true;
}

bool BLEServiceInfo::writeDescriptor(const GattDescriptor& descriptor, const QByteArray& value) {
    if (!descriptor.isValid())
        return false;
    m_handover->run([this, descriptor, value] { m_service->writeDescriptor(descriptor, value); });
    return true;
}

QByteArray BLEServiceInfo::readValue(const GattCharacteristic& ch) {
    using P = QLowEnergyCharacteristic;
    if (!ch.isValid())
        return {};
    if (ch.has(P::Read)) {
        m_handover->run([this, ch] { m_service->readCharacteristic(ch); });
        std::lock_guard lock(m_mutex);
        const auto held = m_heldValues.find(ch.uuid);
        return held == m_heldValues.end() ? ch.value : held->second;
    }
    if (!ch.has(P::Notify) && !ch.has(P::Indicate))
        return {};
    std::unique_lock lock(m_mutex);
    const auto wait = std::chrono::milliseconds(int64_t(m_retryCount) * kWaitStepMs);
    m_notified.wait_for(lock, wait, [&] { return m_notifiedValues.count(ch.uuid) > 0; });
    const auto node = m_notifiedValues.extract(ch.uuid);
    return node ? node.mapped() : QByteArray();
}

QByteArray BLEServiceInfo::readDescriptor(const GattDescriptor& descriptor) {
    if (!descriptor.isValid())
        return {};
    m_handover->run([this, descriptor] { m_service->readDescriptor(descriptor); });
    return descriptor.value;
}

void BLEServiceInfo::clearValue(const GattCharacteristic& ch) {
    std::lock_guard lock(m_mutex);
    m_notifiedValues.erase(ch.uuid);
}

} // namespace Ko

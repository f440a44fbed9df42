#include "link/ble/qtgattplatform.h"

#include <QLowEnergyDescriptor>

namespace Ko {

namespace {

class QtGattScanner : public IGattScanner {
public:
    QtGattScanner() {
        connect(&m_agent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this,
                &IGattScanner::deviceDiscovered);
        connect(&m_agent, &QBluetoothDeviceDiscoveryAgent::errorOccurred, this,
                &IGattScanner::errorOccurred);
        connect(&m_agent, &QBluetoothDeviceDiscoveryAgent::finished, this, &IGattScanner::finished);
    }
    void setLowEnergyDiscoveryTimeout(int ms) override { m_agent.setLowEnergyDiscoveryTimeout(ms); }
    void start() override { m_agent.start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod); }
    void stop() override { m_agent.stop(); }
    bool isActive() const override { return m_agent.isActive(); }
    QList<QBluetoothDeviceInfo> discoveredDevices() const override {
        return m_agent.discoveredDevices();
    }

private:
    QBluetoothDeviceDiscoveryAgent m_agent;
};

GattCharacteristic snapshot(const QLowEnergyCharacteristic& ch) {
    GattCharacteristic out{ch.uuid(), ch.name(), ch.value(), ch.properties(), {}};
    for (const auto& d : ch.descriptors())
        out.descriptors.append({ch.uuid(), d.uuid(), d.name(), d.value()});
    return out;
}

class QtGattService : public IGattService {
public:
    explicit QtGattService(QLowEnergyService* service) : m_service(service) {
        connect(m_service.get(), &QLowEnergyService::stateChanged, this,
                &IGattService::stateChanged);
        connect(m_service.get(), &QLowEnergyService::characteristicChanged, this,
                [this](const QLowEnergyCharacteristic& ch, const QByteArray& value) {
                    emit characteristicChanged(ch.uuid(), value);
                });
        connect(m_service.get(), &QLowEnergyService::characteristicRead, this,
                [this](const QLowEnergyCharacteristic& ch, const QByteArray& value) {
                    emit characteristicRead(ch.uuid(), value);
                });
    }
    QBluetoothUuid serviceUuid() const override { return m_service->serviceUuid(); }
    QString serviceName() const override { return m_service->serviceName(); }
    QLowEnergyService::ServiceTypes type() const override { return m_service->type(); }
    QLowEnergyService::ServiceState state() const override { return m_service->state(); }
    QList<GattCharacteristic> characteristics() const override {
        QList<GattCharacteristic> list;
        for (const auto& ch : m_service->characteristics())
            list.append(snapshot(ch));
        return list;
    }
    void discoverDetails() override { m_service->discoverDetails(); }
    void writeCharacteristic(const GattCharacteristic& ch, const QByteArray& value,
                             QLowEnergyService::WriteMode mode) override {
        m_service->writeCharacteristic(m_service->characteristic(ch.uuid), value, mode);
    }
    void writeDescriptor(const GattDescriptor& d, const QByteArray& value) override {
        m_service->writeDescriptor(descriptor(d), value);
    }
    void readCharacteristic(const GattCharacteristic& ch) override {
        m_service->readCharacteristic(m_service->characteristic(ch.uuid));
    }
    void readDescriptor(const GattDescriptor& d) override {
        m_service->readDescriptor(descriptor(d));
    }

private:
    QLowEnergyDescriptor descriptor(const GattDescriptor& d) const {
        return m_service->characteristic(d.characteristicUuid).descriptor(d.uuid);
    }

    const std::unique_ptr<QLowEnergyService> m_service;
};

class QtGattController : public IGattController {
public:
    explicit QtGattController(const QBluetoothDeviceInfo& device)
        : m_controller(QLowEnergyController::createCentral(device, this)) {
        connect(m_controller, &QLowEnergyController::connected, this, &IGattController::connected);
        connect(m_controller, &QLowEnergyController::disconnected, this,
                &IGattController::disconnected);
        connect(m_controller, &QLowEnergyController::errorOccurred, this,
                &IGattController::errorOccurred);
        connect(m_controller, &QLowEnergyController::serviceDiscovered, this,
                &IGattController::serviceDiscovered);
        connect(m_controller, &QLowEnergyController::discoveryFinished, this,
                &IGattController::discoveryFinished);
    }
    void connectToDevice(bool randomAddress) override {
        m_controller->setRemoteAddressType(randomAddress ? QLowEnergyController::RandomAddress
                                                         : QLowEnergyController::PublicAddress);
        m_controller->connectToDevice();
    }
    void disconnectFromDevice() override { m_controller->disconnectFromDevice(); }
    void discoverServices() override { m_controller->discoverServices(); }
    std::shared_ptr<IGattService> createService(const QBluetoothUuid& uuid) override {
        QLowEnergyService* service = m_controller->createServiceObject(uuid);
        if (!service)
            return nullptr;
        return std::make_shared<QtGattService>(service);
    }

private:
    QLowEnergyController* const m_controller;
};

} // namespace

std::unique_ptr<IGattScanner> QtGattPlatform::createScanner() {
    return std::make_unique<QtGattScanner>();
}

std::unique_ptr<IGattController>
QtGattPlatform::createController(const QBluetoothDeviceInfo& device) {
    return std::make_unique<QtGattController>(device);
}

} // namespace Ko

#pragma once

// The seam between the Bluetooth LE wrapper objects and the platform's GATT stack: scanning,
// one central connection per device, and the operations on one remote service. The real
// implementation drives Qt Bluetooth; tests put scripted devices behind it. Every object made
// here lives on the thread that made it and is used only there.
// Threads: main thread only.

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QByteArray>
#include <QList>
#include <QLowEnergyCharacteristic>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QObject>
#include <QString>

#include <memory>

namespace Ko {

// A snapshot of one descriptor as the service last knew it.
struct GattDescriptor {
    QBluetoothUuid characteristicUuid;
    QBluetoothUuid uuid;
    // The platform's name; empty when it has none.
    QString name;
    QByteArray value;

    bool isValid() const { return !uuid.isNull(); }
};

// A snapshot of one characteristic as the service last knew it.
struct GattCharacteristic {
    QBluetoothUuid uuid;
    QString name;
    QByteArray value;
    QLowEnergyCharacteristic::PropertyTypes properties;
    QList<GattDescriptor> descriptors;

    bool isValid() const { return !uuid.isNull(); }
    bool has(QLowEnergyCharacteristic::PropertyType p) const { return properties.testFlag(p); }
};

// Low Energy device discovery.
class IGattScanner : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void setLowEnergyDiscoveryTimeout(int ms) = 0;
    // Low Energy discovery only.
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    virtual QList<QBluetoothDeviceInfo> discoveredDevices() const = 0;

signals:
    void deviceDiscovered(const QBluetoothDeviceInfo& device);
    void errorOccurred(QBluetoothDeviceDiscoveryAgent::Error error);
    void finished();
};

// One remote service of a connected device.
class IGattService : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual QBluetoothUuid serviceUuid() const = 0;
    virtual QString serviceName() const = 0;
    virtual QLowEnergyService::ServiceTypes type() const = 0;
    virtual QLowEnergyService::ServiceState state() const = 0;
    // Empty until the details are discovered.
    virtual QList<GattCharacteristic> characteristics() const = 0;
    virtual void discoverDetails() = 0;
    virtual void writeCharacteristic(const GattCharacteristic& characteristic,
                                     const QByteArray& value,
                                     QLowEnergyService::WriteMode mode) = 0;
    virtual void writeDescriptor(const GattDescriptor& descriptor, const QByteArray& value) = 0;
    virtual void readCharacteristic(const GattCharacteristic& characteristic) = 0;
    virtual void readDescriptor(const GattDescriptor& descriptor) = 0;

signals:
    void stateChanged(QLowEnergyService::ServiceState state);
    // A notified or indicated value.
    void characteristicChanged(const QBluetoothUuid& characteristic, const QByteArray& value);
    // The answer to readCharacteristic.
    void characteristicRead(const QBluetoothUuid& characteristic, const QByteArray& value);
};

// The central-role connection to one device.
class IGattController : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void connectToDevice(bool randomAddress) = 0;
    virtual void disconnectFromDevice() = 0;
    virtual void discoverServices() = 0;
    // Empty when the device has no such service.
    virtual std::shared_ptr<IGattService> createService(const QBluetoothUuid& uuid) = 0;

signals:
    void connected();
    void disconnected();
    void errorOccurred(QLowEnergyController::Error error);
    void serviceDiscovered(const QBluetoothUuid& uuid);
    void discoveryFinished();
};

class IGattPlatform {
public:
    virtual ~IGattPlatform() = default;
    virtual std::unique_ptr<IGattScanner> createScanner() = 0;
    virtual std::unique_ptr<IGattController>
    createController(const QBluetoothDeviceInfo& device) = 0;
};

} // namespace Ko

#pragma once

// A scripted Bluetooth LE world behind the GATT seam: devices with their advertisements and
// services, a scanner that finds them, controllers that connect to them and services that
// answer requests by notification. Everything it makes lives on the test's thread and reports
// later through that thread's event loop, as the platform stack does. Every request it receives
// is recorded with the thread it arrived on.

#include "base/backgroundwork.h"
#include "base/tests/onthread.h"
#include "link/ble/bleserviceinfo.h"
#include "link/ble/igattplatform.h"

#include <QBluetoothAddress>
#include <QMetaObject>
#include <QPointer>
#include <QSignalSpy>
#include <QThread>

#include <chrono>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace Ko {

inline QBluetoothUuid uuid16(quint16 value) {
    return QBluetoothUuid(value);
}

// A characteristic of the given properties; with a configuration descriptor unless told not to.
inline GattCharacteristic gattCharacteristic(quint16 uuid,
                                             QLowEnergyCharacteristic::PropertyTypes properties,
                                             bool withConfig = true, QByteArray value = {}) {
    GattCharacteristic ch{uuid16(uuid), QString(), std::move(value), properties, {}};
    if (withConfig)
        ch.descriptors.append(
            {ch.uuid,
             QBluetoothUuid(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration),
             QStringLiteral("Client Characteristic Configuration"), QByteArray(2, '\0')});
    return ch;
}

struct FakeGattServiceScript {
    QBluetoothUuid uuid;
    QList<GattCharacteristic> characteristics;
    // Discovery of the details ends in the invalid state.
    bool detailsFail = false;
};

// The controller's service: write 0xc302, notify 0xc306.
inline FakeGattServiceScript controllerServiceScript(QBluetoothUuid uuid = uuid16(0xa002)) {
    using P = QLowEnergyCharacteristic;
    return {uuid,
            {gattCharacteristic(0xc302, P::Write | P::WriteNoResponse, false),
             gattCharacteristic(0xc306, P::Notify)}};
}

struct FakeGattDeviceScript {
    QBluetoothDeviceInfo info;
    QList<FakeGattServiceScript> services;
    bool connectFails = false;
};

// A Low Energy device with a null UUID, as Linux reports them, and the controller's tag.
inline QBluetoothDeviceInfo advertisedDevice(const QString& address, const QString& name,
                                             qint16 rssi, quint16 company = 11880,
                                             QByteArray data = "54806524") {
    QBluetoothDeviceInfo info(QBluetoothAddress(address), name, 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    info.setRssi(rssi);
    if (!data.isNull())
        info.setManufacturerData(company, data);
    return info;
}

struct FakeGattRequest {
    // The characteristic, also for a request to one of its descriptors.
    QBluetoothUuid target;
    QByteArray value;
    // -1 for a descriptor write, -2 for a read, else the characteristic write mode.
    int mode = 0;
    QThread* thread = nullptr;
};

class FakeGattService : public IGattService {
public:
    explicit FakeGattService(FakeGattServiceScript script) : m_script(std::move(script)) {}

    QBluetoothUuid serviceUuid() const override { return m_script.uuid; }
    QString serviceName() const override { return QStringLiteral("Fake service"); }
    QLowEnergyService::ServiceTypes type() const override { return serviceTypes; }
    QLowEnergyService::ServiceState state() const override { return m_state; }
    QList<GattCharacteristic> characteristics() const override {
        return m_state == QLowEnergyService::RemoteServiceDiscovered ? m_script.characteristics
                                                                     : QList<GattCharacteristic>();
    }
    void discoverDetails() override {
        setState(QLowEnergyService::RemoteServiceDiscovering);
        later([this] {
            setState(m_script.detailsFail ? QLowEnergyService::InvalidService
                                          : QLowEnergyService::RemoteServiceDiscovered);
        });
    }
    void writeCharacteristic(const GattCharacteristic& ch, const QByteArray& value,
                             QLowEnergyService::WriteMode mode) override {
        requests.push_back({ch.uuid, value, int(mode), QThread::currentThread()});
        if (ignoreWrites > 0) {
            --ignoreWrites;
            return;
        }
        const auto reply = replies.find(value);
        if (reply != replies.end())
            later([this, r = reply->second] { notify(uuid16(0xc306), r); });
        else if (const QByteArray r = answer ? answer(value) : QByteArray(); !r.isEmpty())
            later([this, r] { notify(uuid16(0xc306), r); });
    }
    void writeDescriptor(const GattDescriptor& d, const QByteArray& value) override {
        requests.push_back({d.characteristicUuid, value, -1, QThread::currentThread()});
    }
    void readCharacteristic(const GattCharacteristic& ch) override {
        requests.push_back({ch.uuid, {}, -2, QThread::currentThread()});
    }
    void readDescriptor(const GattDescriptor& d) override {
        requests.push_back({d.uuid, {}, -2, QThread::currentThread()});
    }

    void notify(const QBluetoothUuid& ch, const QByteArray& value) {
        emit characteristicChanged(ch, value);
    }
    void answerRead(const QBluetoothUuid& ch, const QByteArray& value) {
        emit characteristicRead(ch, value);
    }
    void setState(QLowEnergyService::ServiceState state) {
        m_state = state;
        emit stateChanged(state);
    }
    std::vector<FakeGattRequest> requestsOf(int mode) const {
        std::vector<FakeGattRequest> out;
        for (const auto& r : requests)
            if (r.mode == mode || (mode >= 0 && r.mode >= 0))
                out.push_back(r);
        return out;
    }

    QLowEnergyService::ServiceTypes serviceTypes = QLowEnergyService::PrimaryService;
    // A written value found here is answered by notifying 0xc306; any other by what answer
    // gives, unless that is empty.
    std::map<QByteArray, QByteArray> replies;
    std::function<QByteArray(const QByteArray&)> answer;
    int ignoreWrites = 0;
    std::vector<FakeGattRequest> requests;

private:
    template <class F>
    void later(F f) {
        QMetaObject::invokeMethod(this, std::move(f), Qt::QueuedConnection);
    }

    const FakeGattServiceScript m_script;
    QLowEnergyService::ServiceState m_state = QLowEnergyService::RemoteService;
};

class FakeGattPlatform;

class FakeGattController : public IGattController {
public:
    FakeGattController(FakeGattPlatform& platform, FakeGattDeviceScript script)
        : m_platform(platform), m_script(std::move(script)) {}
    void connectToDevice(bool randomAddress) override;
    void disconnectFromDevice() override;
    void discoverServices() override {
        QMetaObject::invokeMethod(
            this,
            [this] {
                for (const auto& s : m_script.services)
                    emit serviceDiscovered(s.uuid);
                // A service the stack lists but cannot make an object for.
                emit serviceDiscovered(uuid16(0xfff0));
                emit discoveryFinished();
            },
            Qt::QueuedConnection);
    }
    std::shared_ptr<IGattService> createService(const QBluetoothUuid& uuid) override;
    // The device goes away.
    void dropLink() { emit disconnected(); }

    const FakeGattDeviceScript& script() const { return m_script; }

private:
    FakeGattPlatform& m_platform;
    const FakeGattDeviceScript m_script;
};

class FakeGattScanner : public IGattScanner {
public:
    explicit FakeGattScanner(FakeGattPlatform& platform) : m_platform(platform) {}
    void setLowEnergyDiscoveryTimeout(int ms) override { timeoutMs = ms; }
    void start() override;
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }
    QList<QBluetoothDeviceInfo> discoveredDevices() const override;

    int timeoutMs = -1;
    std::vector<int> startTimeouts;

private:
    FakeGattPlatform& m_platform;
    bool m_active = false;
};

class FakeGattPlatform : public IGattPlatform {
public:
    std::unique_ptr<IGattScanner> createScanner() override {
        auto scanner = std::make_unique<FakeGattScanner>(*this);
        this->scanner = scanner.get();
        return scanner;
    }
    std::unique_ptr<IGattController> createController(const QBluetoothDeviceInfo& info) override {
        FakeGattDeviceScript script{info, {}, false};
        for (const auto& d : devices)
            if (d.info.address() == info.address() && d.info.deviceUuid() == info.deviceUuid())
                script = d;
        auto controller = std::make_unique<FakeGattController>(*this, script);
        controllers.append(controller.get());
        return controller;
    }
    // The controllers made for the device at address, oldest first.
    QList<FakeGattController*> controllersOf(const QString& address) const {
        QList<FakeGattController*> out;
        for (const auto& c : controllers)
            if (c && c->script().info.address().toString() == address)
                out.append(c);
        return out;
    }

    std::vector<FakeGattDeviceScript> devices;
    // Given to every service made: how its writes are answered.
    std::function<QByteArray(const QByteArray&)> answer;
    std::optional<QBluetoothDeviceDiscoveryAgent::Error> scanError;
    FakeGattScanner* scanner = nullptr;
    QList<QPointer<FakeGattController>> controllers;
    std::vector<std::shared_ptr<FakeGattService>> services;
    std::vector<QString> connects;
    int disconnects = 0;
};

inline void FakeGattController::connectToDevice(bool randomAddress) {
    m_platform.connects.push_back(m_script.info.address().toString() +
                                  (randomAddress ? " random" : " public"));
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_script.connectFails)
                emit errorOccurred(QLowEnergyController::ConnectionError);
            else
                emit connected();
        },
        Qt::QueuedConnection);
}

inline void FakeGattController::disconnectFromDevice() {
    ++m_platform.disconnects;
}

inline std::shared_ptr<IGattService> FakeGattController::createService(const QBluetoothUuid& uuid) {
    for (const auto& s : m_script.services) {
        if (s.uuid == uuid) {
            auto service = std::make_shared<FakeGattService>(s);
            service->answer = m_platform.answer;
            m_platform.services.push_back(service);
            return service;
        }
    }
    return nullptr;
}

inline void FakeGattScanner::start() {
    m_active = true;
    startTimeouts.push_back(timeoutMs);
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_platform.scanError)
                emit errorOccurred(*m_platform.scanError);
            else
                emit finished();
        },
        Qt::QueuedConnection);
}

inline QList<QBluetoothDeviceInfo> FakeGattScanner::discoveredDevices() const {
    QList<QBluetoothDeviceInfo> out;
    for (const auto& d : m_platform.devices)
        out.append(d.info);
    return out;
}

// A service element over fake whose details are discovered; empty when discovery never ended.
inline std::shared_ptr<BLEServiceInfo> discoveredService(std::shared_ptr<FakeGattService> fake,
                                                         uint32_t waitCount) {
    auto element = makeOnOwnerThread<BLEServiceInfo>(std::move(fake), waitCount);
    QSignalSpy finished(element.get(), &BLEServiceInfo::discoverDetailFinished);
    element->discoverDetail();
    // Immediate at rest; the bound only ends a discovery that never finishes.
    if (!finished.wait(30000))
        return nullptr;
    return element;
}

} // namespace Ko

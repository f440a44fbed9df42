#include "base/tests/datarow.h"
#include "link/ble/blecharacteristicinfo.h"
#include "link/ble/bledescriptorinfo.h"
#include "link/ble/bledeviceinfo.h"
#include "link/ble/blediscover.h"
#include "link/ble/bleserviceinfo.h"
#include "link/ble/gatttext.h"
#include "link/tests/fakegatt.h"

#include <QSignalSpy>
#include <QTest>

using namespace Ko;

namespace {

using P = QLowEnergyCharacteristic;

GattDescriptor descriptor(QBluetoothUuid uuid, QByteArray value = {}) {
    return {uuid16(0xc306), std::move(uuid), QString(), std::move(value)};
}

QString serviceTypeText(QLowEnergyService::ServiceTypes types) {
    auto fake = std::make_shared<FakeGattService>(controllerServiceScript());
    fake->serviceTypes = types;
    return BLEServiceInfo(fake, 1).serviceType();
}

} // namespace

class TestBLEGatt : public QObject {
    Q_OBJECT
private slots:
    void displayTexts_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        const auto ccc =
            QBluetoothUuid(QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration);
        const auto text = [](const GattCharacteristic& ch) { return BLECharacteristicInfo(ch); };

        QTest::newRow("16-bit UUID")
            << BLEDescriptorInfo(descriptor(ccc)).descriptorUuid() << "0x2902";
        dataRow(
            "16-bit UUID in full form",
            GattText::uuid(QBluetoothUuid(QStringLiteral("0000A002-0000-1000-8000-00805F9B34FB"))),
            "0xa002");
        dataRow("32-bit UUID", GattText::uuid(QBluetoothUuid(quint32(0x1234abcd))), "0x1234abcd");
        dataRow("128-bit UUID without braces",
                GattText::uuid(
                    QBluetoothUuid(QStringLiteral("{6E400001-B5A3-F393-E0A9-E50E24DCCA9E}"))),
                "6e400001-b5a3-f393-e0a9-e50e24dcca9e");
        dataRow("empty value", text(gattCharacteristic(0xc306, P::Notify)).characteristicValue(),
                "<none>");
        dataRow("value as text and hexadecimal",
                BLEDescriptorInfo(descriptor(ccc, QByteArray("=0A\r"))).descriptorValue(),
                "=0A\r\n3d30410d");
        dataRow("handle", text(gattCharacteristic(0xc306, P::Notify)).characteristicHandle(),
                "<handle>");
        dataRow("Read and Notify",
                text(gattCharacteristic(0xc306, P::Read | P::Notify)).characteristicPermission(),
                "(  Read Notify )");
        dataRow(
            "every property in order",
            text(gattCharacteristic(0xc306, P::PropertyTypes(0xff))).characteristicPermission(),
            "(  Read Write Notify Indicate ExtendedProperty Broadcast WriteNoResp WriteSigned )");
        dataRow("no property", text(gattCharacteristic(0xc306, {})).characteristicPermission(),
                "(  )");
        dataRow("descriptor 0x2902", BLEDescriptorInfo(descriptor(ccc)).descriptorType(),
                "Client Characteristic Configuration");
        dataRow("descriptor 0x290D", BLEDescriptorInfo(descriptor(uuid16(0x290d))).descriptorType(),
                "Environmental Sensing Trigger Setting");
        dataRow("descriptor 0x2909 has no name",
                BLEDescriptorInfo(descriptor(uuid16(0x2909))).descriptorType(), "Unknown");
        dataRow("128-bit descriptor has no name",
                BLEDescriptorInfo(descriptor(QBluetoothUuid::createUuid())).descriptorType(),
                "Unknown");
        auto named = gattCharacteristic(0xc306, P::Notify);
        named.name = QStringLiteral("Platform name");
        QTest::newRow("name from the platform")
            << text(named).characteristicName() << "Platform name";
        auto described = gattCharacteristic(0xc306, P::Notify);
        described.descriptors.append(
            {described.uuid,
             QBluetoothUuid(QBluetoothUuid::DescriptorType::CharacteristicUserDescription),
             QStringLiteral("Characteristic User Description"), QByteArray("Reply")});
        dataRow("name from the user description", text(described).characteristicName(), "Reply");
        dataRow("no name", text(gattCharacteristic(0xc306, P::Notify)).characteristicName(),
                "Unknown");
        dataRow("primary service", serviceTypeText(QLowEnergyService::PrimaryService), "<primary>");
        dataRow(
            "primary included service",
            serviceTypeText(QLowEnergyService::PrimaryService | QLowEnergyService::IncludedService),
            "<primary included>");
        QTest::newRow("secondary service") << serviceTypeText({}) << "<secondary>";
        const QBluetoothUuid id(QStringLiteral("{12345678-9abc-def0-1234-56789abcdef0}"));
        dataRow("device known by UUID",
                BLEDeviceInfo(nullptr, QBluetoothDeviceInfo(id, QStringLiteral("Mount"), 0), 1)
                    .deviceAddress(),
                "{12345678-9abc-def0-1234-56789abcdef0}");
        dataRow("device with a null UUID is known by its address",
                BLEDeviceInfo(nullptr, advertisedDevice("00:11:22:AA:BB:CC", "Mount", -50), 1)
                    .deviceAddress(),
                "00:11:22:AA:BB:CC");
    }
    void displayTexts() {
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown, expected);
    }

    void detailDiscoveryEnablesNotifications() {
        FakeGattServiceScript script{uuid16(0xa002),
                                     {gattCharacteristic(0xc301, P::Notify),
                                      gattCharacteristic(0xc302, P::Write, false),
                                      gattCharacteristic(0xc303, P::Indicate),
                                      gattCharacteristic(0xc304, P::Notify | P::Indicate),
                                      gattCharacteristic(0xc305, P::Notify, false)}};
        auto fake = std::make_shared<FakeGattService>(script);
        auto element = makeOnOwnerThread<BLEServiceInfo>(fake, 1);
        size_t writesAtFinish = 0;
        connect(element.get(), &BLEServiceInfo::discoverDetailFinished, this,
                [&] { writesAtFinish = fake->requests.size(); });
        QSignalSpy finished(element.get(), &BLEServiceInfo::discoverDetailFinished);

        // Asked for from a worker thread, done on the element's own.
        onThread([&] { emit element->triggerDiscoverDetail(); }).wait();
        QTRY_COMPARE(finished.size(), 1);

        const auto writes = fake->requestsOf(-1);
        QCOMPARE(writes.size(), size_t(3));
        const std::vector<std::pair<quint16, QByteArray>> expected = {
            {0xc301, QByteArray::fromHex("0100")},
            {0xc303, QByteArray::fromHex("0200")},
            {0xc304, QByteArray::fromHex("0100")}};
        for (size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(writes[i].target, uuid16(expected[i].first));
            QCOMPARE(writes[i].value, expected[i].second);
            QCOMPARE(writes[i].thread, QThread::currentThread());
        }
        QCOMPARE(fake->requests.size(), size_t(3));
        QCOMPARE(writesAtFinish, size_t(3));
        QCOMPARE(element->characteristics().size(), qsizetype(5));
        QCOMPARE(element->characteristics()[2]->characteristicUuid(), QStringLiteral("0xc303"));

        // Discovered already: a second request processes at once.
        emit element->triggerDiscoverDetail();
        QTRY_COMPARE(finished.size(), 2);
        QCOMPARE(element->characteristics().size(), qsizetype(5));
    }

    void failedDetailDiscoveryStillFinishes() {
        auto script = controllerServiceScript();
        script.detailsFail = true;
        auto fake = std::make_shared<FakeGattService>(script);
        auto element = makeOnOwnerThread<BLEServiceInfo>(fake, 1);
        QSignalSpy finished(element.get(), &BLEServiceInfo::discoverDetailFinished);
        element->discoverDetail();
        QTRY_COMPARE(finished.size(), 1);
        QVERIFY(element->characteristics().isEmpty());
        QVERIFY(fake->requests.empty());
    }

    // A readable characteristic never waits for a notification: it asks for a fresh value and
    // answers with the one held now.
    void readableCharacteristicAnswersAtOnce() {
        FakeGattServiceScript script{
            uuid16(0xa002), {gattCharacteristic(0xc306, P::Read | P::Notify, true, "held")}};
        auto fake = std::make_shared<FakeGattService>(script);
        auto element = discoveredService(fake, 1000);
        QVERIFY(element);
        const auto ch = element->characteristics().front()->characteristic();
        QCOMPARE(element->readValue(ch), QByteArray("held"));
        QCOMPARE(fake->requestsOf(-2).size(), size_t(1));
        fake->answerRead(ch.uuid, "fresh");
        QCOMPARE(element->readValue(ch), QByteArray("fresh"));
        QCOMPARE(element->readValue(GattCharacteristic()), QByteArray());
    }

    void writesGoOutOnTheOwnerThread_data() {
        QTest::addColumn<int>("properties");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("mode");
        const int refused = -1;
        QTest::newRow("write") << int(P::Write) << true
                               << int(QLowEnergyService::WriteWithResponse);
        dataRow("write without response preferred", int(P::Write | P::WriteNoResponse), true,
                int(QLowEnergyService::WriteWithoutResponse));
        dataRow("signed write", int(P::WriteSigned), true,
                int(QLowEnergyService::WriteWithResponse));
        QTest::newRow("read-only") << int(P::Read | P::Notify) << true << refused;
        QTest::newRow("invalid characteristic") << int(P::Write) << false << refused;
    }
    void writesGoOutOnTheOwnerThread() {
        QFETCH(int, properties);
        QFETCH(bool, valid);
        QFETCH(int, mode);
        auto fake = std::make_shared<FakeGattService>(controllerServiceScript());
        auto element = makeOnOwnerThread<BLEServiceInfo>(fake, 1);
        GattCharacteristic ch = gattCharacteristic(0xc302, P::PropertyTypes(properties), false);
        if (!valid)
            ch = GattCharacteristic{};

        const bool issued =
            onThread([&] { return element->writeCharacteristic(ch, ":e1\r"); }).get();
        QCOMPARE(issued, mode >= 0);
        QCoreApplication::processEvents();
        QCOMPARE(fake->requests.size(), size_t(mode >= 0 ? 1 : 0));
        if (mode < 0)
            return;
        QCOMPARE(fake->requests.front().mode, mode);
        QCOMPARE(fake->requests.front().value, QByteArray(":e1\r"));
        QCOMPARE(fake->requests.front().thread, QThread::currentThread());
    }

    void deviceConnectsFindsServicesAndLosesThem() {
        auto platform = std::make_shared<FakeGattPlatform>();
        const auto info = advertisedDevice("00:11:22:33:44:55", "Mount", -40);
        platform->devices.push_back(
            {info, {controllerServiceScript(), {uuid16(0x180f), {}}}, false});
        auto device = makeOnOwnerThread<BLEDeviceInfo>(platform, info, 7);
        QSignalSpy found(device.get(), &BLEDeviceInfo::scanFinished);
        QSignalSpy lost(device.get(), &BLEDeviceInfo::disconnected);

        onThread([&] { emit device->triggerConnect(); }).wait();
        QTRY_COMPARE(found.size(), 1);
        QCOMPARE(platform->connects, std::vector<QString>{"00:11:22:33:44:55 public"});
        // The service the stack could not make is left out.
        QCOMPARE(device->services().size(), qsizetype(2));
        QCOMPARE(device->services()[0]->serviceUuid(), QStringLiteral("0xa002"));

        platform->controllers.back()->dropLink();
        QTRY_COMPARE(lost.size(), 1);
        QVERIFY(device->services().isEmpty());
        QVERIFY(!device->controller());
        QCOMPARE(platform->disconnects, 1);

        // A connection that fails is reported as an error, with the platform's value.
        platform->devices.back().connectFails = true;
        QSignalSpy failed(device.get(), &BLEDeviceInfo::scanError);
        emit device->triggerConnect(true);
        QTRY_COMPARE(failed.size(), 1);
        QCOMPARE(failed.front().front().value<QLowEnergyController::Error>(),
                 QLowEnergyController::ConnectionError);
        QCOMPARE(platform->connects.back(), QStringLiteral("00:11:22:33:44:55 random"));
        QCOMPARE(found.size(), 1);
    }

    // Reports are queued to the element's own thread: one destroyed before its report is delivered
    // reports nothing, and one let go on a worker thread is destroyed on its own.
    void reportsNeverReachADestroyedObject() {
        auto platform = std::make_shared<FakeGattPlatform>();
        const auto info = advertisedDevice("00:11:22:33:44:55", "Mount", -40);
        platform->devices.push_back({info, {controllerServiceScript()}, false});
        auto device = makeOnOwnerThread<BLEDeviceInfo>(platform, info, 7);
        int reports = 0;
        QObject listener;
        connect(device.get(), &BLEDeviceInfo::scanFinished, &listener, [&] { ++reports; });
        connect(device.get(), &BLEDeviceInfo::disconnected, &listener, [&] { ++reports; });
        device->connectDevice();
        QTRY_VERIFY(!device->services().isEmpty());
        QTRY_COMPARE(reports, 1);

        const QPointer<FakeGattController> controller = platform->controllers.back();
        controller->dropLink();
        device.reset();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(reports, 1);
        QVERIFY(!controller);

        auto service =
            discoveredService(std::make_shared<FakeGattService>(controllerServiceScript()), 1);
        QVERIFY(service);
        QThread* destroyedOn = nullptr;
        connect(
            service.get(), &QObject::destroyed, &listener,
            [&] { destroyedOn = QThread::currentThread(); }, Qt::DirectConnection);
        onThread([held = std::move(service)]() mutable { held.reset(); }).wait();
        QTRY_VERIFY(destroyedOn);
        QCOMPARE(destroyedOn, QThread::currentThread());
    }

    void scanKeepsLowEnergyDevices() {
        auto platform = std::make_shared<FakeGattPlatform>();
        QBluetoothDeviceInfo classic(QBluetoothAddress(QStringLiteral("00:00:00:00:00:02")),
                                     QStringLiteral("Classic"), 0);
        classic.setCoreConfigurations(QBluetoothDeviceInfo::BaseRateCoreConfiguration);
        auto dual = advertisedDevice("00:00:00:00:00:03", "Dual", -70);
        dual.setCoreConfigurations(QBluetoothDeviceInfo::BaseRateAndLowEnergyCoreConfiguration);
        platform->devices = {{advertisedDevice("00:00:00:00:00:01", "LE", -60), {}, false},
                             {classic, {}, false},
                             {dual, {}, false}};
        auto discover = makeOnOwnerThread<BLEDiscover>(platform, 700, 5);
        QSignalSpy finished(discover.get(), &BLEDiscover::scanFinished);
        QSignalSpy state(discover.get(), &BLEDiscover::bluetoothStateChanged);

        discover->setDiscoveryTimeout(1200);
        onThread([&] {
            emit discover->triggerEnableBluetooth(true);
            emit discover->triggerStarScan();
        }).wait();
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(state.size(), 1);
        QCOMPARE(platform->scanner->startTimeouts, std::vector<int>{1200});
        QVERIFY(!discover->isActive());
        QCOMPARE(discover->devices().size(), qsizetype(2));
        QCOMPARE(discover->device(0)->deviceName(), QStringLiteral("LE"));
        QCOMPARE(discover->device(1)->deviceName(), QStringLiteral("Dual"));
        QVERIFY(!discover->device(2));
        QVERIFY(!discover->device(-1));

        platform->scanError = QBluetoothDeviceDiscoveryAgent::PoweredOffError;
        QSignalSpy failed(discover.get(), &BLEDiscover::scanError);
        emit discover->triggerStarScan();
        QTRY_COMPARE(failed.size(), 1);
        QCOMPARE(failed.front().front().value<QBluetoothDeviceDiscoveryAgent::Error>(),
                 QBluetoothDeviceDiscoveryAgent::PoweredOffError);
        QVERIFY(discover->devices().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBLEGatt)
#include "tst_blegatt.moc"

#include "base/cancellable.h"
#include "link/ble/blekoconnectablehelper.h"
#include "link/ble/blekodevicefactory.h"
#include "link/ble/qtgattplatform.h"
#include "link/connectablehelper.h"
#include "link/iconverser.h"
#include "link/ikoconverser.h"
#include "link/qtudpbroadcaster.h"
#include "link/tests/bytetext.h"
#include "link/tests/connecthelpertest.h"
#include "link/tests/fakegatt.h"
#include "link/udpconnectablehelper.h"
#include "link/udpkodevicefactory.h"

#include <QBluetoothLocalDevice>
#include <QElapsedTimer>
#include <QTest>

#include <atomic>

using namespace Ko;

namespace {

const QString kFirst = QStringLiteral("00:00:00:00:00:01");
const QString kSecond = QStringLiteral("00:00:00:00:00:02");

// The helper with the real device factory in front of scripted devices, reporting to a recorder
// as the connection procedure would.
struct BleRig {
    explicit BleRig(std::shared_ptr<IGattPlatform> gatt = nullptr) {
        settings->setType(ConnectionType_::BLE);
        settings->setReadTimeoutMs_BLE(0);
        settings->setDiscoveryTimeoutMs_BLE(300);
        helper = std::make_shared<BLEKoConnectableHelper>(
            settings,
            std::make_shared<BLEKoDeviceFactory>(
                settings, std::make_shared<TCCancellable>(std::make_shared<NullCancellable>())),
            gatt ? gatt : platform);
        recorder.listen(helper.get());
        helper->setHandler(recorder.handler());
    }
    ~BleRig() { recorder.clearSetups(); }

    // A controller at address with the controller's service answering the status inquiry.
    void addController(const QString& address, qint16 rssi, bool connectFails = false) {
        platform->devices.push_back({advertisedDevice(address, QString(), rssi),
                                     {controllerServiceScript()},
                                     connectFails});
    }
    QStringList titles() const {
        QStringList out;
        for (const auto& row : helper->devicesList().toList())
            out << row.value<IConnectableSearchResult>().title();
        return out;
    }
    FakeGattService& controllerService() { return *platform->services.back(); }
    DeviceSetupFinishedData lastSetup() { return recorder.setups().back().data; }

    std::shared_ptr<ConnectionSettings> settings = quickLinkSettings();
    std::shared_ptr<FakeGattPlatform> platform = std::make_shared<FakeGattPlatform>();
    std::shared_ptr<BLEKoConnectableHelper> helper;
    HelperRecorder recorder;
};

CmdResp<CBytes> exchange(const DeviceSetupFinishedData& setup, const char* request) {
    auto result = onThread([k = setup.koConverser, request] {
        return k->converseBytes(CBytes::fromCString(request));
    });
    if (!QTest::qWaitFor([&] { return isReady(result); }, 10000))
        return CmdResp<CBytes>(CmdRetType_::Other);
    return result.get();
}

} // namespace

class TestBLEConnectableHelper : public QObject {
    Q_OBJECT
private slots:
    void listsControllersStrongestFirst_data() {
        QTest::addColumn<QList<QBluetoothDeviceInfo>>("devices");
        QTest::addColumn<QStringList>("titles");
        const auto device = [](const char* address, const char* name, qint16 rssi,
                               quint16 company = 11880, QByteArray data = "54806524") {
            return advertisedDevice(QString::fromLatin1(address), QString::fromLatin1(name), rssi,
                                    company, data);
        };
        QTest::newRow("nothing advertised") << QList<QBluetoothDeviceInfo>{} << QStringList{};
        QTest::newRow("tag under another company")
            << QList{device("00:00:00:00:00:01", "A", -50, 11881)} << QStringList{};
        QTest::newRow("tag and one byte more")
            << QList{device("00:00:00:00:00:01", "A", -50, 11880, "548065240")} << QStringList{};
        QTest::newRow("tag one byte short")
            << QList{device("00:00:00:00:00:01", "A", -50, 11880, "5480652")} << QStringList{};
        QTest::newRow("other data")
            << QList{device("00:00:00:00:00:01", "A", -50, 11880, "54806525")} << QStringList{};
        QTest::newRow("no manufacturer data")
            << QList{device("00:00:00:00:00:01", "A", -50, 11880, QByteArray())} << QStringList{};
        QTest::newRow("strongest first") << QList{device("00:00:00:00:00:01", "Far", -75),
                                                  device("00:00:00:00:00:02", "Near", -60)}
                                         << QStringList{"Near", "Far"};
        QTest::newRow("others left out")
            << QList{device("00:00:00:00:00:01", "A", -80),
                     device("00:00:00:00:00:09", "X", -10, 76),
                     device("00:00:00:00:00:02", "B", -50), device("00:00:00:00:00:03", "C", -65)}
            << QStringList{"B", "C", "A"};
        QTest::newRow("no name: the address names it")
            << QList{device("00:00:00:00:00:01", "", -60),
                     device("00:00:00:00:00:02", "Named", -70)}
            << QStringList{"00:00:00:00:00:01", "Named"};
    }
    void listsControllersStrongestFirst() {
        QFETCH(QList<QBluetoothDeviceInfo>, devices);
        QFETCH(QStringList, titles);
        BleRig rig;
        for (const auto& info : devices)
            rig.platform->devices.push_back({info, {controllerServiceScript()}, false});
        QVERIFY(!rig.helper->devicesList().isValid());

        rig.helper->startConnect();
        QTRY_COMPARE(rig.recorder.statuses,
                     QStringList({"1||", "1|Searching|", "0|Search finished|"}));
        QCOMPARE(rig.titles(), titles);
        QVERIFY(rig.helper->devicesList().isValid());
        QVERIFY(rig.platform->connects.empty());
        QCOMPARE(rig.platform->scanner->startTimeouts, std::vector<int>{300});
    }

    void oneControllerConnectsAtOnce() {
        BleRig rig;
        rig.addController(kFirst, -70);
        rig.platform->devices.push_back(
            {advertisedDevice(kSecond, "Other", -30, 76), {controllerServiceScript()}, false});

        rig.helper->startConnect();
        QTRY_COMPARE(rig.recorder.setupCount(), size_t(1));
        QCOMPARE(rig.recorder.statuses, QStringList({"1||", "1|Searching|", "1|Connecting|"}));
        QCOMPARE(rig.titles(), QStringList{kFirst});
        QCOMPARE(rig.platform->connects, std::vector<QString>{kFirst + " public"});
        const auto setup = rig.recorder.setups().front();
        QVERIFY(setup.thread != std::this_thread::get_id());
        QCOMPARE(setup.data.deviceName, kFirst.toStdString());
        QVERIFY(setup.data.device && setup.data.converser && setup.data.converserTimeout);
        // Notifications were on before the graph was handed over.
        QCOMPARE(rig.controllerService().requestsOf(-1).size(), size_t(1));

        rig.controllerService().replies[":f1\r"] = "=111\r";
        const auto reply = exchange(setup.data, ":f1\r");
        QCOMPARE(int(reply.type), int(CmdRetType_::Ok));
        QCOMPARE(text(reply.value()), std::string("=111\r"));
    }

    void selectionNeedsAListedRow_data() {
        QTest::addColumn<bool>("scan");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("connected");
        QTest::newRow("before any scan") << false << 0 << QString();
        QTest::newRow("index -1") << true << -1 << QString();
        QTest::newRow("index past the list") << true << 2 << QString();
        QTest::newRow("second row") << true << 1 << kSecond;
        QTest::newRow("first row") << true << 0 << kFirst;
    }
    void selectionNeedsAListedRow() {
        QFETCH(bool, scan);
        QFETCH(int, index);
        QFETCH(QString, connected);
        BleRig rig;
        rig.addController(kFirst, -40);
        rig.addController(kSecond, -90);
        if (scan) {
            rig.helper->startConnect();
            QTRY_VERIFY(rig.recorder.statuses.endsWith("0|Search finished|"));
        }
        rig.helper->selectDevice(index);
        if (connected.isEmpty()) {
            // Queued like a real selection would be; nothing may follow it. Two rounds of events
            // let the queued selection run; should a loaded machine run it later, the checks
            // below still hold, so they cannot fail for want of time (only miss a fault).
            QCoreApplication::processEvents();
            QTest::qWait(0);
            QVERIFY(rig.platform->connects.empty());
            QVERIFY(!rig.recorder.statuses.endsWith("1|Connecting|"));
            return;
        }
        QTRY_COMPARE(rig.recorder.setupCount(), size_t(1));
        QCOMPARE(rig.platform->connects, std::vector<QString>{connected + " public"});
        QCOMPARE(rig.lastSetup().deviceName, connected.toStdString());
    }

    void connectFailureDropsTheList() {
        BleRig rig;
        rig.addController(kFirst, -40, true);
        rig.addController(kSecond, -90);
        rig.helper->startConnect();
        QTRY_VERIFY(rig.recorder.statuses.endsWith("0|Search finished|"));
        const int listChanges = rig.recorder.listChanges;

        rig.helper->selectDevice(0);
        QTRY_VERIFY(rig.recorder.statuses.endsWith("0|Connect fail|"));
        QCOMPARE(rig.recorder.statuses.mid(3), QStringList({"1|Connecting|", "0|Connect fail|"}));
        QVERIFY(!rig.helper->devicesList().isValid());
        QVERIFY(rig.recorder.listChanges > listChanges);

        // Nothing to select until a new search has finished.
        rig.helper->selectDevice(1);
        QCoreApplication::processEvents();
        QCOMPARE(rig.platform->connects.size(), size_t(1));
        QCOMPARE(rig.recorder.setupCount(), size_t(0));
    }

    void setupFinishesAfterServiceDiscovery_data() {
        QTest::addColumn<QList<FakeGattServiceScript>>("services");
        QTest::addColumn<int>("reply");
        using P = QLowEnergyCharacteristic;
        const FakeGattServiceScript battery{uuid16(0x180f), {gattCharacteristic(0x2a19, P::Read)}};
        QTest::newRow("no services") << QList<FakeGattServiceScript>{} << int(CmdRetType_::Timeout);
        QTest::newRow("no controller service") << QList{battery} << int(CmdRetType_::Timeout);
        QTest::newRow("controller service among others")
            << QList{battery, controllerServiceScript(), battery} << int(CmdRetType_::Ok);
    }
    // Whatever the device offers, the setup is handed over right after discovery; only a device
    // with the controller's service can carry commands.
    void setupFinishesAfterServiceDiscovery() {
        QFETCH(QList<FakeGattServiceScript>, services);
        QFETCH(int, reply);
        BleRig rig;
        rig.platform->devices.push_back({advertisedDevice(kFirst, "Mount", -50), services, false});
        rig.helper->startConnect();
        QTRY_COMPARE(rig.recorder.setupCount(), size_t(1));
        for (const auto& fake : rig.platform->services)
            fake->replies[":f1\r"] = "=111\r";
        QCOMPARE(int(exchange(rig.lastSetup(), ":f1\r").type), reply);
    }

    // The wait count comes from the stored read time-out at the scan: 0 ms gives half a second, far
    // below the 1.5 s of the default.
    void silentControllerTimesOutAfterTheSettingsWait() {
        BleRig rig;
        // Far from the default time-out (1000 ms, a wait of 1500) and from the other links' (300,
        // a wait of 800): the lower bound tells the setting's wait from theirs, and the upper one
        // can leave a loaded machine seconds.
        rig.settings->setReadTimeoutMs_BLE(2500);
        rig.addController(kFirst, -50);
        rig.helper->startConnect();
        QTRY_COMPARE(rig.recorder.setupCount(), size_t(1));
        const auto setup = rig.lastSetup();
        std::atomic<int> timeouts{0};
        connect(
            setup.converser.get(), &IConverser::converseTimeout, this, [&] { ++timeouts; },
            Qt::DirectConnection);

        QElapsedTimer timer;
        timer.start();
        QCOMPARE(int(exchange(setup, ":f1\r").type), int(CmdRetType_::Timeout));
        const qint64 waitedMs = timer.elapsed();
        QVERIFY2(waitedMs >= 2998 && waitedMs < 3000 + 7000, qPrintable(QString::number(waitedMs)));
        QCOMPARE(timeouts.load(), 1);
        QVERIFY(setup.converserTimeout->timedout());
    }

    // Each loss of the link is reported once, through the converser of the setup in use, however
    // often the device was connected before.
    void lostLinkReportsOneTimeout() {
        BleRig rig;
        rig.addController(kFirst, -50);
        rig.helper->startConnect();
        QTRY_COMPARE(rig.recorder.setupCount(), size_t(1));

        auto reports = std::make_shared<std::atomic<int>>(0);
        size_t heard = 0;
        for (int loss = 1; loss <= 3; ++loss) {
            if (loss > 1) {
                rig.helper->selectDevice(0);
                QTRY_COMPARE(rig.recorder.setupCount(), size_t(loss));
            }
            const auto setups = rig.recorder.setups();
            for (; heard < setups.size(); ++heard)
                connect(
                    setups[heard].data.converser.get(), &IConverser::converseTimeout, this,
                    [reports] { ++*reports; }, Qt::DirectConnection);
            rig.platform->controllersOf(kFirst).back()->dropLink();
            QTRY_COMPARE(reports->load(), loss);
        }
        // Each later round trip outlasts any late duplicate of an earlier report.
        QCOMPARE(reports->load(), 3);
        QCOMPARE(rig.recorder.setupCount(), size_t(3));
    }

    // The scan lists keep the device element; the connection must still end with the graph.
    void releasingTheGraphEndsTheLink() {
        BleRig rig;
        rig.addController(kFirst, -50);
        rig.helper->startConnect();
        QTRY_COMPARE(rig.recorder.setupCount(), size_t(1));
        QCOMPARE(rig.platform->disconnects, 0);
        rig.recorder.clearSetups();
        QTRY_COMPARE(rig.platform->disconnects, 1);
        QVERIFY(rig.helper->devicesList().isValid());
    }

    void selectionRoutesBluetoothToThisHelper() {
        BleRig rig;
        rig.addController(kFirst, -50);
        rig.addController(kSecond, -60);
        auto token = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
        auto udpHelper = std::make_shared<UDPConnectableHelper>(
            rig.settings, std::make_shared<QtUDPBroadcaster>(std::vector<UDPBroadcastEntry>{}),
            std::make_shared<UDPKoDeviceFactory>(rig.settings, token));
        ConnectableHelper selection(rig.settings, udpHelper, nullptr, rig.helper);
        HelperRecorder relayed;
        relayed.listen(&selection);

        selection.setHandler(relayed.handler());
        selection.startConnect();
        QTRY_COMPARE(relayed.statuses, QStringList({"1||", "1|Searching|", "0|Search finished|"}));
        QCOMPARE(selection.devicesList().toList().size(), qsizetype(2));
        selection.selectDevice(1);
        QTRY_COMPARE(relayed.setupCount(), size_t(1));
        QCOMPARE(relayed.setups().front().data.deviceName, kSecond.toStdString());
        QCOMPARE(rig.recorder.setupCount(), size_t(0));
        relayed.clearSetups();
    }

    // No adapter: the platform's own scanner fails, and the search ends without a list.
    void realScannerWithoutAdapterEndsTheSearch() {
        if (!QBluetoothLocalDevice::allDevices().isEmpty())
            QSKIP("this machine has a Bluetooth adapter");
        BleRig rig(std::make_shared<QtGattPlatform>());
        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder.statuses,
                                  QStringList({"1||", "1|Searching|", "0|Search finished|"}),
                                  30000);
        QVERIFY(!rig.helper->devicesList().isValid());
    }
};

QTEST_GUILESS_MAIN(TestBLEConnectableHelper)
#include "tst_bleconnectablehelper.moc"

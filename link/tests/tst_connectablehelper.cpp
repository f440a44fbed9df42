#include "base/cancellable.h"
#include "link/connectablehelper.h"
#include "link/ikodevice.h"
#include "link/qtudpbroadcaster.h"
#include "link/serialconnectablehelper.h"
#include "link/serialkodevicefactory.h"
#include "link/tests/connecthelpertest.h"
#include "link/tests/fakemotorcontroller.h"
#include "link/tests/fakemountnetwork.h"
#include "link/udpconnectablehelper.h"
#include "link/udpkodevicefactory.h"

#include <QTest>
#include <QThread>

#include <memory>
#include <thread>

using namespace Ko;

namespace {

// The real UDP and serial helpers, each with a mount on loopback or a pseudo-terminal, behind
// the selection. The UDP helper goes to its fixed address, so each start reaches a mount fast.
struct HelperRig {
    explicit HelperRig(bool withSerial = true) {
        settings->setSearchIP(false);
        settings->setFixedIP("127.0.0.2");
        settings->setSerialPortName(pty.name);
        net = std::make_unique<FakeMountNetwork>(
            std::vector<FakeMountNetwork::Mount>{{"127.0.0.2", CBytes::fromCString("=0A0B80\r")}});
        serialMount.setReply(":f1\r", "=111\r");
        serialServed = pty.isOpen() && serialMount.serveSerial(pty.master, pty.slave);

        auto token = std::make_shared<TCCancellable>(std::make_shared<NullCancellable>());
        udpHelper = std::make_shared<UDPConnectableHelper>(
            settings,
            std::make_shared<QtUDPBroadcaster>(
                std::vector<UDPBroadcastEntry>{{"127.0.0.1", FakeMountNetwork::kBroadcastAddress}},
                net->port()),
            std::make_shared<UDPKoDeviceFactory>(settings, token,
                                                 UDPMountRoute{"127.0.0.9", net->port()}));
        if (withSerial)
            serialHelper = std::make_shared<SerialConnectableHelper>(
                settings, std::make_shared<SerialKoDeviceFactory>(settings, token));
        helper = std::make_unique<ConnectableHelper>(settings, udpHelper, serialHelper, nullptr);
        recorder.listen(helper.get());
    }
    ~HelperRig() {
        [[maybe_unused]] const bool ended = QTest::qWaitFor([this] { return idle(); }, 10000);
        recorder.clearSetups();
    }
    bool ready() const { return net->isOpen() && serialServed; }
    bool idle() const {
        return udpHelper.use_count() <= 2 && (!serialHelper || serialHelper.use_count() <= 2);
    }
    std::string lastDeviceName() { return recorder.setups().back().data.deviceName; }

    PtyPair pty;
    FakeMotorController serialMount;
    bool serialServed = false;
    std::unique_ptr<FakeMountNetwork> net;
    std::shared_ptr<ConnectionSettings> settings = quickLinkSettings();
    std::shared_ptr<UDPConnectableHelper> udpHelper;
    std::shared_ptr<SerialConnectableHelper> serialHelper;
    std::unique_ptr<ConnectableHelper> helper;
    HelperRecorder recorder;
};

} // namespace

class TestConnectableHelper : public QObject {
    Q_OBJECT
private slots:
    void followsTheStoredTypeAtEveryCall() {
        HelperRig rig;
        QVERIFY(rig.ready());

        rig.settings->setType(ConnectionType_::Serial);
        rig.helper->setHandler(rig.recorder.handler());
        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder.setupCount(), size_t(1), 10000);
        QCOMPARE(rig.lastDeviceName(), std::string());
        QCOMPARE(rig.serialMount.requestCount(), size_t(1));
        QVERIFY(!rig.helper->devicesList().isValid());

        // No rebuild: the next calls go to the UDP helper.
        rig.settings->setType(ConnectionType_::UDP);
        rig.settings->setSearchIP(true);
        rig.helper->setModelFilter([](uint8_t id) { return id != 0x80; });
        rig.helper->setHandler(rig.recorder.handler());
        rig.helper->startConnect();
        QTRY_VERIFY_WITH_TIMEOUT(
            rig.recorder.statuses.endsWith(QStringLiteral("0|Search finished|")), 10000);
        QTRY_VERIFY(rig.idle());
        // The filter reached the UDP helper and refused the one mount; the list is the UDP one.
        QCOMPARE(rig.helper->devicesList().toList().size(), qsizetype(0));
        QVERIFY(rig.helper->devicesList().isValid());
        QCOMPARE(rig.recorder.setupCount(), size_t(1));

        rig.settings->setSearchIP(false);
        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder.setupCount(), size_t(2), 10000);
        QCOMPARE(rig.lastDeviceName(), std::string("127.0.0.2"));
        // The serial mount heard nothing more.
        QCOMPARE(rig.serialMount.requestCount(), size_t(1));
    }

    void emulatorRunsTheHandlerInsideStartConnect() {
        HelperRig rig;
        QVERIFY(rig.ready());
        rig.settings->setType(ConnectionType_::Emulator);
        QVERIFY(!rig.helper->devicesList().isValid());

        // Without a handler nothing happens.
        rig.helper->startConnect();
        QCOMPARE(rig.recorder.setupCount(), size_t(0));

        rig.helper->setModelFilter([](uint8_t) { return false; });
        rig.helper->setHandler(rig.recorder.handler());
        rig.helper->selectDevice(0);
        rig.helper->startConnect();
        QCOMPARE(rig.recorder.setupCount(), size_t(1));
        const auto setup = rig.recorder.setups().front();
        QCOMPARE(setup.thread, std::this_thread::get_id());
        QVERIFY(setup.data.device);
        QVERIFY(!setup.data.koConverser && !setup.data.converser && !setup.data.converserTimeout);
        QCOMPARE(setup.data.deviceName, std::string());
        // Every start makes a new emulated mount.
        rig.helper->startConnect();
        QCOMPARE(rig.recorder.setupCount(), size_t(2));
        const auto setups = rig.recorder.setups();
        QVERIFY(setups[0].data.device != setups[1].data.device);
        QVERIFY(rig.recorder.statuses.isEmpty());
        QCOMPARE(rig.serialMount.requestCount(), size_t(0));
        QVERIFY(rig.net->received().empty());
    }

    void unusableTypesFallBackOnUdp_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("emulatorEnabled");
        QTest::addColumn<bool>("withSerial");
        QTest::newRow("emulator switched off") << int(ConnectionType_::Emulator) << false << true;
        QTest::newRow("no BLE helper") << int(ConnectionType_::BLE) << true << true;
        QTest::newRow("no serial helper") << int(ConnectionType_::Serial) << true << false;
        QTest::newRow("stored type 7") << 7 << true << true;
        QTest::newRow("stored type -1") << -1 << true << true;
    }
    void unusableTypesFallBackOnUdp() {
        QFETCH(int, type);
        QFETCH(bool, emulatorEnabled);
        QFETCH(bool, withSerial);
        HelperRig rig(withSerial);
        QVERIFY(rig.ready());
        rig.settings->setType(static_cast<ConnectionType_::E>(type));
        rig.helper->setEmulatorEnabled(emulatorEnabled);

        rig.helper->setHandler(rig.recorder.handler());
        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder.setupCount(), size_t(1), 10000);
        QCOMPARE(rig.lastDeviceName(), std::string("127.0.0.2"));
        QTRY_COMPARE(rig.recorder.statuses, QStringList({"1||", "1|Connecting|"}));
    }

    void handlerStaysWithTheHelperItWasGivenTo() {
        HelperRig rig;
        QVERIFY(rig.ready());
        rig.settings->setType(ConnectionType_::UDP);
        rig.helper->setHandler(rig.recorder.handler());

        // The emulator, picked now, was given no handler.
        rig.settings->setType(ConnectionType_::Emulator);
        rig.helper->startConnect();
        QCOMPARE(rig.recorder.setupCount(), size_t(0));

        // The UDP helper kept the one it was given.
        rig.settings->setType(ConnectionType_::UDP);
        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder.setupCount(), size_t(1), 10000);
        QCOMPARE(rig.lastDeviceName(), std::string("127.0.0.2"));
    }

    void reportsOfEveryTransportReachTheCallerThread() {
        HelperRig rig;
        QVERIFY(rig.ready());
        rig.settings->setType(ConnectionType_::UDP);
        rig.settings->setSerialPortName("/nonexistent/ttyKO0");

        // The serial helper is not the picked one, yet its report comes through.
        rig.serialHelper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(
            rig.recorder.statuses,
            QStringList({"1|Connecting|", "0|Cannot Connect|Cannot open serial port"}), 10000);

        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder.statuses.size(), qsizetype(4), 10000);
        QCOMPARE(rig.recorder.statuses.mid(2), QStringList({"1||", "1|Connecting|"}));
        QCOMPARE(rig.recorder.listChanges, 1);
        // Re-emitted on the selection's own thread, where the connection procedure listens.
        for (QThread* thread : rig.recorder.statusThreads)
            QCOMPARE(thread, QThread::currentThread());
        QTRY_VERIFY(rig.idle());
    }
};

QTEST_GUILESS_MAIN(TestConnectableHelper)
#include "tst_connectablehelper.moc"

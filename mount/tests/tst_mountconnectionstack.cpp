#include "mountstackrig.h"

#include "base/backgroundwork.h"
#include "base/tests/datarow.h"
#include "link/iconnectablehelper.h"
#include "link/wifimodule/wmprogrammer.h"
#include "link/wifimodule/wmprogrammerplanner.h"
#include "mount/mountconnectable.h"
#include "mount/trackingui.h"
#include "mount/writablemountconnection.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <atomic>

using namespace Ko;

namespace {

// Keeps the model filter the session installs, and finds nothing.
class FilterKeepingHelper : public IConnectableHelper {
public:
    QVariant devicesList() override { return {}; }
    void startConnect() override { ++starts; }
    void selectDevice(int) override {}
    void setModelFilter(ModelFilter f) override { filter = std::move(f); }
    void setHandler(SetupHandler) override {}
    void setEmulatorEnabled(bool) override {}

    ModelFilter filter;
    int starts = 0;
};

// A restart or a dead link, while nothing but the link watch talks to the mount, is seen within
// this: a quiet second, then one status read with its resend (600 ms on these links), with room
// for a loaded machine.
constexpr int kSeenWithinMs = 6000;

// Status reads of the axis the controller received after the last stop of that axis; -1 when no
// stop arrived.
int statusReadsAfterStop(const FakeMotorController& fake, AXISID axis) {
    const std::string n = axisSlot(axis) == 0 ? "1" : "2";
    int reads = -1;
    for (const auto& r : fake.requests()) {
        const std::string t = text(r.bytes);
        if (t == ":K" + n + "\r")
            reads = 0;
        else if (t == ":f" + n + "\r" && reads >= 0)
            ++reads;
    }
    return reads;
}

// How many times the controller received the request (without its carriage return).
size_t timesSent(const FakeMotorController& fake, const std::string& request) {
    size_t n = 0;
    for (const auto& r : fake.requests())
        n += text(r.bytes) == request + "\r" ? 1 : 0;
    return n;
}

// An EQ mount on the classic controller over UDP loopback, the link kept when exchanges time
// out; the toasts it sends, as the main thread hears them.
struct DeadLinkRig {
    FakeController controller;
    std::unique_ptr<StackRig> rig;
    std::shared_ptr<IMount> mount;
    QStringList toasts;

    bool connect() {
        const uint16_t port = controller.fake.serveUdp();
        if (port == 0)
            return false;
        rig = std::make_unique<StackRig>(StackRig::loopbackRoutes(port));
        rig->useLoopbackUdp();
        rig->session->setTimeoutIsDisconnect(false);
        QObject::connect(rig->toasts.get(), &ToastManagerUIStub::shouldToast, &rig->receiver,
                         [this](const QString& text) { toasts << text; });
        if (!rig->connectMount())
            return false;
        mount = rig->holder->sharedMount();
        return mount != nullptr;
    }
    bool told(const QString& words) const {
        return std::any_of(toasts.begin(), toasts.end(),
                           [&](const QString& t) { return t.contains(words); });
    }
};
} // namespace

class TestMountConnectionStack : public QObject {
    Q_OBJECT
private slots:
    // The program registers its types at start-up, before any connection thread runs.
    void initTestCase() { qRegisterMetaType<TrailPointsTaskInfo>(); }

    // mode -1: no mount.
    void emulatedConnectionInEachModeChoice_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("prompted");
        QTest::addColumn<QVariant>("answer");
        QTest::addColumn<int>("mode");
        dataRow("setting EQ", int(DualModeChoice_::UseEQ), false, QVariant(), int(MountMode_::EQ));
        dataRow("setting AZ", int(DualModeChoice_::UseAZ), false, QVariant(), int(MountMode_::AZ));
        dataRow("prompt answered EQ", int(DualModeChoice_::PromptMode), true, QVariant(0),
                int(MountMode_::EQ));
        dataRow("prompt answered AZ", int(DualModeChoice_::PromptMode), true, QVariant(1),
                int(MountMode_::AZ));
        dataRow("prompt dismissed", int(DualModeChoice_::PromptMode), true, QVariant(), -1);
        dataRow("prompt answered out of range", int(DualModeChoice_::PromptMode), true, QVariant(2),
                -1);
    }
    void emulatedConnectionInEachModeChoice() {
        QFETCH(int, choice);
        QFETCH(bool, prompted);
        QFETCH(QVariant, answer);
        QFETCH(int, mode);
        StackRig rig;
        rig.connectionSettings->setDualModeChoice(DualModeChoice_::E(choice));
        QSignalSpy started(rig.session.get(), &IConnectable::sessionStarted);
        QSignalSpy mountChanges(rig.holder.get(), &IMountConnection::mountChanged_q);
        std::vector<bool> done;
        QCOMPARE(rig.session->nextActionText(), QStringLiteral("Connect"));
        QVERIFY(!rig.session->devicesList().isValid());

        rig.session->startSessionWithCallback([&](bool ok) { done.push_back(ok); });
        QCOMPARE(started.count(), 1);
        if (prompted) {
            QTRY_COMPARE(rig.modePrompts, 1);
            // The session waits for the answer, still connecting.
            QCOMPARE(rig.lastStatus(), QStringLiteral("1|Connecting|"));
            QVERIFY(!rig.holder->connected());
            rig.modePopup->setResult(answer);
        }
        if (mode < 0) {
            QTRY_COMPARE(rig.lastStatus(), QStringLiteral("0|Cannot Connect|"));
            QVERIFY(!rig.holder->connected());
            QVERIFY(done.empty());
            QCOMPARE(rig.sessionsDone, 0);
            QVERIFY(!rig.axisSlot->get());
            return;
        }
        QTRY_COMPARE(rig.lastStatus(), QStringLiteral("0|Connected|"));
        QCOMPARE(rig.modePrompts, prompted ? 1 : 0);
        QVERIFY(rig.holder->connected());
        const auto mount = rig.holder->sharedMount();
        QCOMPARE(int(mount->mountMode()), mode);
        QCOMPARE(mount->thread(), qApp->thread());
        QCOMPARE(int(rig.modeContainer->mountMode().value()), mode);
        QVERIFY(rig.axisSlot->get());
        QVERIFY(!rig.holder->hasWifi());
        QCOMPARE(mountChanges.count(), 1);
        QCOMPARE(rig.sessionsDone, 1);
        QCOMPARE(done, std::vector<bool>{true});
        QCOMPARE(rig.session->nextActionText(), QStringLiteral("Disconnect"));
        // Starting again while connected only opens the popup on the stored texts.
        rig.session->startSession();
        QCOMPARE(started.count(), 2);
        QCOMPARE(rig.holder->sharedMount(), mount);

        QVERIFY(rig.disconnectMount());
        QVERIFY(rig.session->busy());
        QVERIFY(!rig.modeContainer->mountMode().hasValue());
        QVERIFY(!rig.axisSlot->get());
        QCOMPARE(rig.sessionsDone, 2);
        QCOMPARE(done, std::vector<bool>{true});
        QCOMPARE(rig.session->nextActionText(), QStringLiteral("Connect"));
        QVERIFY(!rig.offMainThreadReports);
        QVERIFY(rig.mountChangesOnMainThread());
    }

    void doneCallbacksAndCancel() {
        StackRig rig;
        rig.connectionSettings->setDualModeChoice(DualModeChoice_::PromptMode);
        std::vector<bool> first, second, third;
        rig.session->startSessionWithCallback([&](bool ok) { first.push_back(ok); });
        rig.session->startSessionWithCallback([&](bool ok) { second.push_back(ok); });
        QTRY_COMPARE(rig.modePrompts, 2);

        // Closing the popup reports false; the connection under way still completes.
        rig.session->cancelSession();
        QCOMPARE(rig.sessionsDone, 1);
        QCOMPARE(second, std::vector<bool>{false});
        rig.modePopup->setResult(QVariant(0));
        QTRY_VERIFY(rig.holder->connected());
        QTRY_COMPARE(rig.sessionsDone, 2);
        // A second answer finds no question open.
        rig.modePopup->setResult(QVariant(1));
        // A check that nothing happens: a mode wrongly taken would show within this pause at rest;
        // on a loaded machine it may show only later, so the pause can miss a fault but never
        // fail a sound run.
        QTest::qWait(50);
        QCOMPARE(rig.holder->sharedMount()->mountMode(), MountMode_::EQ);
        QVERIFY(first.empty());
        QCOMPARE(second, std::vector<bool>{false});

        // Already connected: true at once, without opening the popup.
        QSignalSpy started(rig.session.get(), &IConnectable::sessionStarted);
        rig.session->startSessionWithCallback([&](bool ok) { third.push_back(ok); });
        QCOMPARE(third, std::vector<bool>{true});
        QCOMPARE(started.count(), 0);
        QVERIFY(first.empty());
    }

    // The connection procedure hands the helper a filter that keeps the boards with model id 8 and
    // 10 out of the search, and only those.
    void connectingRefusesModels8And10_data() {
        QTest::addColumn<int>("modelId");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("EQ board 0") << 0x00 << true;
        QTest::newRow("AZ board 0x80") << 0x80 << true;
        QTest::newRow("model 8") << 0x08 << false;
        QTest::newRow("model 10") << 0x0A << false;
        QTest::newRow("model 9") << 0x09 << true;
        QTest::newRow("model 2") << 0x02 << true;
        QTest::newRow("model 10 with the AZ bit") << 0x8A << true;
    }
    void connectingRefusesModels8And10() {
        QFETCH(int, modelId);
        QFETCH(bool, accepted);
        StackRig rig;
        auto helper = std::make_shared<FilterKeepingHelper>();
        auto session = std::make_shared<MountConnectable>(
            helper, std::make_shared<WritableMountConnection>(), rig.forwarder, nullptr, nullptr,
            rig.modeContainer, rig.modePopup, rig.perMountData, rig.connectionSettings,
            rig.appCore);
        session->startSession();
        QCOMPARE(helper->starts, 1);
        QVERIFY(helper->filter);
        QCOMPARE(helper->filter(uint8_t(modelId)), accepted);
    }

    void anotherMountResetsCoreSettings() {
        StackRig rig;
        QVERIFY(rig.connectMount());
        QVERIFY(rig.disconnectMount());
        rig.appCore->setBacklashAxisDefault(0.002);
        rig.appCore->setBacklashAxis1(0.01);
        rig.appCore->setBacklashAxis2(0.02);
        rig.appCore->setAutoguiderRate1(GuidingSpeed_::Sidereal);
        rig.appCore->setPScopeLight(0.7);

        // The same mount again keeps them.
        QVERIFY(rig.connectMount());
        QCOMPARE(rig.appCore->backlashAxis1(), 0.01);
        QCOMPARE(rig.appCore->pScopeLight(), 0.7);
        QVERIFY(rig.disconnectMount());

        // The same device in the other mode counts as another mount.
        rig.connectionSettings->setDualModeChoice(DualModeChoice_::UseAZ);
        QVERIFY(rig.connectMount());
        QCOMPARE(rig.appCore->backlashAxis1(), 0.002);
        QCOMPARE(rig.appCore->backlashAxis2(), 0.002);
        QCOMPARE(rig.appCore->autoguiderRate1(), GuidingSpeed_::X5);
        QCOMPARE(rig.appCore->autoguiderRate2(), GuidingSpeed_::X5);
        QCOMPARE(rig.appCore->pScopeLight(), 0.0);
    }

    // axis1 NaN: no mount.
    void parkDataAtConnection_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<double>("axis1");
        QTest::addColumn<double>("axis2");
        QTest::newRow("restore") << int(ParkDataLoadOption_::Load) << 0.25 << 1.0;
        // The EQ model's reference position.
        QTest::newRow("clear") << int(ParkDataLoadOption_::Discard) << -kPi / 2 << kPi / 2;
        QTest::newRow("cancel") << int(ParkDataLoadOption_::Cancel) << qQNaN() << qQNaN();
    }
    // The emulated mount is handed over on the main thread; the question must still be answerable
    // from there.
    void parkDataAtConnection() {
        QFETCH(int, answer);
        QFETCH(double, axis1);
        QFETCH(double, axis2);
        StackRig rig;
        QVERIFY(rig.connectMount());
        QVERIFY(rig.disconnectMount());
        rig.perMountData->setParkAxisPositions(std::pair{0.25, 1.0});

        rig.session->startSession();
        QTRY_COMPARE(rig.parkPrompts().size(), size_t(1));
        QVERIFY(rig.parkPrompts().front() != qApp->thread());
        rig.parkPrompt->setResult(ParkDataLoadOption_::E(answer));

        if (std::isnan(axis1)) {
            QTRY_COMPARE(rig.lastStatus(), QStringLiteral("0|Cannot Connect|Operation canceled"));
            QVERIFY(!rig.holder->connected());
            QVERIFY(!rig.modeContainer->mountMode().hasValue());
            QCOMPARE(rig.perMountData->parkAxisPositions().value(), (std::pair{0.25, 1.0}));
            return;
        }
        QTRY_VERIFY(rig.holder->connected());
        const auto read = rig.holder->sharedMount()->readAxisPositions();
        QVERIFY(read.isOk());
        QVERIFY(std::abs(read.value().first - axis1) < 1e-9);
        QVERIFY(std::abs(read.value().second - axis2) < 1e-9);
        QVERIFY(!rig.perMountData->parkAxisPositions().hasValue());
        QVERIFY(!rig.holder->sharedMount()->parked());
    }

    void udpLinkTimeOutEndsTheConnection() {
        FakeController controller;
        const uint16_t port = controller.fake.serveUdp();
        QVERIFY(port != 0);
        StackRig rig(StackRig::loopbackRoutes(port));
        rig.useLoopbackUdp();
        rig.session->setTimeoutIsDisconnect(true);

        QVERIFY(rig.connectMount());
        const auto mount = rig.holder->sharedMount();
        // Board model 0 without the dual-mode feature works as EQ.
        QCOMPARE(mount->mountMode(), MountMode_::EQ);
        QVERIFY(rig.holder->hasWifi());
        QCOMPARE(rig.holder->wifiName(), std::string("127.0.0.1"));
        QVERIFY(mount->readAxisPositions().isOk());

        controller.fake.setSilent(true);
        QElapsedTimer timer;
        timer.start();
        mount->readPositionAsync();
        QTRY_COMPARE_WITH_TIMEOUT(rig.session->statusText(), QStringLiteral("Disconnecting"),
                                  10000);
        // Every attempt of one exchange, then the queued disconnect: 600 ms at rest; the bound,
        // ten times that, tells it from a link that never gives up while a loaded machine runs
        // late.
        QVERIFY2(timer.elapsed() <= 10 * kReadTimeoutMs * (1 + kRetries),
                 qPrintable(QString::number(timer.elapsed())));
        QVERIFY(!rig.holder->connected());
        QVERIFY(!rig.holder->hasWifi());
        QVERIFY(!rig.modeContainer->mountMode().hasValue());
        QVERIFY(rig.mountChangesOnMainThread());
        QVERIFY(!rig.offMainThreadReports);
    }

    // A controller that restarts under a GoTo comes back with its counters at home: nothing may
    // drive the mount from them, the session ends and the user is told why. A link that only
    // dropped out carries on with the GoTo by itself.
    void controllerRestartDuringGoto_data() {
        QTest::addColumn<bool>("dropOut");
        QTest::addColumn<bool>("restart");
        dataRow("link drop-out only", true, false);
        dataRow("power cycle during a drop-out", true, true);
        dataRow("power cycle between two exchanges", false, true);
    }
    void controllerRestartDuringGoto() {
        QFETCH(bool, dropOut);
        QFETCH(bool, restart);
        SimRig s;
        QVERIFY(s.port != 0);
        StackRig& rig = *s.rig;
        QVERIFY(rig.connectMount());
        const auto mount = rig.holder->sharedMount();
        QVERIFY(s.sim.initialised(0) && s.sim.initialised(1));

        // Both axes forward, so that the GoTo needs no approach from below.
        const auto home = mount->axisPositions();
        MountTarget target;
        target.name = "axes";
        target.coord = {home.first + 0.3, home.second + 0.2, CoordType::MountAxes};
        QVERIFY(mount->slewToAsync(target));
        QTRY_VERIFY_WITH_TIMEOUT(s.sim.moving(0) && s.sim.moving(1), 10000);
        if (dropOut) {
            s.fake.setSilent(true);
            QTRY_VERIFY_WITH_TIMEOUT(rig.forwarder->timedout(), 10000);
        }
        s.sim.takeStarts();
        if (restart)
            s.sim.powerCycle();
        s.fake.setSilent(false);

        if (!restart) {
            // The GoTo goes on to its end as if nothing happened.
            QTRY_VERIFY_WITH_TIMEOUT((s.sim.arrive(), !mount->slewToTarget().hasValue()), 20000);
            QVERIFY(mount->lastGotoArrived());
            QVERIFY(rig.holder->connected());
            QVERIFY(s.toasts.isEmpty());
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(!rig.holder->connected(), 10000);
        QCOMPARE(rig.session->statusText(), QStringLiteral("Disconnecting"));
        QTRY_COMPARE_WITH_TIMEOUT(s.toasts.size(), 1, 10000);
        QVERIFY2(s.toasts.first().contains("restarted"), qPrintable(s.toasts.first()));
        // Nothing moved from the reset counters; the GoTo is over, and nothing tracks.
        QCOMPARE(s.sim.takeStarts(), 0);
        QCOMPARE(s.sim.counts(0), 0);
        QCOMPARE(s.sim.counts(1), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!mount->slewToTarget().hasValue(), 10000);
        QVERIFY(!mount->lastGotoArrived());
        QVERIFY(!mount->trackingEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!mount->realTracking(), 10000);
        // Connecting again sets the freshly started axes up as after switching on.
        QVERIFY(rig.connectMount());
        QVERIFY(s.sim.initialised(0) && s.sim.initialised(1));
        QVERIFY(rig.holder->sharedMount() != mount);
    }

    // An axis that runs when the mount is connected (a slew the link lost, a hand pad) is stopped
    // while connecting: the mount shows idle only once the controller reports it still.
    void axisFoundMovingIsStoppedWhileConnecting_data() {
        QTest::addColumn<bool>("axis1");
        QTest::addColumn<bool>("axis2");
        dataRow("nothing moves", false, false);
        dataRow("axis 1 moving", true, false);
        dataRow("axis 2 moving", false, true);
        dataRow("both moving", true, true);
    }
    void axisFoundMovingIsStoppedWhileConnecting() {
        QFETCH(bool, axis1);
        QFETCH(bool, axis2);
        SimRig s;
        QVERIFY(s.port != 0);
        // The axes decelerate over three status reads after their stop.
        s.sim.setStopReads(3);
        if (axis1)
            s.sim.startSlew(0, false);
        if (axis2)
            s.sim.startSlew(1, true);

        QVERIFY(s.rig->connectMount());
        QVERIFY(!s.sim.moving(0));
        QVERIFY(!s.sim.moving(1));
        QCOMPARE(s.sim.takeStops(), int(axis1) + int(axis2));
        const auto mount = s.rig->holder->sharedMount();
        QCOMPARE(mount->axisSlewState(0), 0);
        QCOMPARE(mount->axisSlewState(1), 0);
        QVERIFY(!mount->realTracking());
        QVERIFY(!mount->slewToTarget().hasValue());
        // The mount moves on the user's command as usual.
        mount->slewAxisAsync(0, 0.01);
        QTRY_VERIFY_WITH_TIMEOUT(s.sim.moving(0), 10000);
    }

    // A row picked in the device list while a mount is connected (a list still on screen) starts
    // nothing: over UDP the helper would set up a second link and replace the mount in use.
    void selectingADeviceWhileConnectedIsIgnored_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("the connected mount's row") << 0;
        QTest::newRow("another row") << 1;
    }
    void selectingADeviceWhileConnectedIsIgnored() {
        QFETCH(int, row);
        FakeController controller;
        const uint16_t port = controller.fake.serveUdp();
        QVERIFY(port != 0);
        StackRig rig(StackRig::loopbackRoutes(port));
        rig.connectionSettings->setType(ConnectionType_::UDP);
        rig.connectionSettings->setSearchIP(true);

        // The controller answers both the broadcast and the mount's own address (routed to
        // loopback here): two rows, and the user picks the first.
        rig.session->startSession();
        QTRY_COMPARE_WITH_TIMEOUT(rig.lastStatus(), QStringLiteral("0|Search finished|"), 10000);
        QCOMPARE(rig.session->devicesList().toList().size(), 2);
        rig.session->selectDevice(0);
        QTRY_VERIFY_WITH_TIMEOUT(rig.holder->connected() && !rig.session->busy(), 10000);
        const auto mount = rig.holder->sharedMount();
        const QStringList statuses = rig.statuses;
        // Every connection step has run: no work of the session is still under way.
        QTRY_COMPARE(backgroundJobCount(), 0);

        rig.session->selectDevice(row);
        // Whatever the choice started has ended and reported to this thread.
        QTRY_COMPARE(backgroundJobCount(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(rig.statuses, statuses);
        QCOMPARE(rig.holder->sharedMount(), mount);
        QCOMPARE(rig.sessionsDone, 1);
    }

    void lostBluetoothDeviceEndsTheConnection_data() {
        QTest::addColumn<bool>("timeoutIsDisconnect");
        QTest::newRow("time-outs keep the session") << false;
        QTest::newRow("time-outs end the session") << true;
    }
    // A scripted Bluetooth LE controller that goes away: the session ends, whatever its time-out
    // flag says, and no time-out of a command is needed to notice.
    void lostBluetoothDeviceEndsTheConnection() {
        QFETCH(bool, timeoutIsDisconnect);
        const auto gatt = bluetoothController();
        MountLinkRoutes routes = StackRig::loopbackRoutes(0);
        routes.gattPlatform = gatt;
        StackRig rig(std::move(routes));
        rig.connectionSettings->setType(ConnectionType_::BLE);
        rig.connectionSettings->setDiscoveryTimeoutMs_BLE(300);
        rig.session->setTimeoutIsDisconnect(timeoutIsDisconnect);

        QVERIFY(rig.connectMount());
        // The connection procedure's inquiries went over the scripted link.
        QCOMPARE(rig.session->statusText(), QStringLiteral("Connected"));
        QCOMPARE(rig.holder->sharedMount()->mountMode(), MountMode_::EQ);

        gatt->controllersOf(QStringLiteral("00:00:00:00:00:01")).back()->dropLink();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.holder->connected(), 5000);
        QVERIFY(rig.statuses.contains(QStringLiteral("1|Disconnecting|")));
        QVERIFY(!rig.modeContainer->mountMode().hasValue());
        QVERIFY(rig.mountChangesOnMainThread());
        QVERIFY(!rig.offMainThreadReports);
    }

    void serialConnectionOverAPseudoTerminal() {
        PtyPair pty;
        FakeController controller;
        QVERIFY(pty.isOpen() && controller.fake.serveSerial(pty.master, pty.slave));
        StackRig rig;
        rig.connectionSettings->setType(ConnectionType_::Serial);
        rig.connectionSettings->setSerialPortName(pty.name);

        QVERIFY(rig.connectMount());
        const auto mount = rig.holder->sharedMount();
        QCOMPARE(mount->mountMode(), MountMode_::EQ);
        QVERIFY(mount->readAxisPositions().isOk());
        QVERIFY(rig.disconnectMount());
        QVERIFY(!rig.axisSlot->get());
        QVERIFY(!rig.offMainThreadReports);
    }

    void holderNotifiesOnChangesOnly() {
        StackRig rig;
        QVERIFY(rig.connectMount());
        const auto mount = rig.holder->sharedMount();
        WritableMountConnection holder;
        int fired = 0;
        holder.mountChanged.append([&] { ++fired; });
        QSignalSpy mountChanges(&holder, &IMountConnection::mountChanged_q);
        QSignalSpy wifiChanges(&holder, &IMountConnection::wifiChanged_q);

        holder.setMount(mount);
        holder.setMount(mount);
        QCOMPARE(fired, 1);
        QCOMPARE(mountChanges.count(), 1);
        QVERIFY(holder.connected());
        QCOMPARE(holder.mount(), mount.get());

        const auto wifi = std::make_shared<WMProgrammerPlanner>(
            std::make_shared<WMProgrammer>(nullptr, "192.0.2.1"),
            std::make_shared<TCCancellable>(std::make_shared<NullCancellable>()));
        holder.setWifi(wifi, "first");
        holder.setWifi(wifi, "second");
        QCOMPARE(wifiChanges.count(), 1);
        QCOMPARE(holder.wifiName(), std::string("first"));
        QVERIFY(holder.hasWifi());

        // A reader keeps the mount it took, whatever the holder does next.
        const auto kept = holder.sharedMount();
        holder.disconnect();
        QCOMPARE(fired, 2);
        QCOMPARE(mountChanges.count(), 2);
        QCOMPARE(wifiChanges.count(), 2);
        QVERIFY(!holder.hasWifi());
        QCOMPARE(holder.wifiName(), std::string());
        QCOMPARE(kept, mount);

        holder.disconnect();
        QCOMPARE(fired, 2);
        QCOMPARE(mountChanges.count(), 2);
        QCOMPARE(wifiChanges.count(), 2);
    }

    void holderRelaysTheMountsNotifications() {
        StackRig rig;
        QVERIFY(rig.connectMount());
        const auto mount = rig.holder->sharedMount();
        // Counted on this thread: the relays fire on whatever thread the mount reports from.
        QObject receiver;
        int positions = 0;
        int slewStates = 0;
        QObject::connect(rig.holder.get(), &IMountConnection::positionChanged, &receiver,
                         [&] { ++positions; });
        QObject::connect(rig.holder.get(), &IMountConnection::slewToStateChanged, &receiver,
                         [&] { ++slewStates; });

        // A reading finished on a pool thread.
        mount->readPositionAsync();
        QTRY_VERIFY(positions >= 1);
        std::thread([&] { mount->slewToStateChanged(); }).join();
        QTRY_COMPARE(slewStates, 1);

        // A short GoTo reports its start and end through the holder.
        const auto at = mount->readAxisPositions().value();
        MountTarget target;
        target.name = "axes";
        target.coord = U_ASTRO_COORD{at.first + 0.01, at.second - 0.01, CoordType::MountAxes};
        QVERIFY(mount->slewToAsync(target));
        QTRY_VERIFY_WITH_TIMEOUT(slewStates >= 3 && !mount->slewToTarget().hasValue(), 10000);
    }

    // A stop given while the link is dead (the controller silent, the mount on the far side
    // maybe still moving): until the mount has taken it, the stop is pending, so nothing reads
    // the mount as still, and the user is told that the mount does not answer. The stop is sent
    // again until the link is back, then taken, and the mount settles.
    void stopOnADeadLinkIsPendingUntilTaken_data() {
        QTest::addColumn<QString>("motion");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<QString>("stopRequest");
        QTest::newRow("abort of a manual slew") << "slew1"
                                                << "abort"
                                                << ":K1";
        QTest::newRow("pad released") << "slew2"
                                      << "release2"
                                      << ":K2";
        QTest::newRow("tracking switched off") << "tracking"
                                               << "trackingOff"
                                               << ":K1";
        QTest::newRow("GoTo cancelled") << "goto"
                                        << "abort"
                                        << ":K2";
    }
    void stopOnADeadLinkIsPendingUntilTaken() {
        QFETCH(QString, motion);
        QFETCH(QString, stop);
        QFETCH(QString, stopRequest);
        DeadLinkRig link;
        QVERIFY(link.connect());
        FakeMotorController& fake = link.controller.fake;
        const std::shared_ptr<IMount> mount = link.mount;

        // The motion is under way: the mount has taken its start.
        if (motion == "slew1") {
            mount->slewAxisAsync(0, 0.01);
            QTRY_VERIFY(timesSent(fake, ":J1") > 0);
        } else if (motion == "slew2") {
            mount->slewAxisAsync(1, 0.01);
            QTRY_VERIFY(timesSent(fake, ":J2") > 0);
        } else if (motion == "tracking") {
            mount->setTrackingEnabled(true);
            QTRY_VERIFY(mount->acknowledgedTracking().on);
        } else {
            QVERIFY(mount->slewToAsync(MountTarget{"Target", {0.3, 0.2, CoordType::MountAxes}, 0}));
            QTRY_VERIFY(timesSent(fake, ":J1") > 0);
        }
        QTRY_VERIFY(!mount->stopPending());

        fake.setSilent(true);
        if (stop == "abort")
            mount->abortSlewAsync();
        else if (stop == "release2")
            mount->slewAxisAsync(1, 0.0);
        else
            mount->setTrackingEnabled(false);
        QVERIFY(mount->stopPending());
        QTRY_VERIFY_WITH_TIMEOUT(link.told("does not answer"), 10000);
        QVERIFY(mount->stopPending());
        if (motion == "tracking")
            QVERIFY(mount->acknowledgedTracking().on);

        fake.clearRequests();
        fake.setSilent(false);
        QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
        // Taken means the mount answered for the axis once the link was back: it took the stop
        // sent again, or its status read showed the axis standing (what comes first depends on
        // where the resend was when the link returned).
        QString statusRequest = stopRequest;
        statusRequest.replace(QLatin1Char('K'), QLatin1Char('f'));
        QVERIFY(timesSent(fake, stopRequest.toStdString()) > 0 ||
                timesSent(fake, statusRequest.toStdString()) > 0);
        QVERIFY(!mount->acknowledgedTracking().on);
    }

    // The user disconnects after a GoTo was cancelled on a dead link: a stop still pending goes
    // with the mount, and the user hears that the mount may still be moving; a stop the mount took
    // before leaves nothing to say.
    void disconnectWithAStopPending_data() {
        QTest::addColumn<bool>("linkBack");
        dataRow("link still dead", false);
        dataRow("link back, stop taken", true);
    }
    void disconnectWithAStopPending() {
        QFETCH(bool, linkBack);
        DeadLinkRig link;
        QVERIFY(link.connect());
        FakeMotorController& fake = link.controller.fake;
        QVERIFY(
            link.mount->slewToAsync(MountTarget{"Target", {0.3, 0.2, CoordType::MountAxes}, 0}));
        QTRY_VERIFY(timesSent(fake, ":J1") > 0);
        fake.setSilent(true);
        link.mount->abortSlewAsync();
        QTRY_VERIFY_WITH_TIMEOUT(link.told("does not answer"), 10000);
        if (linkBack) {
            fake.setSilent(false);
            QTRY_VERIFY_WITH_TIMEOUT(!link.mount->stopPending(), 10000);
        }
        QCOMPARE(link.mount->stopPending(), !linkBack);

        const std::weak_ptr<IMount> released = std::exchange(link.mount, nullptr);
        QVERIFY(link.rig->disconnectMount());
        QTRY_VERIFY_WITH_TIMEOUT(released.expired(), 10000);
        const QString words = QStringLiteral("before the stop reached the mount");
        QTRY_COMPARE_WITH_TIMEOUT(int(link.toasts.filter(words).size()), linkBack ? 0 : 1, 10000);
        QCoreApplication::processEvents();
        QCOMPARE(int(link.toasts.filter(words).size()), linkBack ? 0 : 1);
    }

    // Hibernating where the mount stands reads its axes first. On a dead link that read fails:
    // nothing parks, the user is told that the mount does not answer, and no park follows when
    // the link is back. On a live link the mount parks without a word.
    void hibernateHereOnADeadLink_data() {
        QTest::addColumn<bool>("silent");
        QTest::newRow("link dead") << true;
        QTest::newRow("link alive") << false;
    }
    void hibernateHereOnADeadLink() {
        QFETCH(bool, silent);
        DeadLinkRig link;
        QVERIFY(link.connect());
        FakeMotorController& fake = link.controller.fake;
        const std::shared_ptr<IMount> mount = link.mount;
        const QString noAnswer = IMount::noAnswerText();

        fake.setSilent(silent);
        mount->parkAsync(false);
        if (!silent) {
            QTRY_VERIFY_WITH_TIMEOUT(mount->parked(), 10000);
            QVERIFY(!link.told(noAnswer));
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(link.told(noAnswer), 10000);
        QVERIFY(!mount->parked());
        fake.setSilent(false);
        QTRY_VERIFY_WITH_TIMEOUT(mount->linkAnswering(), 10000);
        QVERIFY(!mount->parked());
        QCOMPARE(link.toasts.count(noAnswer), 1);
    }

    // PPEC training started, or stopped while it runs, on a dead link (and playback switched the
    // same way): the command goes out unanswered, the user hears that the mount does not answer,
    // and the mount reports the state as it confirmed it last. On a live link the command is
    // taken without a word.
    void ppecOnADeadLink_data() {
        QTest::addColumn<bool>("playback");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("silent");
        dataRow("training start, link dead", false, true, true);
        dataRow("training stop during training, link dead", false, false, true);
        dataRow("training start, link alive", false, true, false);
        dataRow("training stop during training, link alive", false, false, false);
        dataRow("playback on, link dead", true, true, true);
        dataRow("playback off while on, link dead", true, false, true);
        dataRow("playback on, link alive", true, true, false);
    }
    void ppecOnADeadLink() {
        QFETCH(bool, playback);
        QFETCH(bool, on);
        QFETCH(bool, silent);
        DeadLinkRig link;
        QVERIFY(link.connect());
        FakeMotorController& fake = link.controller.fake;
        const std::shared_ptr<IMount> mount = link.mount;
        const QString noAnswer = IMount::noAnswerText();
        const auto set = [&](bool value) {
            if (playback)
                mount->setPpecPlaybackAsync(value);
            else
                mount->setPpecTrainingAsync(value);
        };
        const auto confirmed = [&] {
            return playback ? mount->lastPpecPlayback() : mount->lastPpecTraining();
        };
        if (!on) {
            set(true);
            QTRY_VERIFY_WITH_TIMEOUT(confirmed(), 10000);
        }
        // Announced on the worker that ran the exchange.
        std::atomic<int> changes{0};
        QObject receiver;
        QObject::connect(
            mount.get(),
            playback ? &IMount::lastPpecPlaybackChanged : &IMount::lastPpecTrainingChanged,
            &receiver, [&] { ++changes; }, Qt::DirectConnection);
        fake.clearRequests();
        fake.setSilent(silent);
        // Training on, off; playback on, off.
        const std::string request =
            playback ? (on ? ":W1020000" : ":W1030000") : (on ? ":W1000000" : ":W1010000");
        set(on);
        if (silent) {
            QTRY_VERIFY_WITH_TIMEOUT(link.told(noAnswer), 10000);
            QVERIFY(timesSent(fake, request) > 0);
            QCOMPARE(confirmed(), !on);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(confirmed(), on, 10000);
            QCOMPARE(timesSent(fake, request), size_t(1));
        }
        QTRY_COMPARE(changes.load(), silent ? 0 : 1);
        QCoreApplication::processEvents();
        QCOMPARE(int(link.toasts.count(noAnswer)), silent ? 1 : 0);
        QCOMPARE(changes.load(), silent ? 0 : 1);
    }

    // A tracking choice made while the link is dead shows only once the mount has taken it.
    void trackingChoiceShowsOnceTaken_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("switched on")
            << int(TrackingStatus_::Idle) << int(TrackingStatus_::Sidereal);
        QTest::newRow("another rate")
            << int(TrackingStatus_::Sidereal) << int(TrackingStatus_::Lunar);
        QTest::newRow("switched off")
            << int(TrackingStatus_::Sidereal) << int(TrackingStatus_::Idle);
    }
    void trackingChoiceShowsOnceTaken() {
        QFETCH(int, before);
        QFETCH(int, after);
        DeadLinkRig link;
        QVERIFY(link.connect());
        FakeMotorController& fake = link.controller.fake;
        TrackingUI ui(link.rig->holder);

        ui.setTrackingStatus(TrackingStatus_::E(before));
        QTRY_COMPARE(int(ui.trackingStatus()), before);
        fake.setSilent(true);
        const size_t sent = fake.requestCount();
        ui.setTrackingStatus(TrackingStatus_::E(after));
        // Sent and sent again, unanswered.
        QVERIFY(fake.waitForRequests(sent + 2, 10000));
        QCoreApplication::processEvents();
        QCOMPARE(int(ui.trackingStatus()), before);

        fake.setSilent(false);
        QTRY_COMPARE_WITH_TIMEOUT(int(ui.trackingStatus()), after, 10000);
    }
    // While the mount only tracks, or stands idle, nothing else talks to it: the link watch still
    // sees a controller that restarted (the session ends, as for a restart under a GoTo) and a
    // link that stopped answering (the header's time-out state and linkAnswering say so; what the
    // mount took last still shows). A silent spell that ends without a restart leaves the mount
    // as it was, tracking as it took it.
    void linkWatchSeesWhatHappensWhileTheMountOnlyTracks_data() {
        QTest::addColumn<bool>("tracking");
        QTest::addColumn<bool>("silentSpell");
        QTest::addColumn<bool>("restart");
        dataRow("power cycle while only tracking", true, false, true);
        dataRow("power cycle while idle", false, false, true);
        dataRow("silent spell while only tracking", true, true, false);
        dataRow("silent spell while idle", false, true, false);
        dataRow("power cycle during a silent spell", true, true, true);
    }
    void linkWatchSeesWhatHappensWhileTheMountOnlyTracks() {
        QFETCH(bool, tracking);
        QFETCH(bool, silentSpell);
        QFETCH(bool, restart);
        SimRig s;
        QVERIFY(s.port != 0);
        StackRig& rig = *s.rig;
        rig.session->setTimeoutIsDisconnect(false);
        QVERIFY(rig.connectMount());
        const auto mount = rig.holder->sharedMount();
        TrackingUI ui(rig.holder);
        // Counted on this thread, as QML hears them.
        int restarts = 0;
        int answeringChanges = 0;
        QObject::connect(mount.get(), &IMount::controllerRestarted, &rig.receiver,
                         [&] { ++restarts; });
        QObject::connect(mount.get(), &IMount::linkAnsweringChanged, &rig.receiver,
                         [&] { ++answeringChanges; });
        if (tracking) {
            mount->setTrackingEnabled(true);
            QTRY_VERIFY_WITH_TIMEOUT(mount->acknowledgedTracking().on, 10000);
            QVERIFY(s.sim.moving(0));
        }
        const int shown = int(tracking ? TrackingStatus_::Sidereal : TrackingStatus_::Idle);
        QTRY_COMPARE(int(ui.trackingStatus()), shown);
        // No page reads the position.
        QVERIFY(!mount->positionUpdating());
        QVERIFY(mount->linkAnswering());
        QVERIFY(!rig.forwarder->timedout());

        if (silentSpell) {
            s.fake.setSilent(true);
            QTRY_VERIFY_WITH_TIMEOUT(!mount->linkAnswering(), kSeenWithinMs);
            QVERIFY(rig.forwarder->timedout());
            QTRY_VERIFY(answeringChanges >= 1);
            QCOMPARE(int(ui.trackingStatus()), shown);
            QVERIFY(rig.holder->connected());
        }
        if (restart)
            s.sim.powerCycle();
        s.fake.setSilent(false);

        if (restart) {
            QTRY_VERIFY_WITH_TIMEOUT(!rig.holder->connected(), kSeenWithinMs);
            QTRY_COMPARE(restarts, 1);
            QTRY_VERIFY_WITH_TIMEOUT(!s.toasts.isEmpty(), 10000);
            QVERIFY2(s.toasts.first().contains("restarted"), qPrintable(s.toasts.first()));
            QVERIFY(!mount->trackingEnabled());
            QCOMPARE(int(ui.trackingStatus()), int(TrackingStatus_::Idle));
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(mount->linkAnswering(), kSeenWithinMs);
        QVERIFY(!rig.forwarder->timedout());
        QTRY_VERIFY(answeringChanges >= 2);
        QVERIFY(rig.holder->connected());
        QCOMPARE(restarts, 0);
        QVERIFY(s.toasts.isEmpty());
        QCOMPARE(mount->trackingEnabled(), tracking);
        QCOMPARE(mount->acknowledgedTracking().on, tracking);
        QCOMPARE(mount->realTracking(), tracking);
        QCOMPARE(int(ui.trackingStatus()), shown);
        QCOMPARE(s.sim.moving(0), tracking);
    }

    // What the watch costs where nothing else talks to the mount: one status inquiry a second,
    // the axes in turn. The figure is written to the test's output.
    void linkWatchCostsOneStatusReadASecond_data() {
        QTest::addColumn<bool>("tracking");
        dataRow("idle", false);
        dataRow("only tracking", true);
    }
    void linkWatchCostsOneStatusReadASecond() {
        QFETCH(bool, tracking);
        SimRig s;
        QVERIFY(s.port != 0);
        QVERIFY(s.rig->connectMount());
        const auto mount = s.rig->holder->sharedMount();
        if (tracking) {
            mount->setTrackingEnabled(true);
            QTRY_VERIFY_WITH_TIMEOUT(mount->acknowledgedTracking().on, 10000);
        }

        constexpr size_t kCounted = 5;
        s.fake.clearRequests();
        QElapsedTimer timer;
        timer.start();
        QVERIFY(s.fake.waitForRequests(kCounted, 20000));
        const double seconds = double(timer.elapsed()) / 1000;
        const auto requests = s.fake.requests();
        QVERIFY(requests.size() >= kCounted);
        for (size_t i = 0; i < kCounted; ++i) {
            const std::string r = text(requests[i].bytes);
            QVERIFY2(r == ":f1\r" || r == ":f2\r", r.c_str());
            if (i > 0)
                QVERIFY(r != text(requests[i - 1].bytes));
        }
        // The first of them may come at once: kCounted - 1 whole intervals.
        const double perSecond = double(kCounted - 1) / seconds;
        qInfo("link watch, %s: %.2f exchanges per second", tracking ? "only tracking" : "idle",
              perSecond);
        QVERIFY2(perSecond <= 1.5, qPrintable(QString::number(perSecond)));
    }

    // While the periodic position read keeps the link busy, the watch pays nothing: the only
    // status reads are the axes' own checks before a position read (each followed at once by that
    // axis's position), one per axis every couple of seconds. A watch that read its second anyway
    // would put status reads of its own between them.
    void linkWatchPaysNothingWhileThePositionIsRead_data() {
        QTest::addColumn<bool>("tracking");
        dataRow("idle", false);
        dataRow("only tracking", true);
    }
    void linkWatchPaysNothingWhileThePositionIsRead() {
        QFETCH(bool, tracking);
        SimRig s;
        QVERIFY(s.port != 0);
        QVERIFY(s.rig->connectMount());
        const auto mount = s.rig->holder->sharedMount();
        if (tracking) {
            mount->setTrackingEnabled(true);
            QTRY_VERIFY_WITH_TIMEOUT(mount->acknowledgedTracking().on, 10000);
        }
        mount->setPositionUpdating(true);
        QVERIFY(s.fake.waitForRequests(s.fake.requestCount() + 2, 10000));

        // Four seconds of position reads, two a second per axis: the watch would have read four
        // times in them.
        constexpr size_t kPositionReads = 16;
        s.fake.clearRequests();
        QVERIFY(s.fake.waitForRequests(kPositionReads + 8, 20000));
        const auto requests = s.fake.requests();
        size_t positions = 0;
        size_t statuses = 0;
        for (size_t i = 0; i < requests.size(); ++i) {
            const std::string r = text(requests[i].bytes);
            if (r == ":j1\r" || r == ":j2\r") {
                ++positions;
                continue;
            }
            QVERIFY2(r == ":f1\r" || r == ":f2\r", r.c_str());
            ++statuses;
            // The last request may be a status read whose position read has not arrived yet.
            if (i + 1 < requests.size())
                QCOMPARE(text(requests[i + 1].bytes), ":j" + r.substr(2));
        }
        QVERIFY2(positions >= kPositionReads, qPrintable(QString::number(positions)));
        qInfo("link busy with the position read: %zu status reads to %zu position reads", statuses,
              positions);
    }

    // An axis brakes for a while after it took a stop: until it is seen still, the stop is
    // pending, so the servers read the mount as slewing and the GoTo dialog stays on "Stopping".
    void stopStaysPendingUntilTheAxisIsSeenStill_data() {
        QTest::addColumn<QString>("motion");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<int>("axis");
        dataRow("abort of a slew", QString("slew1"), QString("abort"), 0);
        dataRow("pad released", QString("slew2"), QString("release2"), 1);
        dataRow("GoTo cancelled", QString("goto"), QString("abort"), 0);
    }
    void stopStaysPendingUntilTheAxisIsSeenStill() {
        QFETCH(QString, motion);
        QFETCH(QString, stop);
        QFETCH(int, axis);
        SimRig s;
        QVERIFY(s.port != 0);
        QVERIFY(s.rig->connectMount());
        const auto mount = s.rig->holder->sharedMount();
        // A stop takes effect only once the test lets the axes settle.
        s.sim.setStopReads(1 << 30);

        if (motion == "slew1") {
            mount->slewAxisAsync(0, 0.01);
        } else if (motion == "slew2") {
            mount->slewAxisAsync(1, 0.01);
        } else {
            const auto home = mount->axisPositions();
            QVERIFY(mount->slewToAsync(MountTarget{
                "Target", {home.first + 0.3, home.second + 0.2, CoordType::MountAxes}, 0}));
            QTRY_VERIFY_WITH_TIMEOUT(s.sim.moving(1), 10000);
        }
        QTRY_VERIFY_WITH_TIMEOUT(s.sim.moving(AXISID(axis)), 10000);
        QVERIFY(!mount->stopPending());

        s.fake.clearRequests();
        if (stop == "abort")
            mount->abortSlewAsync();
        else
            mount->slewAxisAsync(1, 0.0);
        QVERIFY(mount->stopPending());
        // The mount took the stop and has read the braking axis since, more than once.
        QTRY_VERIFY_WITH_TIMEOUT(statusReadsAfterStop(s.fake, AXISID(axis)) >= 2, 10000);
        QVERIFY(s.sim.moving(AXISID(axis)));
        QVERIFY(mount->stopPending());
        QVERIFY(!mount->slewToTarget().hasValue());

        s.sim.settle();
        QTRY_VERIFY_WITH_TIMEOUT(!mount->stopPending(), 10000);
        QVERIFY(!s.sim.moving(0));
        QVERIFY(!s.sim.moving(1));
    }
};

QTEST_MAIN(TestMountConnectionStack)
#include "tst_mountconnectionstack.moc"

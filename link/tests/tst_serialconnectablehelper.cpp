#include "base/cancellable.h"
#include "base/tests/datarow.h"
#include "link/iconverser.h"
#include "link/ikodevice.h"
#include "link/iserialport.h"
#include "link/koconverser.h"
#include "link/kodevice.h"
#include "link/koserialportconverser.h"
#include "link/qtserialport.h"
#include "link/serialconnectablehelper.h"
#include "link/serialkodevicefactory.h"
#include "link/slconverser.h"
#include "link/tests/connecthelpertest.h"
#include "link/tests/fakemotorcontroller.h"

#include <QTest>

#include <memory>
#include <mutex>
#include <thread>

using namespace Ko;

namespace {

const std::string kStatusProbe = ":f1\r";
const std::string kStatusReply = "=111\r";
// 'W' to axis 1 with (115200 / 100) << 8 | 0x0D, least significant byte first.
const std::string kSwitchTo115200 = ":W10D8004\r";

using Exchange = std::pair<std::string, int>;

constexpr int kReadTimeoutMs = 2000;
// A connection attempt: up to three probes wait out the read time-out.
constexpr int kAttemptMs = 4 * kReadTimeoutMs + 10000;

// A mount on the far side of a pseudo-terminal, and the helper with its real port and converser.
struct SerialRig {
    SerialRig() {
        // At rest the fake answers a probe on the pseudo-terminal within a few milliseconds; a
        // loaded machine may keep its thread waiting for hundreds. A reply later than the read
        // time-out turns a probe the mount answers into one it ignores, and the negotiation takes
        // another road, so the bound is generous; the probes meant to go unanswered wait it out.
        settings->setReadTimeoutMs_other(kReadTimeoutMs);
        settings->setSerialPortName(pty.name);
        fake.setReply(kStatusProbe, kStatusReply);
        fake.setReply(kSwitchTo115200, "=\r");
        served = pty.isOpen() && fake.serveSerial(pty.master, pty.slave);
        makeHelper(std::make_shared<SerialKoDeviceFactory>(
            settings, std::make_shared<TCCancellable>(std::make_shared<NullCancellable>())));
    }
    void makeHelper(std::shared_ptr<ISerialKoDeviceFactory> factory) {
        helper = std::make_shared<SerialConnectableHelper>(settings, std::move(factory));
        recorder.listen(helper.get());
        helper->setHandler(recorder.handler());
    }
    ~SerialRig() {
        [[maybe_unused]] const bool ended = QTest::qWaitFor([this] { return idle(); }, kAttemptMs);
        helper.reset();
        // The graph holds the port open; close it before the far side goes away.
        recorder.clearSetups();
    }
    bool idle() const { return helper.use_count() == 1; }
    std::vector<Exchange> exchanges() const {
        std::vector<Exchange> list;
        for (const auto& r : fake.requests())
            list.emplace_back(r.bytes.toStdString(), r.baud);
        return list;
    }

    PtyPair pty;
    FakeMotorController fake;
    bool served = false;
    std::shared_ptr<ConnectionSettings> settings = quickLinkSettings();
    std::shared_ptr<SerialConnectableHelper> helper;
    HelperRecorder recorder;
};

// What was done to a line, in order, as "open", "rts off", "baud 9600", "write"; a change of
// the request-to-send line on a closed port is marked "(closed)".
class LineLog {
public:
    void add(std::string event) {
        std::lock_guard lock(m_mutex);
        m_events.push_back(std::move(event));
    }
    std::vector<std::string> events() const {
        std::lock_guard lock(m_mutex);
        return m_events;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_events;
};

// Refuses one line speed, as a port driver without it would, and logs what is done to the line;
// everything else goes to the port.
class FakeSerialPort : public ISerialPort {
public:
    FakeSerialPort(std::shared_ptr<ISerialPort> port, int32_t refusedBaud,
                   std::shared_ptr<LineLog> log = std::make_shared<LineLog>())
        : m_port(std::move(port)), m_refusedBaud(refusedBaud), m_log(std::move(log)) {}
    bool open() override {
        m_log->add("open");
        return m_port->open();
    }
    bool isOpen() override { return m_port->isOpen(); }
    bool write(const CBytes& data) override {
        m_log->add("write");
        return m_port->write(data);
    }
    bool readByte(int timeoutMs, uint8_t& out) override { return m_port->readByte(timeoutMs, out); }
    void clear() override { m_port->clear(); }
    bool setBaudRate(int32_t baud) override {
        m_log->add("baud " + std::to_string(baud));
        return baud != m_refusedBaud && m_port->setBaudRate(baud);
    }
    bool setRequestToSend(bool on) override {
        m_log->add(std::string(on ? "rts on" : "rts off") + (isOpen() ? "" : " (closed)"));
        return m_port->setRequestToSend(on);
    }
    bool clearToSend(bool& out) override { return m_port->clearToSend(out); }

private:
    std::shared_ptr<ISerialPort> m_port;
    int32_t m_refusedBaud;
    std::shared_ptr<LineLog> m_log;
};

// The real graph over a logging port, built as the real factory builds it.
class LoggingFactory : public ISerialKoDeviceFactory {
public:
    LoggingFactory(std::shared_ptr<IConnectionSettings> settings, std::shared_ptr<LineLog> log)
        : m_settings(std::move(settings)), m_log(std::move(log)) {}
    SerialKoDeviceGraph create(const std::string& portName) override {
        auto port =
            std::make_shared<FakeSerialPort>(std::make_shared<QtSerialPort>(portName), 0, m_log);
        auto serial = std::make_shared<KoSerialPortConverser>(
            m_settings, port, std::make_shared<TCCancellable>(std::make_shared<NullCancellable>()));
        auto sl = std::make_shared<SLConverser>(serial);
        auto ko = std::make_shared<KoConverser>(sl);
        return {std::make_shared<KoDevice>(ko), ko, sl, sl, port};
    }

private:
    std::shared_ptr<IConnectionSettings> m_settings;
    std::shared_ptr<LineLog> m_log;
};

const QString kSerialConnecting = QStringLiteral("1|Connecting|");

} // namespace

class TestSerialConnectableHelper : public QObject {
    Q_OBJECT
private slots:
    void speedNegotiation_data() {
        QTest::addColumn<int>("answerBaud");
        QTest::addColumn<int>("ignoreFirst");
        QTest::addColumn<bool>("refuseSwitch");
        QTest::addColumn<std::vector<Exchange>>("expected");
        QTest::addColumn<int>("finalBaud");

        dataRow("mount at 115200", 115200, 0, false, std::vector<Exchange>{{kStatusProbe, 115200}},
                115200);
        dataRow("mount at 9600 accepts the switch", 9600, 0, false,
                std::vector<Exchange>{{kStatusProbe, 115200},
                                      {kStatusProbe, 9600},
                                      {kStatusProbe, 115200},
                                      {kSwitchTo115200, 9600}},
                115200);
        dataRow("mount at 9600 refuses the switch", 9600, 0, true,
                std::vector<Exchange>{{kStatusProbe, 115200},
                                      {kStatusProbe, 9600},
                                      {kStatusProbe, 115200},
                                      {kSwitchTo115200, 9600}},
                9600);
        // Woken by the first probe, it then answers at both speeds: no switch, the line stays slow.
        dataRow("mount answering both speeds once woken", 0, 1, false,
                std::vector<Exchange>{
                    {kStatusProbe, 115200}, {kStatusProbe, 9600}, {kStatusProbe, 115200}},
                9600);
    }
    void speedNegotiation() {
        QFETCH(int, answerBaud);
        QFETCH(int, ignoreFirst);
        QFETCH(bool, refuseSwitch);
        QFETCH(std::vector<Exchange>, expected);
        QFETCH(int, finalBaud);
        SerialRig rig;
        QVERIFY(rig.served);
        rig.fake.setAnswerBaud(answerBaud);
        rig.fake.ignoreNext(ignoreFirst);
        if (refuseSwitch)
            rig.fake.setReply(kSwitchTo115200, "!0\r");
        // Serial mounts are never filtered by model.
        rig.helper->setModelFilter([](uint8_t) { return false; });

        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder.setupCount(), size_t(1), kAttemptMs);
        QTRY_VERIFY(rig.idle());

        QCOMPARE(rig.exchanges(), expected);
        QCOMPARE(rig.fake.portBaud(), finalBaud);
        QTRY_COMPARE(rig.recorder.statuses, QStringList{kSerialConnecting});
        QVERIFY(!rig.helper->devicesList().isValid());

        const auto setup = rig.recorder.setups().front();
        QVERIFY(setup.thread != std::this_thread::get_id());
        QCOMPARE(setup.data.deviceName, std::string());
        QVERIFY(setup.data.koConverser && setup.data.device && setup.data.converserTimeout);
        QCOMPARE(dynamic_cast<IConverserTimeout*>(setup.data.converser.get()),
                 setup.data.converserTimeout.get());
        // The handed-over graph holds the open port and talks at the settled speed.
        rig.fake.setAnswerBaud(finalBaud);
        QVERIFY(setup.data.device->readStatus(0).isOk());
    }

    void mountAtNeitherSpeed() {
        SerialRig rig;
        QVERIFY(rig.served);
        rig.fake.setSilent(true);

        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(
            rig.recorder.statuses,
            QStringList(
                {kSerialConnecting, QStringLiteral("0|Cannot Connect|Communication error")}),
            kAttemptMs);
        QTRY_VERIFY(rig.idle());
        QCOMPARE(rig.exchanges(),
                 (std::vector<Exchange>{{kStatusProbe, 115200}, {kStatusProbe, 9600}}));
        QCOMPARE(rig.recorder.setupCount(), size_t(0));
    }

    void portThatDoesNotExist() {
        SerialRig rig;
        rig.settings->setSerialPortName("/nonexistent/ttyKO0");

        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(
            rig.recorder.statuses,
            QStringList(
                {kSerialConnecting, QStringLiteral("0|Cannot Connect|Cannot open serial port")}),
            kAttemptMs);
        QTRY_VERIFY(rig.idle());
        QCOMPARE(rig.recorder.setupCount(), size_t(0));
        QCOMPARE(rig.fake.requestCount(), size_t(0));
    }

    void portRefusingASpeed() {
        SerialRig rig;
        QVERIFY(rig.served);
        rig.fake.setAnswerBaud(9600);
        auto graph = SerialKoDeviceFactory(rig.settings, std::make_shared<TCCancellable>(
                                                             std::make_shared<NullCancellable>()))
                         .create(rig.pty.name);
        QVERIFY(graph.port->open());

        // Without 9600 a mount that answers only there is not reached.
        FakeSerialPort no9600(graph.port, 9600);
        QVERIFY(!negotiateSerialBaud(no9600, *graph.device));
        QCOMPARE(rig.exchanges(), (std::vector<Exchange>{{kStatusProbe, 115200}}));

        FakeSerialPort no115200(graph.port, 115200);
        QVERIFY(!negotiateSerialBaud(no115200, *graph.device));
        QCOMPARE(rig.fake.requestCount(), size_t(1));
    }

    void requestToSendGoesOffOnTheOpenLine() {
        SerialRig rig;
        QVERIFY(rig.served);
        auto log = std::make_shared<LineLog>();
        rig.makeHelper(std::make_shared<LoggingFactory>(rig.settings, log));

        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder.setupCount(), size_t(1), kAttemptMs);
        QTRY_VERIFY(rig.idle());
        // Switched off once the port is open, before the first speed and the first byte.
        QCOMPARE(log->events(), (std::vector<std::string>{"rts off (closed)", "open", "rts off",
                                                          "baud 115200", "write"}));
    }

    void secondStartWhileConnectingIsIgnored() {
        SerialRig rig;
        QVERIFY(rig.served);

        rig.helper->startConnect();
        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder.setupCount(), size_t(1), kAttemptMs);
        QTRY_VERIFY(rig.idle());
        QTRY_COMPARE(rig.recorder.statuses, QStringList{kSerialConnecting});
        QCOMPARE(rig.exchanges(), (std::vector<Exchange>{{kStatusProbe, 115200}}));

        // Once that attempt has ended, and its port is released, a new one runs.
        rig.recorder.clearSetups();
        rig.helper->startConnect();
        QTRY_COMPARE_WITH_TIMEOUT(rig.recorder.setupCount(), size_t(1), kAttemptMs);
        QTRY_VERIFY(rig.idle());
        QCOMPARE(rig.fake.requestCount(), size_t(2));
    }
};

QTEST_GUILESS_MAIN(TestSerialConnectableHelper)
#include "tst_serialconnectablehelper.moc"

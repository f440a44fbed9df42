#include "app/tests/programruns.h"
#include "app/tests/scratchhome.h"
#include "base/tests/datarow.h"
#include "link/tests/motorcontrollersim.h"
#include "server/tests/loopbackrig.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <csignal>
#include <memory>
#include <thread>
#include <utility>

using namespace Ko;

namespace {

// The simulated motor controller on a port of its own on a loopback address that only these tests
// use; the program is told the port. Bound before the program starts, answered on a thread of its
// own started only once the program runs (no thread of the test's may be running when the program
// is forked), so that the test may block on a client.
class SimOnOwnAddress {
public:
    static constexpr char kAddress[] = "127.0.0.86";

    ~SimOnOwnAddress() { stop(); }

    bool bind() {
        m_fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address = where();
        socklen_t length = sizeof address;
        if (m_fd < 0 ||
            ::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
            ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            stop();
            return false;
        }
        m_port = ntohs(address.sin_port);
        return true;
    }
    uint16_t port() const { return m_port; }
    // Once bound.
    bool start() {
        if (m_fd < 0)
            return false;
        m_thread = std::thread([this] { serve(); });
        return true;
    }
    // Ends the answers: a datagram of its own wakes the thread to see that it is stopping.
    void stop() {
        if (m_thread.joinable()) {
            m_stopping = true;
            const int waker = ::socket(AF_INET, SOCK_DGRAM, 0);
            const sockaddr_in address = where();
            ::sendto(waker, "", 0, 0, reinterpret_cast<const sockaddr*>(&address), sizeof address);
            ::close(waker);
            m_thread.join();
        }
        if (m_fd >= 0)
            ::close(std::exchange(m_fd, -1));
    }

    MotorControllerSim sim;

private:
    sockaddr_in where() const {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(m_port);
        ::inet_pton(AF_INET, kAddress, &address.sin_addr);
        return address;
    }
    void serve() {
        char request[512];
        for (;;) {
            sockaddr_in from{};
            socklen_t length = sizeof from;
            const ssize_t size = ::recvfrom(m_fd, request, sizeof request, 0,
                                            reinterpret_cast<sockaddr*>(&from), &length);
            if (m_stopping || size < 0)
                return;
            const auto reply = sim.answer(CBytes(request, request + size));
            if (reply.hasValue())
                ::sendto(m_fd, reply.value().data(), reply.value().size(), 0,
                         reinterpret_cast<const sockaddr*>(&from), length);
        }
    }

    int m_fd = -1;
    uint16_t m_port = 0;
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};

// The program inside a document of the test's, which stands in for the window as the root: it
// says "walk: done" once the mount is connected, and with close it closes the window a moment
// later, as a user would.
QByteArray connectedDocument(bool close) {
    return QByteArray(R"(
        import QtQuick
        QtObject {
            id: walker
            property var program: Qt.createComponent("qrc:/main.qml").createObject(walker)
            property bool done: false
            property Connections connected: Connections {
                target: inj_mountConnection
                function onMountChanged_q() {
                    Qt.callLater(walker.ready)
                }
            }
            property Timer closer: Timer {
                interval: 1000
                onTriggered: walker.program.close()
            }
            function ready() {
                if (done || !inj_mountConnection.connected)
                    return
                done = true
                console.log("walk: done")
                if (%CLOSE%)
                    closer.start()
            }
            // This document stands in for the window as the root object.
            function releaseAllForEnd() {
                return program.releaseAllForEnd()
            }
        }
    )")
        .replace("%CLOSE%", close ? "true" : "false");
}

enum class End { WindowClose, Terminated, DisplayLost };

} // namespace

// The real program, connected over UDP to the simulated motor controller, ends with an
// open-ended slew that a remote client started and nothing in the window holds: the end stops
// it before the link goes, and the mount stands afterwards.
class TestMotionAtEnd : public QObject {
    Q_OBJECT

    // The hand-controller protocol's fixed-rate slew of axis 1 at rate 9, and the same backwards.
    static constexpr char kQrpSlew[] = "P\x02\x10\x24\x09\x00\x00\x00";
    static constexpr char kQrpReversed[] = "P\x02\x10\x25\x09\x00\x00\x00";

    std::unique_ptr<QTemporaryDir> m_home;
    uint16_t m_rpcPort = 0;
    uint16_t m_qrpPort = 0;
    // Where the program reaches the mount over UDP.
    uint16_t m_mountPort = 0;

    std::unique_ptr<QProcess> start() const {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        for (const auto& [name, value] : scratchHomeVariables(m_home->path()))
            env.insert(name, value);
        env.remove("KO_ROOT_QML");
        env.insert("KO_BROADCAST_LOOPBACK", "1");
        env.insert("KO_COMET_URL", "http://127.0.0.1:1/CometEls.txt");
        env.insert("KO_RPC_PORT", QString::number(m_rpcPort));
        env.insert("KO_QRP_PORT", QString::number(m_qrpPort));
        env.insert("KO_POSITION_PORT", QString::number(freePort()));
        env.insert("KO_MOUNT_PORT", QString::number(m_mountPort));
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(m_home->path());
        process->setProcessChannelMode(QProcess::SeparateChannels);
        process->start(KO_QUORVEL_BINARY);
        return process;
    }

    // ip: where the mount is reached.
    void writeSettings(const char* ip = "127.0.0.1") const {
        const QString folder = m_home->filePath("data/QuorvelPro");
        QVERIFY(QDir().mkpath(folder));
        QFile f(folder + "/Settings.txt");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(R"({"lang_code": "en", "connect_at_start": true, "cxn.commtype": 0,
                               "cxn.dosearch": false, "cxn.ip": "%IP%",
                               "connect_multi_mountmode": 1})")
                    .replace("%IP%", ip));
    }

    // Starts the source's slew of axis 1 once the program takes it; the client it used, kept
    // open where the source keeps its connection.
    static std::unique_ptr<TcpClient> startSlew(const QString& source, uint16_t port) {
        auto client = std::make_unique<TcpClient>(port);
        if (!client->connected())
            return nullptr;
        if (source == "11881") {
            // As remote-method clients do: one request, then the connection closes.
            if (!client->request("MoveAxis,0,2.0", 2000).startsWith("Ok"))
                return nullptr;
            client.reset();
            return std::make_unique<TcpClient>(port);
        }
        // Pass-through fixed-rate slew of axis 1 at rate 9, the connection kept.
        const QByteArray slew(kQrpSlew, 8);
        if (client->request(slew, 2000) != "#")
            return nullptr;
        return client;
    }

private slots:
    void initTestCase() {
#if defined(__SANITIZE_THREAD__)
        // Under ThreadSanitizer the test process dies at the program's start ("starting new
        // threads after multi-threaded fork"); the address sanitizer's pass runs it.
        QSKIP("the program is not started from a ThreadSanitizer build");
#endif
    }

    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(m_home->isValid());
        m_rpcPort = freePort();
        m_qrpPort = freePort();
        QVERIFY(m_rpcPort && m_qrpPort);
    }

    // source: "11881" (a remote method's MoveAxis) or "11882" (a hand-controller protocol
    // client's slew); the program ends on the signal; runs: how many times in a row; goTo: a
    // remote GoTo takes the slewing axes over before the end, and runs on after it (the simulated
    // mount's GoTo stays under way until it is told to arrive), the end holding for no stop of
    // the slew that the GoTo replaced.
    void remoteSlewStopsAtTheEnd_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("runs");
        QTest::addColumn<bool>("goTo");
        dataRow("MoveAxis, terminated", QString("11881"), int(SIGTERM), 1, false);
        dataRow("MoveAxis, interrupted", QString("11881"), int(SIGINT), 1, false);
        dataRow("hand-controller client's slew, terminated", QString("11882"), int(SIGTERM), 4,
                false);
        dataRow("hand-controller client's slew, interrupted", QString("11882"), int(SIGINT), 2,
                false);
        dataRow("MoveAxis, then a GoTo, terminated", QString("11881"), int(SIGTERM), 1, true);
    }
    void remoteSlewStopsAtTheEnd() {
        QFETCH(QString, source);
        QFETCH(int, signal);
        QFETCH(int, runs);
        QFETCH(bool, goTo);
        for (int run = 0; run < runs; ++run) {
            const QString round = QString("run %1").arg(run + 1);
            init();
            writeSettings(SimOnOwnAddress::kAddress);
            SimOnOwnAddress mount;
            QVERIFY(mount.bind());
            m_mountPort = mount.port();
            std::unique_ptr<QProcess> program = start();
            const auto killLeft = qScopeGuard([&] {
                if (program->state() != QProcess::NotRunning) {
                    program->kill();
                    program->waitForFinished();
                }
            });
            QVERIFY(program->waitForStarted());
            // Served only once the program runs: no thread of the fake's may be running when the
            // program is forked. The program asks again for what it sends meanwhile.
            QVERIFY(mount.start());
            const uint16_t port = source == "11881" ? m_rpcPort : m_qrpPort;
            // The servers answer motion only once the mount is connected.
            std::unique_ptr<TcpClient> client;
            QTRY_VERIFY2_WITH_TIMEOUT((client = startSlew(source, port)) != nullptr,
                                      qPrintable(round), 120000);
            QTRY_VERIFY2_WITH_TIMEOUT(mount.sim.moving(0), qPrintable(round), 30000);
            mount.sim.takeStops();
            if (goTo) {
                // The slew brakes for a while after its stop: the GoTo takes the axis over first.
                mount.sim.setStopReads(20);
                mount.sim.takeStarts();
                // Either target is clear of the Sun at any time.
                QByteArray answer;
                for (const char* target : {"90,20", "270,20"}) {
                    TcpClient asking(port);
                    answer = asking.request(QByteArray("SlewToAltAzAsync,") + target, 10000);
                    if (answer.startsWith("Ok"))
                        break;
                }
                QCOMPARE(answer, QByteArray("Ok,SlewToAltAzAsync"));
                // The GoTo has set both axes going.
                int starts = 0;
                QTRY_VERIFY_WITH_TIMEOUT((starts += mount.sim.takeStarts()) >= 2, 30000);
            }

            ::kill(pid_t(program->processId()), signal);
            QTRY_VERIFY2_WITH_TIMEOUT(program->state() == QProcess::NotRunning, qPrintable(round),
                                      60000);
            const QByteArray errors = program->readAllStandardError();
            QVERIFY2(program->exitStatus() == QProcess::NormalExit && program->exitCode() == 0,
                     errors.constData());
            if (goTo) {
                // Ended while the GoTo ran on, not after it gave up and stopped the axes.
                mount.stop();
                QVERIFY2(mount.sim.moving(0) && mount.sim.moving(1), errors.constData());
                QVERIFY2(!errors.contains("GoTo given up"), errors.constData());
                continue;
            }
            mount.stop();
            QVERIFY2(mount.sim.takeStops() > 0, qPrintable(round + ": no stop reached the mount\n" +
                                                           QString::fromUtf8(errors)));
            // Whatever deceleration was left, the axis comes to rest.
            mount.sim.settle();
            QVERIFY2(!mount.sim.moving(0), qPrintable(round));
            QVERIFY2(!errors.contains("Mount released while a stop had not reached it"),
                     errors.constData());
        }
    }

    // A client reverses the slew of axis 1 while the end waits for its stop, which the mount
    // takes only once the axis has braked: the reversal is refused, the end's stop is not
    // cancelled, and the program ends with the axis at rest.
    void reversalDuringTheEndsWait_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("signal");
        dataRow("MoveAxis reversed, terminated", QString("11881"), int(SIGTERM));
        dataRow("hand-controller client's slew reversed, interrupted", QString("11882"),
                int(SIGINT));
    }
    void reversalDuringTheEndsWait() {
        QFETCH(QString, source);
        QFETCH(int, signal);
        writeSettings(SimOnOwnAddress::kAddress);
        SimOnOwnAddress mount;
        QVERIFY(mount.bind());
        m_mountPort = mount.port();
        std::unique_ptr<QProcess> program = start();
        const auto killLeft = qScopeGuard([&] {
            if (program->state() != QProcess::NotRunning) {
                program->kill();
                program->waitForFinished();
            }
        });
        QVERIFY(program->waitForStarted());
        QVERIFY(mount.start());
        const uint16_t port = source == "11881" ? m_rpcPort : m_qrpPort;
        std::unique_ptr<TcpClient> client;
        QTRY_VERIFY_WITH_TIMEOUT((client = startSlew(source, port)) != nullptr, 120000);
        QTRY_VERIFY_WITH_TIMEOUT(mount.sim.moving(0), 30000);
        // The axis brakes until the test lets it rest: the end waits for its stop until then.
        mount.sim.setStopReads(INT_MAX);

        ::kill(pid_t(program->processId()), signal);
        // The program says that the end has stopped the slew: the end has begun. (A stop that
        // reaches the mount proves less: a slew's own start may send one.)
        QByteArray errors;
        QTRY_VERIFY_WITH_TIMEOUT((errors += program->readAllStandardError())
                                     .contains("Open-ended slews stopped for the end"),
                                 30000);
        if (source == "11881") {
            TcpClient reversing(port);
            QVERIFY(reversing.connected());
            QCOMPARE(reversing.request("MoveAxis,0,-2.0"),
                     QByteArray("InvalidOperation,MoveAxis,ProgramEnding"));
        } else {
            // No answer is the protocol's refusal; the echo after it proves the silence.
            QCOMPARE(client->request(QByteArray(kQrpReversed, 8) + "K~"), QByteArray("~#"));
        }
        // The axis may rest now. The end's stop itself may reach the mount only after this on a
        // busy machine (the log line comes first), and would brake for ever: every axis that
        // brakes comes to rest as the test waits for the end.
        QTRY_VERIFY2_WITH_TIMEOUT((mount.sim.settle(), program->state() == QProcess::NotRunning),
                                  (errors += program->readAllStandardError()).constData(), 120000);
        errors += program->readAllStandardError();
        QVERIFY2(program->exitStatus() == QProcess::NormalExit && program->exitCode() == 0,
                 errors.constData());
        mount.stop();
        mount.sim.settle();
        QVERIFY2(!mount.sim.moving(0) && !mount.sim.moving(1), errors.constData());
    }

    // A client that slews back and forth every 50 ms, from before the end until the program has
    // gone, neither holds the end open nor leaves a slew running: the program ends, and the
    // simulated mount stands.
    void clientSendingThroughTheEnd_data() {
        QTest::addColumn<int>("end");
        dataRow("window closed", int(End::WindowClose));
        dataRow("terminated", int(End::Terminated));
        dataRow("display lost", int(End::DisplayLost));
    }
    void clientSendingThroughTheEnd() {
        QFETCH(int, end);
        ProgramRuns::XServer server;
        QProcessEnvironment extra;
        extra.insert("KO_RPC_PORT", QString::number(m_rpcPort));
        if (End(end) == End::DisplayLost) {
            if (QStandardPaths::findExecutable("Xvfb").isEmpty())
                QSKIP("Xvfb is not installed");
            QVERIFY(server.start());
            extra.insert("QT_QPA_PLATFORM", "xcb");
            extra.insert("DISPLAY", server.display());
            extra.insert("XAUTHORITY", "/nonexistent");
        }
        SimOnOwnAddress mount;
        QVERIFY(mount.bind());
        extra.insert("KO_MOUNT_PORT", QString::number(mount.port()));
        ProgramRuns::Run run;
        run.start(connectedDocument(End(end) == End::WindowClose), extra,
                  QByteArray(R"({"lang_code": "en", "connect_at_start": true, "cxn.commtype": 0,
                                 "cxn.dosearch": false, "cxn.ip": "%IP%"})")
                      .replace("%IP%", SimOnOwnAddress::kAddress));
        const auto killLeft = qScopeGuard([&] {
            if (run.process->state() != QProcess::NotRunning) {
                run.process->kill();
                run.process->waitForFinished();
            }
        });
        QVERIFY(run.process->waitForStarted(60000));
        QVERIFY(mount.start());
        const ProgramRuns::ReversingClient client(m_rpcPort);
        QTRY_VERIFY_WITH_TIMEOUT(run.walked(), 120000);
        if (End(end) != End::WindowClose) {
            QTRY_VERIFY_WITH_TIMEOUT(mount.sim.moving(0), 30000);
            if (End(end) == End::Terminated)
                ::kill(pid_t(run.process->processId()), SIGTERM);
            else
                server.kill();
        }
        QTRY_VERIFY_WITH_TIMEOUT(run.process->state() == QProcess::NotRunning, 60000);
        const QByteArray faults = run.faultsAfterWalk();
        QVERIFY2(run.process->exitStatus() == QProcess::NormalExit, run.errors.constData());
        QCOMPARE(run.process->exitCode(), End(end) == End::DisplayLost ? 1 : 0);
        QVERIFY2(faults.isEmpty(), (faults + "\n" + run.errors).constData());
        // Whatever deceleration was left, the axes come to rest.
        mount.stop();
        mount.sim.settle();
        QVERIFY2(!mount.sim.moving(0) && !mount.sim.moving(1), run.errors.constData());
    }
};

QTEST_GUILESS_MAIN(TestMotionAtEnd)
#include "tst_motionatend.moc"

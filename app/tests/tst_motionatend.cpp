#include "app/tests/scratchhome.h"
#include "base/tests/datarow.h"
#include "link/iudpkodevicefactory.h"
#include "link/tests/fakemotorcontroller.h"
#include "link/tests/motorcontrollersim.h"
#include "server/tests/loopbackrig.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

using namespace Ko;

namespace {

// The simulated motor controller on the mount's UDP port of this machine, answered on the fake's
// own thread, so that the test may block on a client's socket while the program talks to the
// mount.
struct SimOnMountPort {
    MotorControllerSim sim;
    FakeMotorController fake;

    bool start() {
        fake.setRecording(false);
        fake.setHandler([this](const CBytes& request) { return sim.answer(request); });
        return fake.serveUdp(kMountUdpPort) != 0;
    }
    void stop() { fake.stop(); }
};

} // namespace

// The real program, connected over UDP to the simulated motor controller, ends with an
// open-ended slew that a remote client started and nothing in the window holds: the end stops
// it before the link goes, and the mount stands afterwards.
class TestMotionAtEnd : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    uint16_t m_rpcPort = 0;
    uint16_t m_qrpPort = 0;

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
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(m_home->path());
        process->setProcessChannelMode(QProcess::SeparateChannels);
        process->start(KO_QUORVEL_BINARY);
        return process;
    }

    void writeSettings() const {
        const QString folder = m_home->filePath("data/QuorvelPro");
        QVERIFY(QDir().mkpath(folder));
        QFile f(folder + "/Settings.txt");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(R"({"lang_code": "en", "connect_at_start": true, "cxn.commtype": 0,
                    "cxn.dosearch": false, "cxn.ip": "127.0.0.1",
                    "connect_multi_mountmode": 1})");
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
        const QByteArray slew("P\x02\x10\x24\x09\x00\x00\x00", 8);
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
    // client's slew); the program ends on the signal; runs: how many times in a row.
    void remoteSlewStopsAtTheEnd_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("runs");
        dataRow("MoveAxis, terminated", QString("11881"), int(SIGTERM), 1);
        dataRow("MoveAxis, interrupted", QString("11881"), int(SIGINT), 1);
        dataRow("hand-controller client's slew, terminated", QString("11882"), int(SIGTERM), 4);
        dataRow("hand-controller client's slew, interrupted", QString("11882"), int(SIGINT), 2);
    }
    void remoteSlewStopsAtTheEnd() {
        QFETCH(QString, source);
        QFETCH(int, signal);
        QFETCH(int, runs);
        for (int run = 0; run < runs; ++run) {
            const QString round = QString("run %1").arg(run + 1);
            init();
            writeSettings();
            SimOnMountPort mount;
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
            if (!mount.start())
                QSKIP("the mount's UDP port is held by another program");
            const uint16_t port = source == "11881" ? m_rpcPort : m_qrpPort;
            // The servers answer motion only once the mount is connected.
            std::unique_ptr<TcpClient> client;
            QTRY_VERIFY2_WITH_TIMEOUT((client = startSlew(source, port)) != nullptr,
                                      qPrintable(round), 120000);
            QTRY_VERIFY2_WITH_TIMEOUT(mount.sim.moving(0), qPrintable(round), 30000);
            mount.sim.takeStops();

            ::kill(pid_t(program->processId()), signal);
            QTRY_VERIFY2_WITH_TIMEOUT(program->state() == QProcess::NotRunning, qPrintable(round),
                                      60000);
            const QByteArray errors = program->readAllStandardError();
            QVERIFY2(program->exitStatus() == QProcess::NormalExit && program->exitCode() == 0,
                     errors.constData());
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
};

QTEST_GUILESS_MAIN(TestMotionAtEnd)
#include "tst_motionatend.moc"

#include "app/tests/scratchhome.h"
#include "server/tests/loopbackrig.h"

#include <QDir>
#include <QFile>
#include <QHostInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

// Runs the real program as a separate process, offscreen, with its data folders in a scratch
// folder; a root document can be put in its place through KO_ROOT_QML.
class TestStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    // The remote-method port of the program; 0 leaves it on its fixed port.
    uint16_t m_rpcPort = 0;

    QString dataHome() const { return m_home->filePath("data"); }

    QString writeDocument(const QString& name, const QByteArray& text) const {
        const QString path = m_home->filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(text);
        return path;
    }

    // captureErrors keeps the program's standard error for the test to read instead of passing
    // it through.
    std::unique_ptr<QProcess> start(const QString& rootDocument = {},
                                    bool captureErrors = false) const {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        for (const auto& [name, value] : scratchHomeVariables(m_home->path()))
            env.insert(name, value);
        env.remove("KO_ROOT_QML");
        env.remove("KO_RPC_PORT");
        if (m_rpcPort)
            env.insert("KO_RPC_PORT", QString::number(m_rpcPort));
        if (!rootDocument.isEmpty())
            env.insert("KO_ROOT_QML", rootDocument);
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(m_home->path());
        process->setProcessChannelMode(captureErrors ? QProcess::SeparateChannels
                                                     : QProcess::ForwardedErrorChannel);
        process->start(KO_QUORVEL_BINARY, {});
        return process;
    }

    static void finish(QProcess& process) {
        QVERIFY2(process.waitForFinished(180000), "the program did not end");
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    }

    QJsonObject settings() const {
        QFile f(dataHome() + "/QuorvelPro/Settings.txt");
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }

private slots:
    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(m_home->isValid());
        m_rpcPort = Ko::freePort();
        QVERIFY(m_rpcPort);
    }

    void brokenRootDocumentExitsWithMinusOne_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("syntax error") << QByteArray("import QtQuick\nItem { width: }\n");
        QTest::newRow("unknown type") << QByteArray("import QtQuick\nNoSuchWindow {}\n");
        QTest::newRow("missing file") << QByteArray();
    }
    void brokenRootDocumentExitsWithMinusOne() {
        QFETCH(QByteArray, text);
        const QString path =
            text.isEmpty() ? m_home->filePath("absent.qml") : writeDocument("broken.qml", text);
        auto process = start(path);
        QVERIFY(process->waitForStarted());
        finish(*process);
        QCOMPARE(process->exitCode(), 255);
    }

    void normalRunStaysUpUntilAskedToQuit() {
        auto process = start();
        QVERIFY(process->waitForStarted());
        // The settings folder appears when the composition root builds the settings store.
        QTRY_VERIFY_WITH_TIMEOUT(QDir(dataHome() + "/QuorvelPro").exists(), 120000);
        QVERIFY2(!process->waitForFinished(3000), "the program ended on its own");
        process->terminate();
        finish(*process);
        QCOMPARE(process->exitCode(), 0);
    }

    // The first signal starts the orderly quit; when the teardown then hangs, a second one ends
    // the process the usual way instead of being swallowed.
    void secondSignalEndsAHungTeardown_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("terminate") << int(SIGTERM);
        QTest::newRow("interrupt") << int(SIGINT);
    }
    void secondSignalEndsAHungTeardown() {
        QFETCH(int, signal);
        const QString path = writeDocument("hangs.qml", R"(
            import QtQuick
            Item {
                Component.onCompleted: console.log("state: running")
                Connections {
                    target: Qt.application
                    function onAboutToQuit() {
                        console.log("state: hanging")
                        for (;;) {}
                    }
                }
            }
        )");
        auto process = start(path, true);
        QVERIFY(process->waitForStarted());
        QByteArray errors;
        const auto reached = [&](const char* state) {
            errors += process->readAllStandardError();
            return errors.contains(state);
        };
        QTRY_VERIFY_WITH_TIMEOUT(reached("state: running"), 120000);
        ::kill(pid_t(process->processId()), signal);
        QTRY_VERIFY_WITH_TIMEOUT(reached("state: hanging"), 60000);
        ::kill(pid_t(process->processId()), signal);
        QVERIFY2(process->waitForFinished(20000), "the second signal did not end the program");
        QCOMPARE(process->exitStatus(), QProcess::CrashExit);
        QCOMPARE(process->exitCode(), signal);
    }

    // The future bridge and the promise library load from the program's resources.
    void futureAndPromiseModulesLoad() {
        const QString path = writeDocument("modules.qml", R"(
            import QtQuick
            import QuickFuture 1.0
            import QuickPromise 1.0
            import "qrc:/CmdRetPromise.js" as CmdRetPromise
            Item {
                Promise { id: element; resolveWhen: true }
                Component.onCompleted: Q.all([element, CmdRetPromise.cmdRetType_string(2)])
                    .then(function (v) {
                        const ok = v[0] === true && v[1] === "Communication error" &&
                                   typeof Future.promise === "function";
                        Qt.exit(ok ? 5 : 1);
                    })
            }
        )");
        auto process = start(path);
        QVERIFY(process->waitForStarted());
        finish(*process);
        QCOMPARE(process->exitCode(), 5);
    }

    // The exit code is the one QML passes; QML torn down at exit still reaches the services.
    void exitCodeAndTeardownOrder() {
        const QString path = writeDocument("quitter.qml", R"(
            import QtQuick
            Item {
                Timer { interval: 1; running: true; onTriggered: Qt.exit(3) }
                Component.onDestruction:
                    inj_kvStore.saveString("teardown.reached", inj_appVersion.appName)
            }
        )");
        auto process = start(path);
        QVERIFY(process->waitForStarted());
        finish(*process);
        QCOMPARE(process->exitCode(), 3);
        QCOMPARE(settings().value("teardown.reached").toString(), QString("Quorvel Pro"));
    }

    // Other applications reach the remote-method server from start-up, on both transports,
    // before any mount is connected; methods that need a mount stay silent meanwhile.
    void remoteMethodsFromStartUp_data() {
        QTest::addColumn<bool>("fixedPort");
        QTest::newRow("override") << false;
        QTest::newRow("fixed port 11881") << true;
    }
    void remoteMethodsFromStartUp() {
        QFETCH(bool, fixedPort);
        if (fixedPort) {
            QUdpSocket probe;
            if (!probe.bind(QHostAddress::Any, 11881))
                QSKIP("port 11881 is held by another program");
            m_rpcPort = 0;
        }
        const uint16_t port = fixedPort ? 11881 : m_rpcPort;
        auto process = start();
        QVERIFY(process->waitForStarted());
        const auto answered = [&] {
            const auto reply = Ko::udpRequest(port, "ServerVersion", 500);
            return reply && reply->contains(",ServerVersion");
        };
        QTRY_VERIFY_WITH_TIMEOUT(answered(), 120000);
        Ko::TcpClient client(port);
        QVERIFY(client.connected());
        QVERIFY(client.request("ServerVersion").contains(",ServerVersion"));
        QCOMPARE(client.request("NoSuch,1"), QByteArray("Unknown,NoSuch"));
        QCOMPARE(client.request("ServerDeviceNameGet"),
                 "Ok,ServerDeviceNameGet," + QHostInfo::localHostName().toUtf8());
        QCOMPARE(client.request("CanParkGet", Ko::kSilenceMs), QByteArray());
        QVERIFY(!Ko::udpRequest(port, "CanParkGet", Ko::kSilenceMs));
        process->terminate();
        finish(*process);
        QCOMPARE(process->exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"

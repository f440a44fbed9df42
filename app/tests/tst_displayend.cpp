#include "app/tests/programruns.h"
#include "base/tests/datarow.h"
#include "link/iudpkodevicefactory.h"
#include "link/tests/motorcontrollersim.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QProcess>
#include <QUdpSocket>
#include <QtTest>

#include <csignal>
#include <vector>

namespace {

using namespace Ko::ProgramRuns;

enum class End { Signal, WindowClose };

// The program's own window, drawing without pause; once it shows (and, with holdSlew, once the
// mount is connected and the Right key, or the pad's padButton, is held down on it), it says so. It
// closes its window itself when close is set.
QByteArray endDocument(bool holdSlew, bool close, int padButton = -1) {
    return QByteArray(R"(
        import QtQuick
        QtObject {
            id: walker
            property bool started: false
            property var program: Qt.createComponent("qrc:/main.qml").createObject(walker)
            property Connections shown: Connections {
                target: walker.program
                function onFrameSwapped() {
                    if (walker.started)
                        return
                    walker.started = true
                    const spinner = spinnerComponent.createObject(walker.program.contentItem)
                    spinner.turns.start()
                    Qt.callLater(walker.ready)
                }
            }
            property Connections connected: Connections {
                target: inj_mountConnection
                function onMountChanged_q() {
                    Qt.callLater(walker.ready)
                }
            }
            function ready() {
                if (!started || done)
                    return
                if (%HOLD%) {
                    if (!inj_mountConnection.connected)
                        return
                    if (%PAD% >= 0)
                        program.inj_mainFooter.screenInput(%PAD%, true)
                    else
                        program.directionKey(Qt.Key_Right, true)
                }
                done = true
                console.log("walk: done at depth 0")
                if (%CLOSE%)
                    Qt.callLater(() => program.close())
            }
            property bool done: false
            // This document stands in for the window as the root object.
            function releaseAllForEnd() {
                return program.releaseAllForEnd()
            }
            property Component spinnerComponent: Component {
                Rectangle {
                    property alias turns: turns
                    width: 40; height: 40; color: "red"
                    RotationAnimation on rotation {
                        id: turns
                        running: false
                        from: 0; to: 360; duration: 500; loops: Animation.Infinite
                    }
                }
            }
        }
    )")
        .replace("%HOLD%", holdSlew ? "true" : "false")
        .replace("%CLOSE%", close ? "true" : "false")
        .replace("%PAD%", QByteArray::number(padButton));
}

// The simulated motor controller on the mount's UDP port of this host, answered on the test's
// thread whenever it takes events.
class SimulatedMount {
public:
    bool open() {
        QObject::connect(&m_socket, &QUdpSocket::readyRead, [this] {
            while (m_socket.hasPendingDatagrams()) {
                const QNetworkDatagram request = m_socket.receiveDatagram();
                const QByteArray bytes = request.data();
                const auto reply = sim.answer(Ko::CBytes(bytes.begin(), bytes.end()));
                if (reply.hasValue())
                    m_socket.writeDatagram(
                        QByteArray(reinterpret_cast<const char*>(reply.value().data()),
                                   int(reply.value().size())),
                        request.senderAddress(), quint16(request.senderPort()));
            }
        });
        return m_socket.bind(QHostAddress::LocalHost, Ko::kMountUdpPort);
    }

    bool moving() const { return sim.moving(0) || sim.moving(1); }

    Ko::MotorControllerSim sim;

private:
    QUdpSocket m_socket;
};

} // namespace

// The program's end when the X server goes away under it: while it runs with a held slew, and in
// the middle of its own end.
class TestDisplayEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
#if defined(__SANITIZE_THREAD__)
        // Under ThreadSanitizer a program started after the simulated mount's thread dies at its
        // start ("starting new threads after multi-threaded fork"); the address sanitizer's pass
        // runs these.
        QSKIP("the program is not started from a ThreadSanitizer build");
#endif
    }

    // A desktop that logs out asks the program to end and stops the X server a few milliseconds
    // later: the display goes before, during or after the teardown. Whenever it goes, the
    // program ends by itself within a limit, without a crash, a core file or a sanitizer's
    // report, and what it stored reads whole.
    void endsCleanlyWhenTheDisplayGoesDuringTheEnd_data() {
        QTest::addColumn<QByteArray>("renderLoop");
        QTest::addColumn<bool>("holdSlew");
        QTest::addColumn<End>("end");
        dataRow("terminated, render thread", QByteArray("threaded"), false, End::Signal);
        dataRow("terminated, main thread drawing", QByteArray("basic"), false, End::Signal);
        dataRow("terminated with a held slew", QByteArray("threaded"), true, End::Signal);
        dataRow("window closed with a held slew", QByteArray("threaded"), true, End::WindowClose);
    }
    void endsCleanlyWhenTheDisplayGoesDuringTheEnd() {
        QFETCH(QByteArray, renderLoop);
        QFETCH(bool, holdSlew);
        QFETCH(End, end);
        if (QStandardPaths::findExecutable("Xvfb").isEmpty())
            QSKIP("Xvfb is not installed");
        // The X server goes 0, 10, ... 50 ms after the end began; programs at once, so that the
        // runs fit the time of one test on two cores.
        constexpr int kRuns = 6;
        constexpr int kDelayStepMs = 10;
        const QByteArray settings = holdSlew ? QByteArray(R"({"lang_code": "en", "cxn.commtype": 1,
                                      "connect_multi_mountmode": 1, "connect_at_start": true})")
                                             : QByteArray(R"({"lang_code": "en"})");
        std::vector<XServer> servers(kRuns);
        std::vector<Run> runs(kRuns);
        for (int i = 0; i < kRuns; ++i) {
            QVERIFY(servers[i].start());
            QProcessEnvironment extra;
            extra.insert("QT_QPA_PLATFORM", "xcb");
            extra.insert("DISPLAY", servers[i].display());
            extra.insert("QSG_RENDER_LOOP", QString::fromLatin1(renderLoop));
            extra.insert("XAUTHORITY", "/nonexistent");
            // The end may be over before the display goes, in the ordinary way out, where the GL
            // driver leaves allocations behind in a module unloaded by then, which no suppression
            // can name. Memory errors are still reported.
            extra.insert("ASAN_OPTIONS", qEnvironmentVariable("ASAN_OPTIONS") + ":detect_leaks=0");
            runs[i].start(endDocument(holdSlew, end == End::WindowClose), extra, settings);
        }
        for (int i = 0; i < kRuns; ++i) {
            Run& run = runs[i];
            // A run that closes its own window may have ended by now: only a failed start counts.
            run.process->waitForStarted(60000);
            QVERIFY2(run.process->error() != QProcess::FailedToStart,
                     qPrintable(run.process->errorString()));
            QTRY_VERIFY_WITH_TIMEOUT(run.walked(), 120000);
            if (end == End::Signal) {
                // A pid of 0 would signal this test's own process group.
                QVERIFY2(run.process->state() == QProcess::Running && run.process->processId() > 0,
                         run.errors.constData());
                ::kill(pid_t(run.process->processId()), SIGTERM);
            }
            // The moment of the loss is the case itself, not a wait for a state.
            QTest::qSleep(i * kDelayStepMs);
            servers[i].kill();
        }
        for (Run& run : runs) {
            QVERIFY2(run.process->state() == QProcess::NotRunning ||
                         run.process->waitForFinished(60000),
                     "the program did not end");
            const QByteArray faults = run.faultsAfterWalk();
            QVERIFY2(run.process->exitStatus() == QProcess::NormalExit, run.errors.constData());
            QVERIFY2(run.process->exitCode() == 0 || run.process->exitCode() == 1,
                     run.errors.constData());
            QVERIFY2(faults.isEmpty(), (faults + "\n" + run.errors).constData());
            QVERIFY2(run.coreFiles().isEmpty(), qPrintable(run.coreFiles().join(", ")));
            QVERIFY(run.settingsWhole());
        }
    }

    // The display going away lets go of every key and pad button as a close does: the slew that
    // they held is stopped before the program ends, with the simulated controller as the truth.
    void theMountStandsAfterTheDisplayGoes_data() {
        QTest::addColumn<int>("padButton");
        dataRow("the Right key held", -1);
        dataRow("a pad button held", 0);
    }
    void theMountStandsAfterTheDisplayGoes() {
        QFETCH(int, padButton);
        if (QStandardPaths::findExecutable("Xvfb").isEmpty())
            QSKIP("Xvfb is not installed");
        SimulatedMount mount;
        if (!mount.open())
            QSKIP("the mount's UDP port is held by another program");
        XServer server;
        QVERIFY(server.start());
        QProcessEnvironment extra;
        extra.insert("QT_QPA_PLATFORM", "xcb");
        extra.insert("DISPLAY", server.display());
        extra.insert("XAUTHORITY", "/nonexistent");
        Run run;
        run.start(endDocument(true, false, padButton), extra,
                  R"({"lang_code": "en", "connect_at_start": true, "cxn.commtype": 0,
                      "cxn.dosearch": false, "cxn.ip": "127.0.0.1"})");
        QVERIFY(run.process->waitForStarted(60000));
        QTRY_VERIFY_WITH_TIMEOUT(run.walked(), 120000);
        QTRY_VERIFY_WITH_TIMEOUT(mount.moving(), 30000);
        server.kill();
        // The controller answers while the program ends.
        QTRY_VERIFY_WITH_TIMEOUT(run.process->state() == QProcess::NotRunning, 60000);
        const QByteArray faults = run.faultsAfterWalk();
        QVERIFY2(run.process->exitStatus() == QProcess::NormalExit, run.errors.constData());
        QCOMPARE(run.process->exitCode(), 1);
        QVERIFY2(faults.isEmpty(), (faults + "\n" + run.errors).constData());
        QVERIFY2(!mount.moving(), run.errors.constData());
    }
};

QTEST_GUILESS_MAIN(TestDisplayEnd)
#include "tst_displayend.moc"

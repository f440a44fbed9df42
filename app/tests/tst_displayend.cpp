#include "app/tests/programruns.h"
#include "base/tests/datarow.h"
#include "link/tests/motorcontrollersim.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QProcess>
#include <QUdpSocket>
#include <QtTest>

#include <csignal>
#include <optional>
#include <utility>
#include <vector>

namespace {

using namespace Ko::ProgramRuns;

enum class DisplayEnd { Signal, WindowClose };

// What the program's user holds when the display goes.
enum class Hold { Nothing, Key, PadButton, BulbShutter };

// The program's own window, drawing without pause; once it shows (and, with something to hold,
// once the mount is connected and the Right key, a pad button or the Camera Control page's bulb
// shutter is held down on it), it says so. It closes its window itself when close is set. With
// stuck, the main thread is then held in a long piece of work (the display may go meanwhile)
// while the render thread goes on drawing an animator's turns. An aboutToQuit listener says when
// the quit's writes run, and the document's own destruction takes teardownMs.
QByteArray endDocument(Hold hold, bool close, bool stuck = false, int teardownMs = 0) {
    return QByteArray(R"(
        import QtQuick
        QtObject {
            id: walker
            property bool started: false
            property var program: Qt.createComponent("qrc:/main.qml").createObject(walker)
            property Connections shown: Connections {
                target: walker.program
                function onFrameSwapped() {
                    // The animator runs on the render thread only from the frame that took it:
                    // held before that, the main thread would leave the render thread idle, and
                    // nothing would meet the loss but the main thread itself.
                    if (walker.framesBeforeHold > 0 && --walker.framesBeforeHold === 0)
                        Qt.callLater(walker.holdMainThread)
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
            property Connections quitting: Connections {
                target: Qt.application
                function onAboutToQuit() {
                    console.log("walk: about to quit")
                }
            }
            function ready() {
                if (!started || done)
                    return
                if (%HOLD% !== 0) {
                    if (!inj_mountConnection.connected)
                        return
                    if (%HOLD% === 1) {
                        program.directionKey(Qt.Key_Right, true)
                    } else if (%HOLD% === 2) {
                        program.inj_mainFooter.screenInput(0, true)
                    } else {
                        const page = program.inj_stackView.push("qrc:/Page/CameraControlPage.qml")
                        page.setMode(1)
                        page.openShutter()
                    }
                }
                done = true
                console.log("walk: done at depth 0")
                if (%CLOSE%)
                    Qt.callLater(() => program.close())
                if (%STUCK%) {
                    const animator = animatorComponent.createObject(program.contentItem)
                    animator.turns.start()
                    walker.framesBeforeHold = 2
                }
            }
            property bool done: false
            property int framesBeforeHold: 0
            // Work that never yields, standing in for a main thread that does not come back to
            // its event loop; bounded, so that a run that goes wrong still ends.
            function holdMainThread() {
                console.log("walk: main thread held")
                const until = Date.now() + 60000
                while (Date.now() < until) {}
            }
            // This document stands in for the window as the root object.
            function releaseAllForEnd() {
                return program.releaseAllForEnd()
            }
            // A teardown that takes its time on a display that holds.
            Component.onDestruction: {
                const until = Date.now() + %TEARDOWN%
                while (Date.now() < until) {}
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
            // Turned by the render thread, whatever the main thread does.
            property Component animatorComponent: Component {
                Rectangle {
                    property alias turns: turns
                    x: 60; width: 40; height: 40; color: "blue"
                    RotationAnimator on rotation {
                        id: turns
                        running: false
                        from: 0; to: 360; duration: 500; loops: Animation.Infinite
                    }
                }
            }
        }
    )")
        .replace("%HOLD%", QByteArray::number(int(hold)))
        .replace("%CLOSE%", close ? "true" : "false")
        .replace("%STUCK%", stuck ? "true" : "false")
        .replace("%TEARDOWN%", QByteArray::number(teardownMs));
}

// The simulated motor controller on a loopback port of its own, which tellTo() gives the program,
// answered on the test's thread whenever it takes events. The test may have it lose the first
// command of a kind from a moment on (neither acted on nor answered, as a bytes the network
// dropped), or every command (a link cut); the commands it answered are kept in order.
class SimulatedMount {
public:
    bool open() {
        QObject::connect(&m_socket, &QUdpSocket::readyRead, [this] { answerWaiting(); });
        return m_socket.bind(QHostAddress::LocalHost, 0);
    }
    // Adds where the program reaches this mount to a run's environment.
    void tellTo(QProcessEnvironment& extra) const {
        extra.insert("KO_MOUNT_PORT", QString::number(m_socket.localPort()));
    }
    // Acts on every command that has arrived: once the program has gone, the last it sent.
    void answerWaiting() {
        while (m_socket.hasPendingDatagrams()) {
            const QNetworkDatagram request = m_socket.receiveDatagram();
            const QByteArray bytes = request.data();
            if (m_cut || lose(bytes))
                continue;
            const auto reply = sim.answer(Ko::CBytes(bytes.begin(), bytes.end()));
            if (!reply.hasValue())
                continue;
            answered.append(bytes);
            m_socket.writeDatagram(QByteArray(reinterpret_cast<const char*>(reply.value().data()),
                                              int(reply.value().size())),
                                   request.senderAddress(), quint16(request.senderPort()));
        }
    }

    bool moving() const { return sim.moving(0) || sim.moving(1); }

    // The next command that begins with one of prefixes is lost.
    void loseFirst(QList<QByteArray> prefixes) { m_toLose = std::move(prefixes); }
    // From now on nothing is answered.
    void cut() { m_cut = true; }
    // The last shutter switch answered: ":O11\r" open, ":O10\r" closed, empty for none.
    QByteArray shutter() const {
        for (auto it = answered.rbegin(); it != answered.rend(); ++it) {
            if (it->startsWith(":O1"))
                return *it;
        }
        return {};
    }

    Ko::MotorControllerSim sim;
    QList<QByteArray> answered;
    QList<QByteArray> lost;

private:
    bool lose(const QByteArray& bytes) {
        for (const QByteArray& prefix : m_toLose) {
            if (bytes.startsWith(prefix)) {
                m_toLose.clear();
                lost.append(bytes);
                return true;
            }
        }
        return false;
    }

    QUdpSocket m_socket;
    QList<QByteArray> m_toLose;
    bool m_cut = false;
};

// The program connected to the mount over UDP on this host, with a read time-out long enough that
// a lost command's resend comes well after an end that did not wait for it would be over.
const QByteArray kConnectedSettings(R"({"lang_code": "en", "connect_at_start": true,
    "cxn.commtype": 0, "cxn.dosearch": false, "cxn.ip": "127.0.0.1", "cxn.resends": 1200})");

// What a mount left to the end: a stop or a shutter's close that it may not have taken.
constexpr const char* kMayMove = "the mount may still move";
constexpr const char* kMayBeOpen = "the shutter may still be open";

// After an end without a display: on a cut link the log names what was left, and only that;
// otherwise nothing was left, and the simulated mount holds the shutter closed or stands.
void checkWhatWasLeft(Run& run, SimulatedMount& mount, Hold hold, bool cut,
                      const QByteArray& left) {
    if (cut) {
        QVERIFY2(run.said(left), run.errors.constData());
        const char* other = left == kMayMove ? kMayBeOpen : kMayMove;
        QVERIFY2(!run.said(other), run.errors.constData());
        return;
    }
    QVERIFY2(!run.said(kMayMove) && !run.said(kMayBeOpen), run.errors.constData());
    if (hold == Hold::BulbShutter)
        QCOMPARE(mount.shutter(), QByteArray(":O10\r"));
    else
        QVERIFY2(!mount.moving(), run.errors.constData());
}

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
        QTest::addColumn<DisplayEnd>("end");
        dataRow("terminated, render thread", QByteArray("threaded"), false, DisplayEnd::Signal);
        dataRow("terminated, main thread drawing", QByteArray("basic"), false, DisplayEnd::Signal);
        dataRow("terminated with a held slew", QByteArray("threaded"), true, DisplayEnd::Signal);
        dataRow("window closed with a held slew", QByteArray("threaded"), true,
                DisplayEnd::WindowClose);
    }
    void endsCleanlyWhenTheDisplayGoesDuringTheEnd() {
        QFETCH(QByteArray, renderLoop);
        QFETCH(bool, holdSlew);
        QFETCH(DisplayEnd, end);
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
            runs[i].start(
                endDocument(holdSlew ? Hold::Key : Hold::Nothing, end == DisplayEnd::WindowClose),
                extra, settings);
        }
        for (int i = 0; i < kRuns; ++i) {
            Run& run = runs[i];
            // A run that closes its own window may have ended by now: only a failed start counts.
            run.process->waitForStarted(60000);
            QVERIFY2(run.process->error() != QProcess::FailedToStart,
                     qPrintable(run.process->errorString()));
            QTRY_VERIFY_WITH_TIMEOUT(run.walked(), 120000);
            if (end == DisplayEnd::Signal) {
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
        QVERIFY(mount.open());
        XServer server;
        QVERIFY(server.start());
        QProcessEnvironment extra;
        extra.insert("QT_QPA_PLATFORM", "xcb");
        extra.insert("DISPLAY", server.display());
        extra.insert("XAUTHORITY", "/nonexistent");
        mount.tellTo(extra);
        Run run;
        run.start(endDocument(padButton < 0 ? Hold::Key : Hold::PadButton, false), extra,
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

    // The end without a display lets go of what the user held, waits for the mount to take the
    // stop or the shutter's close (a command the network lost is sent again meanwhile), and runs
    // the quit's writes whether or not the mount took them, with the simulated controller as the
    // truth. Where the main thread draws, it is the one that meets the loss. Where it is held in
    // its work (stuck) while the render thread meets the loss, the watchdog's last resort stops
    // the slew and closes the bulb shutter that the program opened, logs what the mount did not
    // take, and ends the process. A remote client that slews the mount every 5 ms, faster than a
    // stop is taken, is refused from the last resort on: none of its slews cancels the last stop
    // or outlives the program.
    void theEndWithoutDisplayLetsGo_data() {
        QTest::addColumn<Hold>("hold");
        QTest::addColumn<bool>("stuck");
        QTest::addColumn<QList<QByteArray>>("lose");
        QTest::addColumn<bool>("cut");
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<bool>("slewingClient");
        const QList<QByteArray> none;
        const QList<QByteArray> stops{":K", ":L"};
        dataRow("bulb shutter held", Hold::BulbShutter, false, none, false, QByteArray(), false);
        dataRow("bulb shutter held, the first close lost", Hold::BulbShutter, false,
                QList<QByteArray>{":O10"}, false, QByteArray(), false);
        dataRow("Right key held, the first stop lost", Hold::Key, false, stops, false, QByteArray(),
                false);
        dataRow("bulb shutter held, link cut", Hold::BulbShutter, false, none, true,
                QByteArray(kMayBeOpen), false);
        dataRow("Right key held, link cut", Hold::Key, false, none, true, QByteArray(kMayMove),
                false);
        dataRow("stuck, bulb shutter open", Hold::BulbShutter, true, none, false, QByteArray(),
                false);
        dataRow("stuck, Right key held", Hold::Key, true, none, false, QByteArray(), false);
        dataRow("stuck, bulb shutter open, link cut", Hold::BulbShutter, true, none, true,
                QByteArray(kMayBeOpen), false);
        dataRow("stuck, Right key held, link cut", Hold::Key, true, none, true,
                QByteArray(kMayMove), false);
        dataRow("stuck, Right key held, a client slewing", Hold::Key, true, none, false,
                QByteArray(), true);
    }
    void theEndWithoutDisplayLetsGo() {
        QFETCH(Hold, hold);
        QFETCH(bool, stuck);
        QFETCH(QList<QByteArray>, lose);
        QFETCH(bool, cut);
        QFETCH(QByteArray, left);
        QFETCH(bool, slewingClient);
        if (QStandardPaths::findExecutable("Xvfb").isEmpty())
            QSKIP("Xvfb is not installed");
        SimulatedMount mount;
        QVERIFY(mount.open());
        XServer server;
        Run run;
        const uint16_t rpcPort = Ko::freePort();
        startHolding(run, server, mount, hold, stuck, rpcPort);
        if (QTest::currentTestFailed())
            return;
        if (stuck)
            QTRY_VERIFY_WITH_TIMEOUT(run.said("walk: main thread held"), 60000);
        std::optional<ReversingClient> client;
        if (slewingClient) {
            mount.sim.takeStarts();
            client.emplace(rpcPort, 5);
            // Its slews reach the mount while the main thread is held.
            int starts = 0;
            QTRY_VERIFY_WITH_TIMEOUT((starts += mount.sim.takeStarts()) >= 3, 30000);
        }
        mount.loseFirst(lose);
        if (cut)
            mount.cut();
        server.kill();
        // The controller answers while the program ends.
        QTRY_VERIFY_WITH_TIMEOUT(run.process->state() == QProcess::NotRunning, 60000);
        mount.answerWaiting();
        const QByteArray faults = run.faultsAfterWalk();
        QVERIFY2(run.process->exitStatus() == QProcess::NormalExit, run.errors.constData());
        QCOMPARE(run.process->exitCode(), 1);
        QVERIFY2(faults.isEmpty(), (faults + "\n" + run.errors).constData());
        if (stuck) {
            QVERIFY2(run.said("since the main thread does not come to the ending"),
                     run.errors.constData());
        } else {
            QVERIFY2(run.said("The display went away: ending"), run.errors.constData());
            QVERIFY2(run.said("walk: about to quit"), run.errors.constData());
            QCOMPARE(mount.lost.size(), lose.size() ? 1 : 0);
        }
        checkWhatWasLeft(run, mount, hold, cut, left);
    }

    // The watchdog looks at a teardown that overruns, and cuts it only on a connection that
    // broke: a slow teardown on a display that holds, or with no X display at all, ends in its
    // own time with the code of an ordinary end. The look is shortened for the run, so that a
    // teardown of a second and a half outlasts it several times over.
    void aSlowTeardownOnAHealthyDisplayIsNotCut_data() {
        QTest::addColumn<bool>("onX");
        dataRow("offscreen", false);
        dataRow("X display that holds", true);
    }
    void aSlowTeardownOnAHealthyDisplayIsNotCut() {
        QFETCH(bool, onX);
        XServer server;
        QProcessEnvironment extra;
        extra.insert("KO_TEARDOWN_LOOK_MS", "200");
        if (onX) {
            if (QStandardPaths::findExecutable("Xvfb").isEmpty())
                QSKIP("Xvfb is not installed");
            QVERIFY(server.start());
            extra.insert("QT_QPA_PLATFORM", "xcb");
            extra.insert("DISPLAY", server.display());
            extra.insert("XAUTHORITY", "/nonexistent");
            // As above: the GL driver's allocations outlive the module that made them.
            extra.insert("ASAN_OPTIONS", qEnvironmentVariable("ASAN_OPTIONS") + ":detect_leaks=0");
        }
        Run run;
        run.start(endDocument(Hold::Nothing, false, false, 1500), extra, R"({"lang_code": "en"})");
        QVERIFY(run.process->waitForStarted(60000));
        QTRY_VERIFY_WITH_TIMEOUT(run.walked(), 120000);
        QVERIFY2(run.process->state() == QProcess::Running && run.process->processId() > 0,
                 run.errors.constData());
        ::kill(pid_t(run.process->processId()), SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(run.process->state() == QProcess::NotRunning, 60000);
        const QByteArray faults = run.faultsAfterWalk();
        QVERIFY2(run.process->exitStatus() == QProcess::NormalExit, run.errors.constData());
        QVERIFY2(run.process->exitCode() == 0, run.errors.constData());
        QVERIFY2(faults.isEmpty(), (faults + "\n" + run.errors).constData());
        QVERIFY2(!run.said("overran"), run.errors.constData());
    }

private:
    // The program under server, connected to the open mount, with hold held on the mount once it
    // shows (and, with stuck, its main thread then held): returns once the controller has taken it.
    // rpcPort: the remote-method server's port.
    static void startHolding(Run& run, XServer& server, SimulatedMount& mount, Hold hold,
                             bool stuck, uint16_t rpcPort) {
        QVERIFY(server.start());
        QProcessEnvironment extra;
        extra.insert("KO_RPC_PORT", QString::number(rpcPort));
        extra.insert("QT_QPA_PLATFORM", "xcb");
        extra.insert("DISPLAY", server.display());
        extra.insert("XAUTHORITY", "/nonexistent");
        // The main thread draws and meets the loss itself, unless it is the one held; then the
        // render thread draws the animator's turns and meets it.
        extra.insert("QSG_RENDER_LOOP", stuck ? "threaded" : "basic");
        mount.tellTo(extra);
        run.start(endDocument(hold, false, stuck), extra, kConnectedSettings);
        QVERIFY(run.process->waitForStarted(60000));
        QTRY_VERIFY_WITH_TIMEOUT(run.walked(), 120000);
        QVERIFY2(run.process->state() == QProcess::Running, run.errors.constData());
        if (hold == Hold::BulbShutter)
            QTRY_COMPARE_WITH_TIMEOUT(mount.shutter(), QByteArray(":O11\r"), 30000);
        else
            QTRY_VERIFY_WITH_TIMEOUT(mount.moving(), 30000);
    }
};

QTEST_GUILESS_MAIN(TestDisplayEnd)
#include "tst_displayend.moc"

#include "app/tests/scratchhome.h"
#include "base/tests/datarow.h"
#include "server/tests/loopbackrig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <vector>

namespace {

// Pages that bind to the services and to the window's own objects, opened one over the other and
// left open when the program ends: the menus, lists, settings and utility pages of every area.
const char* const kPages[] = {
    "Page/AlignmentMenu.qml",
    "Page/StarMenu.qml",
    "Page/DeepSkyMenu.qml",
    "Page/CatalogAstroListPage.qml",
    "Page/TonightBestPage.qml",
    "Page/UtilityMenu.qml",
    "Page/UserObjectsMenu.qml",
    "Page/SettingsMenu.qml",
    "Page/AdvancedMenu.qml",
    "Page/AltitudeLimitPage.qml",
    "Page/MagnitudeLimitPage.qml",
    "Page/BacklashPage.qml",
    "Page/ConnectSettingsPage.qml",
    "Page/UserInterfacePage.qml",
    "Page/AlignCompensationPage.qml",
    "Page/AlignWithSyncPage.qml",
    "Page/PolarScopePage.qml",
    "Page/HibernatePage.qml",
    "Page/AutoHomePage.qml",
    "Page/PMSharingPage.qml",
    "Page/LogPage.qml",
    "Page/UserObjectsPage.qml",
    "Page/CameraControlPage.qml",
    "Page/IdentifyPage.qml",
};

// What a program must never print on its way out: a sanitizer's report, a binding that ran
// against something already gone, or work that ran after the application object.
const char* const kFaults[] = {
    "AddressSanitizer", "LeakSanitizer",      "runtime error:",           "TypeError",
    "ReferenceError",   "Please instantiate", "Timers cannot be stopped", "QObject::~QObject",
};

// How the walk ends the program, when the test does not.
enum class End { Signal, WindowClose };

// The program's own window under a root document that walks it: once the window shows, it opens
// kPages, leaves them open, says so, and then closes the window itself or waits for the test. An
// item that turns without pause keeps the window drawing.
// wanderSteps steps of a wander (from seed) come before the walk.
QByteArray walkerDocument(End end, bool keepDrawing, int wanderSteps = 0, int seed = 1) {
    QByteArray pages;
    for (const char* page : kPages)
        pages += QByteArray("\"qrc:/") + page + "\", ";
    return QByteArray(R"(
        import QtQuick
        QtObject {
            id: walker
            readonly property var pages: [%PAGES%]
            property int next: 0
            property bool started: false
            // Made here rather than loaded as the root document; a child of this object, so that
            // it goes with it.
            property var program: Qt.createComponent("qrc:/main.qml").createObject(walker)
            // Once the window shows: a window closed before it ever showed would not end the
            // program.
            property Connections shown: Connections {
                target: walker.program
                function onFrameSwapped() {
                    if (!walker.started) {
                        walker.started = true
                        Qt.callLater(walker.openNext)
                    }
                }
            }
            // A fixed sequence per seed: pages opened, left with the back key, all left at once,
            // and the colours turned to night and back, each step in the next turn of the loop.
            property int seed: %SEED%
            property int wanderSteps: %WANDER%
            function random() {
                seed = (seed * 1103515245 + 12345) % 2147483648
                return seed / 2147483648
            }
            function wander() {
                const stack = program.inj_stackView
                const r = random()
                if (r < 0.45)
                    stack.push(pages[Math.floor(random() * pages.length)])
                else if (r < 0.8)
                    program.goBack()
                else if (r < 0.9)
                    stack.pop(null)
                else
                    program.inj_nightManager.setting = program.inj_nightManager.setting === 1 ? 2 : 1
                Qt.callLater(--wanderSteps > 0 ? wander : openNext)
            }
            function openNext() {
                const stack = program.inj_stackView
                if (wanderSteps > 0) {
                    wander()
                    return
                }
                if (next < pages.length) {
                    stack.push(pages[next++])
                    Qt.callLater(openNext)
                    return
                }
                if (%DRAW%) {
                    const spinner = spinnerComponent.createObject(program.contentItem)
                    spinner.turns.start()
                }
                console.log("walk: done at depth " + stack.depth)
                if (%CLOSE%)
                    Qt.callLater(() => program.close())
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
        .replace("%PAGES%", pages)
        .replace("%DRAW%", keepDrawing ? "true" : "false")
        .replace("%SEED%", QByteArray::number(seed))
        .replace("%WANDER%", QByteArray::number(wanderSteps))
        .replace("%CLOSE%", end == End::WindowClose ? "true" : "false");
}

// One run of the real program on a scratch data folder of its own, on its own ports.
struct Run {
    std::unique_ptr<QTemporaryDir> home = std::make_unique<QTemporaryDir>();
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QByteArray errors;

    QString dataHome() const { return home->filePath("data"); }

    void start(const QByteArray& document, const QProcessEnvironment& extra,
               const QByteArray& settings = {}) {
        if (!settings.isEmpty()) {
            QVERIFY(QDir().mkpath(dataHome() + "/QuorvelPro"));
            QFile stored(dataHome() + "/QuorvelPro/Settings.txt");
            QVERIFY(stored.open(QIODevice::WriteOnly));
            stored.write(settings);
        }
        const QString path = home->filePath("walker.qml");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(document);
        f.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        for (const auto& [name, value] : scratchHomeVariables(home->path()))
            env.insert(name, value);
        env.insert("KO_ROOT_QML", path);
        env.insert("KO_BROADCAST_LOOPBACK", "1");
        env.insert("KO_COMET_URL", "http://127.0.0.1:1/CometEls.txt");
        env.insert("KO_RPC_PORT", QString::number(Ko::freePort()));
        env.insert("KO_QRP_PORT", QString::number(Ko::freePort()));
        env.insert("KO_POSITION_PORT", QString::number(Ko::freePort()));
        for (const QString& name : extra.keys())
            env.insert(name, extra.value(name));
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(home->path());
        process->setProcessChannelMode(QProcess::SeparateChannels);
        process->start(KO_QUORVEL_BINARY);
    }

    bool said(const QByteArray& text) {
        errors += process->readAllStandardError();
        return errors.contains(text);
    }

    bool walked() { return said("walk: done") || process->state() == QProcess::NotRunning; }

    // The faults printed after the walk.
    QByteArray faultsAfterWalk() {
        errors += process->readAllStandardError();
        const QByteArray tail = errors.mid(qMax(0, int(errors.indexOf("walk: done"))));
        QByteArray found;
        for (const char* fault : kFaults) {
            if (tail.contains(fault))
                found += QByteArray(fault) + "; ";
        }
        return found;
    }

    QJsonObject settings() const {
        QFile f(dataHome() + "/QuorvelPro/Settings.txt");
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }
};

// An X server of the test's own, on a display from :120 up that no other holds.
class XServer {
public:
    bool start() {
        for (int display = 120; display < 200; ++display) {
            if (QFileInfo::exists(QString("/tmp/.X%1-lock").arg(display)) ||
                QFileInfo::exists(QString("/tmp/.X11-unix/X%1").arg(display)))
                continue;
            m_process = std::make_unique<QProcess>();
            m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            m_process->start("Xvfb", {QString(":%1").arg(display), "-nolisten", "tcp", "-screen",
                                      "0", "1024x768x24"});
            if (!m_process->waitForStarted())
                return false;
            const QString socket = QString("/tmp/.X11-unix/X%1").arg(display);
            // Up once it listens; another server that won the number a moment ago ends this one.
            QTest::qWaitFor(
                [&] {
                    return QFileInfo::exists(socket) || m_process->state() == QProcess::NotRunning;
                },
                30000);
            if (m_process->state() == QProcess::Running && QFileInfo::exists(socket)) {
                m_display = display;
                return true;
            }
            m_process->kill();
            m_process->waitForFinished();
        }
        return false;
    }

    QString display() const { return QString(":%1").arg(m_display); }

    // Abruptly, as a display that drops; a server killed so leaves its lock and socket behind,
    // which are removed when they are this server's.
    void kill() {
        const qint64 pid = m_process->processId();
        m_process->kill();
        m_process->waitForFinished();
        QFile lock(QString("/tmp/.X%1-lock").arg(m_display));
        if (m_display >= 0 && lock.open(QIODevice::ReadOnly) &&
            lock.readAll().trimmed().toLongLong() == pid) {
            lock.close();
            QFile::remove(QString("/tmp/.X11-unix/X%1").arg(m_display));
            QFile::remove(lock.fileName());
        }
    }

    ~XServer() {
        if (m_process && m_process->state() != QProcess::NotRunning)
            kill();
    }

private:
    std::unique_ptr<QProcess> m_process;
    int m_display = -1;
};

} // namespace

// Ends the real program, many times, after its pages were opened, and once more under an X server
// that goes away: every end is an orderly one, whatever was open.
class TestProgramEnd : public QObject {
    Q_OBJECT

private slots:
    void endsCleanlyAfterTheWalk_data() {
        QTest::addColumn<End>("end");
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("wanderSteps");
        QTest::addColumn<QByteArray>("settings");
        dataRow("terminated with every page open", End::Signal, int(SIGTERM), 0, QByteArray());
        dataRow("interrupted with every page open", End::Signal, int(SIGINT), 0, QByteArray());
        dataRow("window closed with every page open", End::WindowClose, 0, 0, QByteArray());
        dataRow("terminated after wandering the pages", End::Signal, int(SIGTERM), 300,
                QByteArray());
        // Dutch texts, night colours and the smallest window, the emulated mount connecting at
        // the start: pages that lay themselves out again and follow the mount while they go.
        dataRow("wandered in Dutch at night, connected, in the smallest window", End::Signal,
                int(SIGTERM), 300,
                QByteArray(R"({"lang_code": "nl", "night_mode": 1, "ui.winrect.width": 320,
                               "ui.winrect.height": 480, "cxn.commtype": 1,
                               "connect_multi_mountmode": 1, "connect_at_start": true})"));
    }
    void endsCleanlyAfterTheWalk() {
        QFETCH(End, end);
        QFETCH(int, signal);
        QFETCH(int, wanderSteps);
        QFETCH(QByteArray, settings);
        // Programs at once, so that the runs fit the time of one test on two cores.
        constexpr int kRuns = 6;
        std::vector<Run> runs(kRuns);
        for (int i = 0; i < kRuns; ++i)
            runs[i].start(walkerDocument(end, false, wanderSteps, i + 1), {}, settings);
        for (Run& run : runs) {
            // A run that closes its own window may have ended by now: only a failed start counts.
            run.process->waitForStarted(60000);
            QVERIFY2(run.process->error() != QProcess::FailedToStart,
                     qPrintable(run.process->errorString()));
            QTRY_VERIFY_WITH_TIMEOUT(run.walked(), 120000);
            if (end == End::Signal)
                ::kill(pid_t(run.process->processId()), signal);
        }
        for (Run& run : runs) {
            QVERIFY2(run.process->state() == QProcess::NotRunning ||
                         run.process->waitForFinished(60000),
                     "the program did not end");
            const QByteArray faults = run.faultsAfterWalk();
            QVERIFY2(run.process->exitStatus() == QProcess::NormalExit &&
                         run.process->exitCode() == 0,
                     run.errors.constData());
            QVERIFY2(run.errors.contains("walk: done at depth "), run.errors.constData());
            QVERIFY2(faults.isEmpty(), (faults + "\n" + run.errors).constData());
        }
    }

    // The X server goes away under the program, idle or drawing: the main thread ends it, as a
    // quit does, and nothing crashes; the settings are whole and hold the window's place.
    void endsCleanlyWhenTheDisplayGoes_data() {
        QTest::addColumn<QByteArray>("renderLoop");
        QTest::addColumn<bool>("drawing");
        dataRow("render thread, drawing", QByteArray("threaded"), true);
        dataRow("render thread, idle", QByteArray("threaded"), false);
        dataRow("main thread drawing", QByteArray("basic"), true);
    }
    void endsCleanlyWhenTheDisplayGoes() {
        QFETCH(QByteArray, renderLoop);
        QFETCH(bool, drawing);
        if (QStandardPaths::findExecutable("Xvfb").isEmpty())
            QSKIP("Xvfb is not installed");
        XServer server;
        QVERIFY(server.start());
        QProcessEnvironment extra;
        extra.insert("QT_QPA_PLATFORM", "xcb");
        extra.insert("DISPLAY", server.display());
        extra.insert("QSG_RENDER_LOOP", QString::fromLatin1(renderLoop));
        extra.insert("XAUTHORITY", "/nonexistent");
        Run run;
        run.start(walkerDocument(End::Signal, drawing), extra);
        QVERIFY(run.process->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(run.walked(), 120000);
        QVERIFY2(run.process->state() == QProcess::Running, run.errors.constData());
        server.kill();
        QVERIFY2(run.process->state() == QProcess::NotRunning ||
                     run.process->waitForFinished(60000),
                 "the program did not end");
        const QByteArray faults = run.faultsAfterWalk();
        QVERIFY2(run.process->exitStatus() == QProcess::NormalExit, run.errors.constData());
        QCOMPARE(run.process->exitCode(), 1);
        QVERIFY2(run.errors.contains("The display went away: ending"), run.errors.constData());
        QVERIFY2(faults.isEmpty(), (faults + "\n" + run.errors).constData());
        const QJsonObject saved = run.settings();
        QVERIFY2(saved.value("ui.winrect.width").toDouble() > 0,
                 QJsonDocument(saved).toJson().constData());
    }
};

QTEST_GUILESS_MAIN(TestProgramEnd)
#include "tst_programend.moc"

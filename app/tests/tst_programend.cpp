#include "app/tests/programruns.h"
#include "base/tests/datarow.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <vector>

namespace {

using namespace Ko::ProgramRuns;

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

// How the walk ends the program, when the test does not.
enum class EndBy { Signal, WindowClose };

// The program's own window under a root document that walks it: once the window shows, it opens
// kPages, leaves them open, says so, and then closes the window itself or waits for the test. An
// item that turns without pause keeps the window drawing.
// wanderSteps steps of a wander (from seed) come before the walk.
QByteArray walkerDocument(EndBy end, bool keepDrawing, int wanderSteps = 0, int seed = 1) {
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
        .replace("%CLOSE%", end == EndBy::WindowClose ? "true" : "false");
}

} // namespace

// Ends the real program, many times, after its pages were opened, and once more under an X server
// that goes away: every end is an orderly one, whatever was open.
class TestProgramEnd : public QObject {
    Q_OBJECT

private slots:
    void endsCleanlyAfterTheWalk_data() {
        QTest::addColumn<EndBy>("end");
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("wanderSteps");
        QTest::addColumn<QByteArray>("settings");
        dataRow("terminated with every page open", EndBy::Signal, int(SIGTERM), 0, QByteArray());
        dataRow("interrupted with every page open", EndBy::Signal, int(SIGINT), 0, QByteArray());
        dataRow("window closed with every page open", EndBy::WindowClose, 0, 0, QByteArray());
        dataRow("terminated after wandering the pages", EndBy::Signal, int(SIGTERM), 300,
                QByteArray());
        // Dutch texts, night colours and the smallest window, the emulated mount connecting at
        // the start: pages that lay themselves out again and follow the mount while they go.
        dataRow("wandered in Dutch at night, connected, in the smallest window", EndBy::Signal,
                int(SIGTERM), 300,
                QByteArray(R"({"lang_code": "nl", "night_mode": 1, "ui.winrect.width": 320,
                               "ui.winrect.height": 480, "cxn.commtype": 1,
                               "connect_multi_mountmode": 1, "connect_at_start": true})"));
    }
    void endsCleanlyAfterTheWalk() {
        QFETCH(EndBy, end);
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
            if (end == EndBy::Signal)
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
        run.start(walkerDocument(EndBy::Signal, drawing), extra);
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

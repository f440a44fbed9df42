import QtQuick
import QtTest
import Ko.AstroBase
import Ko.Quorvel
import "../rig"

// Trail-point runs on the emulated mount, as the dialog shows them, and what closing it stops.
TestCase {
    id: testCase
    name: "TrailPoints"
    when: windowShown

    property var popup: null
    readonly property var mount: inj_mountConnection.mount

    WindowRig {
        id: rig
        testCase: testCase
    }
    property var progressAtOpen: undefined
    Connections {
        target: popup
        function onAboutToShow() {
            progressAtOpen = popup.progress
        }
    }
    SignalSpy {
        id: centerings
        signalName: "shouldShow"
    }

    function initTestCase() {
        // The stock sweep: the mount slews to it and waits for a point it can reach in time.
        inj_testTrailPoints.setAbsRateDps(0.125)
        inj_testTrailPoints.setIntervalMs(50)
        inj_testTrailPoints.setHaStartDeg(-20)
        inj_testTrailPoints.setHaEndDeg(20)
        rig.createWindow()
        popup = rig.find("trailPointsPopup")
        centerings.target = inj_centeringUIStub
    }

    function cleanupTestCase() {
        popup.close()
        rig.settle()
    }

    function text(name) {
        return findChild(popup.contentItem, name).text
    }

    function startRun() {
        inj_testTrailPoints.start()
        tryVerify(() => popup.opened && mount.trailPointsTracking, 15000, "run on screen")
    }

    function test_texts_data() {
        return [
            { tag: "no run", info: undefined, progress: null, count: "\n", state: "" },
            { tag: "zero points", info: { totalPoints: 0 }, progress: null, count: "0/0\n(%)", state: "" },
            { tag: "no progress yet", info: { totalPoints: 8 }, progress: null, count: "0/8\n(0%)", state: "" },
            { tag: "going", info: { totalPoints: 8 },
              progress: { donePoints: 0, state: TrailPointsDetailedState.SlewTo }, count: "0/8\n(0%)", state: "Go To" },
            { tag: "waiting", info: { totalPoints: 3 },
              progress: { donePoints: 1, state: TrailPointsDetailedState.Waiting }, count: "1/3\n(33%)", state: "Waiting" },
            { tag: "tracking", info: { totalPoints: 8 },
              progress: { donePoints: 7, state: TrailPointsDetailedState.Tracking }, count: "7/8\n(87%)", state: "Tracking" },
            { tag: "unknown state", info: { totalPoints: 8 }, progress: { donePoints: 8, state: 7 },
              count: "8/8\n(100%)", state: "~" },
            { tag: "ended", info: { totalPoints: 8, cmdRet: { type: CmdRetType.Timeout } },
              progress: { donePoints: 2, state: TrailPointsDetailedState.Tracking }, count: "2/8\n(25%)",
              state: "Communication error" }
        ]
    }

    function test_texts(data) {
        compare(popup.countText(data.info, data.progress), data.count)
        compare(popup.stateText(data.info, data.progress), data.state)
    }

    // Starts a run and waits until it has passed its first points.
    function runUnderWay() {
        progressAtOpen = undefined
        startRun()
        compare(progressAtOpen, null, "a new run starts from no progress")
        tryVerify(() => popup.progress !== null && popup.progress.donePoints > 0, 20000, "points done")
        verify(/^\d+\/\d+\n\(\d+%\)$/.test(text("count")), text("count"))
        verify(["Waiting", "Tracking"].includes(text("state")), text("state"))
    }

    function test_endedRunLeavesGoTo() {
        runUnderWay()
        // Stopped from elsewhere (a remote client): the dialog stays with the result.
        mount.abortSlewAsync()
        tryVerify(() => !mount.trailPointsTracking, 5000, "run ended")
        tryCompare(findChild(popup.contentItem, "state"), "text", "Canceled")
        verify(popup.opened)

        // Closed after the end, the dialog leaves a GoTo started meanwhile alone.
        centerings.clear()
        rig.startGoTo(0)
        findChild(popup.contentItem, "closeButton").clicked()
        rig.waitGoToEnd()
        tryCompare(centerings, "count", 1, 5000, "the GoTo ran to its end")
    }

    function test_closeAbortsRun() {
        rig.settle()
        runUnderWay()
        findChild(popup.contentItem, "closeButton").clicked()
        tryVerify(() => !mount.trailPointsTracking, 5000, "run stopped")
        compare(mount.trailPointsTaskInfo.cmdRet.type, CmdRetType.Cancel)
        verify(!popup.visible)
    }
}

import QtQuick
import QtTest
import "../rig"

// Resizing the window while a mount is connected: the dialogs sized to the window follow every
// size while the status they show reports again and again, closed or open.
TestCase {
    id: testCase
    name: "Resize"
    when: windowShown

    WindowRig {
        id: rig
        testCase: testCase
    }
    SignalSpy {
        id: gotoReports
        target: inj_gotoStatus
        signalName: "valueChanged"
    }
    SignalSpy {
        id: trailReports
        target: inj_trailPointsStatus
        signalName: "valueChanged"
    }

    property var window: null
    readonly property var sizes: [[428, 858], [500, 700], [360, 640], [428, 926], [700, 600]]
    readonly property var sizedToWindow: ["popupGoTo", "trailPointsPopup", "uiBlockingMessage"]

    function initTestCase() {
        inj_testTrailPoints.setAbsRateDps(0.125)
        inj_testTrailPoints.setIntervalMs(50)
        inj_testTrailPoints.setHaStartDeg(-20)
        inj_testTrailPoints.setHaEndDeg(20)
        window = rig.createWindow()
        waitForRendering(window.contentItem)
    }

    function cleanupTestCase() {
        rig.find("trailPointsPopup").close()
        rig.settle()
    }

    function init() {
        rig.settle()
    }

    function test_resize_data() {
        return [
            { tag: "no dialog, after connecting", dialog: "", spy: gotoReports,
              start: () => {
                  rig.disconnect()
                  rig.connect()
              } },
            { tag: "during a GoTo", dialog: "popupGoTo", spy: gotoReports, start: () => rig.startGoTo(0) },
            { tag: "during a trail-point run", dialog: "trailPointsPopup", spy: trailReports,
              start: () => inj_testTrailPoints.start() }
        ]
    }

    function test_resize(data) {
        gotoReports.clear()
        trailReports.clear()
        data.start()
        if (data.dialog !== "")
            tryVerify(() => rig.find(data.dialog).opened, 15000, "the dialog opens")
        // The status has reported since the case began: the dialogs' texts have changed
        // before the window is resized.
        tryVerify(() => data.spy.count > 0, 10000, "a status report")
        for (let round = 0; round < 4; ++round) {
            for (const [w, h] of sizes) {
                window.width = w
                window.height = h
                tryCompare(window.contentItem, "width", w)
                for (const name of sizedToWindow) {
                    const dialog = rig.find(name)
                    compare(dialog.width, dialog.parent.width, name + " follows the width")
                    compare(dialog.height, dialog.parent.height, name + " follows the height")
                }
            }
        }
        verify(inj_mountConnection.connected)
        if (data.dialog === "trailPointsPopup")
            rig.find(data.dialog).close()
    }
}

import QtQuick
import QtTest
import "../rig"

// The trail-point dialog covers the window and its pad, so it carries a pad of its own; the back
// key closes it and ends the run.
TestCase {
    id: testCase
    name: "TrailPad"
    when: windowShown

    WindowRig {
        id: rig
        testCase: testCase
    }

    property var window: null
    property var popup: null
    readonly property var mount: inj_mountConnection.mount

    function initTestCase() {
        inj_testTrailPoints.setAbsRateDps(0.125)
        inj_testTrailPoints.setIntervalMs(50)
        inj_testTrailPoints.setHaStartDeg(-20)
        inj_testTrailPoints.setHaEndDeg(20)
        window = rig.createWindow()
        popup = rig.find("trailPointsPopup")
        inj_generalInfoList.setUpdating(true)
    }

    function cleanupTestCase() {
        inj_generalInfoList.setUpdating(false)
        popup.close()
        rig.settle()
    }

    function init() {
        rig.settle()
        inj_testTrailPoints.start()
        tryVerify(() => popup.opened && mount.trailPointsTracking, 15000, "run on screen")
    }

    function cleanup() {
        popup.close()
    }

    // The text of the axis row of the information list, which follows the mount's position.
    function axisText() {
        const model = inj_generalInfoList.listModel
        for (let i = 0; i < model.rowCount(); ++i) {
            const index = model.index(i, 0)
            if (model.data(index, Qt.UserRole + 2) === "Axis")
                return model.data(index, Qt.UserRole + 3)
        }
        return undefined
    }

    // True once the axis text has stayed the same for twenty reads in a row.
    function waitStill() {
        let last = null
        let same = 0
        tryVerify(() => {
            const text = axisText()
            if (text === undefined || text === "")
                return false
            same = text === last ? same + 1 : 0
            last = text
            return same >= 20
        }, 15000, "the axes stop")
    }

    function test_padOnTop() {
        const pad = findChild(popup, "trailPad")
        verify(pad, "the dialog's pad")
        compare(popup.footer, pad, "the pad is the dialog's footer")
        verify(pad !== window.inj_mainFooter)
        verify(pad.visible)
        for (let button = 0; button < 8; ++button) {
            const b = findChild(pad, "direction" + button)
            verify(b.width > 10 && b.height > 10, "button " + button + " has room")
            // The dialog covers the whole window, header and footer included.
            const corner = b.mapToItem(popup.parent, b.width, b.height)
            verify(corner.y <= popup.parent.height + 1,
                   "button " + button + " on screen: " + corner.y + " > " + popup.parent.height)
            tryCompare(b, "enabled", true)
        }
    }

    // Pressed while the dialog shows the ended run, the pad moves the mount; released, it
    // stops it.
    function test_pressMovesReleaseStops_data() {
        return [
            { tag: "right", button: 0 },
            { tag: "down", button: 3 }
        ]
    }

    function test_pressMovesReleaseStops(data) {
        mount.abortSlewAsync()
        tryVerify(() => !mount.trailPointsTracking, 10000, "run ended")
        verify(popup.opened, "the dialog stays with the result")
        waitStill()
        const pad = findChild(popup, "trailPad")
        const b = findChild(pad, "direction" + data.button)
        tryCompare(b, "enabled", true)
        const before = axisText()
        const touches = touchEvent(pad)
        touches.press(0, b, b.width / 2, b.height / 2).commit()
        tryVerify(() => axisText() !== before, 10000, "the axis moves while held")
        touches.release(0, b, b.width / 2, b.height / 2).commit()
        waitStill()
        const stopped = axisText()
        wait(300)
        compare(axisText(), stopped, "still after the release")
    }

    function test_backKeyEndsTheRun_data() {
        return [
            { tag: "back", key: Qt.Key_Back },
            { tag: "escape", key: Qt.Key_Escape }
        ]
    }

    function test_backKeyEndsTheRun(data) {
        window.requestActivate()
        tryCompare(window, "active", true)
        keyClick(data.key)
        tryVerify(() => !popup.visible, 5000, "the dialog closes")
        tryVerify(() => !mount.trailPointsTracking, 10000, "the run ends")
        compare(window.inj_stackView.depth, 1, "the key went no further")
        verify(window.visible)
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Window
import QtTest
import "qrc:/CommonUI"

// The slew pad on the emulated mount: touch points, keys, the GoTo guard, and every way a held
// button can be let go without a release.
WindowRig {
    id: testCase
    name: "SlewPad"

    RecordingSlewing {
        id: recorder
    }

    QtObject {
        id: gotoStatus
        property bool done: true
    }

    property var footer: null

    Component {
        id: pageComponent
        Page {}
    }

    function initTestCase() {
        recorder.real = inj_slewingControl
        testHelper.publish("inj_slewingControl", recorder)
        testHelper.publish("inj_gotoStatus", gotoStatus)
        window = makeWindow(testCase)
        footer = part("mainFooter")
        verify(footer)
    }

    function cleanupTestCase() {
        disconnect()
        testHelper.restore("inj_slewingControl")
        testHelper.restore("inj_gotoStatus")
    }

    function init() {
        connectEmulator()
        recorder.sent = []
        gotoStatus.done = true
        footer.requestDisplay(true)
    }

    function cleanup() {
        recorder.enOverride = null
        window.inj_toaster.model.clear()
        while (window.inj_mainUIUtil.showFooter.value === false)
            window.inj_mainUIUtil.showFooter.pop()
        footer.releaseKeys()
        footer.releaseScreen()
        inj_generalInfoList.setUpdating(false)
    }

    function button(index) {
        return findChild(footer, "direction" + index)
    }

    function touchAt(sequence, id, index, press) {
        const b = button(index)
        if (press)
            sequence.press(id, b, b.width / 2, b.height / 2)
        else
            sequence.release(id, b, b.width / 2, b.height / 2)
    }

    function key(k, press) {
        testHelper.sendKey(window.inj_stackView, k, press)
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

    // True once the axis text has stayed the same for about a second.
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
        }, 10000, "the axes stop")
    }

    function test_noMount() {
        disconnect()
        for (let i = 0; i < 8; ++i) {
            compare(button(i).enabled, false, "button " + i)
            compare(button(i).opacity, 0.5, "button " + i)
        }
        // The keys still reach the slewing control, which ignores them without a mount.
        key(Qt.Key_Right, true)
        compare(recorder.held(), [0])
        key(Qt.Key_Right, false)
        compare(recorder.held(), [])
        connectEmulator()
        tryCompare(button(0), "enabled", true)
        compare(button(0).opacity, 1)
    }

    function test_twoTouchPoints() {
        const touches = touchEvent(footer)
        touchAt(touches, 0, 0, true)
        touches.commit()
        compare(recorder.held(), [0])
        touchAt(touches, 1, 3, true)
        touches.stationary(0)
        touches.commit()
        compare(recorder.held(), [0, 3])
        touchAt(touches, 0, 0, false)
        touches.stationary(1)
        touches.commit()
        compare(recorder.held(), [3])
        touchAt(touches, 1, 3, false)
        touches.commit()
        compare(recorder.held(), [])
    }

    // A button the slewing control disables takes no touch and no key: pressing it beside a
    // held opposite button must not cancel that axis's motion, whether fingers or keys hold them.
    function test_disabledButton_data() {
        return [
            { tag: "left disabled while right held", hold: 0, disabled: 1, keys: false },
            { tag: "down disabled while up held", hold: 2, disabled: 3, keys: false },
            { tag: "up-left disabled while down-right held", hold: 5, disabled: 6, keys: false },
            { tag: "left key disabled while right key held", hold: 0, disabled: 1, keys: true },
            { tag: "down key disabled while up key held", hold: 2, disabled: 3, keys: true }
        ]
    }

    function test_disabledButton(data) {
        const enabled = [true, true, true, true, true, true, true, true]
        enabled[data.disabled] = false
        recorder.enOverride = enabled
        tryCompare(button(data.disabled), "enabled", false)
        compare(button(data.hold).enabled, true)
        // Slew-pad buttons 0 to 3 are the keys Right, Left, Up and Down.
        const arrows = [Qt.Key_Right, Qt.Key_Left, Qt.Key_Up, Qt.Key_Down]
        const touches = touchEvent(footer)
        const input = (index, id, press, other) => {
            if (data.keys) {
                key(arrows[index], press)
                return
            }
            touchAt(touches, id, index, press)
            if (other !== undefined)
                touches.stationary(other)
            touches.commit()
        }
        input(data.hold, 0, true)
        compare(recorder.held(), [data.hold])
        input(data.disabled, 1, true, 0)
        compare(recorder.held(), [data.hold], "the disabled button counts no press")
        input(data.disabled, 1, false, 0)
        compare(recorder.held(), [data.hold])
        input(data.hold, 0, false)
        compare(recorder.held(), [])
    }

    function test_axesSlewWhileHeld() {
        inj_generalInfoList.setUpdating(true)
        waitStill()
        const before = axisText()
        const touches = touchEvent(footer)
        touchAt(touches, 0, 0, true)
        touches.commit()
        tryVerify(() => axisText() !== before, 10000, "the axis moves while held")
        touchAt(touches, 0, 0, false)
        touches.commit()
        compare(recorder.held(), [])
        waitStill()
    }

    // A touch point that is taken away without a release lets the button go.
    function test_cancelledTouch_data() {
        return [
            { tag: "dialog opens over it", interrupt: () => {
                  const dialog = Qt.createComponent("qrc:/CommonUI/CommonDialog.qml")
                      .createObject(window.contentItem, { content: "GoTo" })
                  dialog.open()
                  return () => dialog.destroy()
              } },
            { tag: "pad folded", interrupt: () => {
                  footer.requestDisplay(false)
                  return () => footer.requestDisplay(true)
              } },
            { tag: "pad hidden", interrupt: () => {
                  window.inj_mainUIUtil.showFooter.push(false)
                  return () => window.inj_mainUIUtil.showFooter.pop()
              } }
        ]
    }

    function test_cancelledTouch(data) {
        const touches = touchEvent(footer)
        touchAt(touches, 0, 2, true)
        touches.commit()
        compare(recorder.held(), [2])
        const undo = data.interrupt()
        tryVerify(() => recorder.held().length === 0, 2000, "the button is let go")
        // The finger lifts later; nothing starts again.
        const count = recorder.sent.length
        touches.release(0, footer, 1, 1).commit()
        undo()
        compare(recorder.held(), [])
        verify(recorder.sent.length <= count + 1)
    }

    function test_arrowKeys_data() {
        return [
            { tag: "left", key: Qt.Key_Left, button: 1 },
            { tag: "up", key: Qt.Key_Up, button: 2 },
            { tag: "right", key: Qt.Key_Right, button: 0 },
            { tag: "down", key: Qt.Key_Down, button: 3 }
        ]
    }

    function test_arrowKeys(data) {
        key(data.key, true)
        compare(recorder.held(), [data.button])
        key(data.key, false)
        compare(recorder.held(), [])
    }

    // During a GoTo presses are ignored, but a release still lets its button go.
    function test_keysDuringGoto() {
        key(Qt.Key_Right, true)
        compare(recorder.held(), [0])
        gotoStatus.done = false
        const count = recorder.sent.length
        key(Qt.Key_Up, true)
        compare(recorder.sent.length, count, "a press during a GoTo sends nothing")
        key(Qt.Key_Right, false)
        compare(recorder.held(), [])
        key(Qt.Key_Up, false)
        compare(recorder.held(), [])
    }

    // The release of a key that is held while the keyboard goes elsewhere never arrives.
    function test_keyboardLost_data() {
        return [
            { tag: "another window", take: () => {
                  const other = Qt.createQmlObject(
                      "import QtQuick; Window { width: 40; height: 40; visible: true }", testCase)
                  other.requestActivate()
                  return other
              } },
            { tag: "a field in the window", take: () => {
                  const field = Qt.createQmlObject("import QtQuick.Controls; TextField {}",
                                                   window.contentItem)
                  field.forceActiveFocus()
                  return field
              } }
        ]
    }

    function test_keyboardLost(data) {
        window.requestActivate()
        tryCompare(window, "active", true)
        window.inj_stackView.forceActiveFocus()
        key(Qt.Key_Right, true)
        key(Qt.Key_Down, true)
        compare(recorder.held(), [0, 3])
        const taker = data.take()
        tryCompare(window.inj_stackView, "activeFocus", false)
        compare(recorder.held(), [])
        taker.destroy()
        window.inj_stackView.forceActiveFocus()
    }

    // A toast lies above the pad, never over its fold, home or lower arrow buttons; with the pad
    // hidden it takes the window's bottom.
    function test_toastAbovePad_data() {
        return [
            { tag: "unfolded", fold: false, hide: false },
            { tag: "folded", fold: true, hide: false },
            { tag: "pad hidden", fold: false, hide: true }
        ]
    }

    function test_toastAbovePad(data) {
        footer.requestDisplay(!data.fold)
        if (data.hide)
            window.inj_mainUIUtil.showFooter.push(false)
        const toaster = window.inj_toaster
        toaster.show("Location Updated", 100000)
        tryVerify(() => toaster.count === 1 && toaster.itemAtIndex(0) !== null)
        const toast = toaster.itemAtIndex(0)
        const column = window.footer
        // Placed once the list has laid out its delegate.
        tryVerify(() => {
            const bottom = toast.mapToItem(null, 0, toast.height).y
            const limit = data.hide ? window.height : column.mapToItem(null, 0, 0).y
            return bottom <= limit - 5 && bottom > limit - 30
        }, 2000, "the toast sits just above " + (data.hide ? "the window's edge" : "the pad"))
        for (const name of ["foldButton", "homeButton", "direction3"]) {
            const b = findChild(footer, name)
            if (!b.visible || data.hide)
                continue
            verify(toast.mapToItem(null, 0, toast.height).y <= b.mapToItem(null, 0, 0).y, name)
        }
    }

    function test_sideButtons() {
        const rate = findChild(footer, "rateLabel")
        const start = inj_slewingControl.intRate
        compare(rate.text, String(start))
        mouseClick(findChild(footer, "ratePlusButton"))
        compare(inj_slewingControl.intRate, start + 1)
        compare(rate.text, String(start + 1))
        mouseClick(findChild(footer, "rateMinusButton"))
        compare(inj_slewingControl.intRate, start)

        const grid = findChild(footer, "directionGrid")
        mouseClick(findChild(footer, "foldButton"))
        compare(footer.displayControl, false)
        compare(grid.opacity, 0)
        tryCompare(grid, "height", 37)
        compare(findChild(footer, "ratePlusButton").visible, false)
        mouseClick(findChild(footer, "foldButton"))
        compare(footer.displayControl, true)
        compare(findChild(footer, "ratePlusButton").visible, true)

        window.inj_stackView.push(pageComponent)
        window.inj_stackView.push(pageComponent)
        tryCompare(window.inj_stackView, "depth", 3)
        mouseClick(findChild(footer, "homeButton"))
        tryCompare(window.inj_stackView, "depth", 1)
    }
}

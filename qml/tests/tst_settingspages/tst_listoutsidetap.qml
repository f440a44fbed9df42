import QtQuick
import QtQuick.Controls
import QtTest
import ".."

// A tap beside an open combo list only closes the list: the slew pad, which acts on the press,
// and a switch beneath stay as they were. The next tap reaches them again. With the mouse and
// with a finger.
WindowTestCase {
    id: testCase
    name: "ListOutsideTap"
    when: windowShown

    property var footer: null

    // Every change of the buttons the pad holds from the screen.
    SignalSpy {
        id: padSpy
        signalName: "screenHeldChanged"
    }
    SignalSpy {
        id: switchSpy
        signalName: "toggled"
    }

    function init() {
        waitConnected()
        home()
        tryCompare(child(window.header, "popupConnect"), "visible", false)
        footer = window.inj_mainFooter
        footer.requestDisplay(true)
    }

    function cleanup() {
        footer.releaseScreen()
        home()
    }

    // The target lies wholly in the window and its centre beside the open list.
    function checkBeside(target, popup) {
        const topLeft = target.mapToItem(null, 0, 0)
        const bottomRight = target.mapToItem(null, target.width, target.height)
        verify(topLeft.x >= 0 && topLeft.y >= 0 && bottomRight.x <= window.width
               && bottomRight.y <= window.height, "the target is in the window")
        const centre = popup.contentItem.mapFromItem(target, target.width / 2, target.height / 2)
        verify(!popup.contentItem.contains(centre), "the target lies beside the list")
    }

    // A tap on the target's centre.
    function tap(input, target) {
        // The offscreen window places the pad's rows only when asked; a tap aimed before would
        // land where the row is placed next.
        placeRows(window.footer)
        waitForItemPolished(target.parent)
        if (input === "mouse") {
            mouseClick(target)
            return
        }
        const x = target.width / 2
        const y = target.height / 2
        const touches = touchEvent(target)
        touches.press(0, target, x, y).commit()
        touches.release(0, target, x, y).commit()
    }

    function test_tapBesideOpenList_data() {
        const rows = []
        for (const input of ["mouse", "touch"]) {
            rows.push({ tag: "flipping mode, slew pad up, " + input, page: "AdvancedPage",
                        box: "flippingBox", target: "pad", input: input })
            rows.push({ tag: "deep-sky catalogue, slew pad up, " + input, page: "DeepSkyMenu",
                        box: "catalogue", target: "pad", input: input })
            rows.push({ tag: "guiding rate Dec, encoder switch, " + input, page: "AdvancedPage",
                        box: "guide2Box", target: "encoderSwitch", input: input })
        }
        return rows
    }

    function test_tapBesideOpenList(data) {
        const page = open(data.page)
        const box = child(page, data.box)
        tryVerify(() => box.enabled && box.visible, 5000, "the box can be used")
        const onPad = data.target === "pad"
        // The pad's up button.
        const target = onPad ? child(footer, "direction2") : child(page, data.target)
        tryVerify(() => target.enabled, 5000, "the target can be used")
        const spy = onPad ? padSpy : switchSpy
        spy.target = onPad ? footer : target
        spy.clear()
        // The target answers a tap while no list is open, so that what follows is the list's
        // doing.
        tap(data.input, target)
        if (onPad) {
            tryCompare(spy, "count", 2)
        } else {
            compare(spy.count, 1)
            // Back as it was.
            tap(data.input, target)
            compare(spy.count, 2)
        }
        spy.clear()
        const checked = target.checked

        mouseClick(box)
        tryCompare(box.popup, "opened", true)
        checkBeside(target, box.popup)
        tap(data.input, target)
        tryCompare(box.popup, "visible", false)
        compare(spy.count, 0, "nothing beneath the list acted")
        if (onPad)
            compare(footer.screenHeld.includes(true), false)
        else
            compare(target.checked, checked)

        // The next tap is the target's own.
        tap(data.input, target)
        if (onPad) {
            // Pressed, then let go.
            tryCompare(spy, "count", 2)
            compare(footer.screenHeld.includes(true), false)
        } else {
            tryCompare(spy, "count", 1)
            compare(target.checked, !checked)
        }
        compare(box.popup.visible, false)
    }
}

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

    // What the target gives for each tap it takes.
    SignalSpy {
        id: spy
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
        // A button that acts on the click; the test's touch points do not reach its mouse area.
        rows.push({ tag: "flipping mode, rate button, mouse", page: "AdvancedPage",
                    box: "flippingBox", target: "rate", input: "mouse" })
        return rows
    }

    // The target of a row: the item, what to watch, the signals one tap gives, and how to undo
    // a tap.
    function targetOf(data, page) {
        if (data.target === "pad") {
            // The up button; pressed, then let go.
            return { item: child(footer, "direction2"), watched: footer,
                     signal: "screenHeldChanged", perTap: 2, undo: () => {} }
        }
        if (data.target === "rate") {
            const plus = child(footer, "ratePlusButton")
            return { item: plus, watched: plus, signal: "clicked", perTap: 1,
                     undo: () => mouseClick(child(footer, "rateMinusButton")) }
        }
        const item = child(page, data.target)
        return { item: item, watched: item, signal: "toggled", perTap: 1,
                 undo: () => tap(data.input, item) }
    }

    function test_tapBesideOpenList(data) {
        const page = open(data.page)
        const box = child(page, data.box)
        tryVerify(() => box.enabled && box.visible, 5000, "the box can be used")
        const target = targetOf(data, page)
        tryVerify(() => target.item.enabled && target.item.visible, 5000,
                  "the target can be used")
        spy.target = target.watched
        spy.signalName = target.signal
        spy.clear()
        // The target answers a tap while no list is open, so that what follows is the list's
        // doing.
        tap(data.input, target.item)
        tryCompare(spy, "count", target.perTap)
        target.undo()
        spy.clear()
        const rate = inj_slewingControl.intRate
        const checked = target.item.checked

        mouseClick(box)
        tryCompare(box.popup, "opened", true)
        checkBeside(target.item, box.popup)
        tap(data.input, target.item)
        tryCompare(box.popup, "visible", false)
        compare(spy.count, 0, "nothing beneath the list acted")
        compare(footer.screenHeld.includes(true), false, "no slew")
        compare(inj_slewingControl.intRate, rate)
        compare(target.item.checked, checked)

        // The next tap is the target's own.
        tap(data.input, target.item)
        tryCompare(spy, "count", target.perTap)
        compare(footer.screenHeld.includes(true), false)
        compare(box.popup.visible, false)
        target.undo()
    }
}

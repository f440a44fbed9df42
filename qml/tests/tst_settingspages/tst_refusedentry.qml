import QtQuick
import QtQuick.Controls
import QtTest
import ".."

// A number field that keeps its value in a setting puts back, on text it refuses, the value it
// took last and stores nothing else: the value settled before by Tab, a tap on the page, Enter
// or a button, not the one it held when it first took the focus, nor a number passed on the way
// ("15" of "150"). On leaving it shows that value. A tap on an empty part of the page ends the
// typing as Tab does; a drag (a scroll, a selection run out of the field) does not.
WindowTestCase {
    id: testCase
    name: "RefusedEntry"
    when: windowShown

    property int connectionType: 0

    function init() {
        waitConnected()
        connectionType = inj_connectSettings.type
        inj_catalogSettings.enableVmagFilter = true
        inj_catalogSettings.maxStarVmag = 5
        inj_connectSettings.maxRetryCount = 1
    }

    function cleanup() {
        home()
        inj_catalogSettings.enableVmagFilter = false
        inj_connectSettings.maxRetryCount = 1
        inj_connectSettings.type = connectionType
    }

    // The two fields, each with what the user types: a first value, a second one, and text the
    // field refuses; what the increment button makes of the first value.
    readonly property var fields: ({
        "magnitude": {
            page: "MagnitudeLimitPage", key: "filter.vmag.dimmest",
            field: page => child(page, "faintestStar").field,
            first: "6.5", second: "4.0", secondValue: 4, incremented: 6.7, refused: "abc",
            shown: value => value.toFixed(1), empty: 0
        },
        "resend tries": {
            page: "ConnectSettingsPage", key: "cxn.timeoutms", tab: "tab0",
            field: page => child(page, "resendField0"),
            first: "20", second: "70", secondValue: 70, incremented: 21, refused: "150",
            shown: value => String(value)
        }
    })

    function test_refusedKeepsLastTaken_data() {
        const rows = []
        // How the second value is settled, and how the user goes on after the refused text.
        const ways = [["tap on the page", "Tab"], ["tap on the page", "tap on the page"],
                      ["tap on the page", "stay"], ["Enter", "Tab"], ["Enter", "stay"],
                      ["increment", "tap on the page"]]
        for (const name in fields) {
            for (const [settle, after] of ways)
                rows.push({ tag: name + ", settled by " + settle + ", then " + after, field: name,
                            settle: settle, after: after, emptied: false })
        }
        // Emptied with Backspace after a number typed and not settled: the numbers passed on
        // the way ("57", "5") are not kept. Where empty is no value (resend tries) the value
        // taken last stays; where an empty field reads as a value (a magnitude, 0), that value
        // is kept, also on leaving.
        for (const name in fields) {
            for (const [settle, after] of [["tap on the page", "Tab"],
                                           ["Enter", "tap on the page"],
                                           ["tap on the page", "stay"]])
                rows.push({ tag: name + ", settled by " + settle + ", emptied, then " + after,
                            field: name, settle: settle, after: after, emptied: true })
        }
        return rows
    }

    // A tap below the last row of the page, where no control lies.
    function tapOnPage(page, field) {
        mouseClick(page, page.width / 2, page.height - 20)
        tryCompare(field, "activeFocus", false)
        // The focus went back up to the page, not on to another control.
        let item = field.parent
        while (item && item !== window.activeFocusItem)
            item = item.parent
        verify(item, "the focus is the field's page's, not another control's")
    }

    function retype(field, text) {
        mouseClick(field)
        tryCompare(field, "activeFocus", true)
        field.selectAll()
        for (const c of text)
            keyClick(c)
        compare(field.text, text)
    }

    function storedNumber(key) {
        return Number(stored(key))
    }

    function test_refusedKeepsLastTaken(data) {
        const f = fields[data.field]
        const page = open(f.page)
        if (f.tab)
            mouseClick(child(page, f.tab))
        const field = f.field(page)

        retype(field, f.first)
        keyClick(Qt.Key_Tab)
        tryCompare(field, "activeFocus", false)
        closeTo(storedNumber(f.key), Number(f.first), 1e-5, "first value")

        let second = f.secondValue
        if (data.settle === "increment") {
            mouseClick(field)
            tryCompare(field, "activeFocus", true)
            mouseClick(child(field, "incrementButton"))
            second = f.incremented
            compare(field.activeFocus, true, "the button leaves the focus in the field")
        } else {
            retype(field, f.second)
            if (data.settle === "Enter") {
                keyClick(Qt.Key_Return)
                compare(field.activeFocus, true, "Enter leaves the focus in the field")
            } else {
                tapOnPage(page, field)
            }
        }
        compare(field.text, f.shown(second), "the settled value shown")
        closeTo(storedNumber(f.key), second, 1e-5, "second value")

        const kept = data.emptied && f.empty !== undefined ? f.empty : second
        if (data.emptied) {
            retype(field, "57")
            keyClick(Qt.Key_Backspace)
            keyClick(Qt.Key_Backspace)
            compare(field.text, "")
            closeTo(storedNumber(f.key), kept, 1e-5, "stored while the field is empty")
        } else {
            retype(field, f.refused)
            verify(child(field, "refusedTint").visible, "refused")
            closeTo(storedNumber(f.key), second, 1e-5, "stored while the refused text shows")
        }
        const left = data.emptied ? "" : f.refused
        if (data.after === "Tab") {
            keyClick(Qt.Key_Tab)
            tryCompare(field, "activeFocus", false)
        } else if (data.after === "tap on the page") {
            tapOnPage(page, field)
        }
        if (data.after === "stay")
            compare(field.text, left, "the text stays while typed in")
        else
            compare(field.text, f.shown(kept), "shown on leaving")
        closeTo(storedNumber(f.key), kept, 1e-5, "stored at the end")
    }

    function test_tapEndsTyping_data() {
        return [
            { tag: "mouse tap below the rows", gesture: "tap", ends: true },
            { tag: "touch tap below the rows", gesture: "touch", ends: true },
            { tag: "mouse tap on a row's label", gesture: "label", ends: true },
            { tag: "drag below the rows", gesture: "drag", ends: false },
            { tag: "selection dragged out of the field", gesture: "fromField",
              ends: false }
        ]
    }

    function test_tapEndsTyping(data) {
        const page = open("MagnitudeLimitPage")
        const field = child(page, "faintestStar").field
        retype(field, "6")
        const x = page.width / 2
        const y = page.height - 20
        if (data.gesture === "tap") {
            mouseClick(page, x, y)
        } else if (data.gesture === "touch") {
            const touches = touchEvent(page)
            touches.press(0, page, x, y).commit()
            touches.release(0, page, x, y).commit()
        } else if (data.gesture === "label") {
            // The label lies at the start of the row.
            const row = child(page, "faintestOther")
            mouseClick(row, 20, row.height / 2)
        } else if (data.gesture === "drag") {
            mousePress(page, x, y)
            mouseMove(page, x, y - 60)
            mouseRelease(page, x, y - 60)
        } else {
            const inField = field.mapToItem(page, field.width / 2, field.height / 2)
            mousePress(page, inField.x, inField.y)
            mouseMove(page, x, y)
            mouseRelease(page, x, y)
        }
        if (data.ends) {
            tryCompare(field, "activeFocus", false)
            compare(field.text, "6.0", "tidied as on leaving")
        } else {
            // The release has been handled once the event is delivered; nothing waits after it.
            compare(field.activeFocus, true, "still typing")
            compare(field.text, "6")
        }
        closeTo(storedNumber("filter.vmag.dimmest"), 6, 1e-5, "stored")
    }
}

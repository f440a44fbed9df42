import QtQuick
import QtQuick.Controls
import QtTest
import ".."

// A number field that keeps its value in a setting puts back, on text it refuses, the value it
// took last and stores nothing else: the value settled before by Tab, a tap on the page, Enter
// or a button, not the one it held when it first took the focus, nor a number passed on the way
// ("15" of "150"). On leaving it shows that value. A tap on an empty part of the page ends the
// typing as Tab does.
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
            shown: value => value.toFixed(1)
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
                            settle: settle, after: after })
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

        retype(field, f.refused)
        verify(child(field, "refusedTint").visible, "refused")
        closeTo(storedNumber(f.key), second, 1e-5, "stored while the refused text shows")
        if (data.after === "Tab") {
            keyClick(Qt.Key_Tab)
            tryCompare(field, "activeFocus", false)
        } else if (data.after === "tap on the page") {
            tapOnPage(page, field)
        }
        if (data.after === "stay")
            compare(field.text, f.refused, "the refused text stays while typed in")
        else
            compare(field.text, f.shown(second), "shown on leaving")
        closeTo(storedNumber(f.key), second, 1e-5, "stored at the end")
    }
}

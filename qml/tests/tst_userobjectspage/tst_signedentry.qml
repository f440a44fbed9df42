import QtQuick
import QtQuick.Controls
import QtTest

// A signed angle typed key by key into a user object's first field, at the smallest window:
// the field shows what is kept, sign and every digit, when typed, when saved and when loaded
// back. A field that showed "123" of "-123" led the user to the other side of the axis.
TestCase {
    id: testCase
    name: "SignedEntry"
    when: windowShown

    property var window: null
    property var page: null
    property var before: null

    function initTestCase() {
        window = Qt.createComponent("qrc:/main.qml").createObject(testCase)
        verify(window)
        before = Qt.size(window.width, window.height)
    }

    function cleanupTestCase() {
        window.width = before.width
        window.height = before.height
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    function init() {
        inj_userObject_CE.list = []
        inj_userObject_TE.list = []
        window.width = 320
        window.height = 480
        tryVerify(() => window.inj_stackView.width === 320, 5000, "resized")
    }

    function cleanup() {
        window.inj_mainUIUtil.goHome()
        page = null
    }

    function child(name) {
        const item = findChild(page, name)
        verify(item, name)
        return item
    }

    function open(isAxis) {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        page = window.inj_stackView.push("qrc:/Page/UserObjectsPage.qml", {
            isAxis: isAxis,
            profileList: isAxis ? inj_userObject_TE : inj_userObject_CE
        })
        verify(page)
        tryVerify(() => !page.reading, 5000, "the reading")
        compare(child("nameField").text, "Current object")
        waitForItemPolished(page)
    }

    // As a user types: each key into the focused field, after selecting what it held.
    function type(field, text) {
        field.forceActiveFocus()
        field.selectAll()
        for (const c of text)
            keyClick(c)
    }

    // Every character of the field's text lies inside it, with the cursor at either end.
    function verifyWhole(field, what) {
        const room = field.width - field.leftPadding - field.rightPadding
        for (const cursor of [0, field.text.length]) {
            field.cursorPosition = cursor
            const first = field.positionToRectangle(0).x
            const last = field.positionToRectangle(field.text.length).x
            verify(first >= -0.5 && last <= room + 0.5, what + " \"" + field.text
                   + "\", cursor at " + cursor + ": from " + first + " to " + last + " in " + room)
        }
    }

    function test_typedSignKept_data() {
        return [
            { tag: "axis1 -123", isAxis: true, row: "axis1Row", key: "axis1",
              typed: ["-123", "14", "24"], shown: "-123", stored: -(123 + 14 / 60 + 24 / 3600) },
            { tag: "axis2 -600 stops at -540", isAxis: true, row: "axis2Row", key: "axis2",
              typed: ["-600", "0", "0"], shown: "-540", stored: -540 },
            { tag: "axis2 540", isAxis: true, row: "axis2Row", key: "axis2",
              typed: ["540", "0", "0"], shown: "540", stored: 540 },
            { tag: "axis2 -540 0 1 stops at -540", isAxis: true, row: "axis2Row", key: "axis2",
              typed: ["-540", "0", "1"], shown: "-540", stored: -540 },
            { tag: "axis1 540 59 0 stops at 540", isAxis: true, row: "axis1Row", key: "axis1",
              typed: ["540", "59", "0"], shown: "540", stored: 540 },
            { tag: "axis1 -0 30", isAxis: true, row: "axis1Row", key: "axis1",
              typed: ["-0", "30", "0"], shown: "-0", stored: -0.5 },
            { tag: "dec -89 59 59", isAxis: false, row: "decRow", key: "dec",
              typed: ["-89", "59", "59"], shown: "-89", stored: -(89 + 59 / 60 + 59 / 3600) }
        ]
    }

    function test_typedSignKept(data) {
        open(data.isAxis)
        const row = child(data.row)
        const fields = [row.firstField, row.minutesField, row.secondsField]
        for (let i = 0; i < 3; ++i)
            type(fields[i], data.typed[i])
        // Moving on corrects the field; it shows what it keeps.
        child("nameField").forceActiveFocus()
        compare(row.firstField.text, data.shown)
        verifyWhole(row.firstField, "typed")

        child("nameField").text = "Typed"
        const list = data.isAxis ? inj_userObject_TE : inj_userObject_CE
        findChild(child("pane"), "saveButton").clicked()
        tryCompare(list.list, "length", 1)
        const storedKey = data.isAxis ? "userobj.axis" : "userobj.radec"
        const stored = testHelper.storedSettings()[storedKey]
        const saved = (typeof stored === "string" ? JSON.parse(stored) : stored)[0]
        fuzzyCompare(saved[data.key], data.stored, 1e-9)

        // Loaded back over other text, the row shows the same.
        row.writeToUI(10)
        const rowList = findChild(child("pane"), "profileList")
        tryVerify(() => rowList.itemAtIndex(0) !== null, 5000, "the saved row")
        findChild(rowList.itemAtIndex(0), "rowButton").clicked()
        compare(row.firstField.text, data.shown)
        verifyWhole(row.firstField, "loaded")
        fuzzyCompare(row.readFromUI(), data.stored, 1 / 3600)
    }
}

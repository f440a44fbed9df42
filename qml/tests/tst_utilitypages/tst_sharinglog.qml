import QtQuick
import QtQuick.Controls
import QtTest
import "qrc:/"

// The sharing page on a recording stand-in and on the real service (searching loopback only),
// and the log page (its copy needs a real clipboard: the screenshot driver checks it).
TestCase {
    id: root
    name: "SharingLog"
    when: windowShown
    visible: true
    width: 428
    height: 700

    readonly property NightManager inj_nightManager: night
    readonly property StackView inj_stackView: stack

    NightManager {
        id: night
    }
    StackView {
        id: stack
        anchors.fill: parent
        initialItem: Item {}
        pushEnter: Transition {}
        pushExit: Transition {}
        popEnter: Transition {}
        popExit: Transition {}
    }
    // The service as the page sees it, recording what the page asks.
    QtObject {
        id: standIn
        property bool serving: false
        property var list: rows
        readonly property var rows: [
            { a: "EQ", b: "127.0.0.5 first", c: "3.26.00", d: "2024-03-20 00:00:00" },
            { a: "AZ", b: "127.0.0.6", c: "255.255.FF", d: "" }
        ]
        property var actives: []
        property var loads: []
        function setActive(value) {
            actives = actives.concat([value])
        }
        function loadItem(index) {
            loads = loads.concat([index])
        }
    }

    function showPage(name) {
        const page = createTemporaryObject(Qt.createComponent("qrc:/Page/" + name + ".qml"), null)
        verify(page, name)
        stack.push(page)
        // Layouts place their children at the next frame; clicks need them placed.
        waitForRendering(page)
        return page
    }

    function child(page, objectName) {
        const item = findChild(page, objectName)
        verify(item, objectName)
        return item
    }

    function cleanup() {
        while (stack.depth > 1)
            stack.pop(null, StackView.Immediate)
        testHelper.restore("inj_pmSharing")
        standIn.list = standIn.rows
        inj_pmSharing.serving = false
    }

    // The texts of the first n rows (all by default), as "a|b|c|d".
    function rowTexts(page, n) {
        const view = child(page, "peers")
        const rows = []
        waitForRendering(view)
        for (let i = 0; i < (n === undefined ? view.count : n); ++i) {
            const row = view.itemAtIndex(i)
            const labels = row.children[1].children
            rows.push([0, 1, 2, 3].map(k => labels[k].text).join("|"))
        }
        return rows
    }

    function test_searchFollowsPage() {
        testHelper.publish("inj_pmSharing", standIn)
        standIn.actives = []
        const page = showPage("PMSharingPage")
        compare(standIn.actives, [true])
        stack.push(createTemporaryObject(Qt.createComponent("qrc:/Page/LogPage.qml"), null))
        compare(standIn.actives, [true, false], "covered")
        stack.pop()
        stack.pop()
        compare(standIn.actives, [true, false, true, false], "uncovered, then left")
    }

    function test_load_data() {
        return [
            { tag: "confirmed", row: 1, button: "confirmLoad", loads: [1] },
            { tag: "cancelled", row: 0, button: "cancelLoad", loads: [] }
        ]
    }

    function test_load(data) {
        testHelper.publish("inj_pmSharing", standIn)
        standIn.loads = []
        const page = showPage("PMSharingPage")
        compare(rowTexts(page), ["EQ|127.0.0.5 first|3.26.00|2024-03-20 00:00:00",
                                 "AZ|127.0.0.6|255.255.FF|"])
        mouseClick(child(page, "load" + data.row))
        const dialog = child(page, "loadDialog")
        tryCompare(dialog, "opened", true)
        // Rows that arrive meanwhile do not change the row the user confirms.
        standIn.list = standIn.list.concat([{ a: "EQ", b: "127.0.0.7", c: "1.0.00", d: "" }])
        mouseClick(findChild(dialog.footer, data.button))
        tryCompare(dialog, "visible", false)
        compare(standIn.loads, data.loads)
    }

    function test_servingSwitch() {
        const page = showPage("PMSharingPage")
        const toggle = child(page, "servingSwitch")
        compare([child(page, "searchBar").visible, child(page, "myAlignment").visible], [true, false])
        mouseClick(toggle)
        compare(inj_pmSharing.serving, true)
        compare([child(page, "searchBar").visible, child(page, "peers").visible,
                 child(page, "myAlignment").visible], [false, false, true])
        compare(child(page, "defaultAlignment").visible, inj_alignmentDataContainer.alignedStarCount === 0)
        inj_pmSharing.serving = false
        compare(toggle.checked, false, "follows the service")
        compare(child(page, "myAlignment").visible, false)
    }

    // Rows as the services hand them (a C++ list of row records), not only script arrays.
    function test_serviceRows() {
        inj_astroList_star.setDisplayed(true)
        tryVerify(() => inj_astroList_star.list.length > 2, 10000, "the named-star list has rows")
        const rows = inj_astroList_star.list
        inj_astroList_star.setDisplayed(false)
        standIn.list = rows
        testHelper.publish("inj_pmSharing", standIn)
        const page = showPage("PMSharingPage")
        compare(child(page, "peers").count, rows.length)
        compare(rowTexts(page, 2)[1], [rows[1].a, rows[1].b, rows[1].c, rows[1].d].join("|"))
    }

    // Reached from the Advanced menu, which keeps one log page; read at each visit.
    function test_log() {
        testHelper.log("first line of the test")
        const menu = showPage("AdvancedMenu")
        mouseClick(child(menu, "log"))
        const page = stack.currentItem
        compare(page, menu.logPage)
        const text = child(page, "logText")
        verify(text.text.indexOf("first line of the test") >= 0, "filled when shown")
        compare(text.readOnly, true)

        testHelper.log("second line")
        verify(text.text.indexOf("second line") < 0)
        stack.pop()
        mouseClick(child(menu, "log"))
        compare(stack.currentItem, page, "the same page again")
        verify(text.text.indexOf("second line") >= 0, "read again when shown again")

        mouseClick(child(page, "clear"))
        compare(text.text, inj_logPage.logString())
        verify(text.text.indexOf("first line of the test") < 0, "cleared")
    }
}

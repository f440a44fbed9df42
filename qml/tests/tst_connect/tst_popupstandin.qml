import QtQuick
import QtQuick.Controls
import QtTest
import "qrc:/"

// The connect popup over a stand-in session: the device box, device choice, and which closes
// cancel the session.
TestCase {
    id: root
    name: "PopupConnectStandIn"
    when: windowShown
    // A test case is an invisible item; what it holds must be shown to take input.
    visible: true
    width: 428
    height: 700

    readonly property NightManager inj_nightManager: night

    NightManager {
        id: night
    }

    StandInSession {
        id: session
    }

    QtObject {
        id: connectedMount
        property bool connected: true
    }

    Component {
        id: popupComponent
        PopupConnect {}
    }

    // A question of the session (the mount mode, the hibernate data), small in the middle.
    Component {
        id: questionComponent
        UI_Dialog {
            modal: true
            focus: true
            contentItem: Item {
                implicitWidth: 60
                implicitHeight: 40
            }
        }
    }

    // Published for the whole file: bindings follow a change of the published service.
    function initTestCase() {
        testHelper.publish("inj_iConnectable", session)
    }

    function cleanupTestCase() {
        testHelper.restore("inj_iConnectable")
    }

    function cleanup() {
        testHelper.restore("inj_mountConnection")
    }

    function makePopup() {
        const popup = createTemporaryObject(popupComponent, root, { parent: root })
        session.cancels = 0
        session.nextActions = 0
        session.selected = []
        session.devicesList = undefined
        session.sessionStarted()
        tryCompare(popup, "opened", true)
        return popup
    }

    function part(popup, name) {
        return findChild(popup.contentItem, name)
    }

    function test_deviceBox_data() {
        return [
            { tag: "no list", devices: undefined, box: false, none: false, rows: 0 },
            { tag: "nothing found", devices: [], box: true, none: true, rows: 0 },
            { tag: "two found", devices: [{ title: "192.168.4.1" }, { title: "192.168.4.7" }],
              box: true, none: false, rows: 2 },
            { tag: "a new list drops the highlight",
              devices: [{ title: "192.168.4.1" }, { title: "192.168.4.7" }],
              box: true, none: false, rows: 2,
              next: [{ title: "192.168.4.1" }, { title: "192.168.4.7" }, { title: "10.0.0.7" }] },
            { tag: "connected, the last search's empty list", devices: [], connected: true,
              box: false, none: false, rows: 0 }
        ]
    }

    function test_deviceBox(data) {
        if (data.connected)
            testHelper.publish("inj_mountConnection", connectedMount)
        const popup = makePopup()
        session.devicesList = data.devices
        compare(part(popup, "deviceBox").visible, data.box)
        compare(part(popup, "noDevice").visible, data.none)
        const list = part(popup, "deviceList")
        compare(list.count, data.rows)
        if (data.rows > 1) {
            const row = list.itemAtIndex(1)
            mouseClick(row)
            compare(session.selected, [1])
            compare(String(row.color), "#40808080")
            compare(String(list.itemAtIndex(0).color), "#00000000")
        }
        if (data.next) {
            session.devicesList = data.next
            compare(list.count, data.next.length)
            // The row that was chosen may now be another device: no row stays highlighted.
            for (let i = 0; i < list.count; ++i)
                compare(String(list.itemAtIndex(i).color), "#00000000", "row " + i)
        }
    }

    function test_busyDisablesButtons_data() {
        return [
            { tag: "busy", busy: true },
            { tag: "idle", busy: false }
        ]
    }

    function test_busyDisablesButtons(data) {
        const popup = makePopup()
        session.busy = data.busy
        compare(part(popup, "nextActionButton").enabled, !data.busy)
        compare(part(popup, "cancelButton").enabled, !data.busy)
        session.busy = false
        mouseClick(part(popup, "nextActionButton"))
        compare(session.nextActions, 1)
    }

    // Only a close that the session did not cause cancels it, and only once.
    function test_closing_data() {
        return [
            { tag: "session done", close: () => session.sessionDone(), cancels: 0 },
            { tag: "escape", close: () => keyClick(Qt.Key_Escape), cancels: 1 },
            { tag: "tap outside", close: () => mouseClick(root, 5, 5), cancels: 1 },
            { tag: "cancel button", close: p => mouseClick(part(p, "cancelButton")), cancels: 1 }
        ]
    }

    function test_closing(data) {
        const popup = makePopup()
        data.close(popup)
        tryCompare(popup, "visible", false)
        compare(session.cancels, data.cancels)
    }

    // A question asked while the session runs shows alone: the popup stays open under it but
    // shows nothing and takes no tap, and comes back as it was once the question is answered
    // or dismissed; closing the question never cancels the session.
    function test_questionShowsAlone_data() {
        return [
            { tag: "answered", end: (question, popup) => question.close() },
            { tag: "escape", end: (question, popup) => keyClick(Qt.Key_Escape) },
            { tag: "tap on the popup's buttons",
              end: (question, popup) => mouseClick(part(popup, "cancelButton")) }
        ]
    }

    function test_questionShowsAlone(data) {
        const popup = makePopup()
        const question = createTemporaryObject(questionComponent, root)
        popup.questions = [question]
        compare(popup.opacity, 1, "no question yet")
        compare(popup.enabled, true)
        question.open()
        tryCompare(question, "opened", true)
        compare(popup.opacity, 0)
        compare(popup.enabled, false)
        verify(popup.opened, "the session's popup stays open")
        data.end(question, popup)
        tryCompare(question, "visible", false)
        compare(session.cancels, 0, "the session goes on")
        compare(session.nextActions, 0)
        verify(popup.opened)
        compare(popup.opacity, 1)
        compare(popup.enabled, true)
        mouseClick(part(popup, "nextActionButton"))
        compare(session.nextActions, 1, "the popup takes input again")
    }
}

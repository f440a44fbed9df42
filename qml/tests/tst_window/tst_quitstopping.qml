import QtQuick
import QtQuick.Controls
import QtTest
import "../rig"

// Closing the window while a stop has not reached the mount asks first: the program is the only
// one that sends that stop again.
TestCase {
    id: testCase
    name: "QuitWhileStopping"
    when: windowShown

    property var window: null

    ConnectionStandIn {
        id: connectionStandIn
    }

    function initTestCase() {
        const component = Qt.createComponent("qrc:/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(testCase)
        verify(window)
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    function cleanup() {
        connectionStandIn.mount.stopPending = false
        testHelper.restore("inj_mountConnection")
        const dialog = findChild(window, "quitWhileStoppingDialog")
        dialog.close()
        tryVerify(() => !dialog.visible)
        window.show()
        tryVerify(() => window.visible)
    }

    function clickNamed(name) {
        const button = findChild(window, name)
        verify(button, name)
        mouseClick(button)
    }

    // pending: a stop is pending at the close. answer: how the question is answered ("" none).
    // closed: whether the window is gone at the end.
    function test_closeAsks_data() {
        return [
            { tag: "nothing pending closes at once", pending: false, answer: "", closed: true },
            { tag: "stop pending, Stay", pending: true, answer: "stay", closed: false },
            { tag: "stop pending, Escape", pending: true, answer: "escape", closed: false },
            { tag: "stop pending, back key", pending: true, answer: "back", closed: false },
            { tag: "stop pending, Quit anyway", pending: true, answer: "quit", closed: true },
            { tag: "stop taken while asking", pending: true, answer: "taken", closed: true }
        ]
    }
    function test_closeAsks(data) {
        testHelper.publish("inj_mountConnection", connectionStandIn)
        connectionStandIn.mount.stopPending = data.pending
        const dialog = findChild(window, "quitWhileStoppingDialog")
        verify(dialog)
        window.requestActivate()
        tryCompare(window, "active", true)

        window.close()
        compare(dialog.visible || dialog.opened, data.pending, "asked only with a stop pending")
        if (data.pending) {
            verify(window.visible, "the window stays while asking")
            tryCompare(dialog, "opened", true)
            const text = findChild(window, "quitWhileStoppingText").text
            verify(text.indexOf("may still be moving") >= 0, text)
            if (data.answer === "stay")
                clickNamed("stayButton")
            else if (data.answer === "escape")
                keyClick(Qt.Key_Escape)
            else if (data.answer === "back")
                window.goBack()
            else if (data.answer === "quit")
                clickNamed("quitButton")
            else if (data.answer === "taken")
                connectionStandIn.mount.stopPending = false
            tryVerify(() => !dialog.visible)
        }
        tryCompare(window, "visible", !data.closed)
        if (!data.closed) {
            // Asked again at the next close, for as long as the stop is pending.
            window.close()
            tryCompare(dialog, "opened", true)
            verify(window.visible)
        }
    }
}

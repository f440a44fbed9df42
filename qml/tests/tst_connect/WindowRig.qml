import QtQuick
import QtTest

// The whole window on the real composition root, and the steps a user takes to connect.
TestCase {
    id: rig
    when: windowShown

    property var window: null

    SignalSpy {
        id: showSpy
        signalName: "aboutToShow"
    }

    function part(name) {
        return findChild(window, name)
    }
    function headerPart(name) {
        return findChild(window.header, name)
    }

    // The emulated mount may connect, and the popup close again, before it has finished opening.
    function clickConnect() {
        const popup = headerPart("popupConnect")
        showSpy.target = popup
        showSpy.clear()
        const connected = inj_mountConnection.connected
        mouseClick(headerPart("connectButton"))
        // The button hands the press to the session, which opens the popup from its own
        // report; on a busy machine that report may come after the click has returned.
        tryCompare(showSpy, "count", 1, 10000, "the connect popup opens")
        // Connected, the session waits for the user.
        if (connected)
            tryCompare(popup, "opened", true)
    }

    // Ends any session still running, so that no connection step outlives the test.
    function settle() {
        tryCompare(inj_iConnectable, "busy", false, 15000)
    }

    // The session stays busy after a disconnection until the next session starts.
    function disconnect() {
        if (inj_mountConnection.connected) {
            settle()
            inj_iConnectable.startNextAction()
            tryCompare(inj_mountConnection, "connected", false, 5000)
        }
    }

    function connectEmulator() {
        if (inj_mountConnection.connected)
            return
        inj_iConnectable.startSession()
        tryCompare(inj_mountConnection, "connected", true, 10000)
        settle()
    }

    function makeWindow(parent) {
        const component = Qt.createComponent("qrc:/main.qml")
        verify(component.status === Component.Ready, component.errorString())
        const made = component.createObject(parent)
        verify(made)
        return made
    }

    function initTestCase() {
        window = makeWindow(rig)
    }

    function cleanupTestCase() {
        disconnect()
    }
}

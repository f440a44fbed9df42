import QtQuick
import QtTest

// The folder's settings choose altitude-azimuth for the emulated mount.
TestCase {
    id: testCase
    name: "ConnectAz"
    when: windowShown

    property var window: null
    // The button's text as the window is made: the launch connection starts from a timer, so no
    // step of it can have run yet. By the time the window is shown (later on a busy machine) the
    // emulated mount may already be connected.
    property string textBeforeConnecting: ""

    function initTestCase() {
        window = Qt.createComponent("qrc:/main.qml").createObject(testCase)
        verify(window)
        textBeforeConnecting = findChild(window.header, "connectButton").text
    }

    function cleanupTestCase() {
        // Let the launch connection finish, so no connection step outlives the file.
        tryCompare(inj_mountConnection, "connected", true, 30000)
        tryCompare(inj_iConnectable, "busy", false, 30000)
    }

    function test_connectText() {
        const button = findChild(window.header, "connectButton")
        compare(textBeforeConnecting, "Connect")
        tryCompare(inj_mountConnection, "connected", true, 30000)
        tryCompare(button, "text", "Alt-Az Mode", 10000)
    }
}

import QtQuick
import QtTest

// The folder's settings choose altitude-azimuth for the emulated mount.
TestCase {
    id: testCase
    name: "ConnectAz"
    when: windowShown

    property var window: null

    function initTestCase() {
        window = Qt.createComponent("qrc:/main.qml").createObject(testCase)
        verify(window)
    }

    function cleanupTestCase() {
        // Let the launch connection finish, so no connection step outlives the file.
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    function test_connectText() {
        const button = findChild(window.header, "connectButton")
        compare(button.text, "Connect")
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(button, "text", "Alt-Az Mode")
    }
}

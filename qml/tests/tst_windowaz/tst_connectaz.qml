import QtQuick
import QtTest

// The folder's settings choose altitude-azimuth for the emulated mount.
TestCase {
    name: "ConnectAz"
    when: windowShown

    property var window: null

    function initTestCase() {
        window = Qt.createComponent("qrc:/main.qml").createObject(null)
        verify(window)
    }

    function cleanupTestCase() {
        window.destroy()
        wait(0)
    }

    function test_connectText() {
        const button = findChild(window.header, "connectButton")
        compare(button.text, "Connect")
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(button, "text", "Alt-Az Mode")
    }
}

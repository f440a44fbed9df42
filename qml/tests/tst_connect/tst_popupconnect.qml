import QtQuick
import QtTest
import Ko.AstroBase

// The connect popup on the real session: connecting and disconnecting the emulated mount with
// its buttons, and a session that the user dismisses while it connects.
WindowRig {
    name: "PopupConnect"

    SignalSpy {
        id: doneSpy
        target: inj_iConnectable
        signalName: "sessionDone"
    }

    function cleanup() {
        disconnect()
        inj_connectSettings.type = ConnectionType.Emulator
    }

    function test_connectAndDisconnect() {
        const popup = headerPart("popupConnect")
        doneSpy.clear()
        clickConnect()
        tryCompare(inj_mountConnection, "connected", true, 10000)
        // The session ended by itself: the popup closes and cancels nothing.
        tryCompare(popup, "visible", false)
        settle()
        compare(doneSpy.count, 1)
        compare(headerPart("connectButton").text, "Equatorial Mode")

        clickConnect()
        const next = findChild(popup.contentItem, "nextActionButton")
        compare(next.text, "Disconnect")
        compare(findChild(popup.contentItem, "statusText").text, "Connected")
        doneSpy.clear()
        mouseClick(next)
        tryCompare(inj_mountConnection, "connected", false, 5000)
        tryCompare(popup, "visible", false)
        compare(doneSpy.count, 1)
        compare(headerPart("connectButton").text, "Connect")
    }

    // Over UDP to a fixed loopback address where no mount answers, the session is still
    // connecting when the user dismisses the popup. Not 127.0.0.1: tests that run beside this one
    // put a simulated mount on the mount's port there.
    function test_dismissCancels_data() {
        return [
            { tag: "escape", dismiss: () => keyClick(Qt.Key_Escape) },
            { tag: "tap outside", dismiss: () => mouseClick(window.contentItem, 10, 10) }
        ]
    }

    function test_dismissCancels(data) {
        compare(inj_connectSettings.searchIP, false)
        compare(inj_connectSettings.fixedIP, "127.0.0.13")
        inj_connectSettings.type = ConnectionType.UDP
        const popup = headerPart("popupConnect")
        clickConnect()
        tryCompare(inj_iConnectable, "busy", true, 5000)
        compare(findChild(popup.contentItem, "nextActionButton").enabled, false)
        doneSpy.clear()
        data.dismiss()
        tryCompare(popup, "visible", false)
        compare(doneSpy.count, 1, "the dismissal cancelled the session once")
        settle()
        verify(!inj_mountConnection.connected)
    }
}

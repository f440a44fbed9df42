import QtQuick
import QtTest
import Ko.AstroBase
import Ko.Quorvel

// The two questions a connection may ask, answered through the real session and the emulated
// mount.
WindowRig {
    name: "Questions"

    function cleanup() {
        // A question still open is dismissed, so the session waiting for it ends.
        for (const name of ["popupMountMode", "popupLoadParkData", "popupConnect"]) {
            const popup = headerPart(name)
            if (popup.visible)
                popup.close()
        }
        disconnect()
        inj_connectSettings.dualModeChoice = DualModeChoice.UseEQ
    }

    function test_mountMode_data() {
        return [
            { tag: "dismissed", answer: () => keyClick(Qt.Key_Escape), connected: false,
              text: "Connect" },
            { tag: "alt-az", answer: p => mouseClick(findChild(p.contentItem, "azButton")),
              connected: true, mode: MountMode.AZ, text: "Alt-Az Mode" },
            { tag: "equatorial", answer: p => mouseClick(findChild(p.contentItem, "eqButton")),
              connected: true, mode: MountMode.EQ, text: "Equatorial Mode" }
        ]
    }

    // A question asked while connecting shows alone: the connect popup stays open, so that
    // the session goes on, but shows nothing and takes no input under the question.
    function checkAlone(question) {
        const popup = headerPart("popupConnect")
        verify(popup.opened, "the session's popup stays open")
        compare(popup.opacity, 0)
        compare(popup.enabled, false)
        compare(popup.contentItem.enabled, false)
        verify(question.opacity > 0 && question.enabled)
    }

    function test_mountMode(data) {
        inj_connectSettings.dualModeChoice = DualModeChoice.PromptMode
        const question = headerPart("popupMountMode")
        clickConnect()
        tryCompare(question, "opened", true, 10000)
        checkAlone(question)
        data.answer(question)
        tryCompare(question, "visible", false)
        settle()
        compare(inj_mountConnection.connected, data.connected)
        if (data.connected)
            compare(inj_mountConnection.mount.mountMode, data.mode)
        compare(headerPart("connectButton").text, data.text)
    }

    // Parking stores hibernate data; the next connection asks what to do with it.
    function test_hibernateData_data() {
        return [
            { tag: "restored", answer: p => mouseClick(findChild(p.footer, "restoreButton")),
              connected: true },
            { tag: "cleared", answer: p => mouseClick(findChild(p.footer, "clearButton")),
              connected: true },
            { tag: "dismissed", answer: () => keyClick(Qt.Key_Escape), connected: false }
        ]
    }

    function test_hibernateData(data) {
        connectEmulator()
        const mount = inj_mountConnection.mount
        mount.parkAsync(false)
        tryCompare(mount, "parked", true, 10000)
        disconnect()

        const question = headerPart("popupLoadParkData")
        clickConnect()
        tryCompare(question, "opened", true, 10000)
        checkAlone(question)
        data.answer(question)
        tryCompare(question, "visible", false)
        settle()
        compare(inj_mountConnection.connected, data.connected)
        if (!data.connected)
            return
        // Answered once, the data is gone: the next connection asks nothing.
        disconnect()
        connectEmulator()
        verify(!question.visible)
    }
}

import QtQuick
import QtQuick.Controls
import QtTest
import ".."
import "../rig/Find.js" as Find
import "../rig"

// Escape on a desktop does what the back key does on a phone, wherever the keyboard is: it
// closes the dialog or popup on top, otherwise it goes back one page; only "Please wait" stays.
WindowTestCase {
    id: testCase
    name: "BackKey"
    when: windowShown

    // "Please wait" on a stand-in of the blocking service, published before the window is made.
    QtObject {
        id: blocking
        property bool showing: false
    }
    beforeWindow: () => testHelper.publish("inj_uiBlockingMessage", blocking)

    WindowRig {
        id: rig
        testCase: testCase
    }

    function cleanupTestCase() {
        waitConnected()
        testHelper.restore("inj_uiBlockingMessage")
    }

    function init() {
        waitConnected()
        home()
        window.requestActivate()
        tryCompare(window, "active", true)
        tryCompare(child(window.header, "popupConnect"), "visible", false)
    }

    function cleanup() {
        blocking.showing = false
        tryCompare(child(window, "uiBlockingMessage"), "visible", false)
        window.header.popupFilter.close()
        warning().close()
        home()
    }

    // The window's one-button "Warning": a star out of the alignment's limits.
    function warning() {
        const found = Find.named(window, "outOfLimits")
        verify(found, "outOfLimits")
        return found
    }

    // "Reset alignment?" with Cancel beside OK, on the alignment menu.
    function resetQuestion() {
        const found = Find.held(open("AlignmentMenu"), object => object.hasCancel === true)
        verify(found, "resetDialog")
        return found
    }

    function openPopup(popup) {
        popup.open()
        tryCompare(popup, "opened", true)
        return popup
    }

    function keyRows() {
        return [
            { tag: "escape", key: Qt.Key_Escape },
            { tag: "back", key: Qt.Key_Back }
        ]
    }

    // A dialog's confirmation: the key is its Cancel, and its owner hears none.
    SignalSpy {
        id: answers
        signalName: "clicked"
    }

    // scene: the keys' scene, returning what each key closes (a popup, or "page" for one page
    // back, or null for nothing, the first page staying); the stack's depth is told after each
    // key. A dialog over a popup closes each in turn, as each alone would.
    function test_closesTopOrGoesBack_data() {
        const rows = []
        for (const key of keyRows()) {
            rows.push({ tag: key.tag + ": a page", key: key.key, scene: () => {
                            open("SettingsMenu")
                            open("UserInterfacePage")
                            return ["page", "page", null]
                        } })
            rows.push({ tag: key.tag + ": a combo box's list", key: key.key, scene: () => {
                            const page = open("UserInterfacePage")
                            const box = child(page, "languageBox")
                            mouseClick(box)
                            tryCompare(box.popup, "opened", true)
                            return [box.popup, "page"]
                        } })
            rows.push({ tag: key.tag + ": a one-button dialog over a popup", key: key.key,
                        scene: () => {
                            open("SettingsMenu")
                            const under = openPopup(window.header.popupFilter)
                            const over = openPopup(warning())
                            return [over, under, "page"]
                        } })
            rows.push({ tag: key.tag + ": a dialog with Cancel", key: key.key, scene: () => {
                            answers.target = resetQuestion()
                            return [openPopup(answers.target), "page"]
                        } })
        }
        return rows
    }

    function test_closesTopOrGoesBack(data) {
        answers.target = null
        answers.clear()
        const steps = data.scene()
        let depth = stackView.depth
        for (const closes of steps) {
            const open = steps.filter(s => typeof s === "object" && s !== null && s.visible)
            keyClick(data.key)
            if (closes === "page") {
                --depth
            } else if (closes !== null) {
                tryCompare(closes, "visible", false)
            }
            tryCompare(stackView, "depth", depth)
            for (const popup of open) {
                if (popup !== closes)
                    verify(popup.visible, "only the top one closes")
            }
            verify(window.visible)
        }
        compare(answers.count, 0, "no dialog's owner hears a confirmation")
    }

    // A held key goes back one page, however the platform repeats it: as presses marked as
    // repeats, or (X11) as marked release and press pairs. The platform sees none of them, and
    // the next press goes back again.
    function test_heldKeyGoesBackOnce_data() {
        return keyRows()
    }

    function test_heldKeyGoesBackOnce(data) {
        open("SettingsMenu")
        open("UserInterfacePage")
        compare(stackView.depth, 3)
        verify(testHelper.sendKey(window, data.key, true))
        compare(stackView.depth, 2)
        for (let i = 0; i < 3; ++i) {
            verify(testHelper.sendKey(window, data.key, true, true), "a repeated press is taken")
            verify(testHelper.sendKey(window, data.key, false, true), "a repeated release is taken")
            verify(testHelper.sendKey(window, data.key, true, true))
        }
        verify(testHelper.sendKey(window, data.key, false))
        compare(stackView.depth, 2, "the repeats went back no further")
        verify(testHelper.sendKey(window, data.key, true))
        verify(testHelper.sendKey(window, data.key, false))
        compare(stackView.depth, 1)
    }

    // Nothing the user does closes "Please wait", and no page goes back under it.
    function test_pleaseWaitStays_data() {
        return keyRows()
    }

    function test_pleaseWaitStays(data) {
        open("SettingsMenu")
        const overlay = child(window, "uiBlockingMessage")
        blocking.showing = true
        tryCompare(overlay, "opened", true)
        keyClick(data.key)
        keyClick(data.key)
        compare(overlay.visible, true)
        compare(stackView.depth, 2)
        blocking.showing = false
        tryCompare(overlay, "visible", false)
        keyClick(data.key)
        tryCompare(stackView, "depth", 1)
    }

    // Over the GoTo's progress the key is its Cancel: the mount stops, and the page stays.
    function test_goToCancelled_data() {
        return keyRows()
    }

    function test_goToCancelled(data) {
        rig.window = window
        open("StarMenu")
        const popup = child(window, "popupGoTo")
        rig.startGoTo()
        tryCompare(popup, "opened", true)
        keyClick(data.key)
        tryCompare(inj_gotoStatus, "done", true, 10000)
        tryCompare(popup, "visible", false)
        compare(stackView.depth, 2)
    }
}

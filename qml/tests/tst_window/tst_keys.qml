import QtQuick
import QtQuick.Controls
import QtTest
import ".."

// The arrow keys drive the mount on the real window whatever has the focus, a text field
// excepted, and one held key is one slew.
WindowTestCase {
    id: testCase
    name: "Keys"
    when: windowShown

    // "Please wait" on a stand-in of the blocking service, published before the window is made.
    QtObject {
        id: blocking
        property bool showing: false
    }
    beforeWindow: () => testHelper.publish("inj_uiBlockingMessage", blocking)

    function cleanupTestCase() {
        waitConnected()
        testHelper.restore("inj_uiBlockingMessage")
    }

    // Timestamps of hand-made key events, later for every case.
    property real stamp: 1e9

    SignalSpy {
        id: slewInputs
        target: inj_slewingControl
        signalName: "enButtonChanged"
    }

    Component {
        id: fieldPage
        Page {
            property alias field: field
            TextField {
                id: field
                objectName: "field"
                width: 200
                text: "12345"
            }
        }
    }

    function init() {
        waitConnected()
        home()
        window.requestActivate()
        tryCompare(window, "active", true)
        inj_generalInfoList.setUpdating(true)
    }

    function cleanup() {
        blocking.showing = false
        tryCompare(child(window, "uiBlockingMessage"), "visible", false)
        keyRelease(Qt.Key_Right)
        window.inj_mainFooter.releaseKeys()
        inj_generalInfoList.setUpdating(false)
        home()
    }

    function headerPart(name) {
        return child(window.header, name)
    }

    // The text of the axis row of the information list, which follows the mount's position.
    function axisText() {
        const model = inj_generalInfoList.listModel
        for (let i = 0; i < model.rowCount(); ++i) {
            const index = model.index(i, 0)
            if (model.data(index, Qt.UserRole + 2) === "Axis")
                return model.data(index, Qt.UserRole + 3)
        }
        return undefined
    }

    // True once the axis text has stayed the same for twenty reads in a row.
    function waitStill() {
        let last = null
        let same = 0
        tryVerify(() => {
            const text = axisText()
            if (text === undefined || text === "")
                return false
            same = text === last ? same + 1 : 0
            last = text
            return same >= 20
        }, 15000, "the axes stop")
    }

    // Right moves the mount while held and stops it when released.
    function verifyKeysMove() {
        waitStill()
        const before = axisText()
        keyPress(Qt.Key_Right)
        compare(window.inj_mainFooter.keyHeld[0], true, "the pad holds the key")
        tryVerify(() => axisText() !== before, 10000, "the axis moves while the key is held")
        keyRelease(Qt.Key_Right)
        tryVerify(() => window.inj_mainFooter.keyHeld[0] === false, 5000, "the pad lets go")
        waitStill()
    }

    function test_keysAfter_data() {
        return [
            { tag: "connecting at launch", path: () => {} },
            { tag: "connecting with the header button", path: () => {
                  testHelper.disconnectMount()
                  tryCompare(inj_mountConnection, "connected", false, 10000)
                  mouseClick(headerPart("connectButton"))
                  waitConnected()
                  tryCompare(headerPart("popupConnect"), "visible", false)
              } },
            { tag: "the connect popup dismissed", path: () => {
                  mouseClick(headerPart("connectButton"))
                  tryCompare(headerPart("popupConnect"), "opened", true)
                  keyClick(Qt.Key_Escape)
                  tryCompare(headerPart("popupConnect"), "visible", false)
                  waitConnected()
              } },
            { tag: "a dialog closed", path: () => {
                  const dialog = window.header.popupFilter
                  dialog.open()
                  tryCompare(dialog, "opened", true)
                  dialog.close()
                  tryCompare(dialog, "visible", false)
              } },
            { tag: "a page pushed and popped", path: () => {
                  open("SettingsMenu")
                  mouseClick(headerPart("backButton"))
                  tryCompare(stackView, "depth", 1)
              } },
            { tag: "a click on a menu tile", path: () => {
                  mouseClick(child(stackView.currentItem, "settings"))
                  tryCompare(stackView, "depth", 2)
              } },
            { tag: "a click on empty space", path: () => {
                  mouseClick(headerPart("connectButton"))
                  tryCompare(headerPart("popupConnect"), "opened", true)
                  keyClick(Qt.Key_Escape)
                  tryCompare(headerPart("popupConnect"), "visible", false)
                  mouseClick(stackView, stackView.width / 2, stackView.height - 5)
              } },
            { tag: "leaving a text field by popping its page", path: () => {
                  const page = open(fieldPage)
                  page.field.forceActiveFocus()
                  keyClick(Qt.Key_Left)
                  compare(page.field.cursorPosition, 4, "the field has the arrows")
                  stackView.pop()
                  tryCompare(stackView, "depth", 1)
              } }
        ]
    }

    function test_keysAfter(data) {
        data.path()
        verify(inj_mountConnection.connected)
        verifyKeysMove()
    }

    // A focused text field keeps the arrows for its cursor; the mount stays still.
    function test_fieldKeepsArrows() {
        const page = open(fieldPage)
        page.field.forceActiveFocus()
        page.field.cursorPosition = 5
        waitStill()
        slewInputs.clear()
        keyPress(Qt.Key_Left)
        keyRelease(Qt.Key_Left)
        compare(page.field.cursorPosition, 4)
        compare(slewInputs.count, 0, "nothing reached the slewing control")
    }

    // The platform repeats a held key as presses marked as repeats, or as release and press
    // pairs, marked or not, whose halves share a timestamp; only the first press and the last
    // release reach the mount, and it keeps moving in between.
    function test_heldKeyIsOneSlew_data() {
        return [
            { tag: "presses marked as repeats", pair: false, marked: true, apart: 0 },
            { tag: "pairs marked as repeats", pair: true, marked: true, apart: 0 },
            { tag: "unmarked pairs with one timestamp", pair: true, marked: false, apart: 0 },
            // A release marked as a repeat is no key coming up, whenever its press follows.
            { tag: "marked pairs with two timestamps", pair: true, marked: true, apart: 5 }
        ]
    }

    function test_heldKeyIsOneSlew(data) {
        waitStill()
        const before = axisText()
        slewInputs.clear()
        stamp += 1e6
        let t = stamp
        verify(testHelper.sendKey(window, Qt.Key_Right, true, false, t))
        compare(slewInputs.count, 1)
        for (let i = 0; i < 20; ++i) {
            t += 40
            if (data.pair)
                verify(testHelper.sendKey(window, Qt.Key_Right, false, data.marked, t), "repeat taken")
            verify(testHelper.sendKey(window, Qt.Key_Right, true, data.marked, t + data.apart),
                   "repeat taken")
            wait(0)
        }
        // A second press without a release is no new slew either.
        verify(testHelper.sendKey(window, Qt.Key_Right, true, false, t + 1))
        compare(slewInputs.count, 1, "the repeats sent nothing")
        compare(window.inj_mainFooter.keyHeld[0], true)
        tryVerify(() => axisText() !== before, 10000, "the axis moves while held")
        compare(slewInputs.count, 1, "the repeats sent nothing later either")
        verify(testHelper.sendKey(window, Qt.Key_Right, false, false, t + 2))
        tryCompare(slewInputs, "count", 2, 5000, "the release stops the slew")
        compare(window.inj_mainFooter.keyHeld[0], false)
        waitStill()
    }

    // A key held while the keyboard went elsewhere was let go then: pressed again on return,
    // it starts a new slew.
    function test_pressAgainAfterKeyboardLost_data() {
        return [
            { tag: "another window", take: () => {
                  // A window that belongs to the test's window would leave the window under test
                  // counted as active beside it.
                  const other = Qt.createQmlObject(
                      "import QtQuick; Window { width: 40; height: 40 }", slewInputs)
                  other.transientParent = null
                  other.visible = true
                  other.requestActivate()
                  tryCompare(window, "active", false)
                  return () => {
                      other.destroy()
                      window.requestActivate()
                      tryCompare(window, "active", true)
                  }
              } },
            { tag: "a text field", take: () => {
                  const page = open(fieldPage)
                  page.field.forceActiveFocus()
                  return () => {
                      stackView.pop()
                      tryCompare(stackView, "activeFocus", true)
                  }
              } }
        ]
    }

    function test_pressAgainAfterKeyboardLost(data) {
        slewInputs.clear()
        stamp += 1e6
        verify(testHelper.sendKey(window, Qt.Key_Right, true, false, stamp))
        compare(window.inj_mainFooter.keyHeld[0], true)
        const giveBack = data.take()
        tryVerify(() => window.inj_mainFooter.keyHeld[0] === false, 5000, "let go")
        giveBack()
        const count = slewInputs.count
        verify(testHelper.sendKey(window, Qt.Key_Right, true, false, stamp + 3000))
        compare(window.inj_mainFooter.keyHeld[0], true, "a new slew")
        compare(slewInputs.count, count + 1)
        verify(testHelper.sendKey(window, Qt.Key_Right, false, false, stamp + 4000))
        tryVerify(() => window.inj_mainFooter.keyHeld[0] === false, 5000, "released")
    }

    // A key let go and pressed again by hand, however quickly, is two slews.
    function test_quickPressAgain() {
        slewInputs.clear()
        stamp += 1e6
        verify(testHelper.sendKey(window, Qt.Key_Up, true, false, stamp))
        verify(testHelper.sendKey(window, Qt.Key_Up, false, false, stamp + 500))
        verify(testHelper.sendKey(window, Qt.Key_Up, true, false, stamp + 520))
        compare(slewInputs.count, 3, "press, release, press")
        compare(window.inj_mainFooter.keyHeld[2], true)
        verify(testHelper.sendKey(window, Qt.Key_Up, false, false, stamp + 2000))
        tryCompare(slewInputs, "count", 4)
        compare(window.inj_mainFooter.keyHeld[2], false)
    }

    // While "Please wait" shows, a press starts nothing; a key held from before still stops
    // the mount when it is released.
    function test_pleaseWait() {
        const overlay = child(window, "uiBlockingMessage")
        blocking.showing = true
        tryCompare(overlay, "opened", true)
        slewInputs.clear()
        keyPress(Qt.Key_Right)
        keyRelease(Qt.Key_Right)
        compare(slewInputs.count, 0, "nothing started")
        blocking.showing = false
        tryCompare(overlay, "visible", false)

        keyPress(Qt.Key_Down)
        compare(window.inj_mainFooter.keyHeld[3], true)
        blocking.showing = true
        tryCompare(overlay, "opened", true)
        keyRelease(Qt.Key_Down)
        tryVerify(() => window.inj_mainFooter.keyHeld[3] === false, 5000, "the release counts")
    }
}

import QtQuick
import QtTest

// "Please wait" follows the blocking service and nothing the user does closes it.
WindowRig {
    name: "Blocking"

    QtObject {
        id: blocking
        property bool showing: false
    }

    function initTestCase() {
        // The overlay is made with the window; the stand-in must be there first.
        testHelper.publish("inj_uiBlockingMessage", blocking)
        window = makeWindow(this)
    }

    function cleanupTestCase() {
        testHelper.restore("inj_uiBlockingMessage")
    }

    function test_followsService() {
        const overlay = part("uiBlockingMessage")
        compare(overlay.visible, false)
        blocking.showing = true
        tryCompare(overlay, "opened", true)
        compare(overlay.width, window.contentItem.width)
        keyClick(Qt.Key_Escape)
        mouseClick(window.contentItem, 10, 10)
        compare(overlay.visible, true)
        blocking.showing = false
        tryCompare(overlay, "visible", false)
    }
}

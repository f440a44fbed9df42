import QtQuick
import QtTest

// A test file on the real window and the real composition root, with the emulated mount
// connecting at launch. beforeWindow runs first, for settings the window reads at start.
TestCase {
    id: testCase

    property var window: null
    property var beforeWindow: function () {}
    readonly property var stackView: window ? window.inj_stackView : null

    function initTestCase() {
        beforeWindow()
        const component = Qt.createComponent("qrc:/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(testCase)
        verify(window)
        // Input reaches a window only once it is on screen.
        waitForRendering(window.contentItem)
    }

    function cleanupTestCase() {
        // Let the launch connection finish, so no connection step outlives the file.
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    // A failed test leaves no page behind for the next one.
    function cleanup() {
        if (window)
            window.inj_mainUIUtil.goHome()
    }

    function waitConnected() {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    // Pushes a page (a path under "qrc:/Page/", or an item) and returns it once it is on top.
    function open(page, properties) {
        const target = typeof page === "string" ? "qrc:/Page/" + page + ".qml" : page
        const item = stackView.push(target, properties || {})
        verify(item, String(page))
        tryCompare(stackView, "currentItem", item)
        placeRows(item)
        return item
    }

    // The offscreen window is never drawn, so its columns are not placed by a frame; clicks need
    // them placed.
    function placeRows(item) {
        for (let i = 0; i < item.children.length; ++i)
            placeRows(item.children[i])
        if (typeof item.forceLayout === "function")
            item.forceLayout()
    }

    function home() {
        window.inj_mainUIUtil.goHome()
        compare(stackView.depth, 1)
    }

    function stored(key) {
        return testHelper.storedSettings()[key]
    }

    function child(parentItem, name) {
        const item = findChild(parentItem, name)
        verify(item, name)
        return item
    }

    // As a user types: the field has the focus while its text changes, and loses it after.
    function typeInto(field, text) {
        field.forceActiveFocus()
        field.text = text
    }

    function closeTo(actual, expected, tolerance, what) {
        verify(Math.abs(actual - expected) <= tolerance,
               (what || "") + ": " + actual + " is not within " + tolerance + " of " + expected)
    }
}

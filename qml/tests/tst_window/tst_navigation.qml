import QtQuick
import QtQuick.Controls
import QtTest

// Stack helpers and the value stacks of the real window.
TestCase {
    id: testCase
    name: "Navigation"
    when: windowShown

    property var window: null
    property var pages: []

    Component {
        id: pageComponent
        // A page that, while active, hides the header and footer and shows the catalog button,
        // as the catalog pages do.
        Item {
            property var catalogValue: 1
            StackView.onActivated: {
                window.inj_mainUIUtil.showHeader.push(false)
                window.inj_mainUIUtil.showFooter.push(false)
                window.inj_mainUIUtil.showCatalogMenu.push(catalogValue)
            }
            StackView.onDeactivated: {
                window.inj_mainUIUtil.showHeader.pop()
                window.inj_mainUIUtil.showFooter.pop()
                window.inj_mainUIUtil.showCatalogMenu.pop()
            }
        }
    }

    function initTestCase() {
        window = Qt.createComponent("qrc:/main.qml").createObject(testCase)
        verify(window)
        for (let i = 0; i < 4; ++i)
            pages.push(pageComponent.createObject(window, { catalogValue: i % 2 + 1 }))
    }

    function cleanupTestCase() {
        // Let the launch connection finish, so no connection step outlives the file.
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    function init() {
        window.inj_mainUIUtil.goHome()
    }

    function stack() {
        return window.inj_stackView
    }

    // First page, then pages[0..2]: depth 4.
    function fill() {
        for (let i = 0; i < 3; ++i)
            stack().push(pages[i])
        compare(stack().depth, 4)
    }

    function test_ensureShow_data() {
        return [
            { tag: "at index 1 pops two", page: 0, depth: 2 },
            { tag: "on top stays", page: 2, depth: 4 },
            { tag: "absent is pushed", page: 3, depth: 5 }
        ]
    }

    function test_ensureShow(data) {
        fill()
        stack().ensureShow(pages[data.page])
        compare(stack().depth, data.depth)
        compare(stack().currentItem, pages[data.page])
    }

    function test_inclusivePop_data() {
        return [
            { tag: "at index 1", page: 0, depth: 1 },
            { tag: "on top", page: 2, depth: 3 },
            { tag: "absent", page: 3, depth: 4 }
        ]
    }

    function test_inclusivePop(data) {
        fill()
        stack().inclusivePop(pages[data.page])
        compare(stack().depth, data.depth)
    }

    function test_goHomeRestoresDefaults() {
        const util = window.inj_mainUIUtil
        fill()
        compare(util.showHeader.value, false)
        compare(util.showCatalogMenu.value, 1)
        compare(window.header.visible, false)
        util.goHome()
        compare(stack().depth, 1)
        compare(util.showHeader.depth, 0)
        compare(util.showFooter.depth, 0)
        compare(util.showCatalogMenu.depth, 0)
        compare(util.showHeader.value, true)
        compare(util.showFooter.value, true)
        compare(util.showCatalogMenu.value, false)
        compare(window.header.visible, true)
    }

    function test_arrowKeys() {
        const calls = []
        window.inj_mainFooter = {
            controlOnKeys: function (isPress, button) {
                calls.push([isPress, button])
            }
        }
        const keys = [[Qt.Key_Left, 1], [Qt.Key_Up, 2], [Qt.Key_Right, 0], [Qt.Key_Down, 3]]
        for (const [key, button] of keys) {
            verify(testHelper.sendKey(stack(), key, true))
            verify(testHelper.sendKey(stack(), key, true, true), "repeats are taken too")
            verify(testHelper.sendKey(stack(), key, false))
        }
        verify(testHelper.sendKey(stack(), Qt.Key_A, true))
        window.inj_mainFooter = null
        compare(calls, [[true, 1], [false, 1], [true, 2], [false, 2], [true, 0], [false, 0], [true, 3], [false, 3]])
    }

    function test_timers() {
        const seen = []
        window.setTimeout((a, b) => seen.push(a + b), 50, 1, 2)
        const cleared = window.setTimeout(() => seen.push("cleared"), 10)
        window.clearTimeout(cleared)
        tryCompare(seen, "length", 1)
        compare(seen, [3])
    }
}

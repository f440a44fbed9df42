import QtQuick
import QtQuick.Controls
import QtTest
import "../rig"
import Ko.Quorvel

// The real window on the real composition root, with the emulated mount connecting at launch.
TestCase {
    id: testCase
    name: "Header"
    when: windowShown

    property var window: null

    // The link as the header sees it: timed out or answering. Garbled replies never time the
    // link out, though the mount takes nothing.
    QtObject {
        id: linkStandIn
        property bool timedout: false
    }
    ConnectionStandIn {
        id: connectionStandIn
    }

    function initTestCase() {
        const component = Qt.createComponent("qrc:/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(testCase)
        verify(window)
    }

    function cleanupTestCase() {
        // Let the launch connection finish, so no connection step outlives the file.
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    function header() {
        return window.header
    }

    function child(name) {
        const item = findChild(header(), name)
        verify(item, name)
        return item
    }

    // Runs first (test names sort): the launch connection has not happened yet at start.
    function test_a_connectText() {
        const button = child("connectButton")
        compare(button.text, "Connect")
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(button, "text", "Equatorial Mode")
    }

    function test_statusIcon_data() {
        return [
            { tag: "sidereal", status: TrackingStatus.Sidereal, icon: "sidereal" },
            { tag: "lunar", status: TrackingStatus.Lunar, icon: "lunar" },
            { tag: "solar", status: TrackingStatus.Solar, icon: "solar" },
            { tag: "off", status: TrackingStatus.Idle, icon: "idle" }
        ]
    }

    function test_statusIcon(data) {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        const icon = child("mountStatusIcon")
        inj_trackingUI.setTrackingStatus(data.status)
        tryCompare(inj_mountConnection.mount, "realTracking", data.status !== TrackingStatus.Idle, 5000)
        tryCompare(icon, "iconName", data.icon, 5000)
        // Busy until the mount has taken the stop that ends tracking.
        tryCompare(icon, "busy", false, 5000)
    }

    // The icon is busy while the link times out, and while a stop has not reached the mount on a
    // link that answers: the mount may still be moving either way.
    function test_statusIconBusy_data() {
        return [
            { tag: "stop pending, link answering", timedout: false, stopPending: true, busy: true },
            { tag: "link timed out, nothing pending", timedout: true, stopPending: false, busy: true },
            { tag: "stop taken, link answering", timedout: false, stopPending: false, busy: false }
        ]
    }

    function test_statusIconBusy(data) {
        const icon = child("mountStatusIcon")
        linkStandIn.timedout = data.timedout
        connectionStandIn.mount.stopPending = data.stopPending
        testHelper.publish("inj_converserTimeoutForwarder", linkStandIn)
        testHelper.publish("inj_mountConnection", connectionStandIn)
        try {
            tryCompare(icon, "busy", data.busy)
            compare(icon.iconName, "idle")
            // What it shows is what it says.
            compare(icon.children[0].visible, !data.busy, "the tracking icon")
            compare(icon.children[1].visible, data.busy, "the busy indicator")
        } finally {
            testHelper.restore("inj_mountConnection")
            testHelper.restore("inj_converserTimeoutForwarder")
        }
    }

    function test_devEntry() {
        const entry = child("devEntry")
        const stack = window.inj_stackView
        compare(stack.depth, 1)
        for (let i = 0; i < 10; ++i)
            mouseClick(entry)
        compare(stack.depth, 1, "ten clicks open nothing")
        compare(entry.text, "")
        mouseClick(entry)
        compare(stack.depth, 2)
        compare(entry.text, "Test")
        compare(entry.visible, false, "the entry shows only on the first page")
        stack.pop()
        mouseClick(entry)
        compare(stack.depth, 2, "later clicks open it at once")
        stack.pop()
    }

    function test_backKeyAtFirstPage() {
        const stack = window.inj_stackView
        compare(stack.depth, 1)
        verify(testHelper.sendKey(stack, Qt.Key_Back, true))
        verify(testHelper.sendKey(stack, Qt.Key_Back, false), "the back key never reaches the platform")
        compare(stack.depth, 1)
        compare(window.visible, true)
        stack.push(Qt.createQmlObject("import QtQuick; Item {}", stack))
        verify(testHelper.sendKey(stack, Qt.Key_Back, false))
        compare(stack.depth, 1)
    }

    function test_rightButtons_data() {
        return [
            { tag: "no catalog", value: false, info: true, filter: false },
            { tag: "zero", value: 0, info: true, filter: false },
            { tag: "filter", value: 1, info: false, filter: true },
            { tag: "with comets", value: 2, info: false, filter: true }
        ]
    }

    function test_rightButtons(data) {
        const stackValue = window.inj_mainUIUtil.showCatalogMenu
        stackValue.push(data.value)
        compare(child("informationButton").visible, data.info)
        compare(child("catalogFilterButton").visible, data.filter)
        stackValue.pop()
    }
}

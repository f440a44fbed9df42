import QtQuick
import QtTest
import "../rig"

// The polar-scope page: either hemisphere, refreshed every 2 s and at once on a switch, and the
// illuminator only on a mount that has one.
TestCase {
    id: testCase
    name: "PolarScope"
    when: windowShown

    property var page: null
    property var refreshTimes: []

    WindowRig {
        id: rig
        testCase: testCase
    }
    Connections {
        target: inj_polarScopeInfo
        function onInfoListChanged() {
            refreshTimes.push(Date.now())
        }
    }

    // A connection to a mount with or without the illuminator.
    QtObject {
        id: ledMount
        property bool led: false
        property real brightness: -1
        function hasPolarScopeLED() {
            return led
        }
        function setPolarLEDBrightness(v) {
            brightness = v
        }
    }
    QtObject {
        id: ledConnection
        property bool connected: true
        property var mount: ledMount
        signal mountChanged_q
    }

    function initTestCase() {
        rig.createWindow()
    }

    function cleanupTestCase() {
        rig.settle()
    }

    function open() {
        rig.window.inj_stackView.push("qrc:/Page/PolarScopePage.qml")
        page = rig.top()
    }

    function test_hemispheres() {
        open()
        verify(!rig.window.header.visible, "the page has its own header")
        const tabs = findChild(page, "hemisphereTabs")
        compare(tabs.currentIndex, 0)
        verify(inj_polarScopeInfo.north && inj_polarScopePaintedItem.north)
        const area = findChild(page, "reticleArea")
        compare(inj_polarScopePaintedItem.parent, area)
        verify(findChild(page, "infoRows").count > 0)
        refreshTimes = []
        tabs.currentIndex = 1
        verify(!inj_polarScopeInfo.north && !inj_polarScopePaintedItem.north)
        verify(refreshTimes.length > 0, "refreshed at once")
        rig.window.inj_stackView.pop()
        verify(rig.window.header.visible)
        tryVerify(() => inj_polarScopePaintedItem.parent === null, 2000, "the reticle leaves with the page")
    }

    function test_refreshEvery2s() {
        open()
        refreshTimes = []
        tryVerify(() => refreshTimes.length >= 2, 5000)
        const gap = refreshTimes[1] - refreshTimes[0]
        verify(gap > 1800 && gap < 2600, gap)
        rig.window.inj_stackView.pop()
    }

    function test_illuminator_data() {
        return [{ tag: "with LED", led: true }, { tag: "without LED", led: false }]
    }

    function test_illuminator(data) {
        ledMount.led = data.led
        ledMount.brightness = -1
        testHelper.publish("inj_mountConnection", ledConnection)
        open()
        const slider = findChild(page, "illuminator")
        compare(slider.enabled, data.led)
        if (data.led) {
            slider.value = 7
            slider.hasChanged()
            fuzzyCompare(ledMount.brightness, 0.7, 1e-9)
            fuzzyCompare(inj_appCore.pScopeLight, 0.7, 1e-9)
            compare(slider.valueText, "7")
            slider.value = 0
            compare(slider.valueText, "Off")
        }
        rig.window.inj_stackView.pop()
        testHelper.restore("inj_mountConnection")
    }
}

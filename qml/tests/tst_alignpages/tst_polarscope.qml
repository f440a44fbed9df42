import QtQuick
import QtQuick.Controls
import QtTest
import Ko.AstroBase
import "../rig"

// The polar-scope page: either hemisphere, refreshed every 2 s and at once on a switch, and the
// illuminator only on a mount that has one.
TestCase {
    id: testCase
    name: "PolarScope"
    when: windowShown

    property var page: null
    property var refreshTimes: []
    property var kept: null

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
        // Takes every light, which the store then holds, as the mount's own write stores it.
        function setPolarLEDBrightness(v) {
            brightness = v
            inj_appCore.pScopeLight = v
            return testHelper.commandResult(CmdRetType.Ok)
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
        kept = { width: rig.window.width, height: rig.window.height }
    }

    // A row that fails leaves the window as the next row expects it.
    function cleanup() {
        const stack = rig.window.inj_stackView
        if (stack.depth > 1)
            stack.pop(stack.get(0), StackView.Immediate)
        tryVerify(() => !stack.busy)
        inj_languageManager.language = "en"
        rig.window.width = kept.width
        rig.window.height = kept.height
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

    // What a reader needs on the reticle's shorter side: below it the 5° ticks come closer than
    // about 5 px. Stated here, not read from the page, so that a page asking for less fails.
    readonly property int readableSize: 180

    // The page exists for the reticle: with the slew pad out, in any window from the smallest
    // and in a language with long rows, the reticle keeps the size it can be read at, and
    // scrolled to, it shows whole between the page's header and the pad.
    function test_reticleReadable_data() {
        const rows = []
        for (const code of ["en", "de"]) {
            for (const [width, height] of [[320, 480], [360, 480], [360, 640], [428, 926]])
                rows.push({ tag: code + " " + width + "x" + height, code: code, width: width,
                            height: height })
        }
        return rows
    }

    function test_reticleReadable(data) {
        const w = rig.window
        w.width = data.width
        w.height = data.height
        inj_languageManager.language = data.code
        w.inj_mainFooter.requestDisplay(true)
        tryVerify(() => w.contentItem.width === data.width && w.inj_mainFooter.height > 150, 5000,
                  "window " + w.contentItem.width + " wide, slew pad " + w.inj_mainFooter.height
                  + " high")
        open()
        const area = findChild(page, "reticleArea")
        const view = findChild(page, "scroll")
        tryVerify(() => view.height > 0 && Math.min(area.width, area.height) >= readableSize
                        && area.readableSize >= readableSize,
                  5000, "reticle " + area.width + "x" + area.height + ", the page asks for "
                  + area.readableSize)
        compare(inj_polarScopePaintedItem.width, area.width)
        compare(inj_polarScopePaintedItem.height, area.height)
        const top = area.mapToItem(view.contentItem, 0, 0).y
        view.contentY = Math.max(0, Math.min(top, view.contentHeight - view.height))
        const shown = area.mapToItem(view, 0, 0).y
        verify(shown >= -0.5 && shown + area.height <= view.height + 0.5,
               "reticle " + area.height + " high at " + shown + " in a view " + view.height
               + " high")
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

import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtTest
import "qrc:/"
import "qrc:/CommonUI"

// A test root of its own: the night manager and the header over the names the window offers.
TestCase {
    id: root
    name: "Night"
    when: windowShown
    width: 428
    height: 200

    readonly property StackView inj_stackView: stack
    readonly property NightManager inj_nightManager: manager
    readonly property MainUIUtil inj_mainUIUtil: util
    property Item inj_informationPage: null
    property Item inj_trackingPage: null
    function inj_handleBackKey(event) {
        return false
    }

    StackView {
        id: stack
        initialItem: Item {}
    }
    MainUIUtil {
        id: util
        stackView: stack
    }
    Item {
        id: appItem
        width: 428
        height: 100
        UI_MainHeader {
            id: header
            width: parent.width
        }
    }
    Item {
        id: footerItem
        width: 428
        height: 300
        MainFooter {
            id: pad
            width: parent.width
        }
    }
    // The window's overlay does not exist in a test root.
    ToastManager {
        id: toaster
        parent: root
    }
    NightManager {
        id: manager
    }
    // A menu tile, whose label runs below it when the window is short.
    ImageButton {
        id: tile
        y: 300
        width: 120
        textUnderIcon: true
        text: "Alignment"
    }

    function cleanupTestCase() {
        // Let the launch connection finish, so no connection step outlives the file.
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    function cleanup() {
        toaster.model.clear()
    }

    function at(hour, minute) {
        return function () {
            return new Date(2026, 11, 7, hour, minute)
        }
    }

    function test_colours_data() {
        return [
            { tag: "off", setting: 0, time: at(22, 0), night: false },
            { tag: "on", setting: 1, time: at(12, 0), night: true },
            { tag: "auto 06:59", setting: 2, time: at(6, 59), night: true },
            { tag: "auto 07:00", setting: 2, time: at(7, 0), night: false },
            { tag: "auto 17:59", setting: 2, time: at(17, 59), night: false },
            { tag: "auto 18:00", setting: 2, time: at(18, 0), night: true },
            { tag: "auto 00:00", setting: 2, time: at(0, 0), night: true }
        ]
    }

    function test_colours(data) {
        manager.appWindow = null
        manager.footer = null
        manager.now = data.time
        manager.setting = data.setting
        // Applied only once both items exist.
        manager.appWindow = appItem
        manager.footer = footerItem
        compare(manager.isNight, data.night)
        for (const item of [appItem, footerItem]) {
            compare(item.Material.theme, data.night ? Material.Dark : Material.Light)
            compare(item.Material.background, data.night ? Qt.color("black") : Qt.color("#fafafa"))
        }
        compare(header.background.color, data.night ? Qt.darker(Qt.darker("brown")) : Qt.color("#00c566"))
        // Every text takes the foreground: red at night, never the day's near-black.
        const foreground = data.night ? Material.color(Material.Red) : Qt.color("#dd000000")
        for (const item of [appItem, footerItem])
            compare(item.Material.foreground, foreground)
        compare(findChild(pad, "rateLabel").color, data.night ? Qt.color("red") : Qt.color("white"))
        // The developer entry once opened reads "Test", whole, in the bar's text colour.
        const dev = findChild(header, "devEntry")
        dev.text = "Test"
        compare(dev.contentItem.color, data.night ? Material.color(Material.Red) : Qt.color("white"))
        verify(dev.implicitContentWidth <= dev.availableWidth,
               dev.implicitContentWidth + " > " + dev.availableWidth)
        toaster.show("Location Updated", 100000)
        tryVerify(() => toaster.count === 1 && toaster.itemAtIndex(0) !== null)
        const toastText = findChild(toaster.itemAtIndex(0), "toastText")
        compare(toastText.color, data.night ? Material.color(Material.Red) : Qt.color("white"))
        compare(testHelper.storedSettings()["night_mode"], data.setting)
    }

    // Auto follows the clock only at a change of setting or at start, never on its own.
    function test_autoWaitsForAChange() {
        manager.now = at(12, 0)
        manager.setting = 2
        manager.appWindow = appItem
        manager.footer = footerItem
        compare(manager.isNight, false)
        manager.now = at(20, 0)
        compare(manager.isNight, false)
        manager.setting = 1
        manager.setting = 2
        compare(manager.isNight, true)
    }

    // The night overlay draws only what lies inside the tile's content: a label below a short
    // tile must lie inside it too, or its lower edge is cut off.
    function test_tileLabelInsideOverlay_data() {
        return [{ tag: "short tile", height: 60 }, { tag: "tall tile", height: 200 }]
    }

    function test_tileLabelInsideOverlay(data) {
        tile.height = data.height
        const content = findChild(tile, "tileContent")
        const label = findChild(tile, "tileLabel")
        verify(label.y + label.height <= content.height, label.y + label.height + " > " + content.height)
        verify(content.height >= tile.height)
    }
}

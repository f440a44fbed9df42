import QtQuick
import QtQuick.Controls
import QtTest
import Ko.Quorvel

// The menus on the real window: which entries a mount enables, what each entry opens, the
// alignment reset with its confirmation, and help opened outside the program.
TestCase {
    id: testCase
    name: "Menus"
    when: windowShown

    property var window: null

    // Stand-ins, published under the services' names before a menu is made.
    QtObject {
        id: connection
        property bool connected: false
        property var mount: null
        property bool hasWifi: false
    }
    QtObject {
        id: routine
        property var started: []
        function start(type) {
            started = started.concat([type])
        }
    }
    QtObject {
        id: alignmentData
        property int alignedStarCount: 0
        property int resets: 0
        function reset() {
            ++resets
        }
    }
    // Shown for real, the comet list would fetch a new comet file from the internet.
    QtObject {
        id: cometList
        property var list: []
        property bool loadingList: false
        function setDisplayed(value) {
        }
        function setSearchText(text) {
        }
    }
    // Answers as a desktop that takes the page or as one where no program opens it.
    QtObject {
        id: helpFile
        property int opens: 0
        property bool takes: true
        function openInExternalApp() {
            ++opens
            return takes
        }
    }

    function initTestCase() {
        const component = Qt.createComponent("qrc:/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(testCase)
        verify(window)
        waitForRendering(window.contentItem)
    }

    function cleanupTestCase() {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    function init() {
        window.inj_mainUIUtil.goHome()
    }

    function cleanup() {
        helpFile.takes = true
        inj_languageManager.language = "en"
        for (const name of ["inj_mountConnection", "inj_alignmentRoutine", "inj_alignmentDataContainer",
                            "inj_helpFile", "inj_astroList_comet"])
            testHelper.restore(name)
        window.inj_mainUIUtil.goHome()
    }

    function stack() {
        return window.inj_stackView
    }

    function entry(name) {
        const item = findChild(stack().currentItem, name)
        verify(item, name)
        return item
    }

    // Opens a sub-menu of the main menu the way a user does.
    function openMenu(entryName) {
        compare(stack().depth, 1)
        // The connect popup of the launch connection may still lie over the menu for a moment:
        // the click counts once nothing modal is in the way.
        tryVerify(() => {
            if (stack().depth === 1)
                mouseClick(entry(entryName))
            return stack().depth === 2
        }, 5000)
        return stack().currentItem
    }

    function useStandIns(connected, mountMode) {
        connection.connected = connected
        connection.mount = connected ? { mountMode: mountMode } : null
        routine.started = []
        testHelper.publish("inj_mountConnection", connection)
        testHelper.publish("inj_alignmentRoutine", routine)
        testHelper.publish("inj_alignmentDataContainer", alignmentData)
        testHelper.publish("inj_astroList_comet", cometList)
    }

    function test_firstPage() {
        compare(stack().depth, 1)
        verify(stack().currentItem.toString().indexOf("MainMenu") >= 0, stack().currentItem)
        for (const name of ["alignment", "star", "deepSky", "utility", "userObjects", "settings"])
            verify(entry(name).enabled, name)
    }

    // Which entries a mount enables; a disabled entry ignores clicks, and those marked dim show at
    // half opacity.
    function test_enableRules_data() {
        const rows = []
        const cases = [
            ["alignment", "star1", true, 1], ["alignment", "brightestStar", true, 1],
            ["alignment", "star2", true, 1], ["alignment", "star3", true, 1],
            ["alignment", "alignWithSync", false, 1], ["alignment", "resetAlignment", true, 0.5],
            ["utility", "information", false, 1], ["utility", "tracking", true, 0.5],
            ["utility", "tonightBest", false, 1], ["utility", "identify", false, 1],
            ["utility", "hibernate", true, 0.5], ["utility", "pmSharing", false, 1],
            ["utility", "advanced", false, 1], ["utility", "help", false, 1],
            ["star", "namedStar", false, 1], ["star", "comet", false, 1],
            ["settings", "userInterface", false, 1], ["settings", "location", false, 1]
        ]
        for (const [menu, name, needsMount, dimmed] of cases) {
            for (const connected of [false, true]) {
                rows.push({
                    tag: menu + "/" + name + (connected ? " connected" : " disconnected"),
                    menu: menu, name: name, connected: connected,
                    enabled: connected || !needsMount,
                    opacity: connected || !needsMount ? 1 : dimmed
                })
            }
        }
        return rows
    }

    function test_enableRules(data) {
        alignmentData.alignedStarCount = 1
        useStandIns(data.connected, MountMode.EQ)
        openMenu(data.menu)
        const item = entry(data.name)
        compare(item.enabled, data.enabled)
        compare(item.opacity, data.opacity)
    }

    // "Quorvel Wi-Fi" follows the mount's Wi-Fi module, not the connection, and follows it while
    // the menu is shown.
    function test_wifiEntry_data() {
        return [
            { tag: "disconnected", connected: false, wifi: false, enabled: false },
            { tag: "connected without a Wi-Fi module", connected: true, wifi: false, enabled: false },
            { tag: "connected with a Wi-Fi module", connected: true, wifi: true, enabled: true }
        ]
    }

    function test_wifiEntry(data) {
        connection.hasWifi = data.wifi
        useStandIns(data.connected, MountMode.EQ)
        openMenu("settings")
        const item = entry("wifi")
        compare(item.text, "Quorvel Wi-Fi")
        compare(item.enabled, data.enabled)
        compare(item.opacity, data.enabled ? 1 : 0.5)
        if (!data.enabled) {
            mouseClick(item)
            compare(stack().depth, 2, "a disabled entry opens nothing")
        }
        connection.hasWifi = !data.wifi
        compare(entry("wifi").enabled, !data.wifi)
        connection.hasWifi = false
    }

    // Point and Go needs the device's direction, which desktops lack: never enabled here.
    function test_pointAndGoDisabledOnDesktop() {
        useStandIns(true, MountMode.EQ)
        openMenu("utility")
        compare(entry("pointAndGo").enabled, false)
        compare(entry("pointAndGo").opacity, 0.5)
    }

    function test_alignmentEntries_data() {
        return [
            { tag: "disconnected: clicks ignored", connected: false, mode: MountMode.EQ,
              texts: "2-Star Alignment", started: [] },
            { tag: "equatorial", connected: true, mode: MountMode.EQ, texts: "2-Star Alignment",
              started: [AlignmentType.Star1, AlignmentType.BrightestStar, AlignmentType.Star2,
                        AlignmentType.Star3] },
            { tag: "alt-azimuth", connected: true, mode: MountMode.AZ, texts: "North-Level Alignment",
              started: [AlignmentType.Star1, AlignmentType.BrightestStar, AlignmentType.NorthLevel,
                        AlignmentType.Star3] }
        ]
    }

    function test_alignmentEntries(data) {
        useStandIns(data.connected, data.mode)
        openMenu("alignment")
        compare(entry("star2").text, data.texts)
        for (const name of ["star1", "brightestStar", "star2", "star3"])
            mouseClick(entry(name))
        compare(routine.started, data.started)
        compare(stack().depth, 2)
    }

    function test_starCountImage_data() {
        return [
            { tag: "none", count: 0, source: "" },
            { tag: "one", count: 1, source: "qrc:/image/Alignment_icon/starCount1.png" },
            { tag: "three", count: 3, source: "qrc:/image/Alignment_icon/starCount3.png" },
            { tag: "four", count: 4, source: "" }
        ]
    }

    function test_starCountImage(data) {
        alignmentData.alignedStarCount = data.count
        useStandIns(true, MountMode.EQ)
        openMenu("alignment")
        const image = findChild(stack().currentItem, "starCount")
        compare(image.visible, data.source !== "")
        if (data.source !== "")
            compare(image.source.toString(), data.source)
    }

    function test_resetAlignment_data() {
        return [
            { tag: "cancel", confirm: false, resets: 0 },
            { tag: "ok", confirm: true, resets: 1 }
        ]
    }

    function test_resetAlignment(data) {
        alignmentData.alignedStarCount = 2
        alignmentData.resets = 0
        useStandIns(true, MountMode.EQ)
        const menu = openMenu("alignment")
        mouseClick(entry("resetAlignment"))
        const dialog = menu.resetDialog
        tryCompare(dialog, "opened", true)
        compare(dialog.content, "Are you sure you want to reset alignment?")
        compare(dialog.heading, "Mount")
        const button = findChild(dialog.footer, data.confirm ? "okButton" : "firstButton")
        mouseClick(button)
        tryCompare(dialog, "visible", false)
        compare(alignmentData.resets, data.resets)
    }

    // Entries whose pages exist open them with or without a mount.
    function test_opensPages_data() {
        return [
            { tag: "named star", menu: "star", name: "namedStar", page: "CatalogAstroListPage" },
            { tag: "comet", menu: "star", name: "comet", page: "CatalogAstroListPage" },
            { tag: "named deep sky", menu: "deepSky", name: "namedDeepSky", page: "CatalogAstroListPage" },
            { tag: "information", menu: "utility", name: "information", page: "InformationPage" },
            { tag: "tonight's best", menu: "utility", name: "tonightBest", page: "TonightBestPage" },
            { tag: "identify", menu: "utility", name: "identify", page: "IdentifyPage" },
            { tag: "advanced", menu: "utility", name: "advanced", page: "AdvancedMenu" }
        ]
    }

    function test_opensPages(data) {
        useStandIns(false, MountMode.EQ)
        openMenu(data.menu)
        mouseClick(entry(data.name))
        compare(stack().depth, 3)
        const page = stack().currentItem
        verify(page.toString().indexOf(data.page) === 0, page.toString())
        if (data.page === "InformationPage")
            compare(page, window.inj_informationPage)
    }

    // Desktops have no help browser: help opens outside with a notice, and nothing is pushed.
    function test_helpOpensOutside() {
        helpFile.opens = 0
        testHelper.publish("inj_helpFile", helpFile)
        openMenu("utility")
        mouseClick(entry("help"))
        compare(helpFile.opens, 1)
        compare(stack().depth, 2)
        const toaster = window.inj_toaster
        compare(toaster.count, 1)
        compare(toaster.model.get(0).text, "Opening page in external app...")
    }

    // The notice says what became of the page: opening where the desktop took it, and in words
    // that it cannot be opened where nothing took it, in the user's language.
    function test_helpSaysWhetherOpened_data() {
        return [
            { tag: "taken", takes: true, language: "en", shown: "Opening page in external app..." },
            { tag: "refused", takes: false, language: "en",
              shown: "The help page cannot be opened: no program here opens web pages." },
            { tag: "refused, German", takes: false, language: "de",
              shown: "Die Hilfeseite kann nicht geöffnet werden: Hier öffnet kein Programm Webseiten." }
        ]
    }

    function test_helpSaysWhetherOpened(data) {
        const toaster = window.inj_toaster
        // An earlier notice is gone before this row looks for its own.
        tryCompare(toaster, "count", 0, 10000)
        helpFile.opens = 0
        helpFile.takes = data.takes
        inj_languageManager.language = data.language
        testHelper.publish("inj_helpFile", helpFile)
        openMenu("utility")
        mouseClick(entry("help"))
        compare(helpFile.opens, 1)
        compare(stack().depth, 2)
        compare(toaster.count, 1)
        compare(toaster.model.get(0).text, data.shown)
    }
}

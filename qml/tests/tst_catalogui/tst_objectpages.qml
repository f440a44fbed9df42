import QtQuick
import QtQuick.Controls
import QtTest
import Ko.Quorvel

// The object page on the real object list (site at 46 degrees north), the identify page over a
// stand-in list, and the information page.
TestCase {
    id: testCase
    name: "ObjectPages"
    when: windowShown

    property var window: null

    QtObject {
        id: connection
        property bool connected: true
        property var mount: ({ mountMode: MountMode.EQ })
        property bool hasWifi: false
    }
    QtObject {
        id: infoList
        property var slewToProhibition: undefined
        property var listModel: null
        property var updating: []
        function setUpdating(value) {
            updating = updating.concat([value])
        }
        function astroObjShow(ao) {
        }
    }
    QtObject {
        id: identify
        property bool useDeviceOri: false
        property string azAlt: "120° 30° 00\""
        property string raDec: "05h 35m"
        property var list: []
        property int refreshes: 0
        signal readError
        function refresh() {
            ++refreshes
        }
        function getAstroObj(index) {
            return null
        }
    }

    function initTestCase() {
        const component = Qt.createComponent("qrc:/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(testCase)
        verify(window)
        waitForRendering(window.contentItem)
        tryCompare(inj_mountConnection, "connected", true, 10000)
    }

    function cleanupTestCase() {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    function cleanup() {
        window.inj_mainUIUtil.goHome()
        for (const name of ["inj_mountConnection", "inj_objectInfoList", "inj_identifyList"])
            testHelper.restore(name)
    }

    function stack() {
        return window.inj_stackView
    }

    function star(name) {
        inj_catalogSettings.enableAltRangeViewFilter = false
        const list = inj_astroList_star
        list.setDisplayed(true)
        list.setSearchText(name)
        tryVerify(() => !list.loadingList && list.list.length > 0 && list.list[0].a.indexOf(name) >= 0,
                  10000, name)
        const ao = list.getAstroObj(0)
        list.setSearchText("")
        list.setDisplayed(false)
        return ao
    }

    // Acrux never rises at 46 degrees north; Polaris stands at 46 degrees, far from the Sun.
    function test_goTo_data() {
        return [
            { tag: "allowed", star: "Polaris", connected: true, enabled: true, line: "" },
            { tag: "below the limit", star: "Acrux", connected: true, enabled: false,
              line: "Altitude outside of limits" },
            { tag: "below, no mount", star: "Acrux", connected: false, enabled: false, line: "" }
        ]
    }

    function test_goTo(data) {
        const page = window.inj_objectInfoPage
        page.go(star(data.star))
        compare(stack().currentItem, page)
        if (!data.connected) {
            connection.connected = false
            connection.mount = null
            testHelper.publish("inj_mountConnection", connection)
        }
        const goTo = findChild(page, "goTo")
        compare(goTo.enabled, data.enabled)
        const line = findChild(page, "prohibition")
        compare(line.visible, data.line !== "")
        compare(line.text, data.line)
        verify(page.StackView.view === stack())
        verify(inj_objectInfoList.listModel.rowCount() > 0)
    }

    function test_pointAndTrack_data() {
        return [
            { tag: "alt-azimuth", connected: true, mode: MountMode.AZ, shown: true },
            { tag: "equatorial", connected: true, mode: MountMode.EQ, shown: false },
            { tag: "no mount", connected: false, mode: MountMode.AZ, shown: false }
        ]
    }

    function test_pointAndTrack(data) {
        connection.connected = data.connected
        connection.mount = data.connected ? { mountMode: data.mode } : null
        testHelper.publish("inj_mountConnection", connection)
        window.inj_objectInfoPage.go(star("Polaris"))
        compare(findChild(window.inj_objectInfoPage, "pointAndTrack").visible, data.shown)
    }

    // The rows are refreshed only while the page is the active one.
    function test_updatingInPairs_data() {
        return [
            { tag: "object page", name: "inj_objectInfoList", page: () => window.inj_objectInfoPage },
            { tag: "information page", name: "inj_generalInfoList", page: () => window.inj_informationPage }
        ]
    }

    function test_updatingInPairs(data) {
        infoList.updating = []
        testHelper.publish(data.name, infoList)
        const page = data.page()
        stack().push(page)
        compare(infoList.updating, [true])
        stack().push("qrc:/Page/MagnitudeLimitPage.qml")
        compare(infoList.updating, [true, false])
        stack().pop()
        compare(infoList.updating, [true, false, true])
        stack().pop()
        compare(infoList.updating, [true, false, true, false])
        testHelper.restore(data.name)
    }

    function identifyPage() {
        testHelper.publish("inj_identifyList", identify)
        stack().push("qrc:/Page/IdentifyPage.qml")
        return stack().currentItem
    }

    // The tab follows the service's choice, so it is selected again next time.
    function test_identifyTabs() {
        identify.useDeviceOri = false
        let page = identifyPage()
        const tabs = findChild(page, "tabs")
        compare(tabs.currentIndex, 0)
        mouseClick(tabs.itemAt(1))
        compare(identify.useDeviceOri, true)
        stack().pop()
        page = identifyPage()
        compare(findChild(page, "tabs").currentIndex, 1)
        mouseClick(findChild(page, "tabs").itemAt(0))
        compare(identify.useDeviceOri, false)
        compare(findChild(page, "azAlt").text, identify.azAlt)
        compare(findChild(page, "raDec").text, identify.raDec)
    }

    // Read again on entering with a mount, on connect and disconnect while shown, and on leaving;
    // not while another page covers it; and by the refresh button.
    function test_identifyRefresh() {
        connection.connected = true
        testHelper.publish("inj_mountConnection", connection)
        identify.refreshes = 0
        const page = identifyPage()
        compare(identify.refreshes, 1)
        connection.connected = false
        compare(identify.refreshes, 2)
        connection.connected = true
        compare(identify.refreshes, 3)
        mouseClick(findChild(page, "refresh"))
        compare(identify.refreshes, 4)
        stack().push("qrc:/Page/MagnitudeLimitPage.qml")
        compare(identify.refreshes, 5)
        connection.connected = false
        connection.connected = true
        compare(identify.refreshes, 5)
        stack().pop()
        compare(identify.refreshes, 6)
        stack().pop()
        compare(identify.refreshes, 7)
    }

    function test_identifyReadError() {
        identifyPage()
        const toaster = window.inj_toaster
        const before = toaster.count
        identify.readError()
        compare(toaster.count, before + 1)
        compare(toaster.model.get(0).text, "Cannot read mount position")
    }
}

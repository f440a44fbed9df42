import QtQuick
import QtQuick.Controls
import QtTest
import Ko.Quorvel

// The deep-sky menu on the real search service and the emulated mount: the catalogue choice,
// the number field, and M 42 found and gone to.
TestCase {
    id: testCase
    name: "DeepSky"
    when: windowShown

    property var window: null
    property var menu: null

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

    function init() {
        window.inj_mainUIUtil.goHome()
        mouseClick(findChild(window.inj_stackView.currentItem, "deepSky"))
        menu = window.inj_stackView.currentItem
        verify(menu.toString().indexOf("DeepSkyMenu") === 0)
    }

    function field() {
        return findChild(menu, "number")
    }

    function type(text) {
        field().forceActiveFocus()
        for (const c of text)
            keyClick(c)
    }

    function test_catalogues_data() {
        return [
            { tag: "Messier", index: 0, type: DeepSkyCatalog.IdM, range: "1 ~ 110" },
            { tag: "Caldwell", index: 1, type: DeepSkyCatalog.IdC, range: "1 ~ 109" },
            { tag: "NGC", index: 2, type: DeepSkyCatalog.IdNgc, range: "1 ~ 7840" },
            { tag: "IC", index: 3, type: DeepSkyCatalog.IdIc, range: "1 ~ 5386" }
        ]
    }

    function test_catalogues(data) {
        const box = findChild(menu, "catalogue")
        compare(box.count, 4)
        compare(box.textAt(data.index), data.tag)
        box.currentIndex = data.index
        box.activated(data.index)
        compare(inj_searchDSO.dsoType, data.type)
        // The empty field offers the chosen catalogue's numbers, not one range for all four.
        compare(field().placeholderText, data.range)
        // A new visit starts from the chosen catalogue.
        window.inj_stackView.pop()
        mouseClick(findChild(window.inj_stackView.currentItem, "deepSky"))
        compare(findChild(window.inj_stackView.currentItem, "catalogue").currentIndex, data.index)
    }

    // Whole numbers 1 to 10000 only; an empty field is no number.
    function test_numberField_data() {
        return [
            { tag: "zero refused", keys: "0", text: "", number: -1 },
            { tag: "leading zero refused", keys: "042", text: "42", number: 42 },
            { tag: "upper bound", keys: "10000", text: "10000", number: 10000 },
            { tag: "above refused", keys: "10001", text: "1000", number: 1000 },
            { tag: "letters refused", keys: "4a2", text: "42", number: 42 }
        ]
    }

    function test_numberField(data) {
        field().text = ""
        compare(inj_searchDSO.numberID, -1)
        type(data.keys)
        compare(field().text, data.text)
        compare(inj_searchDSO.numberID, data.number)
        field().text = ""
        compare(inj_searchDSO.numberID, -1)
    }

    // A greyed Go To says why beside it: near the north pole M81 stands 69 degrees up all day,
    // at 85 degrees south M42 circles between 0 and 11 degrees.
    function test_refusalShown_data() {
        return [
            { tag: "M81 above the upper limit", latitude: 89.9, number: "81", upper: 60, lower: 0,
              refusal: "Altitude outside of limits" },
            { tag: "M81 within the limits", latitude: 89.9, number: "81", upper: 90, lower: 0,
              refusal: "" },
            { tag: "M42 below the lower limit", latitude: -85, number: "42", upper: 75, lower: 30,
              refusal: "Altitude outside of limits" },
            { tag: "M42 within the limits", latitude: -85, number: "42", upper: 75, lower: -10,
              refusal: "" }
        ]
    }

    function test_refusalShown(data) {
        const site = inj_location.location()
        const moved = inj_location.location()
        moved.latitudeRad = data.latitude * Math.PI / 180
        inj_location.setLocation(moved)
        inj_altRange.maxAlt = data.upper * Math.PI / 180
        inj_altRange.minAlt = data.lower * Math.PI / 180
        const box = findChild(menu, "catalogue")
        box.currentIndex = 0
        box.activated(0)
        field().text = ""
        type(data.number)
        tryCompare(inj_searchDSO, "searchSuccess", true)
        const refusal = findChild(menu, "goToRefusal")
        compare(refusal.text, data.refusal)
        compare(refusal.visible, data.refusal !== "")
        compare(findChild(menu, "goTo").enabled, data.refusal === "")
        inj_location.setLocation(site)
        inj_altRange.maxAlt = 75 * Math.PI / 180
        inj_altRange.minAlt = 0
        field().text = ""
        compare(refusal.visible, false, "nothing found, nothing refused")
    }

    // The west longitude (radians) at which a right ascension of date stands at the given hour
    // angle now, through the Greenwich mean sidereal time (good to a second of time).
    function westLongitudeFor(raHours, hourAngleHours) {
        const daysSinceJ2000 = Date.now() / 86400000 + 2440587.5 - 2451545.0
        const gmst = 18.697374558 + 24.06570982441908 * daysSinceJ2000
        const west = ((gmst - raHours - hourAngleHours) * 15 % 360 + 540) % 360 - 180
        return west * Math.PI / 180
    }

    // At 85 degrees south Orion's nebula never sets: it circles between 0 and 11 degrees up.
    // How long the GoTo takes depends on where the nebula stands: from where the mount starts,
    // about 9 s on the emulated axes 6 to 10 hours east of the meridian, 31 s on it. The site is
    // turned so that it stands 8 hours east at every run, whatever the hour.
    function test_m42GoTo() {
        const site = inj_location.location()
        const south = inj_location.location()
        south.latitudeRad = -85 * Math.PI / 180
        south.longitudeRad = westLongitudeFor(5 + 36.5 / 60, -8)
        inj_location.setLocation(south)
        inj_altRange.minAlt = -10 * Math.PI / 180
        const box = findChild(menu, "catalogue")
        box.currentIndex = 0
        box.activated(0)
        field().text = ""
        type("42")
        tryCompare(inj_searchDSO, "searchSuccess", true)
        compare(findChild(menu, "resultName").text, "Orion Nebula")
        verify(findChild(menu, "more").enabled)
        const goTo = findChild(menu, "goTo")
        tryCompare(goTo, "enabled", true)
        mouseClick(goTo)
        tryCompare(inj_gotoStatus, "targetName", "Orion Nebula", 10000)
        tryCompare(inj_gotoStatus, "done", true, 20000)
        // A GoTo that ends may ask for the target to be centred, and its dialog fades out: the
        // user steps back to the menu and opens the object once nothing lies over it.
        const stack = window.inj_stackView
        tryVerify(() => {
            if (stack.currentItem !== menu && stack.currentItem !== window.inj_objectInfoPage)
                stack.pop()
            else if (stack.currentItem === menu)
                mouseClick(findChild(menu, "more"))
            return stack.currentItem === window.inj_objectInfoPage
        }, 10000)
        compare(window.inj_stackView.currentItem, window.inj_objectInfoPage)
        inj_location.setLocation(site)
        inj_altRange.minAlt = 0
    }
}

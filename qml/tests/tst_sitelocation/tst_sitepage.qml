import QtQuick
import QtQuick.Controls
import QtTest
import ".."

// The site page on the real window, with the sensor off ("loc.use_sensor" false): what the user
// types is what the settings file holds after leaving the page.
WindowTestCase {
    name: "SitePage"

    function page() {
        return window.inj_pageLocation
    }

    function enterSite(lat, lon) {
        const p = open(page())
        compare(window.inj_mainUIUtil.showHeader.value, false)
        for (const [row, value] of [[p.latitudeInput, lat], [p.longitudeInput, lon]]) {
            typeInto(row.degreesField, value[0])
            typeInto(row.minutesField, value[1])
            typeInto(row.secondsField, value[2])
            row.signInput.setSign(value[3])
        }
        home()
        compare(window.inj_mainUIUtil.showHeader.value, true)
    }

    function test_a_sensorOffAtStart() {
        compare(inj_locationSensor.active, false)
        compare(window.inj_locationUpdater.listening, false)
        open(page())
        compare(page().useSensor, false)
        verify(page().latitudeInput.visible)
        home()
    }

    // Stored in radians, north and west positive, rounded to 0.01″, and no longer a mock site.
    function test_storedSite_data() {
        return [
            { tag: "south, west", lat: ["45", "30", "0", -1], lon: ["7", "15", "36", 1],
              latDeg: -45.5, lonDeg: 7.26 },
            { tag: "north, east, empty minutes", lat: ["12", "", "36.5", 1],
              lon: ["151", "12", "0", -1], latDeg: 12 + 36.5 / 3600, lonDeg: -151.2 },
            { tag: "beyond the pole", lat: ["90", "59", "59.99", 1], lon: ["180", "59", "0", -1],
              latDeg: 90, lonDeg: -180 }
        ]
    }

    function test_storedSite(data) {
        // A mock site (the latitude a demonstration assumed) becomes real once the user has been
        // on the page.
        const mock = inj_location.location()
        mock.mockLatitude = true
        inj_location.setLocation(mock)
        compare(stored("loc.mock_lat"), true)
        compare(inj_location.mockLatitude, true)
        enterSite(data.lat, data.lon)
        compare(inj_location.mockLatitude, false)
        closeTo(stored("loc.lat"), data.latDeg * Math.PI / 180, 1e-12, "latitude")
        closeTo(stored("loc.long"), data.lonDeg * Math.PI / 180, 1e-12, "longitude")
        compare(stored("loc.mock_lat"), false)
        closeTo(inj_location.latitudeRad, data.latDeg * Math.PI / 180, 1e-12, "site")
        // Shown again from the stored site.
        const p = open(page())
        compare(p.latitudeInput.signInput.getSign(), data.latDeg < 0 ? -1 : 1)
        closeTo(p.latitudeInput.readFromUI(), data.latDeg, 0.005 / 3600, "shown again")
        home()
    }

    // Altitude and temperature pass through the page untouched.
    function test_keepsAltitude() {
        const site = inj_location.location()
        site.altitudeMeter = 1234
        site.temperatureCelsius = -7
        inj_location.setLocation(site)
        enterSite(["30", "0", "0", 1], ["10", "0", "0", 1])
        compare(inj_location.altitudeMeter, 1234)
        compare(inj_location.temperatureCelsius, -7)
    }

    // Switched on without a fix: the page shows the sensor's state beside the typed site, which
    // leaving it stores, while the sensor has never given a position; once it has, the rows are
    // hidden and still hold the stored site.
    function test_sensorOnWithoutFix_data() {
        return [
            { tag: "never a fix", fixSeen: false },
            { tag: "a fix on an earlier day", fixSeen: true }
        ]
    }

    function test_sensorOnWithoutFix(data) {
        testHelper.setLocationFixes([])
        inj_kvStore.saveBool("loc.fix_seen", data.fixSeen)
        enterSite(["33", "45", "0", -1], ["20", "0", "0", -1])
        const p = open(page())
        const useSwitch = findChild(p, "useSensorSwitch")
        verify(useSwitch)
        mouseClick(useSwitch)
        compare(p.useSensor, true)
        compare(inj_locationSensor.active, true)
        compare(stored("loc.use_sensor"), true)
        compare(p.latitudeInput.visible, !data.fixSeen)
        compare(p.longitudeInput.visible, !data.fixSeen)
        verify(!p.hasReading)
        compare(findChild(p, "sensorStatus").visible, true)
        compare(findChild(p, "sensorStatus").paramText, "No Signal")
        home()
        compare(inj_locationSensor.active, false)
        closeTo(stored("loc.lat"), -33.75 * Math.PI / 180, 1e-12, "latitude kept")
        closeTo(stored("loc.long"), -20 * Math.PI / 180, 1e-12, "longitude kept")
        // Shown again with the sensor on, it is switched on again.
        open(page())
        compare(inj_locationSensor.active, true)
        mouseClick(findChild(page(), "useSensorSwitch"))
        compare(stored("loc.use_sensor"), false)
        home()
    }

    // With a fix, the page shows it and leaving stores it.
    function test_sensorFix() {
        testHelper.setLocationFixes([[-33.75, -151.2], [-33.75, -151.2]])
        const p = open(page())
        mouseClick(findChild(p, "useSensorSwitch"))
        tryCompare(p, "hasReading", true, 5000)
        verify(!p.latitudeInput.visible)
        compare(stored("loc.fix_seen"), true)
        compare(findChild(p, "readingLatitude").text, "33°45′ S")
        compare(findChild(p, "readingLongitude").text, "151°12′ E")
        home()
        closeTo(stored("loc.lat"), -33.75 * Math.PI / 180, 1e-9, "latitude from the fix")
        closeTo(stored("loc.long"), -151.2 * Math.PI / 180, 1e-9, "longitude from the fix")
        open(page())
        mouseClick(findChild(page(), "useSensorSwitch"))
        home()
    }

    // The hemisphere's letter follows the reading as shown: none for one that reads 0°00′.
    function test_readingLetter_data() {
        const arcmin = Math.PI / 180 / 60
        return [
            { tag: "latitude -0.4′", rad: -0.4 * arcmin, lat: true, want: "0°00′ " },
            { tag: "latitude -0.6′", rad: -0.6 * arcmin, lat: true, want: "0°01′ S" },
            { tag: "latitude +0.4′", rad: 0.4 * arcmin, lat: true, want: "0°00′ " },
            { tag: "latitude +0.6′", rad: 0.6 * arcmin, lat: true, want: "0°01′ N" },
            { tag: "longitude -0.4′", rad: -0.4 * arcmin, lat: false, want: "0°00′ " },
            { tag: "longitude -0.6′", rad: -0.6 * arcmin, lat: false, want: "0°01′ E" },
            { tag: "longitude +0.6′", rad: 0.6 * arcmin, lat: false, want: "0°01′ W" }
        ]
    }

    function test_readingLetter(data) {
        compare(page().readingText(data.rad, data.lat), data.want)
    }
}

import QtQuick
import QtTest
import ".."

// The site page looked at and left, whichever way: the settings file, the site and the pointing
// model stay as they were, and with them the correction point a remote client's sync recorded.
// A site the user changed, or a fix the sensor moved, is stored, and the new site drops the point.
WindowTestCase {
    name: "SitePageLeave"
    // The site comes from the sensor's fix at start, as a phone gives it.
    beforeWindow: function () {
        inj_kvStore.saveBool("loc.use_sensor", true)
        testHelper.setLocationFixes([[phoneLatDeg, phoneLonDeg]])
    }

    // Not a whole number of seconds: 47° 22′ 40.8″ N, 8° 32′ 24″ E.
    readonly property real phoneLatDeg: 47.378
    readonly property real phoneLonDeg: -8.54
    // The site as the fix gave it, in radians; read back from degrees, minutes and seconds, it
    // differs in the last digits.
    property var phoneSite: null

    SignalSpy {
        id: siteSpy
        target: inj_location
        signalName: "locationChanged_q"
    }
    SignalSpy {
        id: modelSpy
        target: inj_alignmentDataContainer
        signalName: "valueChanged"
    }

    function page() {
        return window.inj_pageLocation
    }

    // The phone's site, with a correction point recorded for it.
    function settle(data) {
        waitConnected()
        if (!phoneSite) {
            tryCompare(window.inj_locationUpdater, "updated", true, 5000)
            tryCompare(window.inj_locationUpdater, "listening", false)
            phoneSite = [inj_location.latitudeRad, inj_location.longitudeRad]
            closeTo(phoneSite[0], phoneLatDeg * Math.PI / 180, 1e-9, "the fix's latitude")
        }
        inj_kvStore.saveBool("loc.use_sensor", !!data.fixes)
        inj_kvStore.saveBool("loc.fix_seen", !!data.fixes)
        testHelper.setLocationFixes(data.fixes || [])
        const site = inj_location.location()
        site.latitudeRad = data.siteLatDeg === undefined ? phoneSite[0]
                                                         : data.siteLatDeg * Math.PI / 180
        site.longitudeRad = phoneSite[1]
        site.mockLatitude = !!data.mock
        inj_location.setLocation(site)
        if (!stored("align.pae")) {
            testHelper.sendRemoteRequest("SyncToAltAz,20,30")
            tryVerify(() => !!stored("align.pae"), 10000, "the sync's correction point")
        }
    }

    // As the platform delivers a key: to the window, which goes back on the press.
    function pressAtWindow(key) {
        verify(testHelper.sendKey(window, key, true))
        verify(testHelper.sendKey(window, key, false))
    }

    function test_leave_data() {
        const ways = [
            { way: "back button", leave: p => mouseClick(child(p.header, "backButton")) },
            { way: "Escape", leave: p => pressAtWindow(Qt.Key_Escape) },
            { way: "back key", leave: p => pressAtWindow(Qt.Key_Back) },
            // Where the window lets it through, the page stack takes it on its release.
            { way: "back key at the page stack",
              leave: p => verify(testHelper.sendKey(stackView, Qt.Key_Back, false)) },
            { way: "home", leave: p => window.inj_mainUIUtil.goHome() }
        ]
        const untouched = { written: false }
        const oneSecondNorth = {
            edit: p => typeInto(p.latitudeInput.secondsField, "41.8"),
            written: true,
            latDeg: 47 + 22 / 60 + 41.8 / 3600,
            lonDeg: phoneLonDeg,
            tolerance: 1e-12
        }
        const rows = []
        for (const w of ways) {
            rows.push(Object.assign({ tag: w.way + ", untouched" }, w, untouched))
            rows.push(Object.assign({ tag: w.way + ", latitude one second north" }, w,
                                    oneSecondNorth))
        }
        const back = ways[0]
        rows.push(Object.assign({ tag: "a mock site, untouched", mock: true }, back, untouched))
        rows.push(Object.assign({ tag: "sensor fix showing the stored site",
                                  fixes: [[phoneLatDeg, phoneLonDeg]] }, back, untouched))
        // The receiver gives minutes to four decimals: 0.006″.
        rows.push(Object.assign({ tag: "sensor fix a second north",
                                  fixes: [[phoneLatDeg + 1 / 3600, phoneLonDeg]], written: true,
                                  latDeg: phoneLatDeg + 1 / 3600, lonDeg: phoneLonDeg,
                                  tolerance: 1e-7 }, back))
        // A receiver step away, 22.6801′ and 22.6802′ (40.806″ and 40.812″), both shown as
        // 40.81″: the same site to the user, though not the same double.
        rows.push(Object.assign({ tag: "sensor fix a receiver step from the stored site",
                                  siteLatDeg: 47 + 22.6801 / 60,
                                  fixes: [[47 + 22.6802 / 60, phoneLonDeg]] }, back, untouched))
        // Only the hemisphere flipped: the same degrees, minutes and seconds on the other side.
        const tab = (p, latitude, index) => (latitude ? p.latitudeInput : p.longitudeInput)
                                            .signInput.itemAt(index)
        const byTouch = (latitude, index) => (p => mouseClick(tab(p, latitude, index)))
        const byKey = (latitude, index) => (p => {
                                                const t = tab(p, latitude, index)
                                                t.forceActiveFocus()
                                                verify(testHelper.sendKey(t, Qt.Key_Space, true))
                                                verify(testHelper.sendKey(t, Qt.Key_Space, false))
                                            })
        const south = { written: true, latDeg: -phoneLatDeg, lonDeg: phoneLonDeg,
                        tolerance: 1e-12 }
        const west = { written: true, latDeg: phoneLatDeg, lonDeg: -phoneLonDeg,
                       tolerance: 1e-12 }
        for (const w of [back, ways[1]]) {
            rows.push(Object.assign({ tag: "North to South by touch, " + w.way,
                                      edit: byTouch(true, 1) }, w, south))
            rows.push(Object.assign({ tag: "East to West by touch, " + w.way,
                                      edit: byTouch(false, 0) }, w, west))
        }
        rows.push(Object.assign({ tag: "North to South by key", edit: byKey(true, 1) }, back,
                                south))
        rows.push(Object.assign({ tag: "East to West by key", edit: byKey(false, 0) }, back, west))
        return rows
    }

    function test_leave(data) {
        settle(data)
        const before = testHelper.storedSettingsText()
        const points = stored("align.pae")
        siteSpy.clear()
        modelSpy.clear()
        const p = open(page())
        if (data.fixes)
            tryCompare(p, "hasReading", true, 5000)
        if (data.edit)
            data.edit(p)
        data.leave(p)
        tryCompare(stackView, "depth", 1)
        compare(inj_locationSensor.active, false)
        if (!data.written) {
            compare(testHelper.storedSettingsText(), before, "the settings file")
            compare(siteSpy.count, 0, "site change notices")
            compare(modelSpy.count, 0, "pointing model changes")
            compare(stored("align.pae"), points)
            compare(inj_location.mockLatitude, !!data.mock)
            return
        }
        compare(siteSpy.count, 1, "site change notices")
        closeTo(stored("loc.lat"), data.latDeg * Math.PI / 180, data.tolerance, "latitude")
        closeTo(stored("loc.long"), data.lonDeg * Math.PI / 180, data.tolerance, "longitude")
        compare(stored("loc.mock_lat"), false)
        // The default model follows the new site, and corrections made for the old one go.
        verify(modelSpy.count > 0, "the model follows the site")
        compare(stored("align.pae"), "")
    }
}

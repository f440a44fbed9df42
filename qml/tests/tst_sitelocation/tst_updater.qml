import QtQuick
import QtTest
import ".."

// The one-shot site update at start, with the sensor in use and a simulated receiver that gives
// two fixes 100 ms apart.
WindowTestCase {
    name: "Updater"
    beforeWindow: function () {
        inj_kvStore.saveBool("loc.use_sensor", true)
        testHelper.setLocationFixes([[48.5, -9.25], [10, 10]])
        inj_locationSensor.changed.connect(recordFix)
    }

    // The fixes the sensor delivered, in order.
    property var fixes: []

    function recordFix() {
        const r = inj_locationSensor.reading
        if (r)
            fixes.push([r.latitudeRad, r.longitudeRad])
    }

    // A sensor that delivers its fixes when told to, several in one pass.
    QtObject {
        id: burstSensor
        property bool active: false
        property int state: 0
        property var reading: undefined
        signal changed
        function deliver(latDeg, lonDeg) {
            reading = { latitudeRad: latDeg * Math.PI / 180, longitudeRad: lonDeg * Math.PI / 180 }
            changed()
        }
    }

    function toasts(text) {
        let n = 0
        for (let i = 0; i < window.inj_toaster.count; ++i)
            n += window.inj_toaster.model.get(i).text === text ? 1 : 0
        return n
    }

    function test_a_firstFixOnce() {
        const updater = window.inj_locationUpdater
        tryCompare(updater, "updated", true, 5000)
        tryCompare(updater, "listening", false)
        compare(inj_locationSensor.active, false)
        verify(fixes.length >= 1)
        closeTo(stored("loc.lat"), fixes[0][0], 1e-12, "latitude")
        closeTo(stored("loc.long"), fixes[0][1], 1e-12, "longitude")
        compare(toasts("Location Updated"), 1)
        // The sensor is off, so the receiver's second fix never comes; one that came before the
        // update stopped would change nothing (test_twoFixesInOnePass).
        inj_locationSensor.changed.disconnect(recordFix)
    }

    // No fix within the time-out: the sensor is switched off and nothing is shown or stored.
    function test_timeOut() {
        const updater = window.inj_locationUpdater
        tryCompare(updater, "listening", false, 5000)
        testHelper.setLocationFixes([])
        const before = stored("loc.lat")
        const toastsBefore = toasts("Location Updated")
        updater.timeoutMs = 200
        updater.updateOnce()
        compare(updater.listening, true)
        compare(inj_locationSensor.active, true)
        compare(updater.updated, false)
        tryCompare(updater, "listening", false, 2000)
        compare(inj_locationSensor.active, false)
        compare(updater.updated, false)
        compare(stored("loc.lat"), before)
        compare(toasts("Location Updated"), toastsBefore)
    }

    // Opening the site page stops an update still running.
    function test_pageCancels() {
        const updater = window.inj_locationUpdater
        testHelper.setLocationFixes([])
        updater.timeoutMs = 30000
        updater.updateOnce()
        compare(updater.listening, true)
        open(window.inj_pageLocation)
        compare(updater.listening, false)
        compare(window.inj_pageLocation.useSensor, true)
        home()
        compare(inj_locationSensor.active, false)
    }

    // Two fixes before the update has had a chance to stop: only the first counts.
    function test_twoFixesInOnePass() {
        const updater = window.inj_locationUpdater
        tryCompare(updater, "listening", false, 5000)
        const toastsBefore = toasts("Location Updated")
        testHelper.publish("inj_locationSensor", burstSensor)
        updater.updateOnce()
        compare(burstSensor.active, true)
        burstSensor.deliver(-12.5, 77)
        burstSensor.deliver(40, -3)
        tryCompare(updater, "listening", false)
        compare(burstSensor.active, false)
        closeTo(stored("loc.lat"), -12.5 * Math.PI / 180, 1e-12, "latitude")
        closeTo(stored("loc.long"), 77 * Math.PI / 180, 1e-12, "longitude")
        compare(toasts("Location Updated"), toastsBefore + 1)
        testHelper.restore("inj_locationSensor")
    }
}

import QtQuick
import Ko.AstroBase

// The site page in day and night colours: with the sensor on and a fix, with the sensor off,
// and with a degree field out of range.
QtObject {
    // Switches slide into place: pictures are taken once they have.
    property bool settled: false
    property Timer settle: Timer {
        interval: 500
        onTriggered: settled = true
    }

    function settledShot(name) {
        return { run: () => {
                     settled = false
                     settle.restart()
                 },
                 wait: () => settled, shot: name }
    }

    // A sensor with a fix south of the equator and east of Greenwich.
    property QtObject sensorWithFix: QtObject {
        property bool active: false
        property int state: LocationSensorState.HasSignal
        property var reading: ({ latitudeRad: -33.86 * Math.PI / 180, longitudeRad: -151.21 * Math.PI / 180 })
        signal changed
    }

    // A sensor that has never given a position.
    property QtObject sensorNoFix: QtObject {
        property bool active: false
        property int state: LocationSensorState.NoSignalForNow
        property var reading: undefined
        signal changed
    }

    function phase(w, mode, setting) {
        const page = w.inj_pageLocation
        const stack = w.inj_stackView
        return [
            // Never a fix: the typed site beside the sensor's state, and the notice on the
            // first page that computes with the site.
            { run: () => {
                  w.inj_nightManager.setting = setting
                  probe.publish("inj_locationSensor", sensorNoFix)
                  w.inj_locationSensorSetttings.setUse(true)
                  inj_kvStore.saveBool("loc.fix_seen", false)
                  stack.push(page)
              },
              wait: () => stack.currentItem === page && page.useSensor && page.showEntry },
            settledShot("sensor_no_fix_" + mode),
            { run: () => {
                  w.inj_mainUIUtil.goHome()
                  inj_kvStore.saveBool("loc.site_notice_done", false)
                  stack.push("qrc:/Page/DeepSkyMenu.qml")
              },
              wait: () => w.inj_locationUpdater.siteNotice.opened },
            settledShot("site_notice_" + mode),
            { run: () => {
                  w.inj_locationUpdater.siteNotice.close()
                  w.inj_mainUIUtil.goHome()
                  probe.restore("inj_locationSensor")
              },
              wait: () => stack.depth === 1 && !w.inj_locationUpdater.siteNotice.visible },
            { run: () => {
                  w.inj_nightManager.setting = setting
                  probe.publish("inj_locationSensor", sensorWithFix)
                  w.inj_locationSensorSetttings.setUse(true)
                  stack.push(page)
              },
              wait: () => stack.currentItem === page && page.hasReading },
            settledShot("sensor_on_" + mode),
            { run: () => {
                  w.inj_mainUIUtil.goHome()
                  probe.restore("inj_locationSensor")
                  w.inj_locationSensorSetttings.setUse(false)
                  const site = inj_location.location()
                  site.latitudeRad = 48.8566 * Math.PI / 180
                  site.longitudeRad = -2.3522 * Math.PI / 180
                  inj_location.setLocation(site)
                  stack.push(page)
              },
              wait: () => stack.currentItem === page && !page.useSensor },
            settledShot("sensor_off_" + mode),
            { run: () => page.latitudeInput.degreesField.text = "95",
              wait: () => !page.latitudeInput.degreesField.inRange },
            settledShot("red_field_" + mode),
            { run: () => {
                  page.latitudeInput.degreesField.text = "48"
                  w.inj_mainUIUtil.goHome()
              },
              wait: () => stack.depth === 1 }
        ]
    }

    function steps() {
        const w = probe.window
        return phase(w, "day", 0).concat(phase(w, "night", 1))
    }
}

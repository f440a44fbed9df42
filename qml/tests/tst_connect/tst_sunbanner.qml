import QtQuick
import QtTest

// The Sun warning on connecting, with the site put where the Sun is up or down right now.
WindowRig {
    name: "SunBanner"

    function banner() {
        return part("sunWarningBanner")
    }

    // On the equator at the longitude under the Sun it stands high; half a turn away, far below.
    // Longitudes count westwards.
    function putSite(sunUp) {
        const now = new Date()
        const utcHours = now.getUTCHours() + now.getUTCMinutes() / 60
        let longitude = (utcHours - 12) * 15 + (sunUp ? 0 : 180)
        longitude = ((longitude + 540) % 360) - 180
        const site = inj_location.location()
        site.longitudeRad = longitude * Math.PI / 180
        site.latitudeRad = 0
        inj_location.setLocation(site)
    }

    function cleanup() {
        disconnect()
    }

    function test_onConnecting_data() {
        return [
            { tag: "sun up", sunUp: true },
            { tag: "sun down", sunUp: false }
        ]
    }

    function test_onConnecting(data) {
        putSite(data.sunUp)
        banner().visible = false
        connectEmulator()
        compare(banner().visible, data.sunUp)
        banner().visible = false
    }

    function test_closedUntilNextConnection() {
        putSite(true)
        connectEmulator()
        compare(banner().visible, true)
        const text = findChild(banner(), "sunWarningText")
        tryVerify(() => text.x < 0, 10000, "the warning scrolls")
        mouseClick(findChild(banner(), "closeSunWarning"))
        compare(banner().visible, false)
        disconnect()
        compare(banner().visible, false)
        connectEmulator()
        compare(banner().visible, true)
        compare(text.x, 0)
    }
}

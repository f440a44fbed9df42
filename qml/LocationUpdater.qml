import QtQuick
import "CommonUI"

// Refreshes the site once from the location sensor, at start: the first fix within the time-out
// is stored and announced; later fixes are ignored. While the sensor has never given a position,
// the first page that computes with the site tells the user, once, to enter it.
Item {
    id: root

    // How long a one-shot update waits for its fix.
    property int timeoutMs: 30000
    // A fix of the current update has been stored.
    property bool updated: false
    readonly property bool listening: sensorConnection.enabled
    // The pages whose rows, limits or GoTos follow the site, by their type's name.
    readonly property var siteUsingPages: ["CatalogAstroListPage", "DeepSkyMenu", "TonightBestPage",
        "ObjectInfoPage", "AlignStarAstroListPage", "AlignWorkflowPage", "PolarScopePage",
        "IdentifyPage", "UserObjectsPage", "InformationPage"]
    readonly property alias siteNotice: siteNotice

    QtObject {
        id: _m
        readonly property var sensor: inj_locationSensor
        readonly property var location: inj_location
        readonly property var sensorSettings: inj_locationSensorSetttings
        readonly property var toaster: inj_toaster
        readonly property var stackView: inj_stackView
    }

    function usesSite(page) {
        const type = String(page)
        return siteUsingPages.some(name => type.indexOf(name + "_") === 0
                                           || type.indexOf(name + "(") === 0)
    }

    function tellSiteIfNeeded(page) {
        if (!page || !usesSite(page) || !_m.sensorSettings.siteUnconfirmed())
            return
        _m.sensorSettings.setSiteNoticeDone()
        siteNotice.open()
    }

    function updateOnce() {
        if (!_m.sensorSettings.getUse())
            return
        // Listening first: a source may deliver a position it holds while it is being started.
        updated = false
        sensorConnection.enabled = true
        timeout.interval = timeoutMs
        timeout.restart()
        _m.sensor.active = true
    }

    function cancel() {
        _m.sensor.active = false
        sensorConnection.enabled = false
        timeout.stop()
    }

    function _finish() {
        cancel()
        _m.toaster.show(qsTr("Location Updated"))
    }

    Connections {
        id: sensorConnection
        target: _m.sensor
        enabled: false

        function onChanged() {
            const reading = _m.sensor.reading
            if (!reading || root.updated)
                return
            root.updated = true
            _m.sensorSettings.setFixSeen()
            const site = _m.location.location()
            site.latitudeRad = reading.latitudeRad
            site.longitudeRad = reading.longitudeRad
            _m.location.setLocation(site)
            // Some platforms crash when their sensor is stopped from inside its own signal.
            Qt.callLater(root._finish)
        }
    }

    Timer {
        id: timeout
        repeat: false
        onTriggered: root.cancel()
    }

    Connections {
        target: _m.stackView
        function onCurrentItemChanged() {
            root.tellSiteIfNeeded(_m.stackView.currentItem)
        }
    }

    CommonDialog {
        id: siteNotice
        objectName: "siteNotice"
        heading: qsTr("Enter Your Site")
        content: qsTr("The location sensor has not given a position. Enter the latitude and longitude on the Location page in Settings: until then, positions are computed for the site shown there.")
    }
}

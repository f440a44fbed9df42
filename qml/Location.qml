import QtQuick
import QtQuick.Controls
import Ko.AstroBase
import "Util.js" as Util

// The observing site: from the location sensor, or typed in degrees, minutes and seconds. The
// site is stored when the page is left showing another site than it opened with.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var sensor: inj_locationSensor
        readonly property var location: inj_location
        readonly property var sensorSettings: inj_locationSensorSetttings
        readonly property var updater: inj_locationUpdater
        readonly property var mainUIUtil: inj_mainUIUtil
    }

    readonly property alias useSensor: useSwitch.checked
    readonly property alias latitudeInput: latitudeInput
    readonly property alias longitudeInput: longitudeInput
    readonly property var reading: _m.sensor.reading
    readonly property bool hasReading: !!reading
    // Whether the sensor has ever given a position; until it has, the typed site is shown, and
    // used, beside the sensor's state.
    property bool fixSeen: false
    readonly property bool showEntry: !useSwitch.checked || (!hasReading && !fixSeen)
    onHasReadingChanged: {
        if (hasReading) {
            fixSeen = true
            _m.sensorSettings.setFixSeen()
        }
    }
    readonly property string statusText: {
        switch (_m.sensor.state) {
        case undefined:
        case LocationSensorState.HasSignal:
            return ""
        case LocationSensorState.NoSensor:
            return qsTr("No Location Sensor")
        case LocationSensorState.NoPermission:
            return qsTr("No Permission")
        default:
            return qsTr("No Signal")
        }
    }

    // Whole degrees and minutes with the hemisphere's letter; none exactly on the equator or the
    // prime meridian.
    function readingText(rad, isLatitude) {
        const deg = Util.radToDeg(rad)
        const p = Util.angleToStringParts(deg, "m", 0)
        // The letter follows the value as shown: none for one that reads 0°00′.
        const zero = p.a === "0" && p.m === "00"
        let letter = ""
        if (deg > 0 && !zero)
            letter = isLatitude ? qsTr("N") : qsTr("W")
        else if (deg < 0 && !zero)
            letter = isLatitude ? qsTr("S") : qsTr("E")
        return p.a + "°" + p.m + "′ " + letter
    }

    function activate() {
        _m.updater.cancel()
        const use = _m.sensorSettings.getUse()
        _m.sensor.active = use
        useSwitch.checked = use
        fixSeen = _m.sensorSettings.getFixSeen() || hasReading
        latitudeInput.writeToUI(Util.radToDeg(_m.location.latitudeRad))
        longitudeInput.writeToUI(Util.radToDeg(_m.location.longitudeRad))
        _m.mainUIUtil.showHeader.push(false)
    }

    function deactivate() {
        const latitudeDeg = hasReading ? Util.radToDeg(reading.latitudeRad)
                                       : latitudeInput.readFromUI()
        const longitudeDeg = hasReading ? Util.radToDeg(reading.longitudeRad)
                                        : longitudeInput.readFromUI()
        // Only a site that shows otherwise than the one the page opened with is stored. Read
        // back from the rows, an unchanged site differs from the stored one in its last digits;
        // stored, it would count as a new site, and a new site rebuilds the default pointing
        // model and drops the mount's correction points.
        if (latitudeInput.showsOtherThanWritten(latitudeDeg)
                || longitudeInput.showsOtherThanWritten(longitudeDeg)) {
            const site = _m.location.location()
            site.latitudeRad = hasReading ? reading.latitudeRad : Util.degToRad(latitudeDeg)
            site.longitudeRad = hasReading ? reading.longitudeRad : Util.degToRad(longitudeDeg)
            site.mockLatitude = false
            _m.location.setLocation(site)
        }
        // The user has seen the site: no page need tell them to enter it. Stored only while
        // it matters, so that a look at the page writes nothing.
        if (_m.sensorSettings.siteUnconfirmed())
            _m.sensorSettings.setSiteNoticeDone()
        _m.sensor.active = false
        _m.mainUIUtil.showHeader.pop()
    }

    StackView.onActivated: activate()
    StackView.onDeactivated: deactivate()

    header: UI_PageHeader {
        title: qsTr("Location")
    }

    Flickable {
        anchors.fill: parent
        contentHeight: content.height
        clip: true
        flickableDirection: Flickable.VerticalFlick
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: content
            width: parent.width

            UI_Row {
                paramText: qsTr("Use Location Sensor")

                UI_Switch {
                    id: useSwitch
                    objectName: "useSensorSwitch"
                    onToggled: {
                        _m.sensor.active = checked
                        _m.sensorSettings.setUse(checked)
                    }
                }
            }
            UI_Row {
                objectName: "sensorStatus"
                visible: useSwitch.checked && !root.hasReading
                paramText: root.statusText
            }
            UI_Row {
                visible: useSwitch.checked && root.hasReading
                paramText: qsTr("Latitude")
                paramTextWidth: root.width / 3

                Label {
                    objectName: "readingLatitude"
                    text: root.hasReading ? root.readingText(root.reading.latitudeRad, true) : ""
                }
            }
            UI_Row {
                visible: useSwitch.checked && root.hasReading
                paramText: qsTr("Longitude")
                paramTextWidth: root.width / 3

                Label {
                    objectName: "readingLongitude"
                    text: root.hasReading ? root.readingText(root.reading.longitudeRad, false) : ""
                }
            }
            Location_DmsInput {
                id: latitudeInput
                visible: root.showEntry
                isLatitude: true
            }
            Location_DmsInput {
                id: longitudeInput
                visible: root.showEntry
                isLatitude: false
            }
        }
    }
}

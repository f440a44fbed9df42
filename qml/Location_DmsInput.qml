import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "Util.js" as Util

// A site latitude or longitude in degrees, minutes and seconds, with its sign as North/South or
// West/East tabs below. North and west are positive.
Column {
    id: root

    property bool isLatitude: true
    readonly property alias degreesField: degrees
    readonly property alias minutesField: minutes
    readonly property alias secondsField: seconds
    readonly property alias signInput: sign

    function writeToUI(deg) {
        const p = Util.angleToStringParts(deg, "s", 2)
        degrees.text = p.a
        minutes.text = String(parseInt(p.m, 10))
        seconds.text = String(parseFloat(p.s))
        sign.setSign(deg)
    }

    // In degrees. The composed angle never leaves the range of a site: 90° 59′ is still 90°.
    function readFromUI() {
        const magnitude = degrees.number() + minutes.number() / 60 + seconds.number() / 3600
        return sign.getSign() * Math.min(magnitude, isLatitude ? 90 : 180)
    }

    width: parent ? parent.width : implicitWidth

    UI_Row {
        paramText: root.isLatitude ? qsTr("Latitude") : qsTr("Longitude")
        rowBottomDivider: false

        DmsField {
            id: degrees
            maxValue: root.isLatitude ? 90 : 180
        }
        Label {
            text: "°"
        }
        DmsField {
            id: minutes
            maxValue: 59
        }
        Label {
            text: "′"
        }
        DmsField {
            id: seconds
            maxValue: 59.99
            decimals: 2
        }
        Label {
            text: "″"
        }
    }
    Location_SignInput {
        id: sign
        isLatitude: root.isLatitude
        x: 10
        width: root.width - 20
    }
    UI_RowSpace {}
}

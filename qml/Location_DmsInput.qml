import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "Util.js" as Util

// A site latitude or longitude in degrees, minutes and seconds, with its sign as North/South or
// West/East tabs below. North and west are positive.
Column {
    id: root

    property bool isLatitude: true
    readonly property alias degreesField: degrees.field
    readonly property alias minutesField: minutes.field
    readonly property alias secondsField: seconds.field
    readonly property alias signInput: sign

    function writeToUI(deg) {
        const p = Util.angleToStringParts(deg, "s", 2)
        degrees.field.text = p.a
        minutes.field.text = String(parseInt(p.m, 10))
        seconds.field.text = String(parseFloat(p.s))
        sign.setSign(deg)
    }

    // In degrees. The composed angle never leaves the range of a site: 90° 59′ is still 90°.
    function readFromUI() {
        const magnitude = degrees.field.number() + minutes.field.number() / 60
            + seconds.field.number() / 3600
        return sign.getSign() * Math.min(magnitude, isLatitude ? 90 : 180)
    }

    width: parent ? parent.width : implicitWidth

    UI_Row {
        paramText: root.isLatitude ? qsTr("Latitude") : qsTr("Longitude")
        // The same for both rows, so that their fields line up. A word longer than that
        // ("Breitengrad") is made smaller rather than run under the fields.
        paramTextWidth: 95
        paramLabel.fontSizeMode: Text.HorizontalFit
        paramLabel.minimumPixelSize: 10
        rowBottomDivider: false

        DmsUnitField {
            id: degrees
            unit: "°"
            field.maxValue: root.isLatitude ? 90 : 180
        }
        DmsUnitField {
            id: minutes
            unit: "′"
            field.maxValue: 59
        }
        DmsUnitField {
            id: seconds
            unit: "″"
            field.maxValue: 59.99
            field.decimals: 2
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

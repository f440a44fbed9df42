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

    // The angle last written, as the row showed it then (see asShown).
    property real writtenDeg: 0

    function writeToUI(deg) {
        const p = Util.angleToStringParts(deg, "s", 2)
        degrees.field.text = p.a
        minutes.field.text = String(parseInt(p.m, 10))
        seconds.field.text = String(parseFloat(p.s))
        sign.setSign(deg)
        writtenDeg = asShown(deg)
    }

    // In degrees. The composed angle never leaves the range of a site: 90° 59′ is still 90°.
    function readFromUI() {
        return _compose(sign.getSign(), degrees.field.number(), minutes.field.number(),
                        seconds.field.number())
    }

    // deg as the row would show it, to the 0.01″ it shows, read back: what readFromUI gives
    // after writeToUI(deg). Two angles the row shows alike are the same angle to the user,
    // though their doubles differ in the last digits.
    function asShown(deg) {
        const p = Util.angleToStringParts(deg, "s", 2)
        return _compose(deg >= 0 ? 1 : -1, Number(p.a), Number(p.m), Number(p.s))
    }

    // Whether the row would show deg otherwise than the angle last written.
    function showsOtherThanWritten(deg) {
        return asShown(deg) !== writtenDeg
    }

    function _compose(signValue, d, m, s) {
        return signValue * Math.min(d + m / 60 + s / 3600, isLatitude ? 90 : 180)
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

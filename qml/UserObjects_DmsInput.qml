import QtQuick
import QtQuick.Controls
import "Util.js" as Util

// An angle of a user object with its sign in the first field: hours ("h", 0 to 24), degrees
// ("d", -180 to 180) or axis degrees ("a", -540 to 540), then whole minutes and seconds.
UI_Row {
    id: root

    property string valType: "d"
    readonly property bool isHours: valType === "h"
    readonly property alias firstField: first
    readonly property alias minutesField: minutes
    readonly property alias secondsField: seconds

    function writeToUI(deg) {
        const p = Util.angleToStringParts(deg, "s", 0)
        first.text = p.sign + p.a
        minutes.text = String(parseInt(p.m, 10))
        seconds.text = String(parseInt(p.s, 10))
    }

    // Negative whenever the first field starts with "-", so that "-0" 30′ is -0.5.
    function readFromUI() {
        const whole = first.number()
        const magnitude = Math.abs(whole) + minutes.number() / 60 + seconds.number() / 3600
        return first.text.startsWith("-") ? -magnitude : magnitude
    }

    paramTextWidth: 90

    DmsField {
        id: first
        minValue: root.isHours ? 0 : root.valType === "a" ? -540 : -180
        maxValue: root.isHours ? 24 : root.valType === "a" ? 540 : 180
    }
    Label {
        text: root.isHours ? qsTr("h") : "°"
    }
    DmsField {
        id: minutes
        maxValue: 59
    }
    Label {
        text: root.isHours ? qsTr("m") : "′"
    }
    DmsField {
        id: seconds
        maxValue: 59
    }
    Label {
        text: root.isHours ? qsTr("s") : "″"
    }
}

import QtQuick
import QtQuick.Controls
import "Util.js" as Util

// An angle of a user object with its sign in the first field: hours ("h", 0 to 24), degrees
// ("d", -180 to 180) or axis degrees ("a", -540 to 540), then whole minutes and seconds.
UI_Row {
    id: root

    property string valType: "d"
    readonly property bool isHours: valType === "h"
    readonly property alias firstField: first.field
    readonly property alias minutesField: minutes.field
    readonly property alias secondsField: seconds.field
    // Nothing shown: no angle was read or typed.
    readonly property bool blank: first.field.text === "" && minutes.field.text === ""
                                  && seconds.field.text === ""
    // An angle, whole: every field holds a value. A field left or made empty holds none, not 0:
    // emptied by hand, as by a user about to type another value, it would otherwise have a Save
    // store 0 there, over a stored object's angle.
    readonly property bool whole: first.field.text !== "" && minutes.field.text !== ""
                                  && seconds.field.text !== ""
    // The row shows something else than the page last wrote (writeToUI, clear): what the user
    // typed, which the page keeps. Whatever the way of typing, as keys, a paste or the field's
    // own correction, the texts tell.
    readonly property bool typed: first.field.text !== _written[0]
                                  || minutes.field.text !== _written[1]
                                  || seconds.field.text !== _written[2]
    property var _written: ["", "", ""]

    // Shows no angle: the dashes in the empty fields say that none is known.
    function clear() {
        first.field.text = ""
        minutes.field.text = ""
        seconds.field.text = ""
        _written = ["", "", ""]
    }

    function writeToUI(deg) {
        _show(deg)
        _written = [first.field.text, minutes.field.text, seconds.field.text]
    }

    // Shows deg in place of a value out of bounds: typed, the row stays the user's.
    function correctTo(deg) {
        if (typed)
            _show(deg)
        else
            writeToUI(deg)
    }

    // What the row shows now becomes the page's own, as after a save.
    function adopt() {
        _written = [first.field.text, minutes.field.text, seconds.field.text]
    }

    function _show(deg) {
        const p = Util.angleToStringParts(deg, "s", 0)
        first.field.text = p.sign + p.a
        minutes.field.text = String(parseInt(p.m, 10))
        seconds.field.text = String(parseInt(p.s, 10))
    }

    // The angle of a whole row (see whole). Negative whenever the first field starts with "-", so
    // that "-0" 30′ is -0.5. Minutes and seconds beside a first field at its bound would carry the
    // angle past it ("-540" 0′ 1″): the row is held at the bound and shows so.
    function readFromUI() {
        const units = first.field.number()
        const magnitude = Math.abs(units) + minutes.field.number() / 60
            + seconds.field.number() / 3600
        const value = first.field.text.startsWith("-") ? -magnitude : magnitude
        const held = Math.max(first.field.minValue, Math.min(first.field.maxValue, value))
        if (held !== value)
            correctTo(held)
        return held
    }

    // The label gives way to the fields, which keep their width (DmsField).
    paramTextWidth: 90

    DmsUnitField {
        id: first
        field.placeholderText: "–"
        field.keepsEmpty: true
        unit: root.isHours ? qsTr("h") : "°"
        field.minValue: root.isHours ? 0 : root.valType === "a" ? -540 : -180
        field.maxValue: root.isHours ? 24 : root.valType === "a" ? 540 : 180
    }
    DmsUnitField {
        id: minutes
        field.placeholderText: "–"
        field.keepsEmpty: true
        unit: root.isHours ? qsTr("m") : "′"
        field.maxValue: 59
    }
    DmsUnitField {
        id: seconds
        field.placeholderText: "–"
        field.keepsEmpty: true
        unit: root.isHours ? qsTr("s") : "″"
        field.maxValue: 59
    }
}

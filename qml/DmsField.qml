import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// One number field of an angle entry row: whole numbers, or up to `decimals` decimals, from
// `minValue` to `maxValue`. A text out of range is tinted red while typed and clamped when the
// field gains or loses the focus, and before every read. A leading "-" survives the clamp, also on 0,
// since a row may carry its sign there.
//
// The field is never narrower than the longest text of its range, sign included: a text wider
// than the field scrolls, and a field that showed "123" or "-54" of "-123" or "-540" misled the
// user about the sign or the value. Where the row has room it is a little wider, for the finger.
UI_TextInput {
    id: root

    property real minValue: 0
    property real maxValue: 90
    property int decimals: 0
    // An empty text stays empty: no value typed, rather than 0. A row that must tell a field the
    // user emptied from one that holds 0 sets it.
    property bool keepsEmpty: false
    readonly property bool inRange: {
        if (!shape.test(text))
            return false
        const n = Number(text)
        return n >= minValue && n <= maxValue
    }
    readonly property bool tinted: text !== "" && !inRange
    readonly property var shape: decimals > 0 ? new RegExp("^-?\\d+(\\.\\d{1," + decimals + "})?$")
                                              : /^-?\d+$/

    // Clamps the text into range and writes it back; an unreadable text is 0, and so is an empty
    // one unless the field keeps it empty.
    function correct() {
        if (keepsEmpty && text === "")
            return
        const negative = text.startsWith("-")
        let n = parseFloat(text)
        if (isNaN(n))
            n = 0
        const scale = Math.pow(10, decimals)
        n = Math.min(maxValue, Math.max(minValue, Math.round(n * scale) / scale))
        const written = (negative && n === 0 ? "-" : "") + String(n)
        if (text !== written)
            text = written
    }

    // The corrected value; -0 when the text is "-0", 0 when the field is kept empty.
    function number() {
        correct()
        return text.startsWith("-") ? -Math.abs(Number(text)) : Number(text)
    }

    // The width of the longest text the range allows, in this font.
    readonly property real textRoom: {
        // Read so that the width follows the font.
        const font = _metrics.font
        let digit = 0
        for (let d = 0; d <= 9; ++d)
            digit = Math.max(digit, _metrics.advanceWidth(String(d)))
        const whole = String(Math.trunc(Math.max(Math.abs(minValue), Math.abs(maxValue)))).length
        return (minValue < 0 ? _metrics.advanceWidth("-") : 0) + whole * digit
            + (decimals > 0 ? _metrics.advanceWidth(".") + decimals * digit : 0)
    }
    readonly property FontMetrics _metrics: FontMetrics {
        font: root.font
    }
    // The cursor's width, beside a text that fills the field.
    readonly property int _cursorRoom: 3

    isOnlyNumber: true
    horizontalAlignment: TextInput.AlignHCenter
    // Centred, the text needs no margin of its own.
    leftPadding: 2
    rightPadding: 2
    implicitWidth: Math.ceil(textRoom) + _cursorRoom + leftPadding + rightPadding
    Layout.minimumWidth: implicitWidth
    Layout.preferredWidth: implicitWidth
    Layout.maximumWidth: Math.max(implicitWidth, decimals > 0 ? 72 : 56)
    Layout.fillWidth: true
    validator: RegularExpressionValidator {
        regularExpression: root.minValue < 0 ? /^-?\d{0,3}(\.\d{0,2})?$/ : /^\d{0,3}(\.\d{0,2})?$/
    }
    onActiveFocusChanged: correct()

    Rectangle {
        objectName: "outOfRangeTint"
        anchors.fill: parent
        z: -1
        color: "red"
        opacity: 0.15
        visible: root.tinted
    }
}

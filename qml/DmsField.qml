import QtQuick
import QtQuick.Controls

// One number field of an angle entry row: whole numbers, or up to `decimals` decimals, from
// `minValue` to `maxValue`. A text out of range is tinted red while typed and clamped when the
// field gains or loses the focus, and before every read. A leading "-" survives the clamp, also on 0,
// since a row may carry its sign there.
UI_TextInput {
    id: root

    property real minValue: 0
    property real maxValue: 90
    property int decimals: 0
    readonly property bool inRange: {
        if (!shape.test(text))
            return false
        const n = Number(text)
        return n >= minValue && n <= maxValue
    }
    readonly property bool tinted: text !== "" && !inRange
    readonly property var shape: decimals > 0 ? new RegExp("^-?\\d+(\\.\\d{1," + decimals + "})?$")
                                              : /^-?\d+$/

    // Clamps the text into range and writes it back; an unreadable or empty text is 0.
    function correct() {
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

    // The corrected value; -0 when the text is "-0".
    function number() {
        correct()
        return text.startsWith("-") ? -Math.abs(Number(text)) : Number(text)
    }

    isOnlyNumber: true
    horizontalAlignment: TextInput.AlignHCenter
    implicitWidth: decimals > 0 ? 72 : 56
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

import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// A field of one number, on an underline. Without a validator the field takes typed text as it
// stands and reads it with numberOf: a number of up to `decimals` decimals, after a point or a
// comma (the separator of most of the program's languages), from minValue to maxValue. Text it
// cannot read is tinted, and no number is made of it. A validator would drop the keys it refuses
// one by one, and "6.5" typed into a field of whole numbers became 65; one that holds an
// out-of-range number as still being typed ("9999" of 0 to 5000) neither tints it nor ever ends
// the editing, and the field went on showing what was never stored.
TextField {
    id: root

    property int decimals: 0
    property real minValue: validator && validator.bottom !== undefined ? validator.bottom
                                                                        : -Number.MAX_VALUE
    property real maxValue: validator && validator.top !== undefined ? validator.top
                                                                     : Number.MAX_VALUE
    // Text that is no number the field takes; empty and a lone minus are still being typed.
    readonly property bool refused: text !== "" && text !== "-" && numberOf(text) === undefined

    // For an owner that keeps the value elsewhere (keeps: true, keptValue bound to it, stored
    // through keep): a number the field takes is kept as it stands, and an empty field keeps
    // emptyValue where one is set. Typed text the field cannot take, and a field emptied where
    // empty is no value, put back the value the field took last, so that the numbers passed on
    // the way ("15" of "150", "5" of "57" deleted) are not kept; on leaving, the field shows the
    // value kept.
    property bool keeps: false
    property real keptValue: 0
    property var emptyValue: undefined
    // Off for a value that must not pass through the numbers typed on the way ("7" and "75" of
    // "750" as a time-out): the field then keeps only what it holds when the typing is settled.
    property bool keepsAsTyped: true
    // What the field took last: the kept value when the field took the focus, and again at each
    // step that settles a value while it has it (Enter, a button). Keys typed one by one settle
    // nothing, or "15" would be what "150" puts back.
    property real _taken: 0
    // Where the underline and the tint begin and end, inside room left for buttons at the sides.
    property real sideInset: 0

    signal keep(real value)

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    // The number the text reads as, or undefined where it is none the field takes.
    function numberOf(text) {
        const shape = decimals > 0 ? new RegExp("^-?(\\d+([.,]\\d{0," + decimals + "})?|[.,]\\d{1,"
                                                + decimals + "})$")
                                   : /^-?\d+$/
        const trimmed = text.trim()
        if (!shape.test(trimmed))
            return undefined
        const value = Number(trimmed.replace(",", "."))
        return value >= minValue && value <= maxValue ? value : undefined
    }

    // The number the text stands for while typed: emptyValue for no text, where one is set.
    function _valueOf(text) {
        return text === "" ? emptyValue : numberOf(text)
    }

    function textOf(value) {
        return decimals > 0 ? value.toFixed(decimals) : String(value)
    }

    // Not being edited, the field shows the start of its text, as UI_TextInput does.
    function _showStart() {
        if (!activeFocus)
            cursorPosition = 0
    }
    Component.onCompleted: _showStart()

    onTextChanged: {
        _showStart()
        if (!keeps || !keepsAsTyped)
            return
        // Read here, not through refused, whose binding may not have seen the text yet.
        const value = _valueOf(text)
        if (value !== undefined)
            _keepChanged(value)
        else if (activeFocus)
            keep(_taken)
    }
    onActiveFocusChanged: {
        _showStart()
        if (!keeps)
            return
        if (activeFocus) {
            _taken = keptValue
            return
        }
        _putBack()
    }
    // Enter settles what the field holds while the focus stays: the kept value, shown as kept.
    // Not accepted here, so that the field still reports it as it would without this.
    Keys.onReturnPressed: event => _settle(event)
    Keys.onEnterPressed: event => _settle(event)

    function _settle(event) {
        event.accepted = false
        if (!keeps)
            return
        _putBack()
        _taken = keptValue
    }

    // Text that stands for no number keeps the value taken last; the field then shows what is
    // kept.
    function _putBack() {
        const value = _valueOf(text)
        if (value === undefined)
            keep(_taken)
        else
            _keepChanged(value)
        text = textOf(keptValue)
    }

    // The text showing the kept value stands for that value, not for the number it reads as:
    // a magnitude of 7.35 shows "7.3", and the owner filling the field with it, or the user
    // leaving it so, changes nothing. Kept, the number would store the value rounded on a look.
    function _keepChanged(value) {
        if (value !== numberOf(textOf(keptValue)))
            keep(value)
    }

    inputMethodHints: Qt.ImhFormattedNumbersOnly
    leftPadding: 10
    rightPadding: 10
    selectByMouse: true

    background: Item {
        implicitWidth: 120
        implicitHeight: 50
        Rectangle {
            objectName: "refusedTint"
            anchors.fill: parent
            anchors.leftMargin: root.sideInset
            anchors.rightMargin: root.sideInset
            color: "red"
            opacity: 0.15
            visible: root.refused
        }
        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: root.sideInset
            anchors.rightMargin: root.sideInset
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            height: 1
            color: root.activeFocus ? root.Material.accentColor : _m.isNight ? "red" : "grey"
            opacity: _m.isNight ? 0.5 : 1
        }
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// A check box that keeps to the night colours: the dark style draws the empty box's frame in
// light grey, so at night the frame is dimmed red (red while checked, as the style's accent).
CheckBox {
    id: control

    readonly property bool _isNight: inj_nightManager ? inj_nightManager.isNight : false

    Binding {
        target: control.indicator
        property: "border.color"
        when: control._isNight && !!control.indicator && control.checkState === Qt.Unchecked
        value: control.enabled ? "#b01010" : "#400000"
    }
}

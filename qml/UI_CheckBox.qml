import QtQuick
import QtQuick.Controls
import QtQuick.Controls.impl
import QtQuick.Controls.Material

// A check box that keeps to the night colours: the dark style draws the empty box's frame in
// light grey and the check mark in white, so at night the frame is dimmed red and the mark is
// drawn black on the red box.
CheckBox {
    id: control

    readonly property bool _isNight: inj_nightManager ? inj_nightManager.isNight : false
    // The style's own check mark, a white picture, is the indicator's first child.
    readonly property Item _styleMark: indicator && indicator.children.length > 0
                                       ? indicator.children[0] : null

    Binding {
        target: control.indicator
        property: "border.color"
        when: control._isNight && !!control.indicator && control.checkState === Qt.Unchecked
        value: control.enabled ? "#b01010" : "#400000"
    }
    Binding {
        target: control._styleMark
        property: "visible"
        when: control._isNight && !!control._styleMark
        value: false
    }
    ColorImage {
        parent: control.indicator
        anchors.centerIn: parent
        width: 14
        height: 14
        visible: control._isNight && control.checkState === Qt.Checked
        source: "qrc:/qt-project.org/imports/QtQuick/Controls/Material/images/check.png"
        fillMode: Image.PreserveAspectFit
        color: "black"
    }
}

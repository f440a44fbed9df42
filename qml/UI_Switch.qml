import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// A switch that keeps to the night colours: the dark style draws an unchecked handle in light
// grey, the brightest thing on a night page, so at night the handle is red when on and dimmed
// red when off.
Switch {
    id: control

    readonly property bool _isNight: inj_nightManager ? inj_nightManager.isNight : false

    Binding {
        target: control.indicator ? control.indicator.handle : null
        property: "color"
        when: control._isNight && !!control.indicator && !!control.indicator.handle
        value: !control.enabled ? "#300000" : control.checked ? Material.color(Material.Red)
                                                              : "#701010"
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import "Script/Popups.js" as Popups

// The base of every dialog: on the window overlay, at its rounded centre, dimmed red at night.
// On top, it takes the back key and Escape (see back()).
Dialog {
    id: root

    // What the back key and Escape do while this dialog is on top: what Escape alone would do to
    // it, so a dialog that Escape closes is rejected and one that it leaves open stays. A dialog
    // whose buttons say how to leave it answers as one of them.
    function back() {
        if (closePolicy & Popup.CloseOnEscape)
            reject()
    }

    onAboutToShow: Popups.opened(root, root.parent, () => root.back())
    onAboutToHide: Popups.closed(root)
    Component.onDestruction: Popups.closed(root)

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    parent: Overlay.overlay
    x: parent ? Math.round((parent.width - width) / 2) : 0
    y: parent ? Math.round((parent.height - height) / 2) : 0
    Material.theme: _m.isNight ? Material.Dark : Material.Light
    Material.accent: _m.isNight ? "red" : "#607D8B"
    Material.foreground: _m.isNight ? Material.color(Material.Red) : "#dd000000"
    Material.background: _m.isNight ? "#202020" : "white"

    Overlay.modal: Rectangle {
        color: _m.isNight ? "#40800000" : root.Material.backgroundDimColor
    }
}

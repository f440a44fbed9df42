import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Controls.Material.impl
import "Script/Popups.js" as Popups

// A combo box whose list takes clicks where it is drawn from its first frame on, and which the
// back key and Escape close while its list is on top.
//
// The style's list grows in from 90 % and fades in, and is placed while its rows are still being
// made: rows drawn in one place took the pointer in another until it had settled (on a loaded
// machine for long enough to pick the entry next to the one aimed at). Here the rows are laid out
// before the list is placed, and it shows at once, in its place, and goes at once.
//
// A tap beside the open list only closes it. The style's list lets that press through to what
// lies beneath, so the tap that was meant to put the list away also moved the mount from the
// slew pad, which acts on the press, or turned a switch. Modal, the list takes every press
// outside it; without the dimming, the page looks as before.
ComboBox {
    id: root

    popup.enter: null
    popup.exit: null
    popup.modal: true
    popup.dim: false
    // The box's own policy keeps the list open on a press on the box, which the box then takes
    // to close it; modal, the box never sees that press, and ▾ would no longer close the list.
    popup.closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    // The style draws the list's background only through its shadow, a shader that software
    // rendering lacks: there the entries would lie over the page's own text.
    popup.background: Rectangle {
        radius: 2
        color: parent.Material.dialogColor
        layer.enabled: root.enabled && GraphicsInfo.api !== GraphicsInfo.Software
        layer.effect: ElevationEffect {
            elevation: 8
        }
    }

    // A box the user types into shows the start of its text when it is not being edited, as
    // UI_TextInput does: its field scrolls to the cursor, which a text set from outside or typed
    // leaves at the end, and a port "/dev/serial/by-id/usb-ABC" read "/usb-ABC". The style's
    // field is read-only while the list is down, and each switch of that puts the cursor at the
    // end without the field taking focus: whatever moves the cursor of a field that is not being
    // edited, it goes back to the start.
    function _showStart() {
        const input = contentItem
        if (editable && input && input.cursorPosition !== undefined && !input.activeFocus
                && input.cursorPosition !== 0)
            input.cursorPosition = 0
    }
    Component.onCompleted: _showStart()
    onEditableChanged: _showStart()
    Connections {
        target: root.contentItem
        ignoreUnknownSignals: true
        function onTextChanged() {
            root._showStart()
        }
        function onActiveFocusChanged() {
            root._showStart()
        }
        function onCursorPositionChanged() {
            root._showStart()
        }
    }

    Connections {
        target: root.popup
        function onAboutToShow() {
            const list = root.popup.contentItem
            if (list && typeof list.forceLayout === "function")
                list.forceLayout()
            Popups.opened(root.popup, root.Overlay.overlay, () => root.popup.close())
        }
        function onAboutToHide() {
            Popups.closed(root.popup)
        }
    }
    Component.onDestruction: Popups.closed(root.popup)
}

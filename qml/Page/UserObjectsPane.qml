import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// The user's objects by name; the arrows move the highlighted row, which is the first one at
// start and then the row last moved.
ProfileListPane {
    id: root

    // The title bar with Save and Edit, for the toasts to keep clear of. Hidden, the column does
    // not lay it out: it stays at the pane's top, over the bar.
    readonly property Item actionStrip: strip

    rowButtonText: qsTr("Load")
    rowContent: Component {
        Label {
            text: modelData ? modelData.name : ""
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
            color: inj_nightManager.isNight ? Material.color(Material.Red) : "#dd000000"
        }
    }

    Item {
        id: strip
        visible: false
        width: root.width
        height: root.headerHeight
    }
}

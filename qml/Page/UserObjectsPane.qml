import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// The user's objects by name; the arrows move the highlighted row, which is the first one at
// start and then the row last moved.
ProfileListPane {
    id: root

    rowButtonText: qsTr("Load")
    rowContent: Component {
        Label {
            text: modelData ? modelData.name : ""
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
            color: inj_nightManager.isNight ? Material.color(Material.Red) : "#dd000000"
        }
    }
}

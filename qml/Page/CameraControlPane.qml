import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import ".."

// The exposure groups: photos, exposure and pause, with the running values under them while a
// program runs, which also locks the list.
ProfileListPane {
    id: root

    // A program runs: the list is locked.
    property bool isRunning: false

    saveButtonText: qsTr("Add")
    rowButtonText: "..."
    tapSelectsRow: true
    dimDisabledArrows: true
    paneEditEnabled: !isRunning
    rowButtonsVisible: !isRunning

    component Cell: RowLayout {
        id: cell
        property url icon
        property string value
        property string current
        // Three equal cells, so the columns line up from row to row.
        Layout.fillWidth: true
        Layout.minimumWidth: 0
        Layout.preferredWidth: 1
        spacing: 6
        UI_Image {
            source: cell.icon
        }
        // The rest of the cell, however long a value reads in the language ("3600mp", "3600秒"
        // in a small window): a value wider than that is drawn smaller, and cut short only below
        // the smallest size, rather than run on into the next cell's icon.
        ColumnLayout {
            Layout.fillWidth: true
            Layout.minimumWidth: 0
            spacing: 0
            Label {
                Layout.fillWidth: true
                Layout.minimumWidth: 0
                text: cell.value
                fontSizeMode: Text.HorizontalFit
                minimumPointSize: 7
                minimumPixelSize: 9
                elide: Text.ElideRight
                // A value drawn smaller keeps the middle of the line, level with its neighbours.
                verticalAlignment: Text.AlignVCenter
                color: inj_nightManager.isNight ? Material.color(Material.Red) : "#dd000000"
            }
            Label {
                Layout.fillWidth: true
                Layout.minimumWidth: 0
                visible: root.isRunning
                text: cell.current
                font.pixelSize: 11
                fontSizeMode: Text.HorizontalFit
                minimumPointSize: 6
                minimumPixelSize: 8
                elide: Text.ElideRight
                verticalAlignment: Text.AlignVCenter
                color: inj_nightManager.isNight ? Material.color(Material.Red) : "#dd000000"
                opacity: 0.7
            }
        }
    }

    rowContent: Component {
        RowLayout {
            opacity: modelData && modelData.enExposure ? 1 : 0.5
            spacing: 8
            Cell {
                icon: "qrc:/image/Camera_icon/photos.png"
                value: modelData ? String(modelData.photos) : ""
                current: modelData ? modelData.photosCur : ""
            }
            Cell {
                icon: "qrc:/image/Camera_icon/exposure.png"
                value: modelData ? modelData.exposureSec + qsTr("s") : ""
                current: modelData ? modelData.exposureCur : ""
            }
            Cell {
                icon: "qrc:/image/Camera_icon/pause.png"
                value: modelData ? modelData.photoIntervalSec + qsTr("s") : ""
                current: modelData ? modelData.photoIntervalCur : ""
            }
        }
    }
}

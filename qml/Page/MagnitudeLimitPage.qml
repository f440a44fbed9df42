import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../CommonUI"
import ".."

// The faintest magnitudes the catalog lists show while the magnitude filter is on.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var catalogSettings: inj_catalogSettings
    }

    background: Pane {}

    // Both rows give their labels half the page, so that the two fields line up, and each field
    // keeps room for its buttons and a magnitude: a label of its natural width pushed the plus
    // button past the window's edge in a small window ("Schwächster Stern").
    component MagnitudeRow: UI_Row {
        id: row
        property string setting
        property alias field: field
        enabled: _m.catalogSettings.enableVmagFilter
        paramTextWidth: root.width / 2
        // Typed, a magnitude has one decimal, as shown; an empty field reads as 0.
        UI_FineTuning {
            id: field
            Layout.fillWidth: true
            Layout.minimumWidth: 150
            adjParam: 0.2
            decimals: 1
            minValue: -99
            maxValue: 99
            keeps: true
            keptValue: _m.catalogSettings[row.setting]
            emptyValue: 0
            Component.onCompleted: text = textOf(keptValue)
            onShowText: value => text = textOf(value)
            onKeep: value => _m.catalogSettings[row.setting] = value
        }
    }

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 0

        UI_Row {
            Layout.fillWidth: true
            paramText: qsTr("Magnitude Filter")
            UI_Switch {
                objectName: "vmagFilter"
                checked: _m.catalogSettings.enableVmagFilter
                onToggled: _m.catalogSettings.enableVmagFilter = checked
            }
        }
        MagnitudeRow {
            objectName: "faintestStar"
            Layout.fillWidth: true
            paramText: qsTr("Faintest Star")
            setting: "maxStarVmag"
        }
        MagnitudeRow {
            objectName: "faintestOther"
            Layout.fillWidth: true
            paramText: qsTr("Faintest Other")
            setting: "maxDsoVmag"
        }
    }
}

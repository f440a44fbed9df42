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

    // The field's text as a magnitude: empty reads as 0, no number (a lone minus) as nothing.
    function magnitudeOf(text) {
        if (text === "")
            return 0
        const value = Number(text)
        return isNaN(value) ? undefined : value
    }

    background: Pane {}

    component MagnitudeRow: UI_Row {
        id: row
        property string setting
        property alias field: field
        enabled: _m.catalogSettings.enableVmagFilter
        UI_FineTuning {
            id: field
            adjParam: 0.2
            validator: IntValidator {
                bottom: -99
                top: 99
            }
            Component.onCompleted: text = _m.catalogSettings[row.setting].toFixed(1)
            onShowText: value => text = value.toFixed(1)
            onTextChanged: {
                const value = root.magnitudeOf(text)
                if (value !== undefined)
                    _m.catalogSettings[row.setting] = value
            }
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

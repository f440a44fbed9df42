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

    // The field's text as a magnitude: empty reads as 0, text that is no magnitude as nothing.
    function magnitudeOf(field, text) {
        return text === "" ? 0 : field.numberOf(text)
    }

    background: Pane {}

    component MagnitudeRow: UI_Row {
        id: row
        property string setting
        property alias field: field
        enabled: _m.catalogSettings.enableVmagFilter
        // Typed, a magnitude has one decimal, as shown. Text the field cannot take is tinted and
        // puts back the magnitude from before the typing, so that the numbers passed on the way
        // ("10" of "100") are not kept; on leaving, the field shows the magnitude kept.
        UI_FineTuning {
            id: field
            property real before: 0
            adjParam: 0.2
            decimals: 1
            minValue: -99
            maxValue: 99
            Component.onCompleted: text = _m.catalogSettings[row.setting].toFixed(1)
            onShowText: value => text = value.toFixed(1)
            onTextChanged: {
                const value = root.magnitudeOf(field, text)
                if (value !== undefined)
                    _m.catalogSettings[row.setting] = value
                else if (activeFocus && text !== "-")
                    _m.catalogSettings[row.setting] = before
            }
            onActiveFocusChanged: {
                if (activeFocus) {
                    before = _m.catalogSettings[row.setting]
                    return
                }
                if (text !== "" && numberOf(text) === undefined)
                    _m.catalogSettings[row.setting] = before
                text = _m.catalogSettings[row.setting].toFixed(1)
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

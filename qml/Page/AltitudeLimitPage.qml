import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."
import "../Util.js" as Util
import "../Words.js" as Words

// The altitudes between which GoTo is allowed, and whether the catalogs hide what lies below.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var altRange: inj_altRange
        readonly property var catalogSettings: inj_catalogSettings
    }

    function degrees(rad) {
        return Math.round(Util.radToDeg(rad))
    }

    StackView.onActivated: {
        upperSlider.value = degrees(_m.altRange.maxAlt)
        lowerSlider.value = degrees(_m.altRange.minAlt)
        filterSwitch.checked = _m.catalogSettings.enableAltRangeViewFilter
    }

    Flickable {
        anchors.fill: parent
        contentHeight: content.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: content
            width: parent.width

            UI_Slider {
                id: upperSlider
                objectName: "upperSlider"
                titleText: qsTr("Upper Go To Limit")
                valueText: root.degrees(_m.altRange.maxAlt) + "°"
                valueMin: 60
                valueMax: 90
                stepSize: 1
                onHasChanged: _m.altRange.maxAlt = Util.degToRad(value)
            }
            UI_Slider {
                id: lowerSlider
                objectName: "lowerSlider"
                titleText: qsTr("Lower Go To Limit")
                valueText: root.degrees(_m.altRange.minAlt) + "°"
                valueMin: -10
                valueMax: 30
                stepSize: 1
                onHasChanged: _m.altRange.minAlt = Util.degToRad(value)
            }
            UI_Row {
                paramText: qsTr("Catalog Filter")

                Item {
                    Layout.fillWidth: true
                }
                UI_Switch {
                    id: filterSwitch
                    objectName: "filterSwitch"
                    onToggled: _m.catalogSettings.enableAltRangeViewFilter = checked
                }
            }
            Label {
                x: 10
                width: parent.width - 20
                topPadding: 10
                font.pixelSize: 14
                wrapMode: Text.WordWrap
                text: Words.keepWhole(qsTr("Enable Catalog Filter to filter out objects below Lower Go To Limit from catalog."),
                                      inj_languageManager.language)
            }
        }
    }
}

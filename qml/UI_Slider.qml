import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A titled slider; hasChanged tells the owner when the user lets go of the handle (or the key)
// on another value than it held when taken, moved each time the user moves it, by touch or by a
// key. Neither comes of the owner setting the value, nor of a handle let go where it stood: told
// so, an owner would store the value shown, which may be rounded (an altitude limit of 80.4°
// shown at 80°).
Pane {
    id: root

    property string titleText: ""
    property string valueText: ""
    property alias value: slider.value
    property alias valueMin: slider.from
    property alias valueMax: slider.to
    property alias stepSize: slider.stepSize
    property alias slider: slider
    property bool rowBottomDivider: true

    signal hasChanged
    signal moved

    // The value when the user took the handle: the slider is pressed before it moves.
    property real _takenAt: 0

    width: parent ? parent.width : implicitWidth
    Layout.fillWidth: true
    padding: 0
    implicitHeight: column.implicitHeight + 12

    ColumnLayout {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            Layout.topMargin: 6
            Label {
                text: root.titleText
                wrapMode: Text.WordWrap
                Layout.fillWidth: true
            }
            Label {
                text: root.valueText
            }
        }

        Slider {
            id: slider
            Layout.fillWidth: true
            snapMode: Slider.SnapOnRelease
            onMoved: root.moved()
            onPressedChanged: {
                if (pressed)
                    root._takenAt = value
                else if (value !== root._takenAt)
                    root.hasChanged()
            }
        }
    }

    UI_RowDivider {
        anchors.bottom: parent.bottom
        visible: root.rowBottomDivider
    }
}

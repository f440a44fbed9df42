import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A labelled setting: the label at the left, the row's own children after it.
Pane {
    id: root

    property string paramText: ""
    // -1 keeps the label's natural width.
    property real paramTextWidth: -1
    property bool rowTopDivider: false
    property bool rowBottomDivider: true
    property alias paramLabel: label
    default property alias content: row.data

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    width: parent ? parent.width : implicitWidth
    Layout.fillWidth: true
    padding: 0
    implicitWidth: row.implicitWidth + 20
    implicitHeight: Math.max(50, row.implicitHeight + 12)

    Rectangle {
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        height: 1
        visible: root.rowTopDivider
        color: _m.isNight ? "red" : "grey"
        opacity: _m.isNight ? 0.5 : 1
    }

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        spacing: 10

        Label {
            id: label
            visible: root.paramText !== ""
            text: root.paramText
            wrapMode: Text.WordWrap
            Layout.preferredWidth: root.paramTextWidth >= 0 ? root.paramTextWidth : implicitWidth
            Layout.maximumWidth: root.paramTextWidth >= 0 ? root.paramTextWidth : row.width * 0.6
            Layout.alignment: Qt.AlignVCenter

            // Tapping beside a field is how a user puts the keyboard away.
            TapHandler {
                onTapped: Qt.inputMethod.hide()
            }
        }
    }

    UI_RowDivider {
        anchors.bottom: parent.bottom
        visible: root.rowBottomDivider
    }
}

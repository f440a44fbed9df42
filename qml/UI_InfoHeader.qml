import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// The heading band of a group of rows; its children follow the title.
Rectangle {
    id: root

    property string title: ""
    default property alias content: row.data

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    width: parent ? parent.width : implicitWidth
    Layout.fillWidth: true
    implicitWidth: row.implicitWidth + 20
    implicitHeight: 30
    color: _m.isNight ? "#202020" : "#F0F0F0"

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        spacing: 10

        Label {
            text: root.title
            font.bold: true
            color: _m.isNight ? "red" : "#00c566"
            elide: Text.ElideRight
            Layout.alignment: Qt.AlignVCenter
        }
    }
}

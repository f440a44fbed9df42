import QtQuick
import QtQuick.Layouts

// A 1 px line between rows.
Item {
    id: root

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    width: parent ? parent.width : 0
    implicitHeight: 1
    Layout.fillWidth: true

    Rectangle {
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        color: _m.isNight ? "red" : "grey"
        opacity: _m.isNight ? 0.5 : 1
    }
}

import QtQuick
import QtQuick.Layouts

// A band that separates groups of rows.
Rectangle {
    id: root

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    width: parent ? parent.width : 0
    implicitHeight: 12
    Layout.fillWidth: true
    Layout.minimumHeight: 12
    color: _m.isNight ? "red" : "#f0f0f0"
    opacity: _m.isNight ? 0.5 : 1
}

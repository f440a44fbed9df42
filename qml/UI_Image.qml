import QtQuick
import Qt5Compat.GraphicalEffects

// An icon with its aspect kept, tinted red at night.
Item {
    id: root

    property url source
    property real iconHeight: 20
    property real iconWidth: 20
    property alias status: image.status

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    implicitWidth: iconWidth
    implicitHeight: iconHeight

    Image {
        id: image
        anchors.centerIn: parent
        width: root.iconWidth
        height: root.iconHeight
        source: root.source
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
        visible: !_m.isNight
    }

    ColorOverlay {
        anchors.fill: image
        source: image
        color: "red"
        visible: _m.isNight
    }
}

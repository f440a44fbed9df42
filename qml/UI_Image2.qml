import QtQuick
import Qt5Compat.GraphicalEffects

// In place of a plain image: the image by day, a red copy of it at night, faded while disabled.
Item {
    id: root

    property url source
    property int fillMode: Image.PreserveAspectFit
    property alias status: image.status

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    implicitWidth: image.implicitWidth
    implicitHeight: image.implicitHeight

    Image {
        id: image
        anchors.fill: parent
        source: root.source
        fillMode: root.fillMode
        smooth: true
        mipmap: true
        visible: !_m.isNight
        opacity: root.enabled ? 1 : 0.5
    }

    ColorOverlay {
        anchors.fill: image
        source: image
        color: "red"
        visible: _m.isNight
        opacity: root.enabled ? 1 : 0.5
    }
}

import QtQuick
import Qt5Compat.GraphicalEffects

// A button of an icon and a text. At night a red overlay of the same shape replaces both.
Rectangle {
    id: root

    property string text: ""
    property int fontPixelSize: 14
    property url iconSource
    property real iconHeight: height
    property real iconWidth: width
    property real rotation: 0
    property bool textUnderIcon: false
    property bool hasPressedColor: true
    // A single touch point instead of the mouse, so that several buttons can be held at once;
    // it gives pressed and released only.
    property bool hasMultiTouch: false
    readonly property bool down: hasMultiTouch ? touch.pressed : mouse.pressed

    signal clicked
    signal pressed
    signal released

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    function _idleColor() {
        return _m.isNight ? Qt.rgba(70 / 255, 70 / 255, 70 / 255, 1) : Qt.rgba(205 / 255, 205 / 255, 205 / 255, 1)
    }

    color: !hasPressedColor ? "transparent" : down ? Qt.rgba(112 / 255, 112 / 255, 112 / 255, 1) : _idleColor()

    Item {
        id: content
        objectName: "tileContent"
        // Tall enough for a label that runs below a short tile: the night overlay draws only
        // what lies inside it, and would cut the label's lower edge off.
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: root.textUnderIcon ? Math.max(root.height, label.y + label.height) : root.height
        visible: !_m.isNight

        Item {
            id: iconArea
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            height: root.textUnderIcon ? root.height / 2 : root.height

            Image {
                anchors.centerIn: parent
                width: Math.min(root.iconWidth, parent.width)
                height: Math.min(root.iconHeight, parent.height)
                source: root.iconSource
                fillMode: Image.PreserveAspectFit
                rotation: root.rotation
                smooth: true
                mipmap: true
            }
        }

        Text {
            id: label
            objectName: "tileLabel"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: root.textUnderIcon ? iconArea.bottom : parent.top
            anchors.topMargin: root.textUnderIcon ? 20 : 0
            anchors.bottom: root.textUnderIcon ? undefined : parent.bottom
            text: root.text
            font.pixelSize: root.fontPixelSize
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: root.textUnderIcon ? Text.AlignTop : Text.AlignVCenter
            color: "#dd000000"
        }
    }

    ColorOverlay {
        anchors.fill: content
        source: content
        color: "red"
        visible: _m.isNight
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        enabled: !root.hasMultiTouch && root.enabled
        onClicked: root.clicked()
        onPressed: root.pressed()
        onReleased: root.released()
        onCanceled: root.released()
    }

    MultiPointTouchArea {
        id: touch
        property bool pressed: false
        anchors.fill: parent
        enabled: root.hasMultiTouch && root.enabled
        minimumTouchPoints: 1
        maximumTouchPoints: 1
        mouseEnabled: true
        // A point declared here is reused for every press; the ones the area makes itself for a
        // mouse press are never freed.
        touchPoints: [TouchPoint {}]
        onPressed: {
            pressed = true
            root.pressed()
        }
        onReleased: {
            pressed = false
            root.released()
        }
        onCanceled: {
            pressed = false
            root.released()
        }
    }
}

import QtQuick
import Qt5Compat.GraphicalEffects
import "../Words.js" as Words

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

    // A label under the icon has the room the icon leaves in the tile, with three lines at the
    // label's own size when the tile is tall enough; in a short tile the icon gives way down to
    // under half the tile, then the label's font gets smaller (down to minimumPixelSize), so that
    // it never runs past the tile onto what lies below.
    readonly property real labelGap: 6
    readonly property real labelRoom: 3 * Math.ceil(fontPixelSize * 1.25)
    readonly property real minimumPixelSize: 8

    Item {
        id: content
        objectName: "tileContent"
        // The night overlay draws only what lies inside it: the label must lie inside too.
        anchors.fill: parent
        visible: !_m.isNight

        Item {
            id: iconArea
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            height: root.textUnderIcon
                    ? Math.min(root.iconHeight, Math.max(root.height * 0.45,
                                                         root.height - root.labelRoom - root.labelGap))
                    : root.height

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
            anchors.topMargin: root.textUnderIcon ? root.labelGap : 0
            anchors.bottom: parent.bottom
            text: Words.keepWhole(root.text, inj_languageManager.language)
            font.pixelSize: root.fontPixelSize
            wrapMode: Text.WordWrap
            fontSizeMode: root.textUnderIcon ? Text.Fit : Text.FixedSize
            minimumPixelSize: root.minimumPixelSize
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

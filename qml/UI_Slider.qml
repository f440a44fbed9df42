import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A titled slider; hasChanged tells the owner when the user lets go of the handle (or the key)
// on another value than it held when taken, moved each time the user moves it, by touch or by a
// key. Neither comes of the owner setting the value, nor of a handle let go where it stood: told
// so, an owner would store the value shown, which may be rounded (an altitude limit of 80.4°
// shown at 80°).
//
// A press and release on the handle without a drag changes nothing, wherever on the handle it
// lands: the slider itself would put the value at the point let go, snapped to a step, which
// moves a value that lies between two steps (a footer padding of 11 px, a backlash of 2.5′), or
// by a step where the steps are narrower than the handle. A tap elsewhere on the track and a drag
// still move the handle. A drag is a move of the pointer by the platform's drag distance or by
// one step of the track, whichever is shorter: at 320 px a step of the lower altitude limit is
// 7 px, and a drag of one step, under the drag distance, came back as a tap.
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
    // Whether the pointer now down went down on the handle, where, and whether it has since
    // moved as far as a drag needs. The slider cannot tell: pressed by the mouse it puts
    // the handle at the pointer at once, and it puts it there again on the release. Each press
    // starts undragged: a drag before must not turn the next tap into a move.
    property bool _pressOnHandle: false
    property real _pressX: 0
    property bool _dragged: false
    // The least width, in pixels, of the part of the track around the handle's centre that counts
    // as the handle: the drawn handle is narrower than a fingertip.
    readonly property real gripWidth: 24
    // How far the pointer moves in a drag, in pixels: one step of the track where that is
    // shorter than the platform's drag distance. The handle's centre runs along the track less
    // the handle's width.
    readonly property real dragDistance: {
        const span = Math.abs(slider.to - slider.from)
        const step = slider.stepSize > 0 && span > 0
                ? (slider.availableWidth - slider.handle.width) * slider.stepSize / span : Infinity
        return Math.max(1, Math.min(Qt.styleHints.startDragDistance, step))
    }

    width: parent ? parent.width : implicitWidth
    Layout.fillWidth: true
    padding: 0
    implicitHeight: column.implicitHeight + 12

    // The pointer went down on the handle and has not been dragged: the slider's moves of the
    // handle are not the user's.
    readonly property bool _held: _pressOnHandle && !_dragged

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
            onMoved: {
                if (!root._held)
                    root.moved()
            }
            onPressedChanged: {
                if (pressed) {
                    root._takenAt = value
                    return
                }
                const held = root._held
                root._pressOnHandle = false
                if (held)
                    value = root._takenAt
                else if (value !== root._takenAt)
                    root.hasChanged()
            }

            // Follows the pointer beside the slider's own handling, and hears of each of its
            // changes first; it takes no grab from the slider.
            PointHandler {
                id: grip
                onActiveChanged: {
                    if (!active)
                        return
                    const handle = slider.handle
                    const centre = handle.x + handle.width / 2
                    const half = Math.max(handle.width, root.gripWidth) / 2
                    root._pressX = point.position.x
                    root._pressOnHandle = Math.abs(root._pressX - centre) <= half
                    root._dragged = false
                }
                onPointChanged: {
                    if (active && Math.abs(point.position.x - root._pressX) >= root.dragDistance)
                        root._dragged = true
                }
            }
        }
    }

    UI_RowDivider {
        anchors.bottom: parent.bottom
        visible: root.rowBottomDivider
    }
}

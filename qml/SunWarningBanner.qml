import QtQuick
import QtQuick.Controls
import "CommonUI"

// Shown on connecting while the Sun is up; the warning scrolls through its line until closed.
Pane {
    id: root

    readonly property string warning: qsTr("To avoid eye injury, only use a certified solar telescope to look at the Sun.")
    readonly property alias scrollText: scrollText

    QtObject {
        id: _m
        readonly property var mountConnection: inj_mountConnection
        readonly property var sunVisibility: inj_sunVisibility
        readonly property bool isNight: inj_nightManager.isNight
        readonly property color colour: isNight ? "#401010" : "#e8e8e8"
        property real maxScroll: 0
    }

    function show() {
        visible = true
        scroll.stop()
        scrollText.x = 0
        // One pass later the widths are those of the shown banner.
        Qt.callLater(_startScroll)
    }

    function _startScroll() {
        if (!visible)
            return
        _m.maxScroll = Math.max(0, scrollText.implicitWidth - area.width)
        scroll.restart()
    }

    visible: false
    padding: 0
    implicitHeight: 40
    clip: true
    background: Rectangle {
        color: _m.colour
    }

    onVisibleChanged: {
        if (!visible)
            scroll.stop()
    }

    Connections {
        target: _m.mountConnection
        function onMountChanged_q() {
            if (!_m.mountConnection.connected)
                return
            if (_m.sunVisibility.sunAboveHorizon())
                root.show()
            else
                root.visible = false
        }
    }

    contentItem: Item {
        Item {
            id: area
            anchors.left: parent.left
            anchors.leftMargin: 10
            anchors.right: closeButton.left
            anchors.top: parent.top
            anchors.bottom: parent.bottom

            Label {
                id: scrollText
                objectName: "sunWarningText"
                anchors.verticalCenter: parent.verticalCenter
                text: root.warning
                color: _m.isNight ? "red" : "#dd000000"
                maximumLineCount: 1
            }
        }

        // The blank and the close button hide the text that scrolls out of the area.
        Rectangle {
            anchors.left: parent.left
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            width: 10
            color: _m.colour
        }
        Rectangle {
            id: closeButton
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            width: 40
            color: _m.colour

            ImageButton {
                objectName: "closeSunWarning"
                anchors.fill: parent
                hasPressedColor: false
                iconSource: "qrc:/icons/app/20x20/close x.png"
                iconWidth: 20
                iconHeight: 20
                onClicked: root.visible = false
            }
        }
    }

    SequentialAnimation {
        id: scroll
        loops: Animation.Infinite
        PauseAnimation {
            duration: 3000
        }
        NumberAnimation {
            target: scrollText
            property: "x"
            to: -_m.maxScroll
            duration: _m.maxScroll * 15
        }
        PauseAnimation {
            duration: 2000
        }
        PropertyAction {
            target: scrollText
            property: "x"
            value: 0
        }
    }
}

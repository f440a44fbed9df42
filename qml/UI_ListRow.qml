import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A row whose children are laid out freely inside side margins of 10.
Pane {
    id: root

    property bool rowTopDivider: false
    property bool rowBottomDivider: true
    default property alias content: area.data

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    width: parent ? parent.width : implicitWidth
    Layout.fillWidth: true
    padding: 0
    implicitHeight: Math.max(50, area.childrenImplicitHeight + 12)

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

    Item {
        id: area
        // Read from the children's own sizes, not childrenRect, so children may fill the area.
        readonly property real childrenImplicitHeight: {
            let h = 0
            for (let i = 0; i < children.length; ++i)
                if (children[i].visible)
                    h = Math.max(h, children[i].implicitHeight)
            return h
        }
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
    }

    UI_RowDivider {
        anchors.bottom: parent.bottom
        visible: root.rowBottomDivider
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."

// The polar-scope reticle for either hemisphere with the facts beside it, refreshed every 2 s
// while active.
Item {
    id: root

    property bool active: false
    // 0: northern, 1: southern hemisphere.
    property alias hemisphere: tabs.currentIndex
    readonly property bool north: tabs.currentIndex === 0

    QtObject {
        id: _m
        readonly property var info: inj_polarScopeInfo
        readonly property var painted: inj_polarScopePaintedItem
    }

    function refresh() {
        _m.info.update()
        _m.painted.update()
    }

    onNorthChanged: refresh()

    Component.onCompleted: {
        _m.painted.parent = area
        _m.painted.anchors.fill = area
        _m.info.north = Qt.binding(() => root.north)
        _m.painted.north = Qt.binding(() => root.north)
    }
    // The reticle and the info are the window's; they must not follow a page that is gone.
    Component.onDestruction: {
        _m.info.north = _m.info.north
        _m.painted.north = _m.painted.north
        _m.painted.anchors.fill = undefined
        _m.painted.parent = null
    }

    Timer {
        interval: 2000
        repeat: true
        triggeredOnStart: true
        running: root.active
        onTriggered: root.refresh()
    }

    implicitHeight: layout.implicitHeight

    ColumnLayout {
        id: layout
        anchors.fill: parent
        spacing: 0

        TabBar {
            id: tabs
            objectName: "hemisphereTabs"
            Layout.fillWidth: true
            // Both names in full: the style's capitals would not fit a phone's width.
            UI_TabButton {
                text: qsTr("Northern Hemisphere")
                font.capitalization: Font.MixedCase
            }
            UI_TabButton {
                text: qsTr("Southern Hemisphere")
                font.capitalization: Font.MixedCase
            }
        }
        // The rows are made anew on every refresh. A layout that holds a repeater's rows itself
        // can still reach a row the repeater has just destroyed and crash; a plain column between
        // them keeps the layout's own children fixed.
        Column {
            Layout.fillWidth: true
            Repeater {
                objectName: "infoRows"
                model: _m.info.infoList
                RowLayout {
                    required property var modelData
                    x: 10
                    width: parent.width - 20
                    Label {
                        Layout.fillWidth: true
                        text: modelData.field
                    }
                    Label {
                        text: modelData.fieldValue
                    }
                }
            }
        }
        Item {
            id: area
            objectName: "reticleArea"
            // Below this, on the shorter side, the 5° ticks come closer than 5 px and the hour
            // numbers fall under 8 points.
            readonly property int readableSize: 180
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: readableSize
        }
    }
}

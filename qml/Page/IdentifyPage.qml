import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../CommonUI"
import ".."

// What lies near where the telescope, or the device, points.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var identifyList: inj_identifyList
        readonly property var mountConnection: inj_mountConnection
        readonly property var objectInfoPage: inj_objectInfoPage
        readonly property var toaster: inj_toaster
    }

    // The direction is read again whenever this turns: on entering with a mount, on connecting
    // or disconnecting while shown, and on leaving.
    readonly property bool watching: StackView.status === StackView.Active && _m.mountConnection.connected
    readonly property real labelWidth: width / 2 - 20

    onWatchingChanged: _m.identifyList.refresh()

    background: Pane {}

    Connections {
        target: _m.identifyList
        function onReadError() {
            _m.toaster.show("Cannot read mount position")
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        TabBar {
            id: tabBar
            objectName: "tabs"
            Layout.fillWidth: true
            Layout.minimumHeight: 50
            currentIndex: _m.identifyList.useDeviceOri ? 1 : 0
            onCurrentIndexChanged: _m.identifyList.useDeviceOri = currentIndex === 1

            UI_TabButton {
                text: qsTr("Telescope Orientation")
                font.pixelSize: 12
                height: parent.height
            }
            UI_TabButton {
                text: qsTr("Device Orientation")
                font.pixelSize: 12
                height: parent.height
            }
        }

        // In a small window with the slew pad out, the rows above the list leave it less than a
        // row when a value wraps: they then scroll with it, and the list keeps a row.
        UI_ScrollColumn {
            objectName: "scroll"
            Layout.fillWidth: true
            Layout.fillHeight: true
            margins: 0
            spacing: 0

            UI_InfoHeader {
                Layout.fillWidth: true
                title: qsTr("Coordinates")
            }
            UI_Row {
                paramText: qsTr("Azimuth/Altitude")
                paramTextWidth: root.labelWidth

                Label {
                    objectName: "azAlt"
                    Layout.fillWidth: true
                    text: _m.identifyList.azAlt
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                }
                ImageButton {
                    objectName: "refresh"
                    Layout.preferredWidth: 40
                    Layout.preferredHeight: 40
                    hasPressedColor: false
                    iconSource: "qrc:/icons/app/20x20/refresh.png"
                    iconWidth: 20
                    iconHeight: 20
                    onClicked: _m.identifyList.refresh()
                }
            }
            UI_Row {
                paramText: qsTr("R.A./Dec")
                paramTextWidth: root.labelWidth
                rowBottomDivider: false

                Label {
                    objectName: "raDec"
                    Layout.fillWidth: true
                    // Under the direction above it, clear of the refresh button's column.
                    Layout.rightMargin: 50
                    text: _m.identifyList.raDec
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                }
            }
            UI_InfoHeader {
                Layout.fillWidth: true
                title: qsTr("Objects Nearby")
            }
            BaseAstroListPage {
                id: nearby
                objectName: "nearby"
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumHeight: 48
                hasSearchText: false
                listModel: _m.identifyList.list
                onSelectedIndex: index => _m.objectInfoPage.go(_m.identifyList.getAstroObj(index))
            }
        }
    }
}

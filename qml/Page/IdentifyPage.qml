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

        UI_InfoHeader {
            Layout.fillWidth: true
            title: qsTr("Coordinates")
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.minimumHeight: 50
            spacing: 0
            Label {
                Layout.preferredWidth: root.labelWidth
                Layout.leftMargin: 10
                text: qsTr("Azimuth/Altitude")
                wrapMode: Text.WordWrap
            }
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
                Layout.rightMargin: 5
                hasPressedColor: false
                iconSource: "qrc:/icons/app/20x20/refresh.png"
                iconWidth: 20
                iconHeight: 20
                onClicked: _m.identifyList.refresh()
            }
        }
        UI_RowDivider {
            Layout.fillWidth: true
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.minimumHeight: 50
            spacing: 0
            Label {
                Layout.preferredWidth: root.labelWidth
                Layout.leftMargin: 10
                text: qsTr("R.A./Dec")
                wrapMode: Text.WordWrap
            }
            Label {
                objectName: "raDec"
                Layout.fillWidth: true
                Layout.rightMargin: 45
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
            hasSearchText: false
            listModel: _m.identifyList.list
            onSelectedIndex: index => _m.objectInfoPage.go(_m.identifyList.getAstroObj(index))
        }
    }
}

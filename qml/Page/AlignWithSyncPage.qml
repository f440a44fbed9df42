import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import ".."

// Alignment from a planetarium program's syncs: while this page is on top, each sync the mount
// receives becomes the next alignment star.
Page {
    id: root

    property string lastError

    QtObject {
        id: _m
        readonly property var alignerHelper: inj_alignerHelper
        readonly property var container: inj_alignmentDataContainer
        readonly property bool isNight: inj_nightManager.isNight
        readonly property var stars: container.alignStars
    }

    StackView.onActivated: {
        _m.alignerHelper.alignWithSyncTo = true
        root.lastError = ""
    }
    StackView.onDeactivated: _m.alignerHelper.alignWithSyncTo = false

    Connections {
        target: _m.alignerHelper
        function onSequentialAlignFailed(starLocation) {
            root.lastError = qsTr("Last star at %1 is not a suitable alignment star").arg(starLocation)
        }
    }
    Connections {
        target: _m.container
        function onValueChanged() {
            root.lastError = ""
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        UI_ListRow {
            Layout.fillWidth: true
            rowBottomDivider: false
            Label {
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width
                wrapMode: Text.WordWrap
                text: qsTr("Waiting for Sync command...")
            }
        }
        UI_ListRow {
            objectName: "errorRow"
            Layout.fillWidth: true
            visible: root.lastError !== ""
            rowTopDivider: true
            rowBottomDivider: false
            Label {
                anchors.fill: parent
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.WordWrap
                color: Material.color(Material.Red)
                text: root.lastError
            }
        }
        Item {
            Layout.fillHeight: true
            Layout.maximumHeight: 40
        }
        Rectangle {
            Layout.fillWidth: true
            implicitHeight: 36
            color: _m.isNight ? "#202020" : "#f0f0f0"
            Label {
                anchors.left: parent.left
                anchors.leftMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Aligned Stars")
                font.bold: true
                color: _m.isNight ? "red" : "#dd000000"
            }
        }
        ListView {
            id: starList
            objectName: "starList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: _m.stars

            delegate: Item {
                id: starRow
                required property var modelData
                required property int index
                readonly property bool isLast: index === starList.count - 1
                width: starList.width
                height: 48

                UI_RowDivider {
                    anchors.top: parent.top
                    width: parent.width
                    visible: starRow.index > 0
                }
                ColumnLayout {
                    anchors.left: parent.left
                    anchors.right: deleteButton.left
                    anchors.leftMargin: 10
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 0
                    Label {
                        Layout.fillWidth: true
                        elide: Text.ElideRight
                        text: starRow.modelData.a
                    }
                    Label {
                        Layout.fillWidth: true
                        elide: Text.ElideRight
                        opacity: 0.8
                        text: starRow.modelData.b
                    }
                }
                Button {
                    id: deleteButton
                    objectName: "deleteButton"
                    anchors.right: parent.right
                    anchors.rightMargin: 10
                    anchors.verticalCenter: parent.verticalCenter
                    flat: true
                    text: qsTr("Delete")
                    enabled: starRow.isLast
                    onClicked: _m.alignerHelper.removeLastStar()
                }
            }

            Label {
                objectName: "noStars"
                anchors.centerIn: parent
                visible: starList.count === 0
                opacity: 0.5
                text: qsTr("No Aligned Stars")
            }
        }
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import ".."
import "../CommonUI"
import "../Words.js" as Words

// Shares this device's pointing model with others, or lists the models that other devices share
// and loads the one the user picks.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var pmSharing: inj_pmSharing
        readonly property var alignmentData: inj_alignmentDataContainer
        readonly property var appVersion: inj_appVersion
        readonly property bool isNight: inj_nightManager.isNight
        // The row the open confirmation is about; the list may grow meanwhile, never shift.
        property int pendingRow: -1
    }

    // The search runs only while this page is on top.
    StackView.onActivated: _m.pmSharing.setActive(true)
    StackView.onDeactivated: _m.pmSharing.setActive(false)

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        UI_Row {
            paramText: qsTr("Share my pointing model")
            Item {
                Layout.fillWidth: true
            }
            UI_Switch {
                objectName: "servingSwitch"
                checked: _m.pmSharing.serving
                onToggled: _m.pmSharing.serving = checked
            }
        }

        UI_Row {
            objectName: "myAlignment"
            visible: _m.pmSharing.serving
            paramText: qsTr("My alignment")
            Item {
                Layout.fillWidth: true
            }
            Label {
                objectName: "defaultAlignment"
                visible: _m.alignmentData.alignedStarCount === 0
                text: qsTr("Default alignment")
            }
            UI_Image2 {
                objectName: "starCount"
                readonly property int count: _m.alignmentData.alignedStarCount
                visible: count >= 1 && count <= 3
                source: visible ? "qrc:/image/Alignment_icon/starCount" + count + ".png" : ""
                Layout.preferredHeight: 30
                Layout.preferredWidth: 60
            }
        }

        Rectangle {
            objectName: "searchBar"
            visible: !_m.pmSharing.serving
            Layout.fillWidth: true
            implicitHeight: Math.max(40, searchText.implicitHeight + 8)
            color: _m.isNight ? "#202020" : "#f0f0f0"
            // Takes a second line where the language needs it.
            Label {
                id: searchText
                anchors.left: parent.left
                anchors.leftMargin: 10
                anchors.right: busy.left
                anchors.verticalCenter: parent.verticalCenter
                wrapMode: Text.WordWrap
                font.pixelSize: 14
                color: _m.isNight ? "red" : "#dd000000"
                text: qsTr("Pointing model from another %1").arg(_m.appVersion.appName)
            }
            BusyIndicator {
                id: busy
                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                height: 36
                width: 36
                running: true
            }
        }

        ListView {
            id: peers
            objectName: "peers"
            visible: !_m.pmSharing.serving
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: _m.pmSharing.list
            delegate: Item {
                id: row
                required property int index
                required property var modelData
                width: ListView.view.width
                height: 48

                UI_RowDivider {
                    visible: row.index > 0
                    anchors.top: parent.top
                }
                GridLayout {
                    anchors.left: parent.left
                    anchors.leftMargin: 10
                    anchors.right: loadButton.left
                    anchors.rightMargin: 10
                    anchors.verticalCenter: parent.verticalCenter
                    columns: 2
                    rowSpacing: 0
                    Label {
                        text: row.modelData.a
                        font.bold: true
                    }
                    Label {
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignRight
                        elide: Text.ElideLeft
                        opacity: 0.8
                        text: row.modelData.b
                    }
                    Label {
                        opacity: 0.8
                        font.pixelSize: 12
                        text: row.modelData.c
                    }
                    Label {
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignRight
                        opacity: 0.8
                        font.pixelSize: 12
                        text: row.modelData.d
                    }
                }
                Button {
                    id: loadButton
                    objectName: "load" + row.index
                    anchors.right: parent.right
                    anchors.rightMargin: 10
                    anchors.verticalCenter: parent.verticalCenter
                    flat: true
                    text: qsTr("Load")
                    onClicked: {
                        _m.pendingRow = row.index
                        loadDialog.open()
                    }
                }
            }
        }
        Item {
            visible: _m.pmSharing.serving
            Layout.fillHeight: true
        }
    }

    UI_Dialog {
        id: loadDialog
        objectName: "loadDialog"
        modal: true
        title: qsTr("Pointing model Sharing")
        Label {
            width: 250
            wrapMode: Text.WordWrap
            text: Words.keepWhole(qsTr("Load pointing model from another device and overwrite local data?"),
                                  inj_languageManager.language)
        }
        footer: DialogButtonBox {
            Button {
                objectName: "confirmLoad"
                flat: true
                text: qsTr("Load")
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
            Button {
                objectName: "cancelLoad"
                flat: true
                text: qsTr("Cancel")
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
        }
        onAccepted: _m.pmSharing.loadItem(_m.pendingRow)
    }
}

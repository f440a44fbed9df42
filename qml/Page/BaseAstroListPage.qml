import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import "../CommonUI"
import ".."

// A searchable list of sky objects, two lines a row; a tap on any row, dimmed or not, reports
// its index and leaves the decision to the owner.
Page {
    id: root

    property bool hasSearchText: true
    property var listModel: []
    property bool loadingList: false
    property alias searchText: searchField.text
    // The list view, for owners that scroll or measure it.
    readonly property alias listView: listView

    signal selectedIndex(int index)

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    background: Pane {}

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        UI_TextInput {
            id: searchField
            objectName: "searchField"
            Layout.fillWidth: true
            Layout.minimumHeight: 50
            visible: root.hasSearchText
            hasIconSearch: true
            hasCloseBtn: true
            placeholderText: qsTr("Search")
        }

        ListView {
            id: listView
            objectName: "astroList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            reuseItems: true
            model: root.listModel
            boundsBehavior: Flickable.StopAtBounds
            ScrollIndicator.vertical: ScrollIndicator {}

            delegate: Item {
                id: row
                required property int index
                required property var modelData

                width: ListView.view.width
                height: 48
                opacity: modelData.isEnableListItem ? 1 : 0.5

                Rectangle {
                    visible: row.index > 0
                    x: 8
                    width: parent.width - 16
                    height: 1
                    color: _m.isNight ? "red" : "grey"
                    opacity: _m.isNight ? 0.5 : 1
                }

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 8
                    anchors.rightMargin: 8
                    anchors.topMargin: 3
                    anchors.bottomMargin: 3
                    spacing: 6

                    // Each line shares its width alone: in a grid the second line's long
                    // separation text took the width of the name above it too. The name gives
                    // way to its magnitude; the position is shown whole, its neighbour (a
                    // separation, a constellation) gives way to it, smaller first, then cut.
                    ColumnLayout {
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        spacing: 0

                        RowLayout {
                            Layout.fillWidth: true
                            spacing: 6
                            Label {
                                objectName: "name"
                                Layout.fillWidth: true
                                text: row.modelData.a
                                elide: Text.ElideRight
                                font.pixelSize: 15
                            }
                            Label {
                                objectName: "magnitude"
                                Layout.minimumWidth: implicitWidth
                                text: row.modelData.b
                                opacity: 0.8
                                font.pixelSize: 13
                            }
                        }
                        RowLayout {
                            Layout.fillWidth: true
                            spacing: 6
                            Label {
                                objectName: "position"
                                Layout.minimumWidth: implicitWidth
                                text: row.modelData.c
                                opacity: 0.8
                                font.pixelSize: 13
                            }
                            Label {
                                objectName: "detail"
                                Layout.fillWidth: true
                                text: row.modelData.d
                                horizontalAlignment: Text.AlignRight
                                opacity: 0.8
                                font.pixelSize: 13
                                fontSizeMode: Text.HorizontalFit
                                minimumPixelSize: 10
                                elide: Text.ElideRight
                            }
                        }
                    }
                    UI_Image {
                        iconHeight: 15
                        iconWidth: 15
                        Layout.preferredWidth: 15
                        Layout.preferredHeight: 15
                        source: "qrc:/icons/app/20x20/forward.png"
                    }
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: root.selectedIndex(row.index)
                }
            }
        }
    }

    BusyIndicator {
        objectName: "loading"
        anchors.centerIn: parent
        running: root.loadingList
        visible: running
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."

// The preview of an alignment: its kind and the stars it will use, and the button that begins it.
AlignWorkflowPage {
    id: root

    property string alignmentType
    property var rows: []

    QtObject {
        id: _m
        readonly property var stub: inj_alignSelectionUIStub
    }

    Connections {
        target: _m.stub
        function onShouldShow(alignmentType, list) {
            root.alignmentType = alignmentType
            root.rows = list
            root.show()
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Label {
            objectName: "alignmentType"
            Layout.fillWidth: true
            Layout.preferredHeight: 44
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: root.alignmentType
            font.bold: true
        }
        UI_RowDivider {
            Layout.fillWidth: true
        }
        // The rows change with each alignment: they sit in a plain column, so the layout never
        // holds a row the repeater has destroyed (see PolarScope_Drawing.qml).
        Column {
            Layout.fillWidth: true
            Repeater {
                objectName: "rows"
                model: root.rows

                UI_ListRow {
                    required property var modelData
                    required property int index
                    rowBottomDivider: index < root.rows.length - 1
                    RowLayout {
                        anchors.fill: parent
                        Label {
                            Layout.fillWidth: true
                            text: modelData.a
                        }
                        Label {
                            horizontalAlignment: Text.AlignRight
                            text: modelData.b
                        }
                    }
                }
            }
        }
        Item {
            Layout.fillHeight: true
        }
        Button {
            objectName: "beginButton"
            Layout.fillWidth: true
            Layout.minimumHeight: 40
            Layout.margins: 10
            text: qsTr("Begin Alignment")
            enabled: root.connected
            onClicked: _m.stub.start()
        }
    }
}

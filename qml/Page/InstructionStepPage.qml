import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// One instruction of a workflow and the "Next" button that goes on.
AlignWorkflowPage {
    id: root

    property string instruction

    QtObject {
        id: _m
        readonly property var stub: inj_instructionStepUIStub
    }

    Connections {
        target: _m.stub
        function onShouldShow(instruction) {
            root.instruction = instruction
            root.show()
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Label {
            objectName: "instruction"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.margins: 10
            wrapMode: Text.WordWrap
            verticalAlignment: Text.AlignVCenter
            text: root.instruction
        }
        Button {
            objectName: "nextButton"
            Layout.fillWidth: true
            Layout.minimumHeight: 40
            Layout.margins: 10
            text: qsTr("Next")
            enabled: root.connected
            onClicked: _m.stub.pressNext()
        }
    }
}

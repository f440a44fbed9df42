import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Ko.Quorvel

// Which way a mount that can work both ways is to work this time. Dismissed, it answers no mode.
UI_Dialog {
    id: root

    QtObject {
        id: _m
        readonly property var stub: inj_mountModePopupStub
        property bool answered: false
    }

    function answer(mode) {
        _m.answered = true
        _m.stub.setResult(mode)
        close()
    }

    modal: true
    // Escape reaches a popup that has the focus.
    focus: true

    onAboutToShow: _m.answered = false
    onAboutToHide: {
        if (!_m.answered) {
            _m.answered = true
            _m.stub.setResult(undefined)
        }
    }

    Connections {
        target: _m.stub
        function onShouldShow() {
            root.open()
        }
    }

    contentItem: ColumnLayout {
        spacing: 10
        Button {
            objectName: "azButton"
            Layout.fillWidth: true
            Layout.preferredWidth: 220
            text: qsTr("Alt-Az Mode")
            onClicked: root.answer(MountMode.AZ)
        }
        Button {
            objectName: "eqButton"
            Layout.fillWidth: true
            text: qsTr("Equatorial Mode")
            onClicked: root.answer(MountMode.EQ)
        }
    }
}

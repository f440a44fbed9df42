import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Ko.Quorvel
import "Words.js" as Words

// Whether the hibernate data stored at the last park goes back into the mount; the connection
// waits for the answer. Dismissed, it answers Cancel.
UI_Dialog {
    id: root

    QtObject {
        id: _m
        readonly property var stub: inj_parkDataLoadUIStub
        property bool answered: false
    }

    function answer(option) {
        _m.answered = true
        _m.stub.setResult(option)
        close()
    }

    // As wide as the message wants, but never wider than the window.
    width: Math.min(parent ? parent.width - 20 : 300, 320)
    modal: true
    // Escape reaches a popup that has the focus.
    focus: true

    onAboutToShow: _m.answered = false
    onAboutToHide: {
        if (!_m.answered) {
            _m.answered = true
            _m.stub.setResult(ParkDataLoadOption.Cancel)
        }
    }

    Connections {
        target: _m.stub
        function onShouldShow() {
            root.open()
        }
    }

    contentItem: ColumnLayout {
        Label {
            Layout.fillWidth: true
            text: Words.keepWhole(qsTr("Hibernate data present. Restore state to mount?"),
                                  inj_languageManager.language)
            wrapMode: Text.WordWrap
        }
    }

    // Restore at the right, Clear Data beside it, or below it where both do not fit on a line.
    footer: Flow {
        layoutDirection: Qt.RightToLeft
        padding: 8
        spacing: 8

        Button {
            objectName: "restoreButton"
            flat: true
            text: qsTr("Restore")
            onClicked: root.answer(ParkDataLoadOption.Load)
        }
        Button {
            objectName: "clearButton"
            flat: true
            text: qsTr("Clear Data")
            onClicked: root.answer(ParkDataLoadOption.Discard)
        }
    }
}

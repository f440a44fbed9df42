import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."
import "../Words.js" as Words

// A confirmation: one "OK" that only closes, or "Cancel" beside an "OK" that emits clicked and
// leaves the closing to the owner.
UI_Dialog {
    id: root

    property string heading: ""
    property string content: ""
    property bool hasCancel: false

    signal clicked

    modal: true
    closePolicy: Popup.NoAutoClose

    // The back key and Escape are the first button: "Cancel", or the only "OK".
    function back() {
        close()
    }

    contentItem: ColumnLayout {
        spacing: 12

        Label {
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: 250
            visible: root.heading !== ""
            text: Words.keepWhole(root.heading, inj_languageManager.language)
            font.pixelSize: 20
            font.bold: true
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
        }
        Label {
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 250
            text: Words.keepWhole(root.content, inj_languageManager.language)
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
        }
    }

    footer: DialogButtonBox {
        alignment: Qt.AlignRight
        Button {
            objectName: "firstButton"
            flat: true
            text: root.hasCancel ? qsTr("Cancel") : qsTr("OK")
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            onClicked: root.close()
        }
        Button {
            objectName: "okButton"
            flat: true
            visible: root.hasCancel
            text: qsTr("OK")
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            onClicked: root.clicked()
        }
    }
}

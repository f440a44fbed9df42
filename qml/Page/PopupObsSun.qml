import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import ".."
import "../Words.js" as Words

// Allowing Sun observation takes the warning and a small sum, so that it is never given by a
// stray tap.
UI_Dialog {
    id: root

    property int a: 0
    property int b: 0
    property bool quiz: false

    signal confirmChangedByUser(bool value)

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    function drawEquation() {
        root.a = Math.floor(Math.random() * 70) + 30
        root.b = Math.floor(Math.random() * 70) + 30
        answer.text = ""
    }

    // The back key and Escape leave it open: allowing the Sun is answered by a button alone,
    // read, not by a key pressed in passing.
    function back() {
    }

    // Cancel: the Sun stays forbidden.
    function cancel() {
        root.confirmChangedByUser(false)
        root.close()
    }

    function confirm() {
        if (!root.quiz) {
            root.quiz = true
            root.drawEquation()
            return
        }
        const typed = answer.text.trim()
        if (typed !== "" && Number(typed) === root.a + root.b) {
            root.confirmChangedByUser(true)
            root.close()
            return
        }
        root.drawEquation()
    }

    modal: true
    closePolicy: Popup.NoAutoClose
    width: parent ? Math.min(parent.width - 20, 420) : 300
    height: parent ? Math.min(parent.height - 40, 560) : 500

    onClosed: {
        root.quiz = false
        answer.text = ""
    }

    header: RowLayout {
        spacing: 10
        UI_Image {
            Layout.leftMargin: 20
            Layout.topMargin: 15
            iconWidth: 60
            iconHeight: 60
            source: "qrc:/image/Common_icon/danger.png"
        }
        Label {
            Layout.topMargin: 15
            text: qsTr("Danger")
            color: Material.color(Material.Red)
            font.pixelSize: 32
        }
    }

    contentItem: ColumnLayout {
        spacing: 10

        ScrollView {
            objectName: "warningText"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: !root.quiz
            clip: true
            TextArea {
                readOnly: true
                wrapMode: TextEdit.WordWrap
                text: Words.keepWhole(qsTr("Never use your telescope to look directly at the Sun. Permanent eye damage will result. Use a proper solar filter firmly mounted on the front of the telescope for viewing the Sun. When observing the Sun, place a dust cap over your finderscope or remove it to protect you from accidental exposure. Never use an eyepiece-type solar filter and never use your telescope to project sunlight onto another surface, the internal heat build-up will damage the telescope optical elements."),
                                      inj_languageManager.language)
                background: Rectangle {
                    color: _m.isNight ? "black" : "white"
                    border.color: _m.isNight ? "red" : "grey"
                }
            }
        }
        Label {
            Layout.fillWidth: true
            visible: !root.quiz
            wrapMode: Text.WordWrap
            text: Words.keepWhole(qsTr("Confirm allowing Sun observation?"),
                                  inj_languageManager.language)
        }
        Item {
            Layout.fillHeight: true
            visible: root.quiz
        }
        Label {
            objectName: "equation"
            Layout.alignment: Qt.AlignHCenter
            visible: root.quiz
            font.pixelSize: 24
            text: root.a + " + " + root.b + " = ?"
        }
        UI_TextInput {
            id: answer
            objectName: "answer"
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: 150
            visible: root.quiz
            horizontalAlignment: Text.AlignHCenter
            isOnlyNumber: true
        }
        Item {
            Layout.fillHeight: true
            visible: root.quiz
        }
    }

    footer: DialogButtonBox {
        Button {
            objectName: "confirmButton"
            flat: true
            text: qsTr("Confirm")
            onClicked: root.confirm()
        }
        Button {
            objectName: "cancelButton"
            flat: true
            text: qsTr("Cancel")
            onClicked: root.cancel()
        }
    }
}

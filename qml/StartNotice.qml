import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "Words.js" as Words

// What a start shows while another instance holds the data folder and does not answer: without
// it, nothing would open for up to two minutes. In the stored language, by day or by night as
// the window would be. When the start gives up, it says so and how to go on.
ApplicationWindow {
    id: root

    required property string language
    // The start has given up waiting: it ends once this window is closed.
    property bool gaveUp: false

    objectName: "startNotice"
    title: qsTr("Waiting for the running program")
    width: 320
    height: 240
    visible: true

    NightManager {
        appWindow: root
        footer: root.contentItem
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 12

        Label {
            objectName: "startNoticeText"
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            text: Words.keepWhole(root.gaveUp
                                  ? qsTr("The program already running on this data folder does not answer and does not end. End it, then start the program again.")
                                  : qsTr("The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends."),
                                  root.language)
        }
        BusyIndicator {
            Layout.alignment: Qt.AlignHCenter
            running: !root.gaveUp
            visible: running
        }
        Item {
            Layout.fillHeight: true
        }
        Button {
            objectName: "startNoticeClose"
            Layout.alignment: Qt.AlignRight
            visible: root.gaveUp
            flat: true
            text: qsTr("Close")
            onClicked: root.close()
        }
    }
}

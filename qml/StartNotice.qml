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
    // The machine the holder is on, when it is another one (a shared network folder), and the
    // lock file it holds: what the user can end there, or remove if nothing runs there any more.
    property string holderMachine: ""
    property string lockFile: ""

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
            // A lock file's path has no spaces to break at.
            wrapMode: Text.Wrap
            text: root.holderMachine !== ""
                  ? (root.gaveUp
                     ? Words.keepWhole(qsTr("The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again."), root.language)
                       .arg(root.holderMachine).arg(root.lockFile)
                     : Words.keepWhole(qsTr("The program is running on the computer %1 with this data folder. A window opens as soon as it ends there."), root.language)
                       .arg(root.holderMachine))
                  : Words.keepWhole(root.gaveUp
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

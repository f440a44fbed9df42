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
    // Who holds the folder, when more is known than that a program of this user's does:
    // "computer", another computer of a shared network folder; "sameName", this computer's name
    // with another installation's identity; "user", another user of this computer. holderName
    // names it, and lockFile is what the user can remove if nothing runs there any more.
    property string holderKind: ""
    property string holderName: ""
    property string lockFile: ""

    function message() {
        if (root.holderKind === "computer")
            return root.gaveUp
                    ? Words.keepWhole(qsTr("The program on the computer %1 holds this data folder and does not end. End it there. If it no longer runs there, remove the file %2. Then start the program again."), root.language)
                      .arg(root.holderName).arg(root.lockFile)
                    : Words.keepWhole(qsTr("The program is running on the computer %1 with this data folder. A window opens as soon as it ends there."), root.language)
                      .arg(root.holderName)
        if (root.holderKind === "sameName")
            return root.gaveUp
                    ? Words.keepWhole(qsTr("This data folder is held under this computer's name, %1, by another installation: an earlier one of this computer, or another computer of the same name. If the program runs on no other computer, remove the file %2. Then start the program again."), root.language)
                      .arg(root.holderName).arg(root.lockFile)
                    : Words.keepWhole(qsTr("This data folder is held under this computer's name, %1, by another installation: an earlier one of this computer, or another computer of the same name. A window opens as soon as it is free."), root.language)
                      .arg(root.holderName)
        if (root.holderKind === "user")
            return root.gaveUp
                    ? Words.keepWhole(qsTr("This data folder is held by a program of another user, %1. End it, or ask that user to end it. If it no longer runs, remove the file %2. Then start the program again."), root.language)
                      .arg(root.holderName).arg(root.lockFile)
                    : Words.keepWhole(qsTr("A program of another user, %1, is running on this data folder. A window opens as soon as it ends."), root.language)
                      .arg(root.holderName)
        return Words.keepWhole(root.gaveUp
                               ? qsTr("The program already running on this data folder does not answer and does not end. End it, then start the program again.")
                               : qsTr("The program is already running on this data folder and does not answer yet. A window opens as soon as it answers or ends."),
                               root.language)
    }

    objectName: "startNotice"
    title: qsTr("Waiting for the running program")
    width: 320
    // As tall as what it says, up to the smallest window the program has; a longer text scrolls
    // above the Close button, which stays in view.
    height: Math.min(content.implicitHeight + 2 * content.anchors.margins, 480)
    visible: true

    NightManager {
        appWindow: root
        footer: root.contentItem
    }

    ColumnLayout {
        id: content

        anchors.fill: parent
        anchors.margins: 16
        spacing: 12

        Flickable {
            id: scroller

            objectName: "startNoticeScroller"
            Layout.fillWidth: true
            Layout.fillHeight: true
            implicitHeight: message.implicitHeight
            contentHeight: message.implicitHeight
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            // Shown while it scrolls only, so that it never covers the text's last letters.
            ScrollBar.vertical: ScrollBar {}

            Label {
                id: message

                objectName: "startNoticeText"
                width: scroller.width
                // A lock file's path has no spaces to break at.
                wrapMode: Text.Wrap
                text: root.message()
            }
        }
        BusyIndicator {
            Layout.alignment: Qt.AlignHCenter
            running: !root.gaveUp
            visible: running
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

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "Words.js" as Words

// Asked when the window closes while a stop has not reached the mount: the mount may still be
// moving, and once the program has ended nothing sends that stop again. Quit closes anyway; Stay
// (and the back key or Escape) keeps the program, which goes on sending the stop. A stop taken
// while the question shows ends the program as asked.
UI_Dialog {
    id: root

    required property var appWindow

    QtObject {
        id: _m
        readonly property var mountConnection: inj_mountConnection
        readonly property bool stopPending: !!mountConnection && !!mountConnection.mount
                                            && !!mountConnection.mount.stopPending
        property bool quitting: false

        onStopPendingChanged: {
            if (!stopPending && root.opened)
                root.quit()
        }
    }

    // A window shown again after a close asks again.
    Connections {
        target: root.appWindow
        function onVisibleChanged() {
            if (root.appWindow.visible)
                _m.quitting = false
        }
    }

    // For the window's close: true when the question holds it back and shows instead.
    function holdsClose() {
        if (_m.quitting || !_m.stopPending)
            return false
        open()
        return true
    }

    function quit() {
        _m.quitting = true
        close()
        appWindow.close()
    }

    objectName: "quitWhileStoppingDialog"
    width: Math.min(parent ? parent.width - 20 : 300, 320)
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape

    contentItem: ColumnLayout {
        Label {
            objectName: "quitWhileStoppingText"
            Layout.fillWidth: true
            text: Words.keepWhole(qsTr("The stop has not reached the mount: it may still be moving. After quitting, nothing sends the stop again."),
                                  inj_languageManager.language)
            wrapMode: Text.WordWrap
        }
    }

    footer: Flow {
        layoutDirection: Qt.RightToLeft
        padding: 8
        spacing: 8

        Button {
            objectName: "stayButton"
            flat: true
            text: qsTr("Stay")
            onClicked: root.close()
        }
        Button {
            objectName: "quitButton"
            flat: true
            text: qsTr("Quit anyway")
            onClicked: root.quit()
        }
    }
}

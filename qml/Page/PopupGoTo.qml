import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."
import "../CommonUI"
import "../Words.js" as Words

// The progress of any GoTo, wherever it came from; it opens and closes with the mount's GoTo
// state, and Cancel only asks the mount to stop. It covers the header's link indicator, so it says
// itself when the mount does not answer, and it stays until the mount has taken the stop that
// ended the GoTo: a stop still on its way leaves the mount moving. While the link does not answer,
// that may take for ever, and the dialog covers Disconnect and Connect, the user's one way to reach
// the mount again: the user may then close it. The stop stays pending and is sent when the link
// comes back; the header's indicator and a toast go on saying that the mount may be moving.
UI_Dialog {
    id: root

    // true while the GoTo on screen has not been cancelled.
    property bool isDone: true

    QtObject {
        id: _m
        readonly property var gotoStatus: inj_gotoStatus
        readonly property var mountConnection: inj_mountConnection
        readonly property var uiSetting: inj_uiSetting
        readonly property var toaster: inj_toaster
        readonly property bool noAnswer: inj_converserTimeoutForwarder.timedout
        readonly property bool stopping: !!mountConnection.mount && mountConnection.mount.stopPending
        // The GoTo is over, its stop has not reached the mount, and the link does not answer.
        readonly property bool stranded: noAnswer && stopping && gotoStatus.done
                                         && mountConnection.connected
        // The details' texts shrink in a short window, down to 70 %, so that they fit above the
        // message and Cancel there too: at full size they would scroll.
        readonly property real textScale: Math.max(0.7, Math.min(1, root.height / 800))
        // Set from open() to close(): the dialog stays visible while it fades out, and the end
        // of a GoTo may be reported more than once.
        property bool showing: false
    }

    function cancel() {
        if (_m.stranded) {
            leave()
            return
        }
        const mount = _m.mountConnection.mount
        if (!mount)
            return
        mount.abortSlewAsync()
        root.isDone = false
    }

    // The back key and Escape are Cancel; the dialog closes when the mount has stopped, or at
    // once when the mount does not answer and the stop is still on its way.
    function back() {
        cancel()
    }

    // Closes without waiting for the stop; the mount keeps it pending. The mount says much the
    // same when its stop goes unanswered, often just before: one notice says it.
    function leave() {
        _m.showing = false
        root.close()
        _m.toaster.show(qsTr("The stop has not reached the mount: it may still be moving. It is sent again until the mount answers."),
                        6000,
                        [qsTranslate("mount", "The mount does not answer and may still be moving. The stop is sent again until it answers.")])
    }

    function follow() {
        if (!_m.gotoStatus.done) {
            if (!_m.showing) {
                _m.showing = true
                root.isDone = true
                root.open()
            }
            return
        }
        // Only the arrival of a GoTo that was on screen is worth an alert: a connect or
        // disconnect also reports "done", and so does a mount lost in the middle of a GoTo, or a
        // GoTo that a client stops before it sends the mount elsewhere (its own GoTo then opens
        // the dialog again and alerts when it arrives).
        if (!_m.showing)
            return
        if (_m.stopping && _m.mountConnection.connected)
            return
        _m.showing = false
        if (root.isDone && _m.mountConnection.connected && _m.gotoStatus.arrived)
            _m.uiSetting.platformAlert()
        root.close()
    }

    // Where the toasts show while the dialog is open.
    readonly property Item toastRoom: room

    modal: true
    closePolicy: Popup.NoAutoClose
    // No transitions: it follows the mount at once. A GoTo may end while the dialog is still
    // opening, and a close during the opening transition is lost; a fading dialog would also
    // leave its modal shade over the window, where the first tap after the GoTo is lost.
    enter: null
    exit: null
    width: parent ? parent.width : 0
    height: parent ? parent.height : 0

    Connections {
        target: _m.gotoStatus
        function onValueChanged() {
            root.follow()
        }
    }
    Connections {
        target: _m
        // Only to close: a stop that settles opens nothing.
        function onStoppingChanged() {
            if (_m.showing)
                root.follow()
        }
    }

    contentItem: ColumnLayout {
        spacing: 10

        // What the GoTo shows scrolls where a long name in a small window would push Cancel off
        // the screen; Cancel stays in reach.
        UI_ScrollColumn {
            objectName: "gotoDetails"
            Layout.fillWidth: true
            Layout.fillHeight: true
            margins: 0
            spacing: 10

            Item {
                Layout.fillHeight: true
            }
            Label {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: qsTr("Go To")
                font.pointSize: Math.round(32 * _m.textScale)
            }
            Label {
                objectName: "targetName"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: _m.gotoStatus.targetName
                font.pointSize: Math.round(28 * _m.textScale)
            }
            // Two fixed labels, not a repeater over a fresh array: the array changes with every
            // position report, and the layout must never hold items that are being replaced.
            Label {
                objectName: "targetPosition1"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: _m.gotoStatus.targetPosition1
                font.pointSize: Math.round(20 * _m.textScale)
                font.bold: true
            }
            Label {
                objectName: "targetPosition2"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: _m.gotoStatus.targetPosition2
                font.pointSize: Math.round(20 * _m.textScale)
                font.bold: true
            }
            Label {
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                text: _m.gotoStatus.remainingAngle
                color: "grey"
                font.pointSize: Math.round(20 * _m.textScale)
            }
            // The message takes the ring's place: nothing is in progress that the ring could show.
            CirProgressBar {
                Layout.alignment: Qt.AlignHCenter
                Layout.preferredWidth: 100
                Layout.preferredHeight: 100
                visible: root.visible && !linkState.visible
            }
            Item {
                Layout.fillHeight: true
            }
        }
        // The toasts show here while the dialog is open (see ToastManager): the dialog fills the
        // window, and anywhere else a toast would cover its texts or Cancel. The room opens as
        // high as the toasts ask, up to a third of the dialog; the details above scroll in what
        // is left.
        Item {
            id: room
            objectName: "toastRoom"
            Layout.fillWidth: true
            Layout.preferredHeight: Math.min(_m.toaster ? _m.toaster.toastsHeight : 0,
                                             root.height / 3)
            visible: Layout.preferredHeight > 0
        }
        // Beside Cancel, not among the details that scroll: the message that the mount does not
        // answer is the one the user must read whole, in the smallest window too.
        Label {
            id: linkState
            objectName: "linkState"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            visible: text !== ""
            text: Words.keepWhole(_m.noAnswer ? qsTr("The mount does not answer. It may still be moving.")
                                              : (_m.stopping && _m.gotoStatus.done ? qsTr("Stopping…") : ""),
                                  inj_languageManager.language)
            font.pointSize: 16
            font.bold: true
        }
        Button {
            objectName: "cancelButton"
            Layout.fillWidth: true
            Layout.minimumHeight: 50
            text: _m.stranded ? qsTr("Close") : qsTr("Cancel")
            onClicked: root.cancel()
        }
    }
}

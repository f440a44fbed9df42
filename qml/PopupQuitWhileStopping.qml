import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "Words.js" as Words

// Asked when the window closes while a stop, or a close of the bulb shutter, has not reached the
// mount: the mount may still be moving or the shutter still open, and once the program has ended
// nothing sends them again. Quit closes anyway; Stay (and the back key or Escape) keeps the
// program, which goes on sending them, and takes remote clients' motions again. Everything taken
// while the question shows ends the program as asked.
//
// A slew that the close itself has just stopped, or a bulb shutter it has just closed, is waited
// for without a word while the link answers: the mount usually takes it at once. The question
// shows if the link falls silent or it is still not taken after a while.
//
// It also tells the user when a disconnection leaves a shutter close pending, since the camera
// page that says so may not be open.
UI_Dialog {
    id: root

    required property var appWindow
    // How long a stop sent by the close itself may take before the question shows.
    property int stopGraceMs: 1500

    QtObject {
        id: _m
        readonly property var mountConnection: inj_mountConnection
        readonly property var camera: inj_cameraControl
        readonly property var mount: !!mountConnection ? mountConnection.mount : null
        readonly property bool stopPending: !!mount && !!mount.stopPending
        readonly property bool shutterPending: !!camera && !!camera.closePending
        readonly property bool pending: stopPending || shutterPending
        readonly property bool linkAnswering: !!mount && mount.linkAnswering !== false
        property bool quitting: false
        // The dialog closes to end the program (Quit, or everything taken), not to stay.
        property bool leaving: false
        // The question was asked and not answered yet, even while it still fades in.
        property bool asking: false

        onPendingChanged: {
            if (!pending && (asking || graceTimer.running)) {
                graceTimer.stop()
                root.endAfterStops()
            }
        }
        onLinkAnsweringChanged: {
            if (!linkAnswering && graceTimer.running) {
                graceTimer.stop()
                root.open()
            }
        }
    }

    Timer {
        id: graceTimer
        interval: root.stopGraceMs
        // Never a held close without an end or a question: a grace that finds nothing pending
        // any more ends the program, as the stop taken during it would have.
        onTriggered: {
            if (_m.quitting)
                return
            if (_m.pending)
                root.open()
            else
                root.endAfterStops()
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

    Connections {
        target: _m.camera
        ignoreUnknownSignals: true
        function onCloseLeftPending() {
            root.appWindow.inj_toaster.show(
                        qsTr("Disconnected before the shutter closed: it may still be open. Connect again to close it."),
                        6000)
        }
    }

    onAboutToShow: {
        _m.asking = true
        _m.leaving = false
    }
    onAboutToHide: {
        _m.asking = false
        // Stay, the back key or Escape: the program goes on.
        if (!_m.leaving)
            inj_endingState.cancel()
    }

    // For the window's close: true when the close is held back, to wait for what is pending or
    // to ask. slewStopped: the close itself has just sent a stop or a shutter close.
    function holdsClose(slewStopped) {
        if (_m.quitting || !_m.pending)
            return false
        if (graceTimer.running)
            return true
        if (slewStopped && _m.linkAnswering && !opened) {
            graceTimer.start()
            return true
        }
        open()
        return true
    }

    // The program was started again while its close is held back: the user wants it after all.
    // The close is let go, and the program stays with its window, as after Stay.
    function keepForANewStart() {
        graceTimer.stop()
        if (opened || _m.asking)
            close()
        inj_endingState.cancel()
    }

    // The user chose to quit: nothing is waited for any more.
    function quit() {
        _m.quitting = true
        _m.leaving = true
        close()
        appWindow.close()
    }

    // What was pending has been taken. The close that follows still lets go of what was set going
    // meanwhile (a remote client may have started a slew during the wait) and waits for that
    // stop in turn, since this close is the last chance to send it. Called on a change of what
    // is pending, the close comes after that change has settled: the stops it sends change it
    // again.
    function endAfterStops() {
        _m.leaving = true
        close()
        Qt.callLater(appWindow.close)
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
            visible: _m.stopPending || !_m.shutterPending
            text: Words.keepWhole(qsTr("The stop has not reached the mount: it may still be moving. After quitting, nothing sends the stop again."),
                                  inj_languageManager.language)
            wrapMode: Text.WordWrap
        }
        Label {
            objectName: "quitWhileShutterOpenText"
            Layout.fillWidth: true
            visible: _m.shutterPending
            text: Words.keepWhole(qsTr("The shutter close has not reached the mount: the shutter may still be open. After quitting, nothing sends the close again."),
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

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."

// Trains the mount's periodic-error correction and shows how long the training has run.
Page {
    id: root

    // Whole seconds as minutes:seconds, the minutes unpadded (100 gives "1:40", 5 gives "0:05").
    function minutesSeconds(totalSeconds) {
        const s = Math.max(0, Math.floor(totalSeconds))
        const rest = s % 60
        return Math.floor(s / 60) + ":" + (rest < 10 ? "0" : "") + rest
    }

    QtObject {
        id: _m
        readonly property var mountConnection: inj_mountConnection
        readonly property var mount: mountConnection.mount
        readonly property bool connected: mountConnection.connected && mount !== null
        readonly property bool supported: connected && mount.supportsPpec
        readonly property bool training: connected && mount.lastPpecTraining
        readonly property real periodSec: connected ? mount.pePeriodSec : 0
        property double startMs: 0
        // Set only after startMs, so that the first display already counts from the new start.
        property bool timersOn: false
        onMountChanged: timersOn = false
    }

    // Timers follow the mount's report, not the button: a start that the mount refuses leaves
    // them off, and a training that the mount ends itself stops them.
    Connections {
        target: _m.mount
        ignoreUnknownSignals: true
        function onLastPpecTrainingChanged() {
            if (_m.mount.lastPpecTraining)
                _m.startMs = Date.now()
            _m.timersOn = _m.mount.lastPpecTraining
        }
        // A Start or Stop that went unanswered on a dead link may have reached the mount all the
        // same: once it answers again, the training is read so that the page shows what the
        // mount holds, not what it last confirmed before the outage.
        function onLinkAnsweringChanged() {
            if (_m.mount.linkAnswering && _m.supported)
                _m.mount.updatePpecTrainingAsync()
        }
    }

    Timer {
        id: displayTimer
        interval: 500
        repeat: true
        triggeredOnStart: true
        running: _m.timersOn && _m.connected
        onTriggered: elapsed.text = root.minutesSeconds((Date.now() - _m.startMs) / 1000)
    }
    Timer {
        id: readTimer
        objectName: "readBackTimer"
        interval: 5000
        repeat: true
        running: _m.timersOn && _m.connected
        onTriggered: _m.mount.updatePpecTrainingAsync()
    }

    UI_ScrollColumn {
        anchors.fill: parent
        spacing: 20

        RowLayout {
            Layout.fillWidth: true
            Label {
                Layout.fillWidth: true
                text: qsTr("PPEC Training")
                wrapMode: Text.WordWrap
            }
            Label {
                objectName: "support"
                text: !_m.connected ? "" : _m.mount.supportsPpec ? qsTr("Supported")
                                                                 : qsTr("Unsupported")
            }
        }
        RowLayout {
            objectName: "timeRequired"
            Layout.fillWidth: true
            visible: _m.connected && _m.periodSec !== 0
            Label {
                Layout.fillWidth: true
                text: qsTr("Training time required")
                wrapMode: Text.WordWrap
            }
            Label {
                objectName: "timeRequiredValue"
                text: root.minutesSeconds(_m.periodSec) + " ~ " + root.minutesSeconds(2 * _m.periodSec)
            }
        }
        Label {
            id: elapsed
            objectName: "elapsed"
            Layout.alignment: Qt.AlignHCenter
            font.pixelSize: 40
            font.family: "Courier"
            text: ""
        }
        BusyIndicator {
            Layout.alignment: Qt.AlignHCenter
            visible: _m.training
            running: _m.training
        }
        Button {
            objectName: "startStop"
            Layout.fillWidth: true
            text: _m.training ? qsTr("Stop") : qsTr("Start")
            enabled: _m.supported
            onClicked: _m.mount.setPpecTrainingAsync(!_m.training)
        }
        Item {
            Layout.fillHeight: true
        }
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Ko.Quorvel
import ".."
import "../CommonUI"
import "../CmdRetPromise.js" as CmdRetPromise

// A trail-point run: it opens when a run starts and stays open with the result until the user
// closes it; the slew pad below lets the user nudge the mount while it follows the trail.
UI_Dialog {
    id: root

    // The last progress of the current run; null until the run reports one.
    property var progress: null

    QtObject {
        id: _m
        readonly property var mountConnection: inj_mountConnection
        readonly property var mount: mountConnection.mount
        readonly property var trailPointsStatus: inj_trailPointsStatus
        readonly property var info: mount ? mount.trailPointsTaskInfo : undefined
        readonly property bool tracking: mount !== null && mount.trailPointsTracking
    }

    function countText(info, progress) {
        if (!info)
            return "\n"
        const done = progress ? progress.donePoints : 0
        const total = info.totalPoints
        const percent = total === 0 ? "" : Math.floor(100 * done / total)
        return "%1/%2\n(%3%)".arg(done).arg(total).arg(percent)
    }

    function stateText(info, progress) {
        if (!info || !progress)
            return ""
        if (info.cmdRet !== undefined)
            return CmdRetPromise.cmdRetType_string(info.cmdRet.type)
        switch (progress.state) {
        case TrailPointsDetailedState.SlewTo:
            return qsTr("Go To")
        case TrailPointsDetailedState.Waiting:
            return qsTr("Waiting")
        case TrailPointsDetailedState.Tracking:
            return qsTr("Tracking")
        default:
            return "~"
        }
    }

    modal: true
    closePolicy: Popup.CloseOnEscape
    focus: true
    width: parent ? parent.width : 0
    height: parent ? parent.height : 0

    // Closing ends the run; once the run is over it must not stop motion that started since.
    onClosed: {
        if (_m.tracking)
            _m.mount.abortSlewAsync()
    }

    Connections {
        target: _m.mount
        ignoreUnknownSignals: true
        function onTrailPointsTaskChanged() {
            if (!_m.mount.trailPointsTracking)
                return
            // A new run starts from nothing, not from where the last one stopped.
            root.progress = null
            root.open()
        }
        function onTrailPointsProgress(p) {
            root.progress = p
        }
    }

    // Scrolls where the window is too short for it above the pad.
    contentItem: UI_ScrollColumn {
        spacing: 8
        margins: 0
        // The platform's back key closes the dialog as "Close" does, and goes no further: it
        // would close the application.
        focus: true
        Keys.onPressed: event => {
            if (event.key === Qt.Key_Back)
                event.accepted = true
        }
        Keys.onReleased: event => {
            if (event.key !== Qt.Key_Back)
                return
            event.accepted = true
            root.close()
        }

        Label {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("Tracking")
            color: "grey"
            font.pointSize: 20
        }
        Label {
            objectName: "objectName"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: _m.info ? _m.info.objectName : ""
            font.pointSize: 28
        }
        Label {
            objectName: "flipWarning"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            visible: _m.mount !== null && _m.mount.mountMode === MountMode.EQ
                     && _m.mount.flippingMode !== FlippingMode.Auto
            text: qsTr("Warning: manual EQ flipping mode")
            color: Material.color(Material.Red)
        }
        // Two fixed labels, not a repeater over a fresh array: the array changes with every
        // position report, and the layout must never hold items that are being replaced.
        Label {
            objectName: "targetPosition1"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: _m.trailPointsStatus.targetPosition1
            font.family: "Courier"
            font.pointSize: 20
            font.bold: true
        }
        Label {
            objectName: "targetPosition2"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: _m.trailPointsStatus.targetPosition2
            font.family: "Courier"
            font.pointSize: 20
            font.bold: true
        }
        Label {
            objectName: "count"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: root.countText(_m.info, root.progress)
        }
        Label {
            objectName: "state"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: root.stateText(_m.info, root.progress)
        }
        CirProgressBar {
            Layout.alignment: Qt.AlignHCenter
            Layout.fillHeight: true
            Layout.minimumHeight: 30
            Layout.maximumHeight: 100
            Layout.preferredWidth: height
            visible: _m.tracking
        }
        Item {
            Layout.fillHeight: true
            visible: !_m.tracking
        }
        Button {
            objectName: "closeButton"
            Layout.fillWidth: true
            text: qsTr("Close")
            onClicked: root.close()
        }
    }

    // The dialog covers the window's pad, so it brings its own: the mount can be nudged while
    // it follows the trail.
    footer: MainFooter {
        objectName: "trailPad"
        parentHeight: root.height
        visible: true
    }
}

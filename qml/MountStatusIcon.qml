import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Ko.Quorvel
import "CommonUI"

// How the mount tracks; a busy indicator while the link's last exchange has timed out, and while
// a stop has not reached the mount (it may still be moving).
Item {
    id: root

    signal clicked

    QtObject {
        id: _m
        readonly property var converserTimeoutForwarder: inj_converserTimeoutForwarder
        readonly property var mountConnection: inj_mountConnection
        readonly property var trackingUI: inj_trackingUI
        readonly property bool isNight: inj_nightManager.isNight
    }

    readonly property bool busy: _m.converserTimeoutForwarder.timedout
                                 || (!!_m.mountConnection.mount && _m.mountConnection.mount.stopPending)
    readonly property string iconName: {
        const mount = _m.mountConnection.mount
        if (!mount || !mount.realTracking)
            return "idle"
        switch (_m.trackingUI.trackingStatus) {
        case TrackingStatus.Sidereal:
            return "sidereal"
        case TrackingStatus.Lunar:
            return "lunar"
        case TrackingStatus.Solar:
            return "solar"
        case TrackingStatus.PointAndTrack:
            return "pointAndTrack"
        }
        return "idle"
    }

    implicitWidth: 40
    implicitHeight: 40

    ImageButton {
        anchors.fill: parent
        visible: !root.busy
        hasPressedColor: false
        iconSource: "qrc:/image/Tracking_icon/" + root.iconName + ".png"
        iconWidth: 32
        iconHeight: 32
        onClicked: root.clicked()
    }

    BusyIndicator {
        anchors.fill: parent
        visible: root.busy
        running: root.busy
        Material.accent: _m.isNight ? "red" : "white"
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Ko.Quorvel
import ".."

// How the mount tracks: off, one of the rates, or following the target of a point-and-track;
// and the periodic-error playback.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var mountConnection: inj_mountConnection
        readonly property var mount: mountConnection.mount
        readonly property bool connected: mountConnection.connected
        // What the ticks show is what the mount took last; meanwhile it may have changed.
        readonly property bool noAnswer: connected && !!mount && !mount.linkAnswering
        readonly property var trackingUI: inj_trackingUI
        readonly property var catalogSettings: inj_catalogSettings
    }

    component RateRow: UI_ListRow {
        id: row
        property string text
        property int status
        property bool selectable: true
        readonly property bool checked: _m.connected && _m.trackingUI.trackingStatus === status

        Layout.fillWidth: true
        RowLayout {
            anchors.fill: parent
            Label {
                Layout.fillWidth: true
                text: row.text
                wrapMode: Text.WordWrap
            }
            UI_Image {
                objectName: "checkMark"
                visible: row.checked
                iconWidth: 21
                iconHeight: 21
                source: "qrc:/image/Common_icon/check.png"
            }
        }
        TapHandler {
            enabled: row.selectable
            onTapped: _m.trackingUI.setTrackingStatus(row.status)
        }
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight
        clip: true

        ColumnLayout {
            id: column
            width: parent.width
            spacing: 0

            Label {
                objectName: "noAnswer"
                Layout.fillWidth: true
                Layout.margins: 10
                visible: _m.noAnswer
                wrapMode: Text.WordWrap
                text: qsTr("The mount does not answer.")
            }

            ColumnLayout {
                objectName: "rates"
                Layout.fillWidth: true
                spacing: 0
                enabled: _m.connected

                RateRow {
                    objectName: "rowIdle"
                    text: qsTr("No Tracking")
                    status: TrackingStatus.Idle
                }
                RateRow {
                    objectName: "rowSidereal"
                    text: qsTr("Sidereal")
                    status: TrackingStatus.Sidereal
                }
                RateRow {
                    objectName: "rowLunar"
                    text: qsTr("Lunar")
                    status: TrackingStatus.Lunar
                }
                RateRow {
                    objectName: "rowSolar"
                    visible: _m.catalogSettings.enableObserveSun
                    text: qsTr("Solar")
                    status: TrackingStatus.Solar
                }
                RateRow {
                    objectName: "rowPointAndTrack"
                    text: qsTr("Point and Track") + (_m.trackingUI.pointAndTrackTarget !== ""
                                                     ? " - " + _m.trackingUI.pointAndTrackTarget : "")
                    status: TrackingStatus.PointAndTrack
                    // Started from an object's page; here it only shows.
                    selectable: false
                    rowBottomDivider: false
                }
            }

            UI_RowSpace {
                Layout.fillWidth: true
            }

            UI_Row {
                id: ppecRow
                Layout.fillWidth: true
                paramText: qsTr("PPEC Playback")
                enabled: _m.mount !== null && _m.mount.supportsPpec

                UI_Switch {
                    id: ppecSwitch
                    objectName: "ppecSwitch"
                    // One write at a time: the switch waits for the mount's answer.
                    enabled: !ppecSetting.writing
                    onToggled: ppecSetting.write(_m.mount ? _m.mount.setPpecPlaybackAsync(checked)
                                                          : null)
                }
            }

            Label {
                objectName: "ppecHint"
                Layout.fillWidth: true
                Layout.margins: 10
                visible: _m.mount !== null && _m.mount.lastPpecPlayback
                wrapMode: Text.WordWrap
                opacity: 0.6
                text: _m.mount ? qsTr("Playback requires up to %n minutes to become stable", "",
                                     Math.ceil(_m.mount.pePeriodSec / 60)) : ""
            }
        }
    }

    MountSetting {
        id: ppecSetting
        confirmed: !!_m.mount && _m.mount.lastPpecPlayback === true
        onShow: value => ppecSwitch.checked = value
    }
}

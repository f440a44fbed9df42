import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// Runs the mount's auto home, with a declination offset in degrees that the user may give.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var mountConnection: inj_mountConnection
        readonly property var mount: mountConnection.mount
        readonly property bool connected: mountConnection.connected && mount !== null
        readonly property bool supported: connected && mount.supportsAutoHome
        readonly property bool running: connected && mount.duringAutoHome
        readonly property bool isNight: inj_nightManager.isNight
        // Blank counts as no offset; anything that is not a number from -180 to 180 is invalid.
        readonly property real offsetDeg: {
            const text = offsetField.text.trim()
            if (text === "")
                return 0
            return /^[+-]?(\d+\.?\d*|\.\d+)$/.test(text) ? Number(text) : NaN
        }
        readonly property bool offsetValid: !isNaN(offsetDeg) && offsetDeg >= -180
                                            && offsetDeg <= 180
    }

    // A tap beside the field puts the on-screen keyboard away.
    MouseArea {
        anchors.fill: parent
        onClicked: {
            offsetField.focus = false
            Qt.inputMethod.hide()
        }
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 20

        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            Label {
                text: qsTr("Dec Offset (Deg)")
            }
            TextField {
                id: offsetField
                objectName: "offset"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                enabled: !_m.running
                inputMethodHints: Qt.ImhFormattedNumbersOnly
                background: Rectangle {
                    implicitHeight: 40
                    color: _m.offsetValid ? "transparent" : Qt.rgba(1, 0, 0, 0.15)
                    Rectangle {
                        anchors.left: parent.left
                        anchors.right: parent.right
                        anchors.bottom: parent.bottom
                        anchors.bottomMargin: 4
                        height: 1
                        color: _m.isNight ? Qt.rgba(1, 0, 0, 0.5) : "grey"
                    }
                }
            }
        }
        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            visible: _m.running
            BusyIndicator {
                running: _m.running
                implicitWidth: 40
                implicitHeight: 40
            }
            Label {
                text: qsTr("Auto Home in progress ...")
            }
        }
        Label {
            objectName: "notSupported"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            visible: _m.connected && !_m.mount.supportsAutoHome
            text: qsTr("Auto Home not supported")
        }
        Button {
            objectName: "startStop"
            Layout.fillWidth: true
            text: _m.running ? qsTr("Stop") : qsTr("Start")
            enabled: _m.supported && (_m.running || _m.offsetValid)
            onClicked: {
                if (_m.running)
                    _m.mount.abortSlewAsync()
                else
                    _m.mount.autoHomeAsync(_m.offsetDeg * Math.PI / 180)
            }
        }
        Item {
            Layout.fillHeight: true
        }
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."
import "../CommonUI"
import "../Words.js" as Words

// Parks the mount where it stands or at home, so that its state survives powering it off.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var mountConnection: inj_mountConnection
        readonly property var mount: mountConnection.mount
        readonly property bool connected: mountConnection.connected && mount !== null
        readonly property bool parked: connected && mount.parked
        readonly property bool isNight: inj_nightManager.isNight
        readonly property color noteColor: isNight ? Qt.rgba(1, 0, 0, 0.6) : "grey"
    }

    // Each change to parked opens the notice once; a mount that was already parked when the page
    // opened says so in the status line only.
    Connections {
        target: _m.mount
        ignoreUnknownSignals: true
        function onParkChanged() {
            if (_m.mount && _m.mount.parked)
                savedDialog.open()
        }
    }

    UI_ScrollColumn {
        anchors.fill: parent
        spacing: 20

        Label {
            objectName: "status"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: 14
            color: _m.noteColor
            text: _m.parked ? qsTr("Hibernate data saved") : qsTr("No hibernate data")
        }
        Button {
            objectName: "parkHere"
            Layout.fillWidth: true
            enabled: _m.connected && !_m.parked
            text: qsTr("At Current Position")
            onClicked: _m.mount.parkAsync(false)
        }
        Button {
            objectName: "parkHome"
            Layout.fillWidth: true
            enabled: _m.connected && !_m.parked
            text: qsTr("At Home Position")
            onClicked: _m.mount.parkAsync(true)
        }
        Label {
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            font.pixelSize: 14
            color: _m.noteColor
            text: Words.keepWhole(qsTr("Hibernate saves the state of the mount to the app before you turn the mount off.")
                                  + "\n" + qsTr("You can optionally move the mount to its home position before hibernating."),
                                  inj_languageManager.language)
        }
        Item {
            Layout.fillHeight: true
        }
    }

    CommonDialog {
        id: savedDialog
        objectName: "savedDialog"
        heading: qsTr("Mount")
        content: qsTr("Hibernate data saved. You can now power off the mount. If instead you move the mount, hibernate data will be removed.")
    }
}

import QtQuick
import QtQuick.Controls

// "Please wait" over the whole window while a service blocks; nothing the user does closes it.
UI_Dialog {
    id: root

    QtObject {
        id: _m
        readonly property var blockingMessage: inj_uiBlockingMessage
    }

    modal: true
    closePolicy: Popup.NoAutoClose
    width: parent ? parent.width : 0
    height: parent ? parent.height : 0
    visible: _m.blockingMessage.showing
    // Keys stop here while it shows, the back key and Escape included.
    focus: true

    function back() {
    }

    contentItem: Item {
        Keys.onPressed: event => event.accepted = true
        Keys.onReleased: event => event.accepted = true

        Label {
            anchors.centerIn: parent
            text: qsTr("Please wait")
            font.pointSize: 24
        }
    }
}

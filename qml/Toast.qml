import QtQuick
import QtQuick.Controls.Material
import "Words.js" as Words

// One notice: fades in, stays for durationMs, fades out and then removes its own entry.
Rectangle {
    id: root

    required property string text
    required property int durationMs
    required property int toastId
    property var manager
    // White on grey by day; at night red on a dark red-black, as every text at night. Shown, it
    // is opaque: at night the page's red text under it would run through its own.
    readonly property bool isNight: inj_nightManager ? inj_nightManager.isNight : false

    // In a band too low for every toast, one that does not fit whole is not drawn: what of its
    // text the band's edge would leave reads as nothing.
    readonly property bool _whole: !manager || !manager.clip
                                   || y - manager.contentY >= -0.5
                                      && y - manager.contentY + height <= manager.height + 0.5

    visible: _whole
    x: 10
    width: (ListView.view ? ListView.view.width : 0) - 20
    height: label.implicitHeight + 10
    radius: 10
    color: isNight ? "#1a0000" : "#222222"
    border.width: isNight ? 1 : 0
    border.color: "#80f44336"
    opacity: 0

    Text {
        id: label
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.margins: 5
        text: Words.keepWhole(root.text, inj_languageManager ? inj_languageManager.language : "")
        objectName: "toastText"
        color: root.isNight ? Material.color(Material.Red) : "white"
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
    }

    SequentialAnimation on opacity {
        running: true
        NumberAnimation {
            from: 0
            to: 1
            duration: 300
        }
        PauseAnimation {
            duration: root.durationMs
        }
        NumberAnimation {
            to: 0
            duration: 300
        }
        onFinished: root.manager.remove(root.toastId)
    }
}

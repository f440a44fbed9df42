import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import "CommonUI"

// A page's own header: back, the title centred on the whole bar when it fits, extra buttons at
// the right.
Item {
    id: root

    property string title: ""
    property alias headerButton: rightSlot.data
    property alias titleLabel: titleLabel
    readonly property int spacing: 5

    signal backClicked

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
        // The left margin that centres the title on the whole bar; negative when it cannot be,
        // on one line clear of the back button and of the buttons at the right.
        readonly property real centringMargin: titleLabel.implicitWidth / 2 <= root.width / 2
            - Math.max(backButton.width, rightSlot.width) - 2 * root.spacing
            ? root.width / 2 - backButton.width - root.spacing - titleLabel.implicitWidth / 2 : -1
    }

    width: parent ? parent.width : implicitWidth
    // Tall enough for the title's lines as wrapped.
    implicitHeight: Math.max(48, titleLabel.contentHeight + 16)

    // The page's own colour, opaque: what the page scrolls up passes under the header, which
    // lies above the page's content, and is hidden there, by day and by night.
    Rectangle {
        objectName: "headerBackground"
        anchors.fill: parent
        color: root.Material.backgroundColor
    }

    ImageButton {
        id: backButton
        objectName: "backButton"
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        width: 44
        height: 44
        iconWidth: 20
        iconHeight: 20
        hasPressedColor: false
        iconSource: "qrc:/icons/app/20x20/back.png"
        onClicked: {
            root.backClicked()
            inj_stackView.pop()
        }
    }

    // A word longer than the room beside the buttons makes the font smaller instead.
    UI_WordFitLabel {
        id: titleLabel
        anchors.left: backButton.right
        anchors.right: rightSlot.left
        anchors.leftMargin: root.spacing + Math.max(0, _m.centringMargin)
        anchors.rightMargin: root.spacing
        anchors.verticalCenter: parent.verticalCenter
        text: root.title
        basePixelSize: 18
        bold: true
        // Without the centring margin, which follows the text's own width.
        roomWidth: rightSlot.x - backButton.x - backButton.width - 2 * root.spacing
        horizontalAlignment: _m.centringMargin >= 0 ? Text.AlignLeft : Text.AlignHCenter
        color: _m.isNight ? "red" : "#dd000000"
    }

    Row {
        id: rightSlot
        anchors.right: parent.right
        anchors.rightMargin: root.spacing
        anchors.verticalCenter: parent.verticalCenter
        spacing: root.spacing
    }
}

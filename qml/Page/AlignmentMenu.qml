import QtQuick
import Ko.Quorvel
import Ko.AstroBase
import "../CommonUI"

// Alignment: the star alignments need a mount; "Align with Sync" opens either way.
// Comes later: qrc:/Page/AlignWithSyncPage.qml.
MenuGrid {
    id: root

    QtObject {
        id: _m
        readonly property var stackView: inj_stackView
        readonly property var mountConnection: inj_mountConnection
        readonly property var alignmentRoutine: inj_alignmentRoutine
        readonly property var alignmentDataContainer: inj_alignmentDataContainer
    }

    readonly property bool connected: _m.mountConnection.connected
    readonly property bool azMount: connected && _m.mountConnection.mount !== null
                                    && _m.mountConnection.mount.mountMode === MountMode.AZ
    readonly property int alignedStarCount: _m.alignmentDataContainer.alignedStarCount
    property alias resetDialog: resetDialog

    aboveGrid: Image {
        objectName: "starCount"
        y: 15
        anchors.horizontalCenter: parent.horizontalCenter
        visible: root.alignedStarCount >= 1 && root.alignedStarCount <= 3
        source: visible ? "qrc:/image/Alignment_icon/starCount" + root.alignedStarCount + ".png" : ""
    }

    MenuButton {
        objectName: "star1"
        text: qsTr("1-Star Alignment")
        iconSource: "qrc:/image/Alignment_icon/star1.png"
        enabled: root.connected
        onClicked: _m.alignmentRoutine.start(AlignmentType.Star1)
    }
    MenuButton {
        objectName: "brightestStar"
        text: qsTr("Brightest Star Alignment")
        iconSource: "qrc:/image/Alignment_icon/brightestStar.png"
        enabled: root.connected
        onClicked: _m.alignmentRoutine.start(AlignmentType.BrightestStar)
    }
    MenuButton {
        objectName: "star2"
        text: root.azMount ? qsTr("North-Level Alignment") : qsTr("2-Star Alignment")
        iconSource: root.azMount ? "qrc:/image/Alignment_icon/northLevel.png"
                                 : "qrc:/image/Alignment_icon/star2.png"
        enabled: root.connected
        onClicked: _m.alignmentRoutine.start(root.azMount ? AlignmentType.NorthLevel : AlignmentType.Star2)
    }
    MenuButton {
        objectName: "star3"
        text: qsTr("3-Star Alignment")
        iconSource: "qrc:/image/Alignment_icon/star3.png"
        enabled: root.connected
        onClicked: _m.alignmentRoutine.start(AlignmentType.Star3)
    }
    MenuButton {
        objectName: "alignWithSync"
        text: qsTr("Align with Sync")
        iconSource: "qrc:/image/Alignment_icon/alignWithSync.png"
        onClicked: _m.stackView.push("qrc:/Page/AlignWithSyncPage.qml")
    }
    MenuButton {
        objectName: "resetAlignment"
        text: qsTr("Reset Alignment")
        iconSource: "qrc:/image/Alignment_icon/resetAlignment.png"
        enabled: root.connected && root.alignedStarCount > 0
        opacity: enabled ? 1 : 0.5
        onClicked: resetDialog.open()
    }

    CommonDialog {
        id: resetDialog
        heading: qsTr("Mount")
        content: qsTr("Are you sure you want to reset alignment?")
        hasCancel: true
        onClicked: {
            _m.alignmentDataContainer.reset()
            close()
        }
    }
}

import QtQuick
import "../CommonUI"

// The mount's utility functions. The PPEC and log pages live as long as the menu.
// Come later: qrc:/Page/PolarScopePage.qml, qrc:/Page/AutoHomePage.qml,
// qrc:/Page/CameraControlPage.qml, qrc:/Page/PpecPage.qml and qrc:/Page/LogPage.qml; until they
// exist their entries open nothing.
MenuGrid {
    id: root

    QtObject {
        id: _m
        readonly property var stackView: inj_stackView
        readonly property var polarAlignmentRoutine: inj_polarAlignmentRoutine
    }

    property Item ppecPage: null
    // No entry opens it; the menu keeps it so that its log stays while the menu lives.
    property Item logPage: null

    Component.onCompleted: {
        ppecPage = makePage("PpecPage")
        logPage = makePage("LogPage")
    }

    MenuButton {
        objectName: "polarScope"
        text: qsTr("Polar Scope")
        iconSource: "qrc:/image/Utility_icon/polarScope.png"
        onClicked: root.open("PolarScopePage")
    }
    MenuButton {
        objectName: "polarAlignment"
        text: qsTr("Polar Alignment")
        iconSource: "qrc:/image/Utility_icon/polarAlignment.png"
        onClicked: _m.polarAlignmentRoutine.start()
    }
    MenuButton {
        objectName: "autoHome"
        text: qsTr("Auto Home")
        iconSource: "qrc:/image/Utility_icon/autoHome.png"
        onClicked: root.open("AutoHomePage")
    }
    MenuButton {
        objectName: "ppec"
        text: qsTr("PPEC")
        iconSource: "qrc:/image/Utility_icon/ppec.png"
        onClicked: root.pushPage(root.ppecPage)
    }
    MenuButton {
        objectName: "cameraControl"
        text: qsTr("Camera Control")
        iconSource: "qrc:/image/Utility_icon/cameraControl.png"
        onClicked: root.open("CameraControlPage")
    }
}

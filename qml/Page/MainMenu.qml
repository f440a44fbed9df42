import QtQuick
import "../CommonUI"

// The first page of the stack: each entry pushes a sub-menu.
MenuGrid {
    id: root

    QtObject {
        id: _m
        readonly property var stackView: inj_stackView
    }

    MenuButton {
        objectName: "alignment"
        text: qsTr("Alignment")
        iconSource: "qrc:/image/Home_icon/alignment.png"
        onClicked: root.open("AlignmentMenu")
    }
    MenuButton {
        objectName: "star"
        text: qsTr("Star")
        iconSource: "qrc:/image/Home_icon/star.png"
        onClicked: root.open("StarMenu")
    }
    MenuButton {
        objectName: "deepSky"
        text: qsTr("Deep Sky")
        iconSource: "qrc:/image/Home_icon/deepSky.png"
        onClicked: root.open("DeepSkyMenu")
    }
    MenuButton {
        objectName: "utility"
        text: qsTr("Utility")
        iconSource: "qrc:/image/Home_icon/utility.png"
        onClicked: root.open("UtilityMenu")
    }
    MenuButton {
        objectName: "userObjects"
        text: qsTr("User Objects")
        iconSource: "qrc:/image/Home_icon/userObjects.png"
        onClicked: root.open("UserObjectsMenu")
    }
    MenuButton {
        objectName: "settings"
        text: qsTr("Settings")
        iconSource: "qrc:/image/Home_icon/settings.png"
        onClicked: root.open("SettingsMenu")
    }
}

import QtQuick
import "../CommonUI"

// The user's own objects, in the sky and on the ground; both pages live as long as the menu.
// Comes later: qrc:/Page/UserObjectsPage.qml; until it exists the entries open nothing.
MenuGrid {
    id: root

    property Item celestialPage: null
    property Item terrestrialPage: null

    Component.onCompleted: {
        celestialPage = makePage("UserObjectsPage", { isAxis: false, profileList: inj_userObject_CE })
        terrestrialPage = makePage("UserObjectsPage", { isAxis: true, profileList: inj_userObject_TE })
    }

    MenuButton {
        objectName: "celestialObjects"
        text: qsTr("Celestial Objects")
        iconSource: "qrc:/image/UserObjects_icon/celestialObjects.png"
        onClicked: root.pushPage(root.celestialPage)
    }
    MenuButton {
        objectName: "terrestrialObjects"
        text: qsTr("Terrestrial Objects")
        iconSource: "qrc:/image/UserObjects_icon/terrestrialObjects.png"
        onClicked: root.pushPage(root.terrestrialPage)
    }
}

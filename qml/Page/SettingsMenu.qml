import QtQuick
import "../CommonUI"

// The settings pages; only the Wi-Fi page needs a mount that carries a Wi-Fi module.
// Come later: qrc:/Page/UserInterfacePage.qml, qrc:/Page/ConnectSettingsPage.qml,
// qrc:/Page/WifiConfigPage.qml, qrc:/Page/AltitudeLimitPage.qml, qrc:/Page/BacklashPage.qml,
// qrc:/Page/AdvancedPage.qml and inj_pageLocation (set by the window).
MenuGrid {
    id: root

    QtObject {
        id: _m
        readonly property var stackView: inj_stackView
        readonly property var mountConnection: inj_mountConnection
    }

    MenuButton {
        objectName: "userInterface"
        text: qsTr("User Interface")
        iconSource: "qrc:/image/Setting_icon/userInterface.png"
        onClicked: root.open("UserInterfacePage")
    }
    MenuButton {
        objectName: "connectSettings"
        text: qsTr("Connect Settings")
        iconSource: "qrc:/image/Setting_icon/connectSettings.png"
        onClicked: root.open("ConnectSettingsPage")
    }
    MenuButton {
        objectName: "wifi"
        text: qsTr("Quorvel Wi-Fi")
        iconSource: "qrc:/image/Setting_icon/wifi.png"
        enabled: _m.mountConnection.hasWifi
        opacity: enabled ? 1 : 0.5
        onClicked: root.open("WifiConfigPage")
    }
    MenuButton {
        objectName: "location"
        text: qsTr("Location")
        iconSource: "qrc:/image/Setting_icon/location.png"
        onClicked: root.pushPage(inj_pageLocation)
    }
    MenuButton {
        objectName: "altitudeLimit"
        text: qsTr("Altitude Limit")
        iconSource: "qrc:/image/Setting_icon/altitudeLimit.png"
        onClicked: root.open("AltitudeLimitPage")
    }
    MenuButton {
        objectName: "backlash"
        text: qsTr("Backlash")
        iconSource: "qrc:/image/Setting_icon/backlash.png"
        onClicked: root.open("BacklashPage")
    }
    // Keeps "Advanced" in its grid place.
    MenuButton {}
    MenuButton {
        objectName: "advancedSettings"
        text: qsTr("Advanced")
        iconSource: "qrc:/image/Setting_icon/advanced.png"
        onClicked: root.open("AdvancedPage")
    }
}

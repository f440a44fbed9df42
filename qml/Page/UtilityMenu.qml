import QtQuick
import "../CommonUI"

// Information pages, tracking, tonight's best, identification, the mount's utilities and help.
// Come later: inj_trackingPage (set by the window), qrc:/Page/HibernatePage.qml and
// qrc:/Page/PMSharingPage.qml; until they exist their entries open nothing.
MenuGrid {
    id: root

    QtObject {
        id: _m
        readonly property var stackView: inj_stackView
        readonly property var mountConnection: inj_mountConnection
        readonly property var pointAndGo: inj_pointAndGo
        readonly property var helpFile: inj_helpFile
        readonly property var toaster: inj_toaster
    }

    readonly property bool connected: _m.mountConnection.connected
    // The device's direction is only known on phones and tablets.
    readonly property bool handheld: Qt.platform.os === "android" || Qt.platform.os === "ios"
    property Item pmSharingPage: null

    // Only phones and tablets carry the help browser; elsewhere help opens outside.
    function openHelp() {
        if (root.handheld && inj_pageBrowserHelp) {
            _m.stackView.push(inj_pageBrowserHelp)
            return
        }
        // Said only once the desktop has taken the page: where no program opens web pages,
        // a notice that it opens would be the user's only answer.
        if (_m.helpFile.openInExternalApp())
            _m.toaster.show(qsTr("Opening page in external app..."))
        else
            _m.toaster.show(qsTr("The help page cannot be opened: no program here opens web pages."))
    }

    Component.onCompleted: pmSharingPage = makePage("PMSharingPage")

    MenuButton {
        objectName: "information"
        text: qsTr("Information")
        iconSource: "qrc:/image/Utility_icon/information.png"
        onClicked: root.pushPage(inj_informationPage)
    }
    MenuButton {
        objectName: "tracking"
        text: qsTr("Tracking")
        iconSource: "qrc:/image/Utility_icon/tracking.png"
        enabled: root.connected
        opacity: enabled ? 1 : 0.5
        onClicked: root.pushPage(inj_trackingPage)
    }
    MenuButton {
        objectName: "tonightBest"
        text: qsTr("Tonight's Best")
        iconSource: "qrc:/image/Utility_icon/tonightBest.png"
        onClicked: root.open("TonightBestPage")
    }
    MenuButton {
        objectName: "pointAndGo"
        text: qsTr("Point and Go")
        iconSource: "qrc:/image/Utility_icon/pointAndGo.png"
        enabled: root.connected && root.handheld
        opacity: enabled ? 1 : 0.5
        onClicked: _m.pointAndGo.startGoTo()
    }
    MenuButton {
        objectName: "identify"
        text: qsTr("Identify")
        iconSource: "qrc:/image/Utility_icon/identify.png"
        onClicked: root.open("IdentifyPage")
    }
    MenuButton {
        objectName: "hibernate"
        text: qsTr("Hibernate")
        iconSource: "qrc:/image/Utility_icon/hibernate.png"
        enabled: root.connected
        opacity: enabled ? 1 : 0.5
        onClicked: root.open("HibernatePage")
    }
    MenuButton {
        objectName: "pmSharing"
        text: qsTr("PM Sharing")
        iconSource: "qrc:/image/Utility_icon/pmSharing.png"
        onClicked: root.pushPage(root.pmSharingPage)
    }
    MenuButton {
        objectName: "advanced"
        text: qsTr("Advanced")
        iconSource: "qrc:/image/Utility_icon/advanced.png"
        onClicked: root.open("AdvancedMenu")
    }
    MenuButton {
        objectName: "help"
        text: qsTr("Help")
        iconSource: "qrc:/image/Utility_icon/help.png"
        onClicked: root.openHelp()
    }
}

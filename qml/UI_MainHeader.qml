import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Ko.AstroBase
import Ko.Quorvel
import "CommonUI"
import "Page"

// The main header: developer entry, back, connect, and the information, status and catalog
// filter buttons.
ToolBar {
    id: root

    QtObject {
        id: _m
        readonly property var iConnectable: inj_iConnectable
        readonly property var mountConnection: inj_mountConnection
        readonly property var connectSettings: inj_connectSettings
        readonly property var catalogSettings: inj_catalogSettings
        readonly property var stackView: inj_stackView
        readonly property var mainUIUtil: inj_mainUIUtil
        readonly property var nightManager: inj_nightManager
    }

    // Clicks on the developer entry; the eleventh opens the developer page.
    property int devClickCount: 0
    // The developer settings page, pushed as an item.
    property Item devSettingPage: DevSettingPage {
        visible: false
    }
    // The catalog filter popup, opened below the header's right edge; the catalog pages bring it.
    property var popupFilter: null
    readonly property string connectText: {
        const mount = _m.mountConnection.mount
        if (!_m.mountConnection.connected || !mount)
            return qsTr("Connect")
        if (mount.mountMode === MountMode.AZ)
            return qsTr("Alt-Az Mode")
        if (mount.mountMode === MountMode.EQ)
            return qsTr("Equatorial Mode")
        return "?"
    }
    readonly property var catalogMenu: _m.mainUIUtil.showCatalogMenu.value
    readonly property bool showCatalogButton: catalogMenu === 1 || catalogMenu === 2

    function devEntryClicked() {
        if (devClickCount < 10) {
            ++devClickCount
            return
        }
        devButton.text = "Test"
        _m.stackView.ensureShow(devSettingPage)
    }

    visible: _m.mainUIUtil.showHeader.value
    background: Rectangle {
        color: _m.nightManager.barColor
    }
    Keys.onReleased: event => inj_handleBackKey(event)

    Timer {
        interval: 100
        running: true
        onTriggered: {
            if (_m.connectSettings.connectAtLaunch)
                _m.iConnectable.startSession()
        }
    }

    Item {
        anchors.fill: parent
        implicitHeight: 48

        Row {
            id: leftGroup
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter

            Button {
                id: devButton
                objectName: "devEntry"
                width: 40
                height: 40
                flat: true
                visible: _m.stackView.depth < 2
                background: Item {}
                // "Test" fits the 40 pixels whole, in the bar's text colour: red at night like
                // every control, not the tool bar's light text.
                leftPadding: 0
                rightPadding: 0
                font.capitalization: Font.MixedCase
                Material.foreground: _m.nightManager.isNight ? Material.color(Material.Red) : "white"
                onClicked: root.devEntryClicked()
            }
            ImageButton {
                objectName: "backButton"
                width: 40
                height: 40
                visible: _m.stackView.depth >= 2
                hasPressedColor: false
                iconSource: "qrc:/icons/app/20x20/back.png"
                iconWidth: 20
                iconHeight: 20
                onClicked: _m.stackView.pop()
            }
        }

        InnerAnchorLayout {
            id: middle
            anchors.left: leftGroup.right
            anchors.right: rightGroup.left
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            hCenterAnchor: root.width / 2 - x

            Button {
                objectName: "connectButton"
                // At least 120 wide, wider for a mode's name that needs it (as in German), as far as
                // the middle space allows.
                width: Math.min(middle.width, Math.max(120, implicitContentWidth + leftPadding
                                                       + rightPadding))
                height: 35
                text: root.connectText
                font.pixelSize: 14
                font.capitalization: Font.MixedCase
                topInset: 0
                bottomInset: 0
                leftPadding: 2
                rightPadding: 2
                font.weight: Font.Normal
                font.letterSpacing: 0
                Material.background: _m.nightManager.isNight ? "#303030" : "white"
                // The tool bar gives its children light text; the button has its own background.
                Material.foreground: _m.nightManager.isNight ? Material.color(Material.Red) : "#dd000000"
                onClicked: _m.iConnectable.startSession()
                onWidthChanged: middle.place()
            }
        }

        Row {
            id: rightGroup
            anchors.right: parent.right
            anchors.rightMargin: 4
            anchors.verticalCenter: parent.verticalCenter
            spacing: 5

            ImageButton {
                objectName: "informationButton"
                width: 40
                height: 40
                visible: !root.catalogMenu
                hasPressedColor: false
                iconSource: "qrc:/image/Home_icon/frStatusHeader0.png"
                iconWidth: 32
                iconHeight: 32
                onClicked: {
                    if (inj_informationPage)
                        _m.stackView.ensureShow(inj_informationPage)
                }
            }
            MountStatusIcon {
                objectName: "mountStatusIcon"
                onClicked: {
                    if (inj_trackingPage)
                        _m.stackView.ensureShow(inj_trackingPage)
                }
            }
            ImageButton {
                objectName: "catalogFilterButton"
                width: 40
                height: 40
                visible: root.showCatalogButton
                hasPressedColor: false
                iconSource: _m.catalogSettings.enableAltRangeViewFilter || _m.catalogSettings.enableVmagFilter
                            ? "qrc:/image/Home_icon/catalog_menu_filtered.png"
                            : "qrc:/image/Home_icon/catalog_menu.png"
                iconWidth: 35
                iconHeight: 35
                onClicked: {
                    if (!root.popupFilter)
                        return
                    root.popupFilter.x = root.width - root.popupFilter.width
                    root.popupFilter.y = root.height
                    root.popupFilter.open()
                }
            }
        }
    }

    // The connection session's popup and the two questions it may ask.
    PopupConnect {
        id: popupConnect
        objectName: "popupConnect"
        questions: [popupMountMode, popupLoadParkData]
    }
    PopupMountMode {
        id: popupMountMode
        objectName: "popupMountMode"
    }
    PopupLoadParkData {
        id: popupLoadParkData
        objectName: "popupLoadParkData"
    }
}

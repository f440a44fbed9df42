import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."

// Where the pole star stands in the polar scope now, and its illuminator.
Page {
    id: root

    property alias hemisphere: drawing.hemisphere

    QtObject {
        id: _m
        readonly property var mainUIUtil: inj_mainUIUtil
        readonly property var appCore: inj_appCore
        readonly property var mount: inj_mountConnection.mount
    }

    StackView.onActivated: _m.mainUIUtil.showHeader.push(false)
    StackView.onDeactivated: _m.mainUIUtil.showHeader.pop()

    header: UI_PageHeader {
        title: qsTr("Polar Clock Utility")
    }

    // The page exists for the reticle: where the slew pad leaves too little room for it at a
    // size that can be read, the page scrolls instead of shrinking it.
    UI_ScrollColumn {
        objectName: "scroll"
        anchors.fill: parent
        margins: 0
        spacing: 0

        PolarScope_Drawing {
            id: drawing
            objectName: "drawing"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: implicitHeight
            active: root.StackView.visible
        }
        UI_Slider {
            id: light
            objectName: "illuminator"
            Layout.fillWidth: true
            rowBottomDivider: false
            titleText: qsTr("Polar Scope Illuminator")
            valueText: value === 0 ? qsTr("Off") : value.toFixed(0)
            valueMin: 0
            valueMax: 10
            stepSize: 1
            enabled: _m.mount !== null && _m.mount.hasPolarScopeLED()
            onHasChanged: lightSetting.write(_m.mount ? _m.mount.setPolarLEDBrightness(
                                                           Math.round(value) / 10) : null)
        }
    }

    // The light the mount took, which the store holds only once it has. Set by hand, not by a
    // binding: the slider puts its value back after a tap on its handle, which would end one.
    MountSetting {
        id: lightSetting
        confirmed: Math.round(_m.appCore.pScopeLight * 10)
        onShow: value => light.value = value
    }
}

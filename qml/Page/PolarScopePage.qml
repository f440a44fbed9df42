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

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        PolarScope_Drawing {
            id: drawing
            objectName: "drawing"
            Layout.fillWidth: true
            Layout.fillHeight: true
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
            value: Math.round(_m.appCore.pScopeLight * 10)
            enabled: _m.mount !== null && _m.mount.hasPolarScopeLED()
            onHasChanged: {
                const v = Math.round(value)
                if (_m.mount)
                    _m.mount.setPolarLEDBrightness(v / 10)
                _m.appCore.pScopeLight = v / 10
            }
        }
    }
}

import QtQuick
import QtQuick.Controls
import ".."
import "../Util.js" as Util

// The backlash of each axis, from 0 to half a degree in steps of one arcminute.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var appCore: inj_appCore
        readonly property var mountConnection: inj_mountConnection
    }

    readonly property bool connected: _m.mountConnection.connected && !!_m.mountConnection.mount
    readonly property real maxRad: Util.degToRad(0.5)

    StackView.onActivated: {
        axis1Slider.value = _m.appCore.backlashAxis1
        axis2Slider.value = _m.appCore.backlashAxis2
    }

    Column {
        anchors.fill: parent

        UI_Slider {
            id: axis1Slider
            objectName: "axis1Slider"
            enabled: root.connected
            titleText: qsTr("Azimuth/R.A.")
            valueText: _m.appCore.backlash_getText(value)
            valueMin: 0
            valueMax: root.maxRad
            stepSize: root.maxRad / 30
            onHasChanged: _m.appCore.backlashAxis1 = value
        }
        UI_Slider {
            id: axis2Slider
            objectName: "axis2Slider"
            enabled: root.connected
            titleText: qsTr("Altitude/Dec")
            valueText: _m.appCore.backlash_getText(value)
            valueMin: 0
            valueMax: root.maxRad
            stepSize: root.maxRad / 30
            onHasChanged: _m.appCore.backlashAxis2 = value
        }
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Ko.Quorvel
import Ko.AstroBase

// One object's details, with a GoTo to it and, on an alt-azimuth mount, a point-and-track. The
// window makes one and every list opens its objects through go().
Page {
    id: root

    QtObject {
        id: _m
        readonly property var stackView: inj_stackView
        readonly property var mountConnection: inj_mountConnection
        readonly property var objectInfoList: inj_objectInfoList
    }

    readonly property bool connected: _m.mountConnection.connected
    readonly property var prohibition: _m.objectInfoList.slewToProhibition
    readonly property bool slewAllowed: connected && prohibition === undefined
    readonly property string prohibitionText: {
        if (!connected || prohibition === undefined)
            return ""
        return prohibition === SlewToProhibition.TooCloseToSun ? qsTr("Too close to Sun")
                                                               : qsTr("Altitude outside of limits")
    }

    function go(ao) {
        _m.objectInfoList.astroObjShow(ao)
        _m.stackView.ensureShow(root)
    }

    background: Pane {}
    StackView.onActivated: _m.objectInfoList.setUpdating(true)
    StackView.onDeactivated: _m.objectInfoList.setUpdating(false)

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Button {
            objectName: "goTo"
            Layout.fillWidth: true
            Layout.margins: 10
            Layout.bottomMargin: 0
            text: qsTr("Go To")
            enabled: root.slewAllowed
            onClicked: _m.objectInfoList.startGoTo()
        }
        Label {
            objectName: "prohibition"
            Layout.fillWidth: true
            visible: text !== ""
            text: root.prohibitionText
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
        }
        Button {
            objectName: "pointAndTrack"
            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            visible: root.connected && _m.mountConnection.mount !== null
                     && _m.mountConnection.mount.mountMode === MountMode.AZ
            text: qsTr("Point and Track")
            enabled: root.slewAllowed
            onClicked: _m.objectInfoList.startPointAndTrack()
        }
        SectionListView {
            objectName: "sections"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.topMargin: 10
            model: _m.objectInfoList.listModel
        }
    }
}

import QtQuick
import QtQuick.Controls

// Where the mount points, the pole star, the clocks, the pointing model and the versions.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var generalInfoList: inj_generalInfoList
    }

    background: Pane {}
    StackView.onActivated: _m.generalInfoList.setUpdating(true)
    StackView.onDeactivated: _m.generalInfoList.setUpdating(false)

    SectionListView {
        objectName: "sections"
        anchors.fill: parent
        model: _m.generalInfoList.listModel
    }
}

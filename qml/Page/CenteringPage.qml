import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."

// "Manually Center": the user brings the target to the middle of the eyepiece with the slew pad
// and confirms.
AlignWorkflowPage {
    id: root

    property string targetName
    property string coord
    // Closed while another page covered it: the pages above stay, and this one leaves the stack
    // the moment it would show again, so Back never brings back a target the mount has left.
    property bool _closed: false

    QtObject {
        id: _m
        readonly property var stub: inj_centeringUIStub
        readonly property var oriSensor: inj_oriSensor
    }

    Connections {
        target: _m.stub
        function onShouldShow(targetName, coord) {
            root._closed = false
            root.targetName = targetName
            root.coord = coord
            root.show()
        }
        function onShouldInclusivePop() {
            if (root.StackView.status === StackView.Inactive && root.StackView.index >= 0)
                root._closed = true
            else
                root.remove()
        }
    }

    // Runs right after the pop that uncovers the page: the stack view takes no pop in the middle
    // of another.
    function _removeIfClosed() {
        if (_closed && StackView.status === StackView.Active)
            remove()
    }

    opacity: _closed ? 0 : 1
    StackView.onActivating: {
        if (_closed)
            Qt.callLater(_removeIfClosed)
    }
    StackView.onRemoved: {
        _closed = false
        _m.stub.onRemoved()
    }

    StackView.onActivated: {
        // A closed page is on its way out: it neither unfolds the pad nor reads the sensor.
        if (_closed)
            return
        if (inj_mainFooter)
            inj_mainFooter.requestDisplay(true)
        _m.oriSensor.requestPeriodicUpdate(true)
    }
    StackView.onDeactivated: {
        _m.stub.onClose()
        _m.oriSensor.requestPeriodicUpdate(false)
    }

    component IconLine: RowLayout {
        property alias iconSource: icon.source
        property alias text: label.text
        Layout.alignment: Qt.AlignHCenter
        Layout.maximumWidth: root.width - 20
        spacing: 10
        UI_Image {
            id: icon
            iconWidth: 30
            iconHeight: 30
        }
        Label {
            id: label
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            font.pointSize: 16
        }
    }

    UI_ScrollColumn {
        anchors.fill: parent
        spacing: 12

        Item {
            Layout.fillHeight: true
        }
        Label {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("Manually Center")
            font.pointSize: 16
        }
        Label {
            objectName: "targetName"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: root.targetName
            font.pointSize: 16
            font.bold: true
        }
        IconLine {
            objectName: "coord"
            iconSource: "qrc:/image/Common_icon/telescope.png"
            text: root.coord
        }
        IconLine {
            iconSource: "qrc:/image/Common_icon/device.png"
            text: _m.oriSensor.azAltString
        }
        Item {
            Layout.fillHeight: true
        }
        Button {
            objectName: "centerButton"
            Layout.fillWidth: true
            Layout.minimumHeight: 40
            enabled: root.connected && _m.stub.centerButtonReady
            onClicked: _m.stub.center()
            contentItem: Item {
                implicitHeight: 36
                Row {
                    anchors.centerIn: parent
                    spacing: 8
                    opacity: parent.parent.enabled ? 1 : 0.4
                    UI_Image {
                        iconWidth: 30
                        iconHeight: 30
                        source: "qrc:/image/Common_icon/telescope.png"
                    }
                    UI_Image {
                        iconWidth: 30
                        iconHeight: 30
                        source: "qrc:/image/Common_icon/check.png"
                    }
                }
            }
        }
    }
}

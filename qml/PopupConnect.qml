import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// The user's side of a connection session: status, found devices, Connect/Disconnect and Cancel.
// Closing it in any other way than the session ending cancels the session.
UI_Dialog {
    id: root

    // The questions the session may ask while it runs (mount mode, hibernate data). While one is
    // open it takes this popup's place: this one stays open, so that the session goes on, but
    // shows nothing and takes no input until the answer.
    property var questions: []
    readonly property bool covered: questions.some(q => q && q.visible)

    QtObject {
        id: _m
        readonly property var iConnectable: inj_iConnectable
        readonly property bool isNight: inj_nightManager.isNight
        readonly property var mountConnection: inj_mountConnection
        // While a mount is connected there is nothing to choose: a helper may still hold the
        // list of its last search (empty once the link is taken), which would read "No Device
        // Found" under "Connected".
        readonly property bool hasDevices: iConnectable.devicesList !== undefined
            && iConnectable.devicesList !== null && !mountConnection.connected
        readonly property var devices: hasDevices ? iConnectable.devicesList : []
        property bool closingOnDone: false
        property int selectedRow: -1
        // Both buttons are as wide as the wider one needs.
        readonly property real buttonWidth: Math.max(nextActionButton.implicitWidth,
                                                     cancelButton.implicitWidth)
        // Side by side where the window has room for both (and the popup's margins), else one
        // above the other: "DÉCONNECTER" and "ANNULER" side by side are wider than the smallest
        // window, and Cancel lay past its edge.
        readonly property real room: root.parent ? root.parent.width - 20 : Number.MAX_VALUE
        readonly property bool sideBySide: 2 * buttonWidth + 10 + 50 <= room
    }

    modal: true
    // No transitions: a session that ends while the popup is still opening must close it, and a
    // close during the opening transition is lost.
    enter: null
    exit: null
    // Escape reaches a popup that has the focus.
    focus: true
    padding: 0
    topPadding: 0
    opacity: covered ? 0 : 1
    enabled: !covered
    // The question dims the page itself; two dimmings would darken it twice.
    Overlay.modal: Rectangle {
        color: root.covered ? "transparent"
                            : _m.isNight ? "#40800000" : root.Material.backgroundDimColor
    }

    onAboutToHide: {
        if (!_m.closingOnDone)
            _m.iConnectable.cancelSession()
    }
    onAboutToShow: _m.selectedRow = -1

    Connections {
        target: _m.iConnectable
        function onSessionStarted() {
            root.open()
        }
        function onSessionDone() {
            _m.closingOnDone = true
            root.close()
            _m.closingOnDone = false
        }
        function onDevicesListChanged() {
            _m.selectedRow = -1
        }
    }

    contentItem: ColumnLayout {
        spacing: 12

        Item {
            // Wider where the buttons' texts need it.
            implicitWidth: Math.max(220, _m.sideBySide ? 2 * _m.buttonWidth + 10
                                                       : _m.buttonWidth) + 50
            implicitHeight: column.implicitHeight + 50

            ColumnLayout {
                id: column
                anchors.fill: parent
                anchors.margins: 25
                spacing: 12

                Label {
                    objectName: "statusText"
                    Layout.fillWidth: true
                    text: qsTranslate("mount", _m.iConnectable.statusText)
                    font.pointSize: 22
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignHCenter
                }
                Label {
                    objectName: "statusDetailText"
                    Layout.fillWidth: true
                    visible: text !== ""
                    text: qsTranslate("mount", _m.iConnectable.statusDetailText)
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignHCenter
                }
                Rectangle {
                    objectName: "deviceBox"
                    Layout.fillWidth: true
                    Layout.preferredHeight: 120
                    visible: _m.hasDevices
                    color: _m.isNight ? "black" : "white"
                    border.width: 1
                    border.color: _m.isNight ? "red" : "grey"

                    ListView {
                        id: deviceList
                        objectName: "deviceList"
                        anchors.fill: parent
                        anchors.margins: 1
                        clip: true
                        model: _m.devices
                        delegate: Rectangle {
                            required property var modelData
                            required property int index
                            width: deviceList.width
                            height: 44
                            color: index === _m.selectedRow ? "#40808080" : "transparent"
                            Label {
                                anchors.fill: parent
                                anchors.margins: 10
                                text: modelData.title
                                elide: Text.ElideRight
                                verticalAlignment: Text.AlignVCenter
                            }
                            MouseArea {
                                anchors.fill: parent
                                onClicked: {
                                    _m.selectedRow = index
                                    _m.iConnectable.selectDevice(index)
                                }
                            }
                        }
                    }
                    Label {
                        objectName: "noDevice"
                        anchors.centerIn: parent
                        visible: deviceList.count === 0
                        text: qsTr("No Device Found")
                    }
                }
                GridLayout {
                    objectName: "buttons"
                    Layout.fillWidth: true
                    columns: _m.sideBySide ? 2 : 1
                    columnSpacing: 10
                    rowSpacing: 0
                    Button {
                        id: nextActionButton
                        objectName: "nextActionButton"
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        Layout.minimumWidth: _m.buttonWidth
                        leftPadding: 4
                        rightPadding: 4
                        enabled: !_m.iConnectable.busy
                        text: qsTranslate("mount", _m.iConnectable.nextActionText)
                        onClicked: _m.iConnectable.startNextAction()
                    }
                    Button {
                        id: cancelButton
                        objectName: "cancelButton"
                        Layout.fillWidth: true
                        Layout.preferredWidth: 1
                        Layout.minimumWidth: _m.buttonWidth
                        leftPadding: 4
                        rightPadding: 4
                        enabled: !_m.iConnectable.busy
                        text: qsTr("Cancel")
                        onClicked: _m.iConnectable.cancelSession()
                    }
                }
            }
        }
    }
}

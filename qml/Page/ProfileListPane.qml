import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import ".."
import "../CommonUI"

// A titled list of the user's entries with a bar to add and to edit: in edit mode each row
// deletes its entry and the arrows move the current row. The pane never changes the list itself:
// it hands the whole new list to its owner, who stores it and gives it back as listModel.
ColumnLayout {
    id: root

    property var listModel: []
    property string toolbarText: ""
    property string saveButtonText: qsTr("Save")
    property bool paneEditEnabled: true
    // What a row's button reads in normal mode.
    property string rowButtonText: ""
    property bool rowButtonsVisible: true
    // A tap on a row in edit mode makes it the current row.
    property bool tapSelectsRow: false
    // Disabled arrows are drawn at 20 % opacity.
    property bool dimDisabledArrows: false
    // The left part of a row; it sees modelData and index.
    property Component rowContent: null
    property bool editMode: false
    readonly property alias currentIndex: list.currentIndex
    readonly property int rowCount: list.count
    // The title bar and the line under it: what the pane needs above its rows.
    readonly property real headerHeight: bar.height + divider.height
    // The title bar with its buttons, for toasts to keep clear of.
    readonly property Item actionBar: bar
    // One row of the list.
    readonly property real rowHeight: 48

    signal requestLoadProfile(int index)
    signal requestSaveProfile
    signal requestUpdateList(var array)

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
        readonly property color textColor: isNight ? Material.color(Material.Red) : "#dd000000"
        // The row the highlight follows after the owner hands the new list back.
        property int keepIndex: 0
    }

    function _copy() {
        const a = []
        for (let i = 0; i < listModel.length; ++i)
            a.push(listModel[i])
        return a
    }

    function deleteRow(index) {
        const a = _copy()
        a.splice(index, 1)
        _m.keepIndex = Math.min(list.currentIndex, a.length - 1)
        requestUpdateList(a)
    }

    // by -1 moves the current row up, +1 down.
    function moveCurrent(by) {
        const from = list.currentIndex
        const to = from + by
        if (from < 0 || to < 0 || to >= listModel.length)
            return
        const a = _copy()
        const row = a[from]
        a[from] = a[to]
        a[to] = row
        _m.keepIndex = to
        requestUpdateList(a)
    }

    function _restoreIndex() {
        list.currentIndex = Math.max(0, Math.min(_m.keepIndex, list.count - 1))
    }

    // After the view has taken the new list, which resets its current row.
    onListModelChanged: Qt.callLater(_restoreIndex)

    spacing: 0

    Rectangle {
        id: bar
        Layout.fillWidth: true
        implicitHeight: Math.max(48, toolbar.implicitHeight)
        color: "transparent"
        enabled: root.paneEditEnabled

        GridLayout {
            id: toolbar
            readonly property real buttonsWidth: root.editMode
                ? upButton.implicitWidth + downButton.implicitWidth + doneButton.implicitWidth
                : saveButton.implicitWidth + editButton.implicitWidth
            // The label's widest word at its full size: where it would not fit beside the
            // buttons, the label takes a row of its own rather than shrinking to a cut word.
            readonly property real widestWord: {
                let widest = 0
                for (const word of root.toolbarText.split(/\s+/))
                    widest = Math.max(widest, labelMetrics.advanceWidth(word))
                return widest
            }
            readonly property bool narrow: buttonsWidth > width * 2 / 3
                                           || buttonsWidth + widestWord > width
            anchors.fill: parent
            anchors.leftMargin: 10
            anchors.rightMargin: 4
            columnSpacing: 0
            rowSpacing: 0
            // The label and the buttons of the mode; narrow, the filler takes the label's place
            // on the buttons' own row.
            columns: 1 + (root.editMode ? 3 : 2)

            // Takes a second line where the language needs it, beside the buttons, or the whole
            // first row, above them, where they leave it less than a third of the bar.
            FontMetrics {
                id: labelMetrics
                font: toolbarLabel._font(1)
            }
            UI_WordFitLabel {
                id: toolbarLabel
                Layout.fillWidth: true
                Layout.columnSpan: toolbar.narrow ? toolbar.columns : 1
                text: root.toolbarText
                color: _m.textColor
                bold: true
                maximumLineCount: 2
                elide: Text.ElideRight
            }
            // Keeps the buttons at the right on their own row.
            Item {
                visible: toolbar.narrow
                Layout.fillWidth: true
            }
            ToolButton {
                id: saveButton
                objectName: "saveButton"
                visible: !root.editMode
                text: root.saveButtonText
                onClicked: root.requestSaveProfile()
            }
            ToolButton {
                id: editButton
                objectName: "editButton"
                visible: !root.editMode
                text: qsTr("Edit")
                onClicked: {
                    _m.keepIndex = 0
                    list.currentIndex = 0
                    root.editMode = true
                }
            }
            ImageButton {
                id: upButton
                objectName: "upButton"
                visible: root.editMode
                enabled: list.currentIndex > 0
                opacity: root.dimDisabledArrows && !enabled ? 0.2 : 1
                hasPressedColor: false
                implicitWidth: 40
                implicitHeight: 40
                iconSource: "qrc:/icons/app/20x20/arrow_up.png"
                iconWidth: 20
                iconHeight: 20
                onClicked: root.moveCurrent(-1)
            }
            ImageButton {
                id: downButton
                objectName: "downButton"
                visible: root.editMode
                enabled: list.currentIndex >= 0 && list.currentIndex < list.count - 1
                opacity: root.dimDisabledArrows && !enabled ? 0.2 : 1
                hasPressedColor: false
                implicitWidth: 40
                implicitHeight: 40
                iconSource: "qrc:/icons/app/20x20/arrow_down.png"
                iconWidth: 20
                iconHeight: 20
                onClicked: root.moveCurrent(1)
            }
            ToolButton {
                id: doneButton
                objectName: "doneButton"
                visible: root.editMode
                text: qsTr("Done")
                onClicked: root.editMode = false
            }
        }
    }

    UI_RowDivider {
        id: divider
        Layout.fillWidth: true
    }

    ListView {
        id: list
        objectName: "profileList"
        Layout.fillWidth: true
        Layout.fillHeight: true
        clip: true
        model: root.listModel
        highlightMoveVelocity: 400
        highlightFollowsCurrentItem: true
        highlight: Rectangle {
            color: "grey"
            opacity: 0.2
            visible: root.editMode
        }
        ScrollIndicator.vertical: ScrollIndicator {}

        delegate: Item {
            id: row
            required property var modelData
            required property int index
            width: ListView.view.width
            height: root.rowHeight

            MouseArea {
                anchors.fill: parent
                enabled: root.editMode && root.tapSelectsRow
                onClicked: list.currentIndex = row.index
            }

            Loader {
                anchors.left: parent.left
                anchors.leftMargin: 10
                anchors.right: rowButton.left
                anchors.rightMargin: 6
                anchors.verticalCenter: parent.verticalCenter
                sourceComponent: root.rowContent
                property var modelData: row.modelData
                property int index: row.index
            }

            Button {
                id: rowButton
                objectName: "rowButton"
                anchors.right: parent.right
                anchors.rightMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                visible: root.rowButtonsVisible
                flat: true
                text: root.editMode ? qsTr("Delete") : root.rowButtonText
                onClicked: {
                    if (root.editMode)
                        root.deleteRow(row.index)
                    else
                        root.requestLoadProfile(row.index)
                }
            }

            Rectangle {
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                anchors.leftMargin: 10
                anchors.rightMargin: 10
                height: 1
                color: _m.isNight ? "red" : "grey"
                opacity: 0.5
            }
        }
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// A single-line field on an underline, with an optional search icon and clear button.
TextField {
    id: root

    property bool isOnlyNumber: false
    property bool hasIconSearch: false
    property bool hasCloseBtn: false

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    // Not being edited, the field shows the start of its text. A text set from outside, or left
    // with the cursor at its end, would otherwise show its end where it does not fit: the fixed
    // address 192.168.4.1 read as "2.168.4.1".
    function _showStart() {
        if (!activeFocus)
            cursorPosition = 0
    }
    Component.onCompleted: _showStart()
    onTextChanged: _showStart()
    onActiveFocusChanged: _showStart()

    leftPadding: hasIconSearch ? 35 : 10
    // A greyed field has no use for its clear button; its text takes the room.
    rightPadding: hasCloseBtn && enabled ? 35 : 10
    inputMethodHints: isOnlyNumber ? Qt.ImhFormattedNumbersOnly : Qt.ImhNone
    selectByMouse: true
    // The dark style's hint is grey; at night it is a dimmed red like every other text.
    placeholderTextColor: _m.isNight ? "#a0b01010" : Material.hintTextColor

    background: Item {
        implicitWidth: 120
        implicitHeight: 50
        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            height: 1
            color: root.activeFocus ? root.Material.accentColor : _m.isNight ? "red" : "grey"
            opacity: _m.isNight ? 0.5 : 1
        }
    }

    UI_Image {
        anchors.left: parent.left
        anchors.leftMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        visible: root.hasIconSearch
        iconWidth: 20
        iconHeight: 20
        source: "qrc:/icons/app/20x20/search.png"
    }

    ImageButtonClear {
        objectName: "clearButton"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        visible: root.hasCloseBtn && root.enabled
        // Clearing starts the typing of a new text: the field is being edited while it shows none.
        onClicked: {
            root.clear()
            root.forceActiveFocus()
        }
    }

    component ImageButtonClear: Item {
        signal clicked
        width: 30
        height: 30
        UI_Image {
            anchors.centerIn: parent
            iconWidth: 16
            iconHeight: 16
            source: "qrc:/icons/app/20x20/close x.png"
        }
        MouseArea {
            anchors.fill: parent
            onClicked: parent.clicked()
        }
    }
}

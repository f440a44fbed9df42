import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import "CommonUI"

// A number field between a decrement and an increment button. The buttons only offer the next
// number through showText, held within the validator's range; the owner decides what to show.
TextField {
    id: root

    property real adjParam: 0

    signal showText(real value)

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    function _offer(direction) {
        let current = parseFloat(text)
        if (isNaN(current))
            current = 0
        // Rounded so that repeated decimal steps do not collect binary noise.
        let next = Number((current + direction * adjParam).toFixed(10))
        if (validator && validator.bottom !== undefined)
            next = Math.max(validator.bottom, next)
        if (validator && validator.top !== undefined)
            next = Math.min(validator.top, next)
        showText(next)
    }

    implicitWidth: Math.max(150, contentWidth + leftPadding + rightPadding)
    horizontalAlignment: TextInput.AlignHCenter
    inputMethodHints: Qt.ImhFormattedNumbersOnly
    leftPadding: 40
    rightPadding: 40
    selectByMouse: true

    background: Item {
        implicitWidth: 150
        implicitHeight: 50
        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.leftMargin: 40
            anchors.rightMargin: 40
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 10
            height: 1
            color: root.activeFocus ? root.Material.accentColor : _m.isNight ? "red" : "grey"
            opacity: _m.isNight ? 0.5 : 1
        }
    }

    ImageButton {
        objectName: "decrementButton"
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        width: 36
        height: 36
        iconWidth: 20
        iconHeight: 20
        hasPressedColor: false
        iconSource: "qrc:/icons/app/20x20/back.png"
        enabled: root.enabled
        onClicked: root._offer(-1)
    }

    ImageButton {
        objectName: "incrementButton"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: 36
        height: 36
        iconWidth: 20
        iconHeight: 20
        hasPressedColor: false
        iconSource: "qrc:/icons/app/20x20/back.png"
        rotation: 180
        enabled: root.enabled
        onClicked: root._offer(1)
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import "CommonUI"

// A number field between a decrement and an increment button. The buttons only offer the next
// number through showText, held within the range; the owner decides what to show.
UI_NumberField {
    id: root

    property real adjParam: 0

    signal showText(real value)

    function _offer(direction) {
        let current = numberOf(text)
        if (current === undefined)
            current = parseFloat(text.replace(",", "."))
        if (isNaN(current))
            current = 0
        // Rounded so that repeated decimal steps do not collect binary noise.
        const next = Number((current + direction * adjParam).toFixed(10))
        showText(Math.min(maxValue, Math.max(minValue, next)))
        // A step of the buttons is a value the user chose, not one passed on the way.
        if (keeps)
            _taken = keptValue
    }

    implicitWidth: Math.max(150, contentWidth + leftPadding + rightPadding)
    horizontalAlignment: TextInput.AlignHCenter
    leftPadding: 40
    rightPadding: 40
    sideInset: 40

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

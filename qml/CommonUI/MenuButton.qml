import QtQuick
import QtQuick.Layouts

// A menu tile: icon above, text below, sized from the menu page.
ImageButton {
    property real pageWidth: parent ? parent.width : 0
    property real pageHeight: parent ? parent.height : 0

    textUnderIcon: true
    hasPressedColor: false
    implicitWidth: pageWidth * 0.3
    implicitHeight: pageHeight * 0.2
    iconWidth: pageWidth * 0.17
    Layout.alignment: Qt.AlignCenter
}

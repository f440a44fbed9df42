import QtQuick
import QtQuick.Layouts

// A menu tile: icon above, text below, sized from the menu page. In a grid it takes its cell's
// width and, up to the icon with three lines of text, its height; the icon and then the text
// shrink in a shorter cell, so that the text stays inside the tile.
ImageButton {
    property real pageWidth: parent ? parent.width : 0
    property real pageHeight: parent ? parent.height : 0

    textUnderIcon: true
    hasPressedColor: false
    iconWidth: pageWidth * 0.17
    iconHeight: iconWidth
    implicitWidth: pageWidth * 0.3
    implicitHeight: iconHeight + labelGap + labelRoom
    Layout.fillWidth: true
    Layout.fillHeight: true
    Layout.maximumHeight: implicitHeight
    Layout.alignment: Qt.AlignCenter
}

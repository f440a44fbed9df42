import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A page's column that scrolls when the page is too short for it (the slew pad takes half of a
// small window) and otherwise fills the page as a plain column would: items that fill the height
// share what is left, and get nothing while it scrolls. Fill the page with it and give it the
// page's items.
Flickable {
    id: root

    default property alias content: column.data
    property alias spacing: column.spacing
    property real margins: 10

    contentWidth: width
    contentHeight: Math.max(height, column.implicitHeight + 2 * margins)
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollIndicator.vertical: ScrollIndicator {}

    ColumnLayout {
        id: column
        x: root.margins
        y: root.margins
        width: root.width - 2 * root.margins
        height: root.contentHeight - 2 * root.margins
    }
}

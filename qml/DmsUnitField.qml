import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A number field of an angle entry row with its unit ("°", "′", "h") close after it, closer than
// the row spaces its items: at the smallest window the row needs that room for its fields.
RowLayout {
    id: root

    property alias field: field
    property alias unit: unit.text

    spacing: 2
    Layout.fillWidth: true
    Layout.minimumWidth: implicitWidth
    Layout.maximumWidth: field.Layout.maximumWidth + spacing + unit.implicitWidth

    DmsField {
        id: field
    }
    Label {
        id: unit
        Layout.minimumWidth: implicitWidth
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material

// A tab button whose text takes a second line rather than being cut short: the names of the
// tabs are long in several languages and the tabs share the page's width.
TabButton {
    id: control

    leftPadding: 4
    rightPadding: 4
    contentItem: Text {
        text: control.text
        font: control.font
        color: !control.enabled ? control.Material.hintTextColor
                                : control.down || control.checked ? control.Material.accentColor
                                                                  : control.Material.foreground
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
        maximumLineCount: 2
        elide: Text.ElideRight
    }
}

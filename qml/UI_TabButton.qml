import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import "Words.js" as Words

// A tab button whose text takes a second line rather than being cut short: the names of the
// tabs are long in several languages and the tabs share the page's width. Lines break between
// words only (a Japanese word held together, see Words.js); a word longer than the tab, or a
// third line, makes the font smaller instead.
TabButton {
    id: control

    leftPadding: 4
    rightPadding: 4
    contentItem: Text {
        text: Words.keepWhole(control.text, inj_languageManager.language)
        font: control.font
        color: !control.enabled ? control.Material.hintTextColor
                                : control.down || control.checked ? control.Material.accentColor
                                                                  : control.Material.foreground
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        // The tab's height bounds the lines: a text that would need more gets a smaller font,
        // never an ellipsis in the middle of its second word.
        fontSizeMode: Text.Fit
        minimumPointSize: 7
        minimumPixelSize: 9
    }
}

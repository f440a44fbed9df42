import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../CommonUI"
import ".."
import "../Words.js" as Words

// Title and value rows grouped under section headers that stay at the top while their rows
// scroll under them. A row without a title centres its value across the row.
ListView {
    id: root

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    clip: true
    boundsBehavior: Flickable.StopAtBounds
    section.property: "category"
    section.criteria: ViewSection.FullString
    section.labelPositioning: ViewSection.InlineLabels | ViewSection.CurrentLabelAtStart
    // The header reads the view's context property "section": a required property is not
    // updated on the headers the view reuses, which then kept the sections' old names after a
    // change of language.
    section.delegate: UI_InfoHeader {
        width: ListView.view.width
        title: section
        z: 2
    }
    ScrollIndicator.vertical: ScrollIndicator {}

    delegate: Item {
        id: row
        required property string title
        required property string value
        required property bool firstItemInSection

        width: ListView.view.width
        // Two-line values (coordinates of date) and wrapped titles get the room they need. The
        // labels' row keeps its own height, centred: filling the row's height, which follows
        // theirs, was a binding loop.
        height: Math.max(40, labels.implicitHeight + 8)

        Rectangle {
            visible: !row.firstItemInSection
            x: 10
            width: parent.width - 20
            height: 1
            color: _m.isNight ? "red" : "grey"
            opacity: 0.5
        }

        RowLayout {
            id: labels
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            anchors.leftMargin: 10
            anchors.rightMargin: 10
            spacing: 10

            // Lines break between words; a word wider than its half of the row makes the font
            // smaller ("Uhrzeigerposition" came out split in two).
            UI_WordFitLabel {
                id: titleLabel
                objectName: "title"
                visible: row.title !== ""
                Layout.preferredWidth: (row.width - 30) / 2
                text: Words.keepWhole(row.title, inj_languageManager.language)
                horizontalAlignment: Text.AlignRight
                verticalAlignment: Text.AlignVCenter
                color: _m.isNight ? "red" : "grey"
                opacity: _m.isNight ? 0.7 : 1
            }
            UI_WordFitLabel {
                id: valueLabel
                objectName: "value"
                Layout.fillWidth: true
                text: Words.keepWhole(row.value, inj_languageManager.language)
                horizontalAlignment: row.title !== "" ? Text.AlignLeft : Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
        }
    }
}

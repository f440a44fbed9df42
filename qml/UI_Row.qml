import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "Words.js" as Words

// A labelled setting: the label at the left, the row's own children after it.
Pane {
    id: root

    property string paramText: ""
    // -1 keeps the label's natural width.
    property real paramTextWidth: -1
    property bool rowTopDivider: false
    property bool rowBottomDivider: true
    property alias paramLabel: label
    default property alias content: row.data

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
    }

    // What the row's own controls need at least (a combo box its longest choice): a label of a
    // set width gives way to them and wraps, rather than pushing them past the row's edge.
    readonly property real _othersMinimum: {
        let sum = 0
        for (let i = 0; i < row.children.length; ++i) {
            const c = row.children[i]
            if (c !== label && c.visible)
                sum += Math.max(0, c.Layout.minimumWidth) + row.spacing
        }
        return sum
    }
    readonly property real _labelWidth: Math.max(40, Math.min(paramTextWidth,
                                                             row.width - _othersMinimum))

    width: parent ? parent.width : implicitWidth
    Layout.fillWidth: true
    padding: 0
    implicitWidth: row.implicitWidth + 20
    implicitHeight: Math.max(50, row.implicitHeight + 12)

    Rectangle {
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        height: 1
        visible: root.rowTopDivider
        color: _m.isNight ? "red" : "grey"
        opacity: _m.isNight ? 0.5 : 1
    }

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        spacing: 10

        // A word longer than the label's width makes the font smaller rather than running
        // under the row's controls.
        UI_WordFitLabel {
            id: label
            visible: root.paramText !== ""
            text: Words.keepWhole(root.paramText, inj_languageManager.language)
            roomWidth: root.paramTextWidth >= 0 ? root._labelWidth : row.width * 0.6
            Layout.preferredWidth: root.paramTextWidth >= 0 ? root._labelWidth : implicitWidth
            Layout.maximumWidth: root.paramTextWidth >= 0 ? root._labelWidth : row.width * 0.6
            Layout.alignment: Qt.AlignVCenter

            // Tapping beside a field is how a user puts the keyboard away.
            TapHandler {
                onTapped: Qt.inputMethod.hide()
            }
        }
    }

    UI_RowDivider {
        anchors.bottom: parent.bottom
        visible: root.rowBottomDivider
    }
}

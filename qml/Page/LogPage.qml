import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// The program's log file: read, copied to the clipboard or cleared.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var logPage: inj_logPage
    }

    readonly property alias copyButton: copyButton

    function refresh() {
        logText.text = _m.logPage.logString()
    }

    // The file grows while the page is away; each visit shows it as it is then.
    StackView.onActivated: refresh()

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 5
        spacing: 5

        // At the right, Clear below Copy where the two do not fit on a line; Copy then takes the
        // page's width and gives up most of its padding, then makes its text smaller.
        GridLayout {
            id: buttons
            Layout.alignment: Qt.AlignRight
            Layout.fillWidth: columns === 1
            // Measured with Copy's own padding, which it gives up only on a line of its own.
            columns: copyButton.implicitContentWidth + 2 * copyButton.horizontalPadding
                     + clearButton.implicitWidth + columnSpacing <= root.width - 10 ? 2 : 1
            columnSpacing: 5
            rowSpacing: 0
            Button {
                id: copyButton
                objectName: "copy"
                Layout.alignment: Qt.AlignRight
                Layout.fillWidth: buttons.columns === 1
                leftPadding: buttons.columns === 2 ? horizontalPadding : 2
                rightPadding: leftPadding
                text: qsTr("Copy to Clipboard")
                contentItem: Text {
                    text: copyButton.text
                    font: copyButton.font
                    color: copyButton.enabled ? copyButton.Material.foreground
                                              : copyButton.Material.hintTextColor
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 9
                    elide: Text.ElideRight
                }
                onClicked: _m.logPage.copyToClipboard()
            }
            Button {
                id: clearButton
                objectName: "clear"
                Layout.alignment: Qt.AlignRight
                text: qsTr("Clear")
                onClicked: {
                    _m.logPage.clearLog()
                    root.refresh()
                }
            }
        }
        // The lines wrap at the page's width; only the height scrolls.
        Flickable {
            id: logView
            Layout.fillWidth: true
            Layout.fillHeight: true
            contentWidth: width
            contentHeight: logText.height
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}
            TextArea {
                id: logText
                width: logView.width
                objectName: "logText"
                readOnly: true
                selectByMouse: true
                wrapMode: TextEdit.Wrap
                font.pixelSize: 12
            }
        }
    }
}

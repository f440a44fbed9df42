import QtQuick
import QtQuick.Controls
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

        RowLayout {
            Layout.alignment: Qt.AlignRight
            Button {
                id: copyButton
                objectName: "copy"
                text: qsTr("Copy to Clipboard")
                onClicked: _m.logPage.copyToClipboard()
            }
            Button {
                objectName: "clear"
                text: qsTr("Clear")
                onClicked: {
                    _m.logPage.clearLog()
                    root.refresh()
                }
            }
        }
        ScrollView {
            Layout.fillWidth: true
            Layout.fillHeight: true
            TextArea {
                id: logText
                objectName: "logText"
                readOnly: true
                selectByMouse: true
                wrapMode: TextEdit.Wrap
                font.pixelSize: 12
            }
        }
    }
}

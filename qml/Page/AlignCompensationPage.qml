import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."
import "../Util.js" as Util

// The six terms of the pointing model in arc minutes; the collimation (CH) and non-perpendicular
// (NP) terms may be corrected by hand.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var mountConnection: inj_mountConnection
        readonly property bool connected: mountConnection.connected
        readonly property var container: inj_alignmentDataContainer
    }

    // Any text as a term the model accepts: a number from -18000 to 18000 with one decimal.
    function corrected(text) {
        let v = parseFloat(text)
        if (isNaN(v))
            v = 0
        return Util.fixedText(Math.min(18000, Math.max(-18000, v)), 1)
    }

    function fill() {
        for (const row of [idRow, chRow, npRow, melRow, mazRow, tiltRow]) {
            row.field.text = _m.connected ? Util.fixedText(_m.container[row.term], 1) : "0.0"
            row.field.edited = false
        }
    }

    // Only a term the user changed goes back: writing both would store the rounded values and
    // overwrite a model that changed while the page was open.
    function writeEdited() {
        if (!_m.connected)
            return
        for (const row of [chRow, npRow]) {
            if (row.field.edited)
                _m.container[row.term] = Number(corrected(row.field.text))
            row.field.edited = false
        }
    }

    StackView.onActivated: fill()
    StackView.onDeactivated: writeEdited()

    Connections {
        target: _m.mountConnection
        function onMountChanged_q() {
            root.fill()
        }
    }

    component TermRow: UI_Row {
        id: row
        property string term
        property bool readOnly: true
        readonly property alias field: input
        Layout.fillWidth: true
        paramTextWidth: root.width / 2 - 20

        UI_TextInput {
            id: input
            property bool edited: false
            objectName: row.term
            readOnly: row.readOnly
            Layout.fillWidth: true
            isOnlyNumber: true
            validator: DoubleValidator {
                bottom: -18000
                top: 18000
                decimals: 1
                notation: DoubleValidator.StandardNotation
                locale: "C"
            }
            onTextEdited: edited = true
            onActiveFocusChanged: text = root.corrected(text)
        }
    }

    Flickable {
        anchors.fill: parent
        contentHeight: fields.implicitHeight
        clip: true

        ColumnLayout {
            id: fields
            width: parent.width
            spacing: 0

            TermRow {
                id: idRow
                paramText: qsTr("ID(arcmin)")
                term: "idAmin"
            }
            TermRow {
                id: chRow
                paramText: qsTr("CH(arcmin)")
                term: "chAmin"
                readOnly: !_m.connected
            }
            TermRow {
                id: npRow
                paramText: qsTr("NP(arcmin)")
                term: "npAmin"
                readOnly: !_m.connected
            }
            TermRow {
                id: melRow
                paramText: qsTr("Mel(arcmin)")
                term: "melAmin"
            }
            TermRow {
                id: mazRow
                paramText: qsTr("Maz(arcmin)")
                term: "mazAmin"
            }
            TermRow {
                id: tiltRow
                paramText: qsTr("Tilt(arcmin)")
                term: "tiltAmin"
                rowBottomDivider: false
            }
        }
    }
}

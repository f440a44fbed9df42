import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."

// Developer page of the alt-azimuth tracking loop: its three gains and the newest samples of the
// loop's terms for each axis.
Page {
    id: root

    // values[axis][channel][index], as texts; rebuilt on every new sample.
    property var values: []

    QtObject {
        id: _m
        readonly property var testAZTracking: inj_testAZTracking
        readonly property var channels: testAZTracking.streamChannels
        readonly property int length: testAZTracking.streamLength
    }

    function cellText(v) {
        return (Math.abs(v) < 1e-20 ? 0 : v).toExponential(2)
    }

    function readStream() {
        const all = []
        for (let axis = 0; axis < 2; ++axis) {
            const rows = []
            for (let c = 0; c < _m.channels.length; ++c) {
                const row = []
                for (let i = 0; i < _m.length; ++i)
                    row.push(cellText(_m.testAZTracking.streamValue(c, i, axis)))
                rows.push(row)
            }
            all.push(rows)
        }
        root.values = all
    }

    Component.onCompleted: readStream()

    Connections {
        target: _m.testAZTracking
        function onStreamChanged() {
            root.readStream()
        }
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight
        contentWidth: Math.max(width, column.implicitWidth)
        clip: true

        ColumnLayout {
            id: column
            width: Math.max(root.width, implicitWidth)
            spacing: 4

            Label {
                Layout.margins: 10
                text: "AZ tracking parameter"
                font.bold: true
            }

            Repeater {
                model: [{ name: "P", gain: "p", setter: "setP" },
                        { name: "I", gain: "i", setter: "setI" },
                        { name: "D", gain: "d", setter: "setD" }]

                RowLayout {
                    required property var modelData
                    Layout.leftMargin: 10
                    Layout.rightMargin: 10
                    Label {
                        Layout.preferredWidth: 40
                        text: modelData.name
                    }
                    SpinBox {
                        objectName: "gain" + modelData.name
                        editable: true
                        from: 0
                        to: 5000
                        stepSize: 10
                        value: Math.round(_m.testAZTracking[modelData.gain] * 1000)
                        textFromValue: (v, locale) => Number(v / 1000).toLocaleString(locale, "f", 3)
                        valueFromText: (text, locale) => Math.round(Number.fromLocaleString(locale, text) * 1000)
                        validator: DoubleValidator {
                            bottom: 0
                            top: 5
                            decimals: 3
                            notation: DoubleValidator.StandardNotation
                        }
                        onValueModified: _m.testAZTracking[modelData.setter](value / 1000)
                    }
                }
            }

            Repeater {
                model: 2

                ColumnLayout {
                    id: axisBlock
                    required property int index
                    Layout.margins: 10

                    Label {
                        text: "Axis " + (axisBlock.index + 1)
                        font.bold: true
                    }
                    GridLayout {
                        columns: _m.length + 1
                        columnSpacing: 6
                        rowSpacing: 2

                        Repeater {
                            model: _m.channels.length * (_m.length + 1)

                            Label {
                                required property int index
                                readonly property int channel: Math.floor(index / (_m.length + 1))
                                readonly property int column: index % (_m.length + 1)
                                Layout.preferredWidth: column === 0 ? implicitWidth : 100
                                horizontalAlignment: column === 0 ? Text.AlignLeft : Text.AlignRight
                                font.family: "Courier"
                                font.pointSize: 12
                                text: {
                                    if (column === 0)
                                        return _m.channels[channel]
                                    const axis = root.values[axisBlock.index]
                                    return axis ? axis[channel][column - 1] : ""
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."

// Developer page: a generated sweep in hour angle, followed as a trail-point run.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var testTrailPoints: inj_testTrailPoints
        readonly property var mount: inj_mountConnection.mount
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight
        clip: true

        ColumnLayout {
            id: column
            width: parent.width
            spacing: 0

            Label {
                Layout.fillWidth: true
                Layout.margins: 10
                wrapMode: Text.WordWrap
                text: "Make test trail points and track.\nThe generated trail\n"
                      + "- moves from HA start to HA end\n- does not move in Dec direction"
            }

            Repeater {
                model: [
                    { label: "HA Abs Rate (Deg/sec)", name: "absRateDps", setter: "setAbsRateDps",
                      bottom: 0, top: Infinity },
                    { label: "Points interval (millisec)", name: "intervalMs", setter: "setIntervalMs",
                      bottom: 1, top: Infinity },
                    { label: "HA start (deg)", name: "haStartDeg", setter: "setHaStartDeg",
                      bottom: -180, top: 180 },
                    { label: "HA end (deg)", name: "haEndDeg", setter: "setHaEndDeg",
                      bottom: -180, top: 180 }
                ]

                UI_Row {
                    required property var modelData
                    Layout.fillWidth: true
                    paramText: modelData.label
                    paramTextWidth: root.width / 2

                    UI_TextInput {
                        objectName: modelData.name
                        Layout.fillWidth: true
                        isOnlyNumber: true
                        text: _m.testTrailPoints[modelData.name]
                        validator: DoubleValidator {
                            bottom: modelData.bottom
                            top: modelData.top
                            notation: DoubleValidator.StandardNotation
                            locale: "C"
                        }
                        onEditingFinished: _m.testTrailPoints[modelData.setter](Number(text))
                    }
                }
            }

            Button {
                objectName: "startButton"
                Layout.fillWidth: true
                Layout.margins: 10
                text: "Start"
                enabled: _m.mount !== null && _m.mount.canTrackTrailPoints
                onClicked: _m.testTrailPoints.start()
            }
        }
    }
}

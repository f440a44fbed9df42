import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import ".."
import "../CommonUI"

// One exposure group. There is no cancel: whatever the fields hold when the page is left is
// written back to the group and handed to the owner.
Page {
    id: root

    property var profile: null

    signal requestSaveProfile

    QtObject {
        id: _m
        readonly property var mainUIUtil: inj_mainUIUtil
        readonly property bool isNight: inj_nightManager.isNight
    }

    // An empty field, or one that is no number, gives 0.
    function fieldValue(field) {
        const n = Number(field.text)
        return isFinite(n) && field.text.trim() !== "" ? Math.round(n) : 0
    }

    function fillFields() {
        if (!profile)
            return
        enabledSwitch.checked = profile.enExposure
        photosField.text = String(profile.photos)
        exposureField.text = String(Math.round(profile.exposureSec))
        pauseField.text = String(Math.round(profile.photoIntervalSec))
    }

    function writeFields() {
        if (!profile)
            return
        profile.enExposure = enabledSwitch.checked
        profile.photos = fieldValue(photosField)
        profile.exposureSec = fieldValue(exposureField)
        profile.photoIntervalSec = fieldValue(pauseField)
    }

    StackView.onActivated: {
        _m.mainUIUtil.showHeader.push(false)
        _m.mainUIUtil.showFooter.push(false)
        fillFields()
    }
    StackView.onDeactivated: {
        writeFields()
        _m.mainUIUtil.showHeader.pop()
        _m.mainUIUtil.showFooter.pop()
        requestSaveProfile()
    }

    header: UI_PageHeader {
        title: qsTr("Exposure Group")
    }

    component NumberRow: UI_Row {
        id: numberRow
        property url icon
        property alias field: numberField
        paramTextWidth: root.width / 2 - 20
        UI_Image {
            source: numberRow.icon
            iconWidth: 24
            iconHeight: 24
        }
        UI_TextInput {
            id: numberField
            Layout.fillWidth: true
            horizontalAlignment: TextInput.AlignHCenter
            isOnlyNumber: true
            validator: IntValidator {
                bottom: 0
                top: 999999
            }
        }
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: column
            width: parent.width
            spacing: 0

            UI_Row {
                paramText: qsTr("Enabled")
                Item {
                    Layout.fillWidth: true
                }
                UI_Switch {
                    id: enabledSwitch
                    objectName: "enabledSwitch"
                }
            }
            NumberRow {
                id: photosRow
                paramText: qsTr("Photos")
                icon: "qrc:/image/Camera_icon/photos.png"
            }
            NumberRow {
                id: exposureRow
                paramText: qsTr("Exposure (Sec)")
                icon: "qrc:/image/Camera_icon/exposure.png"
            }
            NumberRow {
                id: pauseRow
                paramText: qsTr("Photo Pause (Sec)")
                icon: "qrc:/image/Camera_icon/pause.png"
            }
        }
    }

    readonly property alias photosField: photosRow.field
    readonly property alias exposureField: exposureRow.field
    readonly property alias pauseField: pauseRow.field
}

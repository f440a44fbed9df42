import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Controls.Material
import ".."

// Language, night mode, footer padding and haptic feedback.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var languageManager: inj_languageManager
        readonly property var nightManager: inj_nightManager
        readonly property var uiSetting: inj_uiSetting
    }

    readonly property real labelWidth: width / 2 - 20
    // Copied once: the list does not change while the program runs.
    readonly property var languages: Array.from(_m.languageManager.availableLanguages)

    // The slider's place for the stored padding: on its step where the padding is one a step
    // gives (13 px, step 11), between two steps where none does (11 px, between 10 and 13).
    // Pixels p come of the last step at or below the place of p when that step lies beyond the
    // place of p - 1. Ten and a hundred pixels come back a hair above their steps.
    function paddingPosition() {
        const px = _m.uiSetting.footerPadding
        const position = _m.uiSetting.padding_PxToEx(px)
        const step = Math.floor(position + 1e-9)
        return px <= 1 || step > _m.uiSetting.padding_PxToEx(px - 1) ? step : position
    }

    StackView.onActivated: {
        paddingSlider.value = paddingPosition()
        vibrationSwitch.checked = _m.uiSetting.feedbackUtil
        keepScreenOnSwitch.checked = _m.uiSetting.keepScreenOn
    }

    Flickable {
        anchors.fill: parent
        contentHeight: content.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: content
            width: parent.width

            UI_Row {
                paramText: qsTr("Language")
                paramTextWidth: root.labelWidth

                UI_ComboBox {
                    id: languageBox
                    objectName: "languageBox"
                    Layout.fillWidth: true
                    model: root.languages.map(entry => entry.nativeName)
                    currentIndex: root.languages.findIndex(
                                      entry => entry.languageCode === _m.languageManager.language)
                    Material.foreground: _m.nightManager.isNight ? Material.Red : "#dd000000"
                    onActivated: index => _m.languageManager.language = root.languages[index].languageCode
                }
            }
            UI_Row {
                paramText: qsTr("Night Mode")
                paramTextWidth: root.labelWidth

                UI_TranslatableComboBox {
                    id: nightBox
                    objectName: "nightBox"
                    Layout.fillWidth: true
                    tr_model: [{
                            "text": QT_TR_NOOP("Off"),
                            "value": NightManager.Setting.Off
                        }, {
                            "text": QT_TR_NOOP("On"),
                            "value": NightManager.Setting.On
                        }, {
                            "text": QT_TR_NOOP("Auto"),
                            "value": NightManager.Setting.Auto
                        }]
                    tr_modelToString: item => qsTr(item.text)
                    Component.onCompleted: tr_setFromValue(_m.nightManager.setting)
                    onActivated: index => _m.nightManager.setting = tr_model[index].value
                }
            }
            UI_Slider {
                id: paddingSlider
                objectName: "paddingSlider"
                titleText: qsTr("Footer Padding")
                valueText: String(_m.uiSetting.footerPadding)
                valueMin: 0
                valueMax: 20
                stepSize: 1
                // Only the user's moves are stored, not the page placing the handle: stored at
                // every change of the value, a padding between two steps became the step below
                // at a mere look. A drag ends on a step; a key moves the handle by a step from
                // where it stood, which between two steps is on to the next step that way:
                // 11 px goes to 10 or to 13, never past 10 to 8.
                onMoved: {
                    const step = value > root.paddingPosition() ? Math.floor(value + 1e-9)
                                                                : Math.ceil(value - 1e-9)
                    _m.uiSetting.footerPadding = step
                    value = step
                }
            }
            UI_Row {
                paramText: qsTr("Vibration")
                paramTextWidth: root.labelWidth

                UI_Switch {
                    id: vibrationSwitch
                    onToggled: _m.uiSetting.feedbackUtil = checked
                }
            }
            UI_Row {
                visible: Qt.platform.os === "ios"
                paramText: qsTr("Keep screen on")
                paramTextWidth: root.labelWidth

                UI_Switch {
                    id: keepScreenOnSwitch
                    onToggled: _m.uiSetting.keepScreenOn = checked
                }
            }
        }
    }
}

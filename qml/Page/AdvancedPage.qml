import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Ko.Quorvel
import ".."

// Mount options: auxiliary encoders, guiding rates, flipping, observing the Sun, the alignment
// terms and the speed compensation.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var mountConnection: inj_mountConnection
        readonly property var appCore: inj_appCore
        readonly property var catalogSettings: inj_catalogSettings
        readonly property var perMountData: inj_perMountData
        readonly property var mount: mountConnection.mount
        readonly property bool connected: mountConnection.connected && !!mount
    }

    readonly property real labelWidth: width / 2 - 20
    readonly property string resolutionText: _m.connected
        ? Math.round(_m.mount.speedFineAdjustmentPrecision * 1e6) + " " + qsTr("ppm") : ""
    readonly property bool isActive: StackView.status === StackView.Active
    readonly property bool activeWithMount: isActive && _m.connected
    // How long the mount gets to take an encoder change before the switch shows its answer.
    readonly property int encoderSettleMs: 2000
    // The Sun warning with its quiz, made when first needed; a test may give its own.
    property Component popupObsSunComponent: null
    property var popupObsSun: null
    property var _encoderTimer: null

    readonly property alias encoderSwitch: encoderSwitch
    readonly property alias sunSwitch: sunSwitch
    readonly property alias speedField: speedField

    function syncEncoders() {
        _encoderTimer = null
        encoderSwitch.checked = _m.mount ? _m.mount.lastEnableDualEncoders() : false
    }

    function fillSpeedField() {
        speedField.text = _m.connected
                ? String(Math.round((_m.perMountData.speedFineAdjustmentFactor - 1) * 1e6)) : "0"
    }

    function refreshFromMount() {
        clearTimeout(_encoderTimer)
        syncEncoders()
        guide1Setting.refresh()
        guide2Setting.refresh()
        if (_m.mount && _m.mount.mountMode === MountMode.EQ)
            flippingBox.tr_setFromValue(_m.mount.flippingMode)
        fillSpeedField()
    }

    function askObserveSun() {
        if (!popupObsSun) {
            if (!popupObsSunComponent)
                popupObsSunComponent = Qt.createComponent(Qt.resolvedUrl("PopupObsSun.qml"))
            popupObsSun = popupObsSunComponent.createObject(root)
            if (!popupObsSun) {
                // Without its warning the Sun stays off.
                sunSwitch.checked = false
                return
            }
            popupObsSun.confirmChangedByUser.connect(value => {
                _m.catalogSettings.enableObserveSun = value
                sunSwitch.checked = value
            })
        }
        popupObsSun.open()
    }

    onActiveWithMountChanged: refreshFromMount()
    StackView.onActivated: {
        sunSwitch.checked = _m.catalogSettings.enableObserveSun
        fillSpeedField()
    }
    // The pending re-sync must not reach into a page that is gone.
    StackView.onRemoved: clearTimeout(_encoderTimer)

    // The guiding rates show what the mount took: the store holds a rate only once it has.
    MountSetting {
        id: guide1Setting
        confirmed: _m.appCore.autoguiderRate1
        onShow: value => guide1Box.tr_setFromValue(value)
    }
    MountSetting {
        id: guide2Setting
        confirmed: _m.appCore.autoguiderRate2
        onShow: value => guide2Box.tr_setFromValue(value)
    }
    // A write that ends after the settling time (a slow link) shows its outcome all the same.
    Connections {
        target: _m.mount
        ignoreUnknownSignals: true
        function onDualEncodersChanged() {
            if (!root._encoderTimer)
                root.syncEncoders()
        }
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
                objectName: "encoderRow"
                enabled: _m.connected && _m.mount.hasDualEncoders()
                paramText: qsTr("Auxiliary Encoder")
                paramTextWidth: root.labelWidth

                UI_Switch {
                    id: encoderSwitch
                    objectName: "encoderSwitch"
                    onToggled: {
                        _m.mount.setEnableDualEncodersAsync(checked)
                        clearTimeout(root._encoderTimer)
                        root._encoderTimer = setTimeout(root.syncEncoders, root.encoderSettleMs)
                    }
                }
            }
            UI_Row {
                paramText: qsTr("Guiding Rate R.A./Az")
                paramTextWidth: root.labelWidth

                GuidingBox {
                    id: guide1Box
                    enabled: _m.connected
                    objectName: "guide1Box"
                    onActivated: index => guide1Setting.write(
                                     _m.mount.setGuidingSpeed(true, tr_model[index].value))
                }
            }
            UI_Row {
                paramText: qsTr("Guiding Rate Dec/Alt")
                paramTextWidth: root.labelWidth

                GuidingBox {
                    id: guide2Box
                    enabled: _m.connected
                    objectName: "guide2Box"
                    onActivated: index => guide2Setting.write(
                                     _m.mount.setGuidingSpeed(false, tr_model[index].value))
                }
            }
            UI_Row {
                paramText: qsTr("Flipping Mode")
                paramTextWidth: root.labelWidth

                UI_TranslatableComboBox {
                    id: flippingBox
                    objectName: "flippingBox"
                    Layout.fillWidth: true
                    enabled: _m.connected && _m.mount.mountMode === MountMode.EQ
                    tr_model: [{
                            "text": QT_TR_NOOP("Auto"),
                            "value": FlippingMode.Auto
                        }, {
                            "text": QT_TR_NOOP("No (Once)"),
                            "value": FlippingMode.No
                        }, {
                            "text": QT_TR_NOOP("Forced (Once)"),
                            "value": FlippingMode.Yes
                        }]
                    tr_modelToString: item => qsTr(item.text)
                    onActivated: index => _m.mount.flippingMode = tr_model[index].value
                }
            }
            UI_Row {
                paramText: qsTr("Observe Sun")
                paramTextWidth: root.labelWidth

                UI_Switch {
                    id: sunSwitch
                    objectName: "sunSwitch"
                    onToggled: {
                        if (checked)
                            root.askObserveSun()
                        else
                            _m.catalogSettings.enableObserveSun = false
                    }
                }
            }
            UI_ListRowNav {
                titleText: qsTr("Alignment Compensation")
                pushItem: Qt.resolvedUrl("AlignCompensationPage.qml")
            }
            UI_Row {
                Column {
                    Layout.fillWidth: true
                    topPadding: 6
                    bottomPadding: 6

                    Label {
                        width: parent.width
                        wrapMode: Text.WordWrap
                        text: qsTr("Speed Compensation(±ppm)")
                    }
                    Label {
                        width: parent.width
                        font.pixelSize: 12
                        text: qsTr("Tuning Resolution") + ": " + root.resolutionText
                    }
                }
            }
            UI_TextInput {
                id: speedField
                objectName: "speedField"
                anchors.horizontalCenter: parent.horizontalCenter
                width: 150
                enabled: _m.connected
                isOnlyNumber: true
                horizontalAlignment: TextInput.AlignHCenter
                validator: IntValidator {
                    bottom: -9999
                    top: 9999
                }
                onTextEdited: {
                    // An empty field or a lone minus is still being typed.
                    const ppm = parseInt(text, 10)
                    if (!isNaN(ppm))
                        _m.perMountData.speedFineAdjustmentFactor = 1 + ppm / 1e6
                }
            }
        }
    }

    component GuidingBox: UI_TranslatableComboBox {
        Layout.fillWidth: true
        tr_model: [{
                "text": QT_TR_NOOP("0.125x Sidereal"),
                "value": GuidingSpeed.X125
            }, {
                "text": QT_TR_NOOP("0.25x Sidereal"),
                "value": GuidingSpeed.X25
            }, {
                "text": QT_TR_NOOP("0.5x Sidereal"),
                "value": GuidingSpeed.X5
            }, {
                "text": QT_TR_NOOP("0.75x Sidereal"),
                "value": GuidingSpeed.X75
            }, {
                "text": QT_TR_NOOP("Sidereal"),
                "value": GuidingSpeed.Sidereal
            }]
        tr_modelToString: item => qsTr(item.text)
    }
}

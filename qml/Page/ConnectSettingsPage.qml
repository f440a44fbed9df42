import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Ko.AstroBase
import ".."

// How the next connection is made: mount mode, connecting at launch, the connection type and
// each type's own settings. Every control writes its setting as the user changes it.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var settings: inj_connectSettings
        readonly property var mainUIUtil: inj_mainUIUtil
        // Tab order; the serial tab exists only where serial ports do.
        readonly property var tabTypes: settings.serialPortSupported
            ? [ConnectionType.UDP, ConnectionType.BLE, ConnectionType.Emulator, ConnectionType.Serial]
            : [ConnectionType.UDP, ConnectionType.BLE, ConnectionType.Emulator]
        readonly property bool isBle: settings.type === ConnectionType.BLE
        property bool active: false
    }

    readonly property alias tabBar: tabBar

    // Set while the controls are filled from the settings, so filling writes nothing back.
    property bool filling: false

    // Asks the shown tab's resend and time-out rows to read the settings again.
    signal refill
    readonly property real labelWidth: width / 2

    // The user's choice of tab writes the connection type at once.
    function selectTab(index) {
        if (index === tabBar.currentIndex)
            return
        tabBar.currentIndex = index
        if (root.filling || !_m.active)
            return
        _m.settings.type = _m.tabTypes[index]
        refill()
    }

    function tabIndexOf(type) {
        if (type === ConnectionType.UDP)
            return 0
        if (type === ConnectionType.BLE)
            return 1
        if (type === ConnectionType.Serial && _m.settings.serialPortSupported)
            return 3
        return 2
    }

    function fill() {
        root.filling = true
        modeBox.tr_setFromValue(_m.settings.dualModeChoice)
        launchSwitch.checked = _m.settings.connectAtLaunch
        searchSwitch.checked = _m.settings.searchIP
        fixedIpField.text = _m.settings.fixedIP
        tabBar.currentIndex = tabIndexOf(_m.settings.type)
        refill()
        showPorts(_m.settings.serialPortName)
        root.filling = false
    }

    // Lists the ports found and selects name, or shows it as typed when it is not among them.
    function showPorts(name) {
        const ports = _m.settings.foundSerialPorts
        portBox.model = ports
        const index = ports.indexOf(name)
        portBox.currentIndex = index
        if (index < 0)
            portBox.editText = name
    }

    function writeReadTimeout(value) {
        if (_m.isBle)
            _m.settings.readTimeoutMs_BLE = value
        else
            _m.settings.readTimeoutMs_other = value
    }

    function activate() {
        if (_m.active)
            return
        _m.active = true
        _m.mainUIUtil.showHeader.push(false)
        _m.mainUIUtil.showFooter.push(false)
        if (_m.settings.serialPortSupported)
            _m.settings.detectSerialPorts()
        fill()
    }

    function deactivate() {
        if (!_m.active)
            return
        _m.active = false
        _m.mainUIUtil.showHeader.pop()
        _m.mainUIUtil.showFooter.pop()
        // A name typed without Enter is kept too.
        if (_m.settings.serialPortSupported)
            _m.settings.serialPortName = portBox.editText.trim()
    }

    StackView.onActivated: activate()
    StackView.onDeactivated: deactivate()
    Component.onDestruction: deactivate()

    header: UI_PageHeader {
        title: qsTr("Connect Settings")
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight
        clip: true
        flickableDirection: Flickable.VerticalFlick
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: column
            width: parent.width
            spacing: 10

            UI_Row {
                paramText: qsTr("AZ/EQ Mode Mount")
                paramTextWidth: root.labelWidth
                UI_TranslatableComboBox {
                    id: modeBox
                    objectName: "modeBox"
                    Layout.fillWidth: true
                    tr_model: [
                        { text: QT_TR_NOOP("Prompt Mode"), value: DualModeChoice.PromptMode },
                        { text: QT_TR_NOOP("Use EQ"), value: DualModeChoice.UseEQ },
                        { text: QT_TR_NOOP("Use AZ"), value: DualModeChoice.UseAZ }
                    ]
                    tr_modelToString: item => qsTr(item.text)
                    onActivated: _m.settings.dualModeChoice = tr_currentValue
                }
            }

            UI_Row {
                paramText: qsTr("Connect on App Launch")
                paramTextWidth: root.labelWidth
                Item {
                    Layout.fillWidth: true
                }
                UI_Switch {
                    id: launchSwitch
                    objectName: "launchSwitch"
                    onToggled: _m.settings.connectAtLaunch = checked
                }
            }

            UI_RowSpace {}

            // The tabs: a row of tab buttons that never scrolls, so every tab stays in view.
            RowLayout {
                id: tabBar
                objectName: "tabBar"
                property int currentIndex: -1
                Layout.fillWidth: true
                spacing: 0

                Repeater {
                    model: _m.tabTypes.length
                    UI_TabButton {
                        id: tab
                        required property int index
                        objectName: "tab" + index
                        Layout.fillWidth: true
                        text: [qsTr("Network"), qsTr("BLE"), qsTr("Emulator"), qsTr("Serial")][index]
                        checkable: false
                        checked: tabBar.currentIndex === index
                        onClicked: root.selectTab(index)

                        Rectangle {
                            anchors.left: parent.left
                            anchors.right: parent.right
                            anchors.bottom: parent.bottom
                            height: 2
                            visible: tab.checked
                            color: tab.Material.accentColor
                        }
                    }
                }
            }

            StackLayout {
                id: panes
                Layout.fillWidth: true
                currentIndex: tabBar.currentIndex

                // Network
                ColumnLayout {
                    spacing: 0
                    UI_Row {
                        paramText: qsTr("Find Devices")
                        paramTextWidth: root.labelWidth
                        Item {
                            Layout.fillWidth: true
                        }
                        UI_Switch {
                            id: searchSwitch
                            objectName: "searchSwitch"
                            onToggled: _m.settings.searchIP = checked
                        }
                    }
                    UI_Row {
                        objectName: "fixedIpRow"
                        paramText: qsTr("Fixed IP")
                        paramTextWidth: root.labelWidth
                        enabled: !searchSwitch.checked
                        UI_TextInput {
                            id: fixedIpField
                            objectName: "fixedIpField"
                            Layout.fillWidth: true
                            isOnlyNumber: true
                            hasCloseBtn: true
                            validator: RegularExpressionValidator {
                                regularExpression: /(25[0-5]|2[0-4]\d|1\d\d|[1-9]?\d)(\.(25[0-5]|2[0-4]\d|1\d\d|[1-9]?\d)){0,3}/
                            }
                            onEditingFinished: {
                                if (acceptableInput)
                                    _m.settings.fixedIP = text
                            }
                            // Left, it shows the address stored: a part typed that is no
                            // address ("192.168.", or nothing) was not stored.
                            onActiveFocusChanged: {
                                if (activeFocus || root.filling)
                                    return
                                if (acceptableInput)
                                    _m.settings.fixedIP = text
                                text = _m.settings.fixedIP
                            }
                        }
                    }
                    CommonRows {
                        page: root
                        paneIndex: 0
                    }
                }

                // BLE
                ColumnLayout {
                    spacing: 0
                    CommonRows {
                        page: root
                        paneIndex: 1
                    }
                }

                // Emulator
                Item {}

                // Serial
                ColumnLayout {
                    spacing: 0
                    CommonRows {
                        page: root
                        paneIndex: 3
                    }
                    UI_Row {
                        paramText: qsTr("Serial Port")
                        paramTextWidth: root.labelWidth
                        visible: _m.settings.serialPortNeedsPortName
                        UI_ComboBox {
                            id: portBox
                            objectName: "portBox"
                            Layout.fillWidth: true
                            editable: true
                            Material.foreground: modeBox.Material.foreground
                            // A new list of ports keeps what the box shows.
                            Connections {
                                target: _m.settings
                                function onFoundSerialPortsChanged() {
                                    root.showPorts(portBox.editText)
                                }
                            }
                        }
                    }
                }
            }
        }
    }

    // The resend and time-out rows of the network, BLE and serial tabs; each tab has its own pair,
    // filled from the settings when its tab shows.
    component CommonRows: ColumnLayout {
        id: rows
        property var page: null
        property int paneIndex: 0
        readonly property bool shown: page !== null && page.tabBar.currentIndex === paneIndex
        readonly property var settings: inj_connectSettings

        function fill() {
            const outer = page.filling
            page.filling = true
            resendField.text = String(settings.maxRetryCount)
            timeoutField.text = String(settings.type === ConnectionType.BLE ? settings.readTimeoutMs_BLE
                                                                            : settings.readTimeoutMs_other)
            page.filling = outer
        }

        Layout.fillWidth: true
        spacing: 0
        onShownChanged: {
            if (shown)
                fill()
        }
        Connections {
            target: rows.page
            function onRefill() {
                if (rows.shown)
                    rows.fill()
            }
        }

        UI_Row {
            paramText: qsTr("Resend Tries")
            paramTextWidth: rows.page ? rows.page.labelWidth : -1
            UI_FineTuning {
                id: resendField
                objectName: "resendField" + rows.paneIndex
                Layout.fillWidth: true
                adjParam: 1
                validator: IntValidator {
                    bottom: 1
                    top: 100
                }
                keeps: true
                keptValue: rows.settings.maxRetryCount
                onShowText: value => text = textOf(value)
                onKeep: value => {
                    if (rows.shown && !rows.page.filling)
                        rows.settings.maxRetryCount = value
                }
            }
        }
        UI_Row {
            paramText: qsTr("Read Timeout (ms)")
            paramTextWidth: rows.page ? rows.page.labelWidth : -1
            // Kept when the typing is settled, not at each key: a connection made meanwhile
            // would wait 7 ms for a reply on the way to 750.
            UI_NumberField {
                id: timeoutField
                objectName: "timeoutField" + rows.paneIndex
                Layout.fillWidth: true
                minValue: 0
                maxValue: 5000
                keeps: true
                keepsAsTyped: false
                keptValue: rows.settings.type === ConnectionType.BLE ? rows.settings.readTimeoutMs_BLE
                                                                     : rows.settings.readTimeoutMs_other
                onKeep: value => {
                    if (rows.shown && !rows.page.filling)
                        rows.page.writeReadTimeout(value)
                }
            }
        }
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import Ko.AstroBase
import ".."
import "../CommonUI"
import "../Words.js" as Words

// The mount's Wi-Fi module: its own access point and its station link to another network. The
// service reads and writes the module; this page shows its state, checks the input and hands over
// a whole setting, in which an untouched half stays undefined so the module keeps it.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var wifiConfig: inj_wifiConfig
        readonly property var mountConnection: inj_mountConnection
        readonly property var mainUIUtil: inj_mainUIUtil
        readonly property bool isNight: inj_nightManager.isNight
        readonly property color textColor: isNight ? Material.color(Material.Red) : "#dd000000"
        readonly property real labelWidth: root.width / 3 - 20
        property bool active: false
    }

    readonly property bool hasWifi: _m.mountConnection.hasWifi
    // Plain copies of what the service last reported, taken on each of its shownChanged: the
    // pages' bindings then never hold on to the service's records.
    property bool hasSetting: false
    property bool viaStation: false
    property bool settingHasAp: false
    property bool hasResult: false
    property bool resultOk: false
    property bool resultAllDone: false
    // The network to join again, or -1.
    property int resultNeedConnect: -1
    readonly property bool showBusyLayer: _m.wifiConfig.busy || !_m.wifiConfig.hasCurrentSetting
    readonly property bool showResultLayer: hasResult

    readonly property bool apEditable: modifyAp.checked
    readonly property bool staEditable: modifySta.checked
    readonly property bool apOn: apSwitch.checked
    readonly property bool staOn: staSwitch.checked
    readonly property bool apOpen: apSecurity.tr_currentValue === WifiSec.Open
    readonly property bool showReadDefaultAp: apEditable && apOn && hasSetting && !settingHasAp

    readonly property bool apSsidOk: ssidAcceptable(apSsid.text)
    readonly property bool apPassOk: apOpen || passAcceptable(apPass.text)
    readonly property bool channelOk: channelAcceptable(apChannel.text)
    readonly property bool staSsidOk: ssidAcceptable(staSsid.text)
    readonly property bool fixedIpOk: ipAcceptable(staIp.text)

    readonly property bool inputValid: {
        if (!apEditable && !staEditable)
            return false
        if (!apOn && !staOn)
            return false
        if (apEditable && apOn
                && !(apSsidOk && apSecurity.currentIndex >= 0 && apPassOk && channelOk))
            return false
        if (staEditable && staOn && !(staSsidOk && (dhcpSwitch.checked || fixedIpOk)))
            return false
        return true
    }
    readonly property bool applyEnabled: !_m.wifiConfig.busy && _m.wifiConfig.hasCurrentSetting
                                         && inputValid

    function ssidAcceptable(text) {
        return text.length >= WMLimit.SsidMin && text.length <= WMLimit.SsidMax
    }

    function passAcceptable(text) {
        return text.length >= WMLimit.PassMin && text.length <= WMLimit.PassMax
    }

    function channelAcceptable(text) {
        if (!/^[0-9]+$/.test(text))
            return false
        const n = parseInt(text, 10)
        return n >= 1 && n <= 14
    }

    function ipAcceptable(text) {
        if (!/^[0-9]{1,3}(\.[0-9]{1,3}){3}$/.test(text))
            return false
        return text.split(".").every(g => parseInt(g, 10) <= 255)
    }

    function isStationState(state) {
        return state == WMState.SD || state == WMState.SS
    }

    function refillAp() {
        const s = _m.wifiConfig.currentSetting
        if (s === undefined)
            return
        modifyAp.checked = false
        apSwitch.checked = s.mode == WifiMode.AP || s.mode == WifiMode.Both
        const ap = s.ap
        apSsid.text = ap !== undefined ? ap.ssid : ""
        apSecurity.tr_setFromValue(ap !== undefined ? Number(ap.wifiSec) : -1)
        apPass.text = ap !== undefined ? ap.pass : ""
        apChannel.text = ap !== undefined ? String(ap.channel) : ""
    }

    function refillSta() {
        const s = _m.wifiConfig.currentSetting
        if (s === undefined)
            return
        modifySta.checked = false
        staSwitch.checked = s.mode == WifiMode.STA || s.mode == WifiMode.Both
        const sta = s.sta
        staSsid.text = sta !== undefined ? sta.ssid : ""
        staPass.text = sta !== undefined ? sta.pass : ""
        dhcpSwitch.checked = sta === undefined || sta.fixedIp === ""
        staIp.text = sta !== undefined ? sta.fixedIp : ""
    }

    function buildSetting() {
        const s = _m.wifiConfig.newWifiSetting()
        s.mode = apOn && staOn ? WifiMode.Both : apOn ? WifiMode.AP : WifiMode.STA
        if (apEditable && apOn) {
            const ap = _m.wifiConfig.newWifiAPSetting()
            ap.ssid = apSsid.text
            ap.wifiSec = apSecurity.tr_currentValue
            // Handed over as typed, also for an open network: the module ignores it there.
            ap.pass = apPass.text
            ap.channel = parseInt(apChannel.text, 10)
            s.ap = ap
        }
        if (staEditable && staOn) {
            const sta = _m.wifiConfig.newWifiSTASetting()
            sta.ssid = staSsid.text
            sta.pass = staPass.text
            sta.fixedIp = dhcpSwitch.checked ? "" : staIp.text
            s.sta = sta
        }
        return s
    }

    function apply() {
        if (applyEnabled)
            _m.wifiConfig.writeAsync(buildSetting())
    }

    readonly property bool _shouldEnter: _m.active && hasWifi
    on_ShouldEnterChanged: {
        if (_shouldEnter)
            _m.wifiConfig.enterPage()
    }

    // The service's shown state changes only between two events of the main thread, each change
    // announced by shownChanged: every read below sees the same records. While a job runs, the
    // busy layer covers the page, and the report that ends the job brings the final state.
    function takeState() {
        if (_m.wifiConfig.busy)
            return
        const s = _m.wifiConfig.currentSetting
        hasSetting = s !== undefined
        viaStation = hasSetting && isStationState(s.state)
        settingHasAp = hasSetting && s.ap !== undefined
        const r = _m.wifiConfig.lastWriteResult
        hasResult = r !== undefined
        resultOk = hasResult && r.ok
        resultAllDone = hasResult && r.allDone
        resultNeedConnect = hasResult && r.needConnect !== undefined ? Number(r.needConnect) : -1
        refillAp()
        refillSta()
    }

    Connections {
        target: _m.wifiConfig
        function onShownChanged() {
            root.takeState()
        }
    }

    Component.onCompleted: takeState()

    StackView.onActivated: {
        _m.mainUIUtil.showHeader.push(false)
        _m.mainUIUtil.showFooter.push(false)
        _m.active = true
    }
    StackView.onDeactivated: {
        _m.active = false
        _m.mainUIUtil.showHeader.pop()
        _m.mainUIUtil.showFooter.pop()
    }

    header: UI_PageHeader {
        title: qsTr("WiFi Network")
        headerButton: ToolButton {
            objectName: "applyButton"
            text: qsTr("Apply")
            enabled: root.applyEnabled
            onClicked: root.apply()
        }
    }

    component Field: UI_TextInput {
        // Not empty after trimming and not acceptable.
        property bool acceptable: true
        readonly property bool invalid: text.trim() !== "" && !acceptable
        Layout.fillWidth: true
        horizontalAlignment: TextInput.AlignLeft
        Rectangle {
            anchors.fill: parent
            color: "red"
            opacity: 0.15
            visible: parent.invalid
        }
    }

    component ReadOnlyText: Label {
        Layout.fillWidth: true
        verticalAlignment: Text.AlignVCenter
        opacity: 0.5
        elide: Text.ElideRight
    }

    component ModeRow: UI_Row {
        id: modeRow
        property alias checked: modeSwitch.checked
        property bool editable: true
        paramTextWidth: _m.labelWidth
        UI_Switch {
            id: modeSwitch
            visible: modeRow.editable
        }
        ReadOnlyText {
            visible: !modeRow.editable
            text: modeSwitch.checked ? qsTr("Enabled") : qsTr("Disabled")
        }
    }

    Flickable {
        id: flick
        anchors.fill: parent
        contentHeight: column.implicitHeight + 20
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollIndicator.vertical: ScrollIndicator {}

        ColumnLayout {
            id: column
            width: flick.width
            spacing: 0

            Label {
                objectName: "connectedVia"
                Layout.fillWidth: true
                Layout.margins: 10
                visible: root.hasSetting
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                color: _m.textColor
                text: Words.keepWhole(qsTr("Connected via %1 network").arg(
                                          root.viaStation ? qsTr("Station") : qsTr("Access Point")),
                                      inj_languageManager ? inj_languageManager.language : "")
            }

            UI_CheckBox {
                id: modifyAp
                objectName: "modifyAp"
                Layout.leftMargin: 4
                text: qsTr("Modify Access Point")
                onToggled: {
                    if (!checked)
                        root.refillAp()
                }
            }

            ModeRow {
                id: apSwitchRow
                paramText: qsTr("Access Point Mode")
                editable: root.apEditable
            }

            Button {
                objectName: "readDefaultAp"
                Layout.fillWidth: true
                Layout.leftMargin: 10
                Layout.rightMargin: 10
                visible: root.showReadDefaultAp
                text: qsTr("Read default AP settings")
                onClicked: _m.wifiConfig.writeWifiBothAndReadAsync()
            }

            UI_Row {
                paramText: qsTr("SSID")
                paramTextWidth: _m.labelWidth
                enabled: root.apOn
                Field {
                    id: apSsid
                    objectName: "apSsid"
                    visible: root.apEditable
                    maximumLength: WMLimit.SsidMax
                    acceptable: root.apSsidOk
                }
                ReadOnlyText {
                    visible: !root.apEditable
                    text: apSsid.text
                }
            }

            UI_Row {
                paramText: qsTr("Security")
                paramTextWidth: _m.labelWidth
                enabled: root.apOn
                UI_TranslatableComboBox {
                    id: apSecurity
                    objectName: "apSecurity"
                    Layout.fillWidth: true
                    visible: root.apEditable
                    tr_model: [
                        { text: QT_TR_NOOP("Open"), value: WifiSec.Open },
                        { text: QT_TR_NOOP("WPA PSK"), value: WifiSec.WPA_PSK },
                        { text: QT_TR_NOOP("WPA2 PSK"), value: WifiSec.WPA2_PSK },
                        { text: QT_TR_NOOP("WPA/WPA2 PSK"), value: WifiSec.WPA_WPA2_PSK }
                    ]
                    tr_modelToString: item => qsTr(item.text)
                }
                ReadOnlyText {
                    visible: !root.apEditable
                    text: apSecurity.currentIndex >= 0 ? apSecurity.currentText : ""
                }
            }

            UI_Row {
                visible: !root.apOpen
                paramText: qsTr("Password")
                paramTextWidth: _m.labelWidth
                enabled: root.apOn
                Field {
                    id: apPass
                    objectName: "apPass"
                    visible: root.apEditable
                    maximumLength: WMLimit.PassMax
                    acceptable: root.passAcceptable(text)
                }
                ReadOnlyText {
                    visible: !root.apEditable
                    text: apPass.text
                }
            }

            UI_Row {
                paramText: qsTr("Channel")
                paramTextWidth: _m.labelWidth
                enabled: root.apOn
                Field {
                    id: apChannel
                    objectName: "apChannel"
                    visible: root.apEditable
                    isOnlyNumber: true
                    maximumLength: 2
                    acceptable: root.channelOk
                }
                ReadOnlyText {
                    visible: !root.apEditable
                    text: apChannel.text
                }
            }

            UI_RowSpace {}

            UI_CheckBox {
                id: modifySta
                objectName: "modifySta"
                Layout.leftMargin: 4
                text: qsTr("Modify Station")
                onToggled: {
                    if (!checked)
                        root.refillSta()
                }
            }

            ModeRow {
                id: staSwitchRow
                paramText: qsTr("Station Mode")
                editable: root.staEditable
            }

            UI_Row {
                paramText: qsTr("SSID")
                paramTextWidth: _m.labelWidth
                enabled: root.staOn
                Field {
                    id: staSsid
                    objectName: "staSsid"
                    visible: root.staEditable
                    maximumLength: WMLimit.SsidMax
                    acceptable: root.staSsidOk
                }
                ReadOnlyText {
                    visible: !root.staEditable
                    text: staSsid.text
                }
            }

            UI_Row {
                paramText: qsTr("Password")
                paramTextWidth: _m.labelWidth
                enabled: root.staOn
                Field {
                    id: staPass
                    objectName: "staPass"
                    visible: root.staEditable
                    maximumLength: WMLimit.PassMax
                }
                // The module does not report the station's password.
                ReadOnlyText {
                    visible: !root.staEditable
                    text: qsTr("(Unavailable)")
                }
            }

            Label {
                Layout.fillWidth: true
                Layout.topMargin: 6
                Layout.bottomMargin: 6
                horizontalAlignment: Text.AlignHCenter
                font.pointSize: 10
                color: _m.textColor
                text: qsTr("Both SSID and Password are case-sensitive")
            }

            ModeRow {
                id: dhcpRow
                paramText: qsTr("Use DHCP")
                editable: root.staEditable
                enabled: root.staOn
            }

            UI_Row {
                visible: !dhcpSwitch.checked
                paramText: qsTr("Fixed IP")
                paramTextWidth: _m.labelWidth
                enabled: root.staOn
                Field {
                    id: staIp
                    objectName: "staIp"
                    visible: root.staEditable
                    isOnlyNumber: true
                    maximumLength: WMLimit.IPMax
                    acceptable: root.fixedIpOk
                }
                ReadOnlyText {
                    visible: !root.staEditable
                    text: staIp.text
                }
            }
        }
    }

    // The three switches live inside their rows; these names reach them.
    readonly property alias apSwitch: apSwitchRow
    readonly property alias staSwitch: staSwitchRow
    readonly property alias dhcpSwitch: dhcpRow

    // Reading or writing, or nothing read yet.
    Rectangle {
        objectName: "busyLayer"
        anchors.fill: parent
        visible: root.showBusyLayer
        color: root.Material.backgroundColor
        MouseArea {
            anchors.fill: parent
        }
        CirProgressBar {
            objectName: "busyIndicator"
            anchors.centerIn: parent
            width: 100
            height: 100
            visible: _m.wifiConfig.busy
        }
        // The last read came back empty: said above the button that offers it again, with whether
        // the module refused or nothing came back at all.
        Label {
            objectName: "noAnswer"
            anchors.bottom: readButton.top
            anchors.bottomMargin: 16
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 40
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            color: _m.textColor
            visible: !_m.wifiConfig.busy && _m.wifiConfig.readFailed
            text: Words.keepWhole(_m.wifiConfig.readRefused
                                      ? qsTr("The Wi-Fi module refused to give its settings.")
                                      : qsTr("The mount does not answer."),
                                  inj_languageManager ? inj_languageManager.language : "")
        }
        Button {
            id: readButton
            objectName: "readButton"
            anchors.centerIn: parent
            visible: !_m.wifiConfig.busy
            enabled: root.hasWifi
            text: qsTr("Read settings")
            onClicked: _m.wifiConfig.proceedNextAsync()
        }
    }

    // The outcome of the last write step.
    Rectangle {
        objectName: "resultLayer"
        anchors.fill: parent
        visible: root.showResultLayer
        color: root.Material.backgroundColor
        MouseArea {
            anchors.fill: parent
        }
        ColumnLayout {
            anchors.centerIn: parent
            width: parent.width - 40
            spacing: 16
            Label {
                objectName: "resultText"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                font.pointSize: 18
                color: _m.textColor
                text: root.resultOk
                      ? qsTr("Settings written") : qsTr("Failed to write settings")
            }
            Label {
                objectName: "intermediateText"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                color: _m.textColor
                visible: root.resultOk && !root.resultAllDone
                text: qsTr("Intermediate Wi-Fi setting written.")
            }
            Label {
                objectName: "reconnectText"
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                color: _m.textColor
                visible: root.resultNeedConnect >= 0
                text: visible ? qsTr("Please re-connect Wi-Fi to %1 network.").arg(
                                    root.resultNeedConnect === WifiMode.AP
                                    ? qsTr("Access Point") : qsTr("Station")) : ""
            }
            Button {
                objectName: "nextButton"
                Layout.alignment: Qt.AlignHCenter
                enabled: root.hasWifi
                text: qsTr("Next")
                onClicked: _m.wifiConfig.proceedNextAsync()
            }
        }
    }
}

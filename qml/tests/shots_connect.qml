import QtQuick
import "tst_connect"
import "rig/Find.js" as Find

// Connecting and the slew pad in day and night colours: the connect popup while connecting, with
// devices and with none found, both questions, "Please wait", the settings page on each tab,
// the pad unfolded, folded and blinking, and the Sun warning.
QtObject {
    id: driver

    property var page: null

    property StandInSession session: StandInSession {
        busy: true
        statusText: "Connecting"
        statusDetailText: "192.168.4.1"
        nextActionText: "Connect"
    }
    property QtObject modeStub: QtObject {
        signal shouldShow
        function setResult(value) {}
    }
    property QtObject parkStub: QtObject {
        signal shouldShow
        function setResult(value) {}
    }
    property QtObject blocking: QtObject {
        property bool showing: false
    }
    // The real slewing control with both prompts on.
    property QtObject prompting: QtObject {
        property var real: null
        readonly property int intRate: real ? real.intRate : 0
        readonly property var enButton: real ? real.enButton : []
        readonly property var promptButton: [true, true]
        function incrementIntRate(add) {}
        function inputButtons(buttons) {}
    }

    // The window's own popups follow a service published under their service's name.
    function headerPopup(name) {
        return Find.named(probe.window.header, name)
    }

    function popupSteps(mode) {
        const popup = headerPopup("popupConnect")
        const modeQuestion = headerPopup("popupMountMode")
        const parkQuestion = headerPopup("popupLoadParkData")
        const pleaseWait = Find.named(probe.window.contentItem, "uiBlockingMessage")
        return [
            { run: () => {
                  probe.publish("inj_iConnectable", session)
                  session.busy = true
                  session.statusText = "Connecting"
                  session.statusDetailText = "192.168.4.1"
                  session.devicesList = undefined
                  session.startSession()
              },
              wait: () => popup.opened, shot: "popup_connecting_" + mode },
            { run: () => {
                  session.busy = false
                  session.statusText = "Search finished"
                  session.statusDetailText = ""
                  session.devicesList = [{ title: "192.168.4.1" }, { title: "192.168.4.23" },
                                         { title: "10.0.0.7" }]
              },
              wait: () => popup.opened, shot: "popup_devices_" + mode },
            { run: () => session.devicesList = [],
              wait: () => popup.opened, shot: "popup_nodevice_" + mode },
            // A question while the session runs shows alone; the popup comes back after it.
            { run: () => {
                  session.busy = true
                  session.statusText = "Connecting"
                  session.statusDetailText = "192.168.4.1"
                  session.devicesList = undefined
                  probe.publish("inj_mountModePopupStub", modeStub)
                  modeStub.shouldShow()
              },
              wait: () => popup.opened && modeQuestion.opened && popup.opacity === 0,
              shot: "question_mode_connecting_" + mode },
            { run: () => {
                  modeQuestion.close()
                  probe.restore("inj_mountModePopupStub")
              },
              wait: () => !modeQuestion.visible && popup.opened && popup.opacity === 1,
              shot: "popup_after_question_" + mode },
            { run: () => {
                  session.sessionDone()
                  probe.restore("inj_iConnectable")
                  probe.publish("inj_mountModePopupStub", modeStub)
                  modeStub.shouldShow()
              },
              wait: () => !popup.visible && modeQuestion.opened, shot: "question_mode_" + mode },
            { run: () => {
                  modeQuestion.close()
                  probe.restore("inj_mountModePopupStub")
                  probe.publish("inj_parkDataLoadUIStub", parkStub)
                  parkStub.shouldShow()
              },
              wait: () => !modeQuestion.visible && parkQuestion.opened,
              shot: "question_hibernate_" + mode },
            { run: () => {
                  parkQuestion.close()
                  probe.restore("inj_parkDataLoadUIStub")
                  probe.publish("inj_uiBlockingMessage", blocking)
                  blocking.showing = true
              },
              wait: () => !parkQuestion.visible && pleaseWait.opened, shot: "please_wait_" + mode },
            { run: () => {
                  blocking.showing = false
                  probe.restore("inj_uiBlockingMessage")
              },
              wait: () => !pleaseWait.visible }
        ]
    }

    function settingsSteps(mode) {
        const w = probe.window
        const tabs = ["network", "ble", "emulator", "serial"]
        const steps = [
            { run: () => page = w.inj_stackView.push("qrc:/Page/ConnectSettingsPage.qml"),
              wait: () => page !== null && !w.inj_mainUIUtil.showHeader.value }
        ]
        tabs.forEach((tab, i) => steps.push({
            run: () => page.selectTab(i),
            wait: () => page.tabBar.currentIndex === i, shot: "settings_" + tab + "_" + mode
        }))
        // The fixed address greyed while devices are searched for, shown from its start.
        steps.push({ run: () => {
                inj_connectSettings.fixedIP = "192.168.4.1"
                inj_connectSettings.searchIP = true
                page.fill()
                page.selectTab(0)
            },
            wait: () => page.tabBar.currentIndex === 0
                        && !Find.named(page, "fixedIpRow").enabled,
            shot: "settings_network_search_" + mode })
        steps.push({ run: () => {
                inj_connectSettings.searchIP = false
                inj_connectSettings.fixedIP = "127.0.0.1"
                page.selectTab(2)
                w.inj_stackView.pop()
            },
            wait: () => w.inj_mainUIUtil.showHeader.value })
        return steps
    }

    function padSteps(mode) {
        const w = probe.window
        const footer = w.inj_mainFooter
        return [
            { run: () => {
                  if (!inj_mountConnection.connected)
                      inj_iConnectable.startSession()
              },
              wait: () => inj_mountConnection.connected && !inj_iConnectable.busy },
            // The warning shows on connecting while the Sun is up; it is pictured on its own.
            { run: () => sunBanner().visible = false,
              wait: () => !sunBanner().visible, shot: "pad_" + mode },
            { run: () => footer.requestDisplay(false),
              wait: () => !footer.displayControl, shot: "pad_folded_" + mode },
            { run: () => {
                  footer.requestDisplay(true)
                  prompting.real = inj_slewingControl
                  probe.publish("inj_slewingControl", prompting)
              },
              // The pulse is pictured near its brightest.
              wait: () => {
                  const pulse = Find.named(footer, "prompt0")
                  return footer.displayControl && pulse !== null && pulse.opacity > 0.25
              },
              shot: "pad_blinking_" + mode },
            { run: () => probe.restore("inj_slewingControl") },
            { run: () => sunBanner().show(),
              wait: () => sunBanner().visible, shot: "sun_banner_" + mode },
            { run: () => sunBanner().visible = false, wait: () => !sunBanner().visible }
        ]
    }

    function sunBanner() {
        return Find.named(probe.window.footer, "sunWarningBanner")
    }


    function steps() {
        const w = probe.window
        const day = [{ run: () => w.inj_nightManager.setting = 0 }]
        const night = [{ run: () => w.inj_nightManager.setting = 1 }]
        return day.concat(popupSteps("day"), settingsSteps("day"), padSteps("day"),
                          night, popupSteps("night"), settingsSteps("night"), padSteps("night"))
    }
}

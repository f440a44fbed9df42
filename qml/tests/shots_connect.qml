import QtQuick
import "tst_connect"

// Connecting and the slew pad in day and night colours: the connect popup while connecting, with
// devices and with none found, both questions, "Please wait", the settings page on each tab,
// the pad unfolded, folded and blinking, and the Sun warning.
QtObject {
    id: driver

    property var popup: null
    property var question: null
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
    property QtObject prompting: QtObject {
        readonly property int intRate: inj_slewingControl.intRate
        readonly property var enButton: inj_slewingControl.enButton
        readonly property var promptButton: [true, true]
        function incrementIntRate(add) {}
        function inputButtons(buttons) {}
    }

    function make(path, service, standIn) {
        probe.publish(service, standIn)
        const made = Qt.createComponent(path).createObject(probe.window.contentItem)
        if (!made)
            probe.fail("cannot make " + path)
        return made
    }

    function popupSteps(mode) {
        return [
            { run: () => {
                  popup = make("qrc:/PopupConnect.qml", "inj_iConnectable", session)
                  session.busy = true
                  session.statusText = "Connecting"
                  session.devicesList = undefined
                  session.startSession()
              },
              wait: () => popup !== null && popup.opened, shot: "popup_connecting_" + mode },
            { run: () => {
                  session.busy = false
                  session.statusText = "Search finished"
                  session.statusDetailText = ""
                  session.devicesList = [{ title: "192.168.4.1" }, { title: "192.168.4.23" },
                                         { title: "10.0.0.7" }]
                  session.selectDevice(1)
              },
              wait: () => popup.opened, shot: "popup_devices_" + mode },
            { run: () => session.devicesList = [],
              wait: () => popup.opened, shot: "popup_nodevice_" + mode },
            { run: () => {
                  session.sessionDone()
                  popup.destroy()
                  probe.restore("inj_iConnectable")
                  question = make("qrc:/PopupMountMode.qml", "inj_mountModePopupStub", modeStub)
                  modeStub.shouldShow()
              },
              wait: () => question !== null && question.opened, shot: "question_mode_" + mode },
            { run: () => {
                  question.close()
                  question.destroy()
                  probe.restore("inj_mountModePopupStub")
                  question = make("qrc:/PopupLoadParkData.qml", "inj_parkDataLoadUIStub", parkStub)
                  parkStub.shouldShow()
              },
              wait: () => question !== null && question.opened, shot: "question_hibernate_" + mode },
            { run: () => {
                  question.close()
                  question.destroy()
                  probe.restore("inj_parkDataLoadUIStub")
                  question = make("qrc:/UiBlockingMessage.qml", "inj_uiBlockingMessage", blocking)
                  blocking.showing = true
              },
              wait: () => question !== null && question.opened, shot: "please_wait_" + mode },
            { run: () => {
                  blocking.showing = false
                  question.destroy()
                  question = null
                  probe.restore("inj_uiBlockingMessage")
              } }
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
        steps.push({ run: () => {
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
              wait: () => inj_mountConnection.connected && !inj_iConnectable.busy,
              shot: "pad_" + mode },
            { run: () => footer.requestDisplay(false),
              wait: () => !footer.displayControl, shot: "pad_folded_" + mode },
            { run: () => {
                  footer.requestDisplay(true)
                  probe.publish("inj_slewingControl", prompting)
              },
              // The pulse is pictured near its brightest.
              wait: () => {
                  const pulse = find(footer, "prompt0")
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
        return find(probe.window.footer, "sunWarningBanner")
    }

    function find(item, name) {
        if (item.objectName === name)
            return item
        for (const child of item.children) {
            const found = find(child, name)
            if (found)
                return found
        }
        return null
    }

    function steps() {
        const w = probe.window
        const day = [{ run: () => w.inj_nightManager.setting = 0 }]
        const night = [{ run: () => w.inj_nightManager.setting = 1 }]
        return day.concat(popupSteps("day"), settingsSteps("day"), padSteps("day"),
                          night, popupSteps("night"), settingsSteps("night"), padSteps("night"))
    }
}

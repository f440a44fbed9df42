import QtQuick
import "tst_connect"
import "rig/Find.js" as Find

// The fields that must show the start of what they hold and the rows that must keep their
// buttons in the window, at the probe's --window-size in its --language, in day and night
// colours: the serial port of the connect settings (a long name and a short one, left by Tab,
// after its list was opened and closed, and after the page is opened again), the magnitude
// filter and the filter dialog, help where nothing opens it, the connect popup's buttons
// while a mount is connected, and the popup's account of a mount that restarted while connecting.
QtObject {
    id: driver

    property var page: null

    // A session that ended because the mount restarted while connecting.
    property StandInSession restartedSession: StandInSession {
        statusText: "Cannot Connect"
        statusDetailText: "The mount restarted while connecting. Connect again."
    }

    // A desktop on which no program opens web pages.
    property QtObject refusingHelp: QtObject {
        property int opens: 0
        function openInExternalApp() {
            ++opens
            return false
        }
    }

    function portBox() {
        return Find.itemNamed(page, "portBox")
    }

    function openSettings(port) {
        const stack = probe.window.inj_stackView
        return { run: () => {
                     inj_connectSettings.serialPortName = port
                     page = stack.push("qrc:/Page/ConnectSettingsPage.qml")
                     page.selectTab(3)
                 },
                 wait: () => page !== null && stack.depth === 2 && !stack.busy
                             && page.tabBar.currentIndex === 3 && portBox() !== null
                             && portBox().editText === port }
    }

    function closeSettings() {
        const stack = probe.window.inj_stackView
        return { run: () => {
                     page.selectTab(2)
                     stack.pop()
                 },
                 wait: () => stack.depth === 1 && !stack.busy }
    }

    function phase(mode) {
        const w = probe.window
        const stack = w.inj_stackView
        const toaster = w.inj_toaster
        return [
            { run: () => w.inj_nightManager.setting = mode === "night" ? 1 : 0,
              wait: () => w.inj_nightManager.isNight === (mode === "night") },
            openSettings("/dev/serial/by-id/usb-ABC"),
            { wait: () => !stack.busy, shot: "serial_long_" + mode },
            // Edited at its end and left for the next field, as Tab leaves it.
            { run: () => {
                  const input = portBox().contentItem
                  input.forceActiveFocus()
                  input.cursorPosition = input.length
              },
              wait: () => portBox().contentItem.activeFocus, shot: "serial_long_editing_" + mode },
            { run: () => {
                  const input = portBox().contentItem
                  input.nextItemInFocusChain(true).forceActiveFocus()
              },
              wait: () => !portBox().contentItem.activeFocus, shot: "serial_long_left_" + mode },
            // Its list opened and put away, and left: the field was read-only while the list
            // was down.
            { run: () => portBox().popup.open(), wait: () => portBox().popup.opened },
            { run: () => portBox().popup.close(), wait: () => !portBox().popup.visible },
            { run: () => portBox().contentItem.nextItemInFocusChain(true).forceActiveFocus(),
              wait: () => !portBox().contentItem.activeFocus,
              shot: "serial_long_list_closed_" + mode },
            closeSettings(),
            openSettings("/dev/serial/by-id/usb-ABC"),
            { wait: () => !stack.busy, shot: "serial_long_reopened_" + mode },
            closeSettings(),
            openSettings("/dev/ttyAB"),
            { wait: () => !stack.busy, shot: "serial_short_" + mode },
            closeSettings(),
            { run: () => {
                  inj_catalogSettings.enableVmagFilter = true
                  stack.push("qrc:/Page/MagnitudeLimitPage.qml")
              },
              wait: () => stack.depth === 2 && !stack.busy, shot: "magnitude_" + mode },
            // The filter dialog with both filters on: each row's name whole beside its value.
            { run: () => {
                  inj_catalogSettings.enableAltRangeViewFilter = true
                  w.inj_mainUIUtil.showCatalogMenu.push(1)
                  w.header.popupFilter.open()
              },
              wait: () => w.header.popupFilter.opened, shot: "filter_on_" + mode },
            { run: () => {
                  w.header.popupFilter.close()
                  w.inj_mainUIUtil.showCatalogMenu.pop()
                  inj_catalogSettings.enableAltRangeViewFilter = false
              },
              wait: () => !w.header.popupFilter.visible },
            { run: () => inj_catalogSettings.enableVmagFilter = false,
              wait: () => !inj_catalogSettings.enableVmagFilter,
              shot: "magnitude_off_" + mode },
            { run: () => stack.pop(), wait: () => stack.depth === 1 && !stack.busy },
            { run: () => {
                  probe.publish("inj_helpFile", refusingHelp)
                  stack.push("qrc:/Page/UtilityMenu.qml")
              },
              wait: () => stack.depth === 2 && !stack.busy },
            { run: () => Find.itemNamed(stack.currentItem, "help").clicked(),
              wait: () => toaster.count === 1 && toaster.itemAtIndex(0) !== null
                          && toaster.itemAtIndex(0).opacity >= 0.9,
              shot: "help_refused_" + mode },
            { run: () => {
                  probe.restore("inj_helpFile")
                  stack.pop()
              },
              wait: () => stack.depth === 1 && !stack.busy && toaster.count === 0,
              timeoutMs: 15000 },
            // Connected, the popup offers Disconnect beside Cancel, or above it where the two
            // side by side would not fit the window.
            { run: () => {
                  if (!inj_mountConnection.connected)
                      inj_iConnectable.startSession()
              },
              wait: () => inj_mountConnection.connected && !inj_iConnectable.busy
                          && !connectPopup().visible },
            { run: () => inj_iConnectable.startSession(),
              wait: () => connectPopup().opened && !inj_iConnectable.busy,
              shot: "popup_connected_" + mode },
            { run: () => connectPopup().close(), wait: () => !connectPopup().visible },
            { run: () => {
                  probe.publish("inj_iConnectable", restartedSession)
                  restartedSession.startSession()
              },
              wait: () => connectPopup().opened, shot: "popup_restarted_" + mode },
            { run: () => {
                  connectPopup().close()
                  probe.restore("inj_iConnectable")
              },
              wait: () => !connectPopup().visible }
        ]
    }

    function connectPopup() {
        return Find.named(probe.window.header, "popupConnect")
    }

    function steps() {
        return phase("day").concat(phase("night"))
    }
}

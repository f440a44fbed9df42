import QtQuick

// The window in day and night colours: disconnected, connected, with a toast, with a
// confirmation dialog, and with the busy indicator of a timed-out link.
QtObject {
    property var dialog: null
    property QtObject timedOutLink: QtObject {
        property bool timedout: true
    }
    // The busy indicator's arc grows from nothing: it is pictured once it has turned a while.
    property bool settled: false
    property Timer settle: Timer {
        interval: 700
        onTriggered: settled = true
    }

    function phase(w, mode, setting) {
        const toaster = w.inj_toaster
        return [
            { run: () => w.inj_nightManager.setting = setting,
              wait: () => !inj_mountConnection.connected, shot: "disconnected_" + mode },
            { run: () => inj_iConnectable.startSession(),
              wait: () => inj_mountConnection.connected, shot: "connected_" + mode },
            { run: () => toaster.show("Mount connected"),
              wait: () => toaster.count === 1 && toaster.itemAtIndex(0) !== null
                          && toaster.itemAtIndex(0).opacity >= 0.9,
              shot: "toast_" + mode },
            { wait: () => toaster.count === 0 },
            { run: () => {
                  dialog = Qt.createComponent("qrc:/CommonUI/CommonDialog.qml").createObject(w.contentItem, {
                      heading: "Park the mount?",
                      content: "The mount turns to its park position and stops tracking.",
                      hasCancel: true
                  })
                  dialog.open()
              },
              wait: () => dialog !== null && dialog.opened, shot: "dialog_" + mode },
            { run: () => dialog.close(), wait: () => dialog !== null && !dialog.visible },
            { run: () => {
                  dialog.destroy()
                  probe.publish("inj_converserTimeoutForwarder", timedOutLink)
                  settled = false
                  settle.restart()
              },
              wait: () => settled, shot: "busy_" + mode },
            { run: () => {
                  probe.restore("inj_converserTimeoutForwarder")
                  inj_iConnectable.startNextAction()
              },
              wait: () => !inj_mountConnection.connected }
        ]
    }

    // The developer entry after its eleven clicks reads "Test" on the main page.
    function devEntrySteps(w) {
        const stack = w.inj_stackView
        return [
            { run: () => {
                  w.inj_nightManager.setting = 0
                  for (let i = 0; i < 11; ++i)
                      w.header.devEntryClicked()
              },
              wait: () => stack.depth === 2 },
            { run: () => stack.pop(), wait: () => stack.depth === 1, shot: "devEntry_day" },
            { run: () => w.inj_nightManager.setting = 1, wait: () => w.inj_nightManager.isNight,
              shot: "devEntry_night" }
        ]
    }

    function steps() {
        const w = probe.window
        return phase(w, "day", 0).concat(phase(w, "night", 1), devEntrySteps(w))
    }
}

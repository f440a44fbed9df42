import QtQuick

// Each settings page and the developer page, disconnected and connected, in day and night
// colours.
QtObject {
    // Switches slide into place: pictures are taken once they have.
    property bool settled: false
    property Timer settle: Timer {
        interval: 500
        onTriggered: settled = true
    }

    function settledShot(name) {
        return { run: () => {
                     settled = false
                     settle.restart()
                 },
                 wait: () => settled, shot: name }
    }

    readonly property var pages: ["UserInterfacePage", "AltitudeLimitPage", "BacklashPage",
                                  "AdvancedPage"]

    function pageShots(w, suffix) {
        const stack = w.inj_stackView
        const list = []
        for (const name of pages) {
            list.push({ run: () => stack.push("qrc:/Page/" + name + ".qml"),
                        wait: () => stack.depth === 2 && stack.currentItem.width > 0 })
            list.push(settledShot(name + "_" + suffix))
            list.push({ run: () => w.inj_mainUIUtil.goHome(), wait: () => stack.depth === 1 })
        }
        return list
    }

    function phase(w, mode, setting) {
        const stack = w.inj_stackView
        const dev = w.header.devSettingPage
        return [
            { run: () => w.inj_nightManager.setting = setting,
              wait: () => w.inj_nightManager.isNight === (setting === 1) }
        ].concat(pageShots(w, "disconnected_" + mode), [
            { run: () => inj_iConnectable.startSession(),
              wait: () => inj_mountConnection.connected && !inj_iConnectable.busy }
        ], pageShots(w, "connected_" + mode), [
            { run: () => stack.push(dev), wait: () => stack.currentItem === dev },
            settledShot("DevSettingPage_" + mode),
            { run: () => {
                  w.inj_mainUIUtil.goHome()
                  inj_iConnectable.startNextAction()
              },
              wait: () => stack.depth === 1 && !inj_mountConnection.connected }
        ])
    }

    function steps() {
        const w = probe.window
        return phase(w, "day", 0).concat(phase(w, "night", 1))
    }
}

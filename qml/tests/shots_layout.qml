import QtQuick

// The menus and the pages whose layout gives way in a small window, at the probe's
// --window-size in its --language, connected (the alignment entries enabled), in day and night
// colours.
QtObject {
    readonly property var pages: ["MainMenu", "AlignmentMenu", "StarMenu", "DeepSkyMenu",
        "UtilityMenu", "UserObjectsMenu", "SettingsMenu", "AdvancedMenu", "HibernatePage",
        "PpecPage", "AdvancedPage", "ConnectSettingsPage", "CameraControlPage"]

    function steps() {
        const w = probe.window
        const stack = w.inj_stackView
        let list = [{ run: () => inj_iConnectable.startSession(),
                      wait: () => inj_mountConnection.connected && !inj_iConnectable.busy
                                  && stack.currentItem !== null }]
        for (const night of [0, 1]) {
            const colours = night ? "night" : "day"
            list.push({ run: () => w.inj_nightManager.setting = night,
                        wait: () => w.inj_nightManager.isNight === (night === 1) })
            for (const name of pages) {
                if (name !== "MainMenu")
                    list.push({ run: () => stack.push("qrc:/Page/" + name + ".qml"),
                                wait: () => stack.depth === 2 && !stack.busy })
                list.push({ wait: () => !stack.busy, shot: name + "_" + colours })
                if (name !== "MainMenu")
                    list.push({ run: () => stack.pop(), wait: () => stack.depth === 1 && !stack.busy })
            }
        }
        return list
    }
}

import QtQuick
import "rig/Find.js" as Find

// The menus and the pages whose layout gives way in a small window, at the probe's
// --window-size in its --language, connected (the alignment entries enabled), in day and night
// colours, under the Sun warning: each page as it opens, and a page that scrolls once more
// scrolled to its end.
QtObject {
    // A page file, or a menu and the entry that opens the page.
    readonly property var pages: ["MainMenu", "AlignmentMenu", "StarMenu", "DeepSkyMenu",
        "UtilityMenu", "UserObjectsMenu", "SettingsMenu", "AdvancedMenu", "HibernatePage",
        "PpecPage", "AdvancedPage", "ConnectSettingsPage", "UserInterfacePage",
        ["AdvancedMenu", "cameraControl"], ["UserObjectsMenu", "celestialObjects"],
        ["UserObjectsMenu", "terrestrialObjects"], ["StarMenu", "namedStar"],
        ["AdvancedMenu", "log"], ["AdvancedMenu", "autoHome"], "AlignWithSyncPage",
        "WifiConfigPage", ["SettingsMenu", "location"], ["AdvancedMenu", "polarScope"]]

    function scrollable(item) {
        return Find.held(item, o => o.contentHeight !== undefined && o.flick !== undefined
                                    && o.visible && o.contentHeight > o.height + 1
                                    && !o.model)
    }

    function steps() {
        const w = probe.window
        const stack = w.inj_stackView
        // Connected by day or by night, the pages stand under the Sun warning: the least room.
        const banner = Find.named(w.footer, "sunWarningBanner")
        let list = [{ run: () => inj_iConnectable.startSession(),
                      wait: () => inj_mountConnection.connected && !inj_iConnectable.busy
                                  && stack.currentItem !== null },
                    { run: () => banner.show(), wait: () => banner.visible && banner.height > 0 }]
        for (const night of [0, 1]) {
            const colours = night ? "night" : "day"
            list.push({ run: () => w.inj_nightManager.setting = night,
                        wait: () => w.inj_nightManager.isNight === (night === 1) })
            for (const page of pages) {
                const name = Array.isArray(page) ? page[0] + "_" + page[1] : page
                const depth = Array.isArray(page) ? 3 : page === "MainMenu" ? 1 : 2
                // Each page as it opens after the pad was put out; a page may fold it itself.
                // The location page opens with the sensor on and no position yet: its state's
                // row is the first to scroll under the header. The site was seen before, so no
                // page asks for it.
                list.push({ run: () => {
                                w.inj_mainFooter.requestDisplay(true)
                                w.inj_locationSensorSetttings.setSiteNoticeDone()
                                w.inj_locationSensorSetttings.setUse(true)
                            },
                            wait: () => w.inj_mainFooter.displayControl })
                if (Array.isArray(page)) {
                    list.push({ run: () => stack.push("qrc:/Page/" + page[0] + ".qml"),
                                wait: () => stack.depth === 2 && !stack.busy })
                    list.push({ run: () => Find.itemNamed(stack.currentItem, page[1]).clicked(),
                                wait: () => stack.depth === 3 && !stack.busy })
                } else if (page !== "MainMenu") {
                    list.push({ run: () => stack.push("qrc:/Page/" + page + ".qml"),
                                wait: () => stack.depth === 2 && !stack.busy })
                }
                list.push({ wait: () => !stack.busy, shot: name + "_" + colours })
                const end = { label: name }
                list.push({ run: () => {
                                end.view = scrollable(stack.currentItem)
                                if (end.view)
                                    console.info("scrolls: " + name)
                                if (end.view)
                                    end.view.contentY = end.view.contentHeight - end.view.height
                            },
                            shot: name + "_" + colours + "_end" })
                if (depth > 1)
                    list.push({ run: () => stack.pop(stack.get(0)),
                                wait: () => stack.depth === 1 && !stack.busy })
            }
        }
        return list
    }
}

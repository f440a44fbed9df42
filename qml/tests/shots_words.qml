import QtQuick
import "rig/Find.js" as Find

// The pages whose labels wrap or give way in a small window, at the probe's --window-size in its
// --language, connected, by day and by night: the information page, the double-star list, the
// connect settings with their tabs and rows, the alignment menu, and the pages of sliders with
// values between their steps.
QtObject {
    // A menu and the entry that opens the page, or a page file.
    readonly property var pages: [["UtilityMenu", "information"], ["StarMenu", "doubleStar"],
        "ConnectSettingsPage", "AlignmentMenu", "UserInterfacePage", "BacklashPage",
        "AltitudeLimitPage"]

    function steps() {
        const w = probe.window
        const stack = w.inj_stackView
        let list = [{ run: () => inj_iConnectable.startSession(),
                      wait: () => inj_mountConnection.connected && !inj_iConnectable.busy
                                  && stack.currentItem !== null },
                    { run: () => {
                          inj_appCore.backlashAxis1 = 2.5 / 60 * Math.PI / 180
                          inj_appCore.backlashAxis2 = 7.5 / 60 * Math.PI / 180
                          inj_altRange.maxAlt = 80.4 * Math.PI / 180
                      } }]
        for (const night of [0, 1]) {
            const colours = night ? "night" : "day"
            list.push({ run: () => w.inj_nightManager.setting = night,
                        wait: () => w.inj_nightManager.isNight === (night === 1) })
            for (const page of pages) {
                const name = Array.isArray(page) ? page[0] + "_" + page[1] : page
                const depth = Array.isArray(page) ? 3 : 2
                list.push({ run: () => stack.push("qrc:/Page/" + (Array.isArray(page) ? page[0]
                                                                                     : page)
                                                  + ".qml"),
                            wait: () => stack.depth === 2 && !stack.busy })
                if (Array.isArray(page))
                    list.push({ run: () => Find.itemNamed(stack.currentItem, page[1]).clicked(),
                                wait: () => stack.depth === 3 && !stack.busy })
                // A list fills in once its rows are read.
                list.push({ wait: () => !stack.busy && (!stack.currentItem.listView
                                                        || stack.currentItem.listView.count > 0),
                            shot: name + "_" + colours })
                // The information page once more at its pole-star rows, whose titles are long.
                if (name === "UtilityMenu_information")
                    list.push({ run: () => Find.itemNamed(stack.currentItem, "sections")
                                               .positionViewAtIndex(3, ListView.Beginning),
                                shot: name + "_" + colours + "_polestar" })
                list.push({ run: () => stack.pop(stack.get(0)),
                            wait: () => stack.depth === 1 && !stack.busy })
            }
        }
        return list
    }
}

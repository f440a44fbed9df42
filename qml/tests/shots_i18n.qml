import QtQuick
import "tst_connect"
import "rig/Find.js" as Find

// The main screens in the probe's --language, day colours: the main menu, the connect popup,
// the object page, the settings menu and pages, and the reset-alignment dialog.
QtObject {
    property StandInSession session: StandInSession {
        busy: true
        statusText: "Connecting"
        statusDetailText: "192.168.4.1"
    }

    // Switches slide into place: pictures are taken once they have.
    property bool settled: false
    property Timer settle: Timer {
        interval: 400
        onTriggered: settled = true
    }

    function settledShot(name, run) {
        return { run: () => {
                     settled = false
                     run()
                     settle.restart()
                 },
                 wait: () => settled, shot: name }
    }

    function steps() {
        const w = probe.window
        const stack = w.inj_stackView
        const popup = Find.named(w.header, "popupConnect")
        const list = [
            { wait: () => stack.currentItem !== null && stack.currentItem.width > 0,
              shot: "mainmenu" },
            settledShot("connect", () => {
                probe.publish("inj_iConnectable", session)
                session.startSession()
            }),
            { run: () => {
                  session.cancelSession()
                  probe.restore("inj_iConnectable")
                  inj_iConnectable.startSession()
              },
              wait: () => inj_mountConnection.connected && !inj_iConnectable.busy
                          && !popup.visible },
            { run: () => inj_astroList_star.setDisplayed(true),
              wait: () => !inj_astroList_star.loadingList && inj_astroList_star.list.length > 0 },
            settledShot("objectinfo", () => {
                const star = inj_astroList_star.getAstroObj(0)
                inj_astroList_star.setDisplayed(false)
                w.inj_objectInfoPage.go(star)
            }),
            { run: () => w.inj_mainUIUtil.goHome(), wait: () => stack.depth === 1 },
            settledShot("settingsmenu", () => stack.push("qrc:/Page/SettingsMenu.qml"))
        ]
        for (const name of ["UserInterfacePage", "ConnectSettingsPage", "AltitudeLimitPage",
                            "BacklashPage", "AdvancedPage"]) {
            list.push(settledShot(name, () => stack.push("qrc:/Page/" + name + ".qml")))
            list.push({ run: () => stack.pop(), wait: () => stack.depth === 2 && !stack.busy })
        }
        list.push({ run: () => w.inj_mainUIUtil.goHome(), wait: () => stack.depth === 1 })
        list.push(settledShot("resetdialog", () => {
            stack.push("qrc:/Page/AlignmentMenu.qml")
            stack.currentItem.resetDialog.open()
        }))
        return list
    }

}

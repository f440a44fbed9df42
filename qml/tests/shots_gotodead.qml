import QtQuick
import "rig"
import "rig/Find.js" as Find

// The GoTo dialog on a link that does not answer, at the probe's --window-size in its --language,
// by day and by night: under way with the mount's notice that its stop goes unanswered, then over
// with the stop still on its way (Close), the notice still shown. The toast shows in the room the
// dialog makes for it; the message stays whole beside Close. At each picture no wrapped text may
// break inside a word, read in the language shown (the probe's brokenWords()).
QtObject {
    id: driver

    property DeadLinkGoTo deadGoTo: DeadLinkGoTo {
        publisher: probe
    }

    function checkWords(name) {
        const broken = probe.brokenWords(inj_languageManager.language)
        if (broken.length > 0)
            probe.fail(name + ": " + broken.map(b => "\"" + b.lines.join("|") + "\" at "
                                                     + b.path).join("; "))
    }

    // The picture by day and by night once wait holds, each checked for broken words.
    function both(name, wait) {
        const w = probe.window
        const list = []
        for (const night of [0, 1]) {
            const shot = name + (night ? "_night" : "_day")
            list.push({ run: () => w.inj_nightManager.setting = night,
                        wait: () => wait() && w.inj_nightManager.isNight === (night === 1),
                        shot: shot })
            list.push({ run: () => checkWords(shot) })
        }
        return list
    }

    function steps() {
        const w = probe.window
        const popup = Find.named(w, "popupGoTo")
        if (!popup)
            probe.fail("the GoTo dialog is missing")
        const toaster = w.inj_toaster
        const cancel = Find.itemNamed(popup.contentItem, "cancelButton")
        // The newest toast is made (its height tells, as the item itself does not), has faded in,
        // and its room has opened to it.
        const toastShown = () => toaster.count === 1 && toaster.toastsHeight > 0
                                 && toaster.itemAtIndex(0) !== null
                                 && toaster.itemAtIndex(0).opacity >= 0.9
                                 && toaster.height >= toaster.itemAtIndex(0).height
        return [
            { run: () => {
                  deadGoTo.publish()
                  toaster.show(qsTranslate("mount", "The mount does not answer and may still be moving. The stop is sent again until it answers."), 60000)
              },
              wait: () => popup.opened }
        ].concat(both("goto_noanswer_toast", () => popup.opened && toastShown()), [
            { run: () => deadGoTo.strand(),
              wait: () => cancel.text === qsTranslate("PopupGoTo", "Close") }
        ], both("goto_stranded_toast", () => popup.visible && toastShown()), [
            { run: () => {
                  toaster.model.clear()
                  w.inj_nightManager.setting = 0
              } }
        ], both("goto_stranded", () => popup.visible && toaster.count === 0), [
            { run: () => deadGoTo.end(), wait: () => !popup.visible }
        ], leftOverPage())
    }

    // The same GoTo over the celestial objects' page, closed with Close: the notice that the stop
    // is on its way shows above the row of Save and Edit.
    function leftOverPage() {
        const w = probe.window
        const stack = w.inj_stackView
        const popup = Find.named(w, "popupGoTo")
        const toaster = w.inj_toaster
        const cancel = Find.itemNamed(popup.contentItem, "cancelButton")
        const shown = () => !popup.visible && toaster.count === 1 && toaster.itemAtIndex(0) !== null
                            && toaster.itemAtIndex(0).opacity >= 0.9
        return [
            { run: () => {
                  w.inj_nightManager.setting = 0
                  stack.push("qrc:/Page/UserObjectsPage.qml",
                             { isAxis: false, profileList: inj_userObject_CE })
              },
              wait: () => stack.depth === 2 && !stack.busy },
            { run: () => {
                  deadGoTo.publish()
                  deadGoTo.strand()
              },
              wait: () => popup.opened && cancel.text === qsTranslate("PopupGoTo", "Close") },
            // Long enough to take both pictures, as the six seconds of the real one may not be.
            { run: () => {
                  toaster.model.clear()
                  cancel.clicked()
                  const text = toaster.model.get(0).text
                  toaster.model.clear()
                  toaster.show(text, 60000)
              },
              wait: shown }
        ].concat(both("goto_left_userobjects", shown), [
            { run: () => {
                  deadGoTo.end()
                  toaster.model.clear()
                  w.inj_nightManager.setting = 0
                  stack.pop()
              },
              wait: () => stack.depth === 1 && !stack.busy }
        ])
    }
}

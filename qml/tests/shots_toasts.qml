import QtQuick
import "rig/Find.js" as Find

// Toasts beside what a page keeps clear of them, at the probe's --window-size in its --language,
// in day and night colours: on the camera page in bulb mode, after a release the mount did not
// answer, the two shutter notices beside the button and the word that the shutter may still be
// open, with the slew pad folded and then put out; on the user objects page, Save's notice of a
// position half typed in beside the frame tabs and the list's bar. No toast drawn may lie over
// any of them, nor under the header.
QtObject {
    id: driver

    property var page: null
    // The toasts fade in and slide into place: pictured once they have settled.
    property bool settled: false
    property Timer settle: Timer {
        interval: 500
        onTriggered: driver.settled = true
    }

    // The camera service with a bulb close still pending, and a connected mount whose link does
    // not answer.
    readonly property QtObject pendingClose: QtObject {
        property bool isBulb: true
        property bool isRunning: false
        property bool closePending: true
        property string count: "754.3"
        property var list: []
        signal taskDone()
        signal commandError()
        function shutterOnOff(on) {}
    }
    readonly property QtObject deadLink: QtObject {
        property bool connected: true
        property bool hasWifi: false
        property QtObject mount: QtObject {
            property bool linkAnswering: false
        }
    }

    // The user's objects, none stored; with no mount connected the rows show what is typed alone.
    property QtObject noObjects: QtObject {
        property var list: []
    }

    function toaster() {
        return probe.window.inj_toaster
    }

    // Shows the toasts long enough to be pictured on a busy machine.
    function showLong(texts) {
        const t = toaster()
        t.model.clear()
        for (const text of texts)
            t.show(text, 60000)
        settled = false
        settle.restart()
    }

    function toastsShown(n) {
        const t = toaster()
        if (t.count !== n || !settled)
            return false
        for (let i = 0; i < n; ++i) {
            const item = t.itemAtIndex(i)
            if (!item || item.opacity < 1)
                return false
        }
        return true
    }

    function rect(item) {
        const p = item.mapToItem(toaster().parent, 0, 0)
        return { top: p.y, bottom: p.y + item.height }
    }

    // Every toast lies over none of the named items that show, and below the header.
    function checkClear(name, names) {
        const t = toaster()
        const header = probe.window.header
        const headerBottom = header && header.visible ? header.height : 0
        if (!t.itemAtIndex(0).visible)
            probe.fail(name + ": the newest toast not drawn")
        for (let i = 0; i < t.count; ++i) {
            // Not drawn where the band is too low for it.
            if (!t.itemAtIndex(i).visible)
                continue
            const toast = rect(t.itemAtIndex(i))
            if (toast.top < headerBottom - 0.5)
                probe.fail(name + ": a toast at " + toast.top + " under the header")
            for (const kept of names) {
                const item = Find.itemNamed(page, kept)
                if (!item || !item.visible)
                    continue
                const r = rect(item)
                if (toast.bottom > r.top + 0.5 && toast.top < r.bottom - 0.5)
                    probe.fail(name + ": a toast at " + toast.top + "-" + toast.bottom + " over "
                               + kept + " at " + r.top + "-" + r.bottom)
            }
        }
    }

    function tabArrived() {
        const tabs = Find.itemNamed(page, "modeBar").contentItem
        return tabs.currentItem !== null && tabs.highlightItem !== null
               && Math.abs(tabs.highlightItem.x - tabs.currentItem.x) < 0.5
    }

    readonly property var cameraKept: ["bulbButton", "closePending"]
    readonly property var objectsKept: ["raRow", "decRow", "frameBar", "saveButton", "editButton"]

    function phase(mode) {
        const w = probe.window
        const stack = w.inj_stackView
        const shutterTexts = [
            qsTranslate("CameraControlPage", "The mount did not take the shutter command."),
            qsTranslate("PopupQuitWhileStopping",
                        "Disconnected before the shutter closed: it may still be open. Connect again to close it.")
        ]
        return [
            { run: () => w.inj_nightManager.setting = mode === "night" ? 1 : 0,
              wait: () => w.inj_nightManager.isNight === (mode === "night") },
            { run: () => {
                  probe.publish("inj_cameraControl", pendingClose)
                  probe.publish("inj_mountConnection", deadLink)
                  w.inj_mainFooter.requestDisplay(false)
                  page = stack.push("qrc:/Page/CameraControlPage.qml")
              },
              wait: () => page !== null && !stack.busy && tabArrived()
                          && Find.itemNamed(page, "closePending").visible },
            { run: () => showLong(shutterTexts), wait: () => toastsShown(2),
              shot: "camera_bulb_toasts_" + mode },
            { run: () => checkClear("camera_bulb_toasts_" + mode, cameraKept) },
            { run: () => {
                  w.inj_mainFooter.requestDisplay(true)
                  showLong(shutterTexts)
              },
              wait: () => w.inj_mainFooter.displayControl && toastsShown(2),
              shot: "camera_bulb_toasts_pad_" + mode },
            { run: () => checkClear("camera_bulb_toasts_pad_" + mode, cameraKept) },
            { run: () => {
                  toaster().model.clear()
                  w.inj_mainFooter.requestDisplay(false)
                  stack.pop()
                  probe.restore("inj_cameraControl")
                  probe.restore("inj_mountConnection")
              },
              wait: () => stack.depth === 1 && !stack.busy },
            { run: () => {
                  page = stack.push("qrc:/Page/UserObjectsPage.qml",
                                    { isAxis: false, profileList: noObjects })
              },
              wait: () => page !== null && !stack.busy },
            // R.A. typed, Dec left empty: Save says what is missing.
            { run: () => {
                  const ra = Find.itemNamed(page, "raRow")
                  ra.firstField.text = "5"
                  ra.minutesField.text = "35"
                  ra.secondsField.text = "17"
                  toaster().model.clear()
                  Find.itemNamed(Find.itemNamed(page, "pane"), "saveButton").clicked()
              },
              wait: () => toaster().count === 1 },
            { run: () => showLong([toaster().model.get(0).text]), wait: () => toastsShown(1),
              shot: "objects_half_typed_" + mode },
            { run: () => checkClear("objects_half_typed_" + mode, objectsKept) },
            { run: () => {
                  toaster().model.clear()
                  stack.pop()
              },
              wait: () => stack.depth === 1 && !stack.busy }
        ]
    }

    function steps() {
        return phase("day").concat(phase("night"))
    }
}

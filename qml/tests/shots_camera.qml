import QtQuick
import "rig/Find.js" as Find

// The camera page's rows with the longest values, at the probe's --window-size in its
// --language, in day and night colours: the groups as stored, and while the program runs, with
// the values left under them. Nothing of a row may overlap another part of it (the probe's
// layout check), running or not. Then the bulb view after a release the mount did not answer:
// the count stopped and the word that the shutter may still be open, with the slew pad folded
// and then put out, which leaves the page the least height; and the same word in timer mode,
// after a run whose open or close the mount did not take.
QtObject {
    id: driver

    property var page: null

    // An hour every two minutes 999 times, ten minutes every minute, and a fraction of a second.
    readonly property var groups: [[999, 3600, 120], [12, 600, 60], [1, 45.5, 45.5]]

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

    function storeGroups() {
        inj_cameraControl.list = []
        for (const [photos, exposure, pause] of groups) {
            inj_cameraControl.add()
            const g = inj_cameraControl.load(inj_cameraControl.list.length - 1)
            g.photos = photos
            g.exposureSec = exposure
            g.photoIntervalSec = pause
            inj_cameraControl.save(g)
        }
    }

    function checkLayout(name) {
        const found = probe.overlaps([probe.window.inj_toaster])
        if (found.length > 0)
            probe.fail(name + ": " + found.map(o => o.kind + ": " + o.first + " at " + o.firstArea
                                               + " / " + o.second + " at " + o.secondArea)
                                          .join("; "))
    }

    function banner() {
        return Find.named(probe.window.footer, "sunWarningBanner")
    }

    // The mode bar slides its underline to the chosen tab: pictured once it has arrived.
    function tabArrived() {
        const tabs = Find.itemNamed(page, "modeBar").contentItem
        return tabs.currentItem !== null && tabs.highlightItem !== null
               && Math.abs(tabs.highlightItem.x - tabs.currentItem.x) < 0.5
    }

    function rowsShown() {
        const list = Find.itemNamed(page, "profileList")
        return list !== null && list.count === groups.length && list.itemAtIndex(0) !== null
    }

    function phase(mode) {
        const w = probe.window
        const stack = w.inj_stackView
        return [
            { run: () => w.inj_nightManager.setting = mode === "night" ? 1 : 0,
              wait: () => w.inj_nightManager.isNight === (mode === "night") },
            { run: () => {
                  storeGroups()
                  inj_cameraControl.isBulb = false
                  page = stack.push("qrc:/Page/CameraControlPage.qml")
              },
              wait: () => page !== null && !stack.busy && rowsShown(),
              shot: "camera_groups_" + mode },
            { run: () => checkLayout("camera_groups_" + mode) },
            { run: () => Find.itemNamed(page, "startButton").clicked(),
              wait: () => inj_cameraControl.isRunning && inj_cameraControl.list[0].exposureCur !== "",
              shot: "camera_running_" + mode },
            { run: () => checkLayout("camera_running_" + mode) },
            { run: () => {
                  inj_cameraControl.stopTask()
                  stack.pop()
              },
              wait: () => !inj_cameraControl.isRunning && stack.depth === 1 && !stack.busy },
            { run: () => {
                  pendingClose.isBulb = true
                  probe.publish("inj_cameraControl", pendingClose)
                  probe.publish("inj_mountConnection", deadLink)
                  page = stack.push("qrc:/Page/CameraControlPage.qml")
              },
              wait: () => page !== null && !stack.busy && tabArrived()
                          && Find.itemNamed(page, "closePending").visible,
              shot: "camera_bulb_unanswered_" + mode },
            { run: () => checkLayout("camera_bulb_unanswered_" + mode) },
            // A run whose open the link left unanswered: the toast that the exposures have
            // stopped, over the word that the shutter may still be open.
            { run: () => {
                  Find.itemNamed(page, "modeBar").currentIndex = 0
                  pendingClose.commandError()
              },
              wait: () => tabArrived() && Find.itemNamed(page, "runClosePending").visible
                          && w.inj_toaster.count > 0,
              shot: "camera_timer_open_unanswered_" + mode },
            { run: () => checkLayout("camera_timer_open_unanswered_" + mode) },
            { run: () => Find.itemNamed(page, "modeBar").currentIndex = 1,
              wait: () => tabArrived() && w.inj_toaster.count === 0, timeoutMs: 15000 },
            { run: () => w.inj_mainFooter.requestDisplay(true),
              wait: () => w.inj_mainFooter.displayControl,
              shot: "camera_bulb_unanswered_pad_" + mode },
            { run: () => checkLayout("camera_bulb_unanswered_pad_" + mode) },
            { run: () => Find.itemNamed(page, "modeBar").currentIndex = 0,
              wait: () => tabArrived() && Find.itemNamed(page, "runClosePending").visible,
              shot: "camera_timer_unanswered_pad_" + mode },
            { run: () => checkLayout("camera_timer_unanswered_pad_" + mode) },
            // Opened straight into the least height: the slew pad out and the Sun warning over
            // it, as the page is laid out the first time.
            { run: () => {
                  stack.pop()
                  banner().show()
                  pendingClose.isBulb = true
              },
              wait: () => stack.depth === 1 && !stack.busy && banner().height > 0 },
            { run: () => page = stack.push("qrc:/Page/CameraControlPage.qml"),
              wait: () => page !== null && !stack.busy && tabArrived()
                          && Find.itemNamed(page, "closePending").visible,
              shot: "camera_bulb_unanswered_opened_small_" + mode },
            { run: () => checkLayout("camera_bulb_unanswered_opened_small_" + mode) },
            { run: () => {
                  banner().visible = false
                  stack.pop()
                  probe.restore("inj_cameraControl")
                  probe.restore("inj_mountConnection")
              },
              wait: () => stack.depth === 1 && !stack.busy }
        ]
    }

    function steps() {
        return [
            { run: () => inj_iConnectable.startSession(),
              wait: () => inj_mountConnection.connected && !inj_iConnectable.busy,
              timeoutMs: 15000 }
        ].concat(phase("day"), phase("night"), [
            { run: () => inj_iConnectable.startNextAction(),
              wait: () => !inj_mountConnection.connected }
        ])
    }
}

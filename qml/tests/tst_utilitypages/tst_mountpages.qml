import QtQuick
import QtQuick.Controls
import QtTest
import "qrc:/"

// Hibernate, auto home and training, on a scripted mount for what the emulated one cannot do,
// and on the emulated mount for what it answers itself.
TestCase {
    id: root
    name: "MountPages"
    when: windowShown
    visible: true
    width: 428
    height: 700

    readonly property NightManager inj_nightManager: night
    readonly property StackView inj_stackView: stack
    property var mount: null

    NightManager {
        id: night
    }
    StackView {
        id: stack
        anchors.fill: parent
        initialItem: Item {}
        pushEnter: Transition {}
        pushExit: Transition {}
        popEnter: Transition {}
        popExit: Transition {}
    }

    function showPage(name) {
        const page = createTemporaryObject(Qt.createComponent("qrc:/Page/" + name + ".qml"), null)
        verify(page, name)
        stack.push(page)
        // Layouts place their children at the next frame; clicks need them placed.
        waitForRendering(page)
        return page
    }

    function child(page, objectName) {
        const item = findChild(page, objectName)
        verify(item, objectName)
        return item
    }

    function cleanup() {
        while (stack.depth > 1)
            stack.pop(null, StackView.Immediate)
        testHelper.disconnectMount()
        mount = null
    }

    function test_hibernate() {
        const page = showPage("HibernatePage")
        const here = child(page, "parkHere")
        const home = child(page, "parkHome")
        const dialog = child(page, "savedDialog")
        compare([here.enabled, home.enabled], [false, false], "no mount")
        compare(child(page, "status").text, "No hibernate data")

        mount = testHelper.connectScriptedMount({ parked: false })
        compare([here.enabled, home.enabled], [true, true])
        mouseClick(here)
        mouseClick(home)
        compare(mount.calls("parkAsync"), [[0], [1]], "here, then home first")

        // Each change to parked opens the notice once.
        for (let round = 0; round < 2; ++round) {
            mount.set({ parked: true })
            tryCompare(dialog, "opened", true)
            compare(child(page, "status").text, "Hibernate data saved")
            compare([here.enabled, home.enabled], [false, false], "parked")
            mouseClick(findChild(dialog.footer, "firstButton"))
            tryCompare(dialog, "visible", false)
            mount.set({ parked: true })
            // A check that nothing happens: a wrongly opened notice shows within this pause at
            // rest; a loaded machine may show it later, so the pause can miss a fault but never
            // fail a sound run.
            wait(50)
            compare(dialog.visible, false, "no change, no notice")
            mount.set({ parked: false })
            compare(dialog.visible, false, "unparked")
            compare([here.enabled, home.enabled], [true, true])
        }
    }

    function test_autoHomeOffset_data() {
        return [
            { tag: "blank", text: "  ", valid: true, deg: 0 },
            { tag: "decimal", text: "12.5", valid: true, deg: 12.5 },
            { tag: "lowest", text: "-180", valid: true, deg: -180 },
            { tag: "above range", text: "181", valid: false },
            { tag: "not a number", text: "1x", valid: false }
        ]
    }

    function test_autoHomeOffset(data) {
        mount = testHelper.connectScriptedMount({ supportsAutoHome: true })
        const page = showPage("AutoHomePage")
        const field = child(page, "offset")
        const start = child(page, "startStop")
        compare(field.text, "", "the field starts empty")
        field.text = data.text
        compare(start.text, "Start")
        compare(start.enabled, data.valid)
        compare(field.background.color.a > 0, !data.valid, "an invalid offset tints the field")
        mouseClick(start)
        const calls = mount.calls("autoHomeAsync")
        compare(calls.length, data.valid ? 1 : 0)
        if (data.valid)
            fuzzyCompare(calls[0][0], data.deg * Math.PI / 180, 1e-12)
    }

    function test_autoHomeStates_data() {
        return [
            { tag: "no mount", connect: false, text: "Start", enabled: false, notSupported: false },
            { tag: "unsupported", connect: true, states: { supportsAutoHome: false },
              text: "Start", enabled: false, notSupported: true },
            { tag: "running", connect: true, states: { duringAutoHome: true }, text: "Stop",
              enabled: true, notSupported: false, stops: true }
        ]
    }

    function test_autoHomeStates(data) {
        if (data.connect)
            mount = testHelper.connectScriptedMount(data.states)
        const page = showPage("AutoHomePage")
        const start = child(page, "startStop")
        compare(start.text, data.text)
        compare(start.enabled, data.enabled)
        compare(child(page, "notSupported").visible, data.notSupported)
        compare(child(page, "offset").enabled, !data.stops, "no offset edits while running")
        if (!data.stops)
            return
        child(page, "offset").text = "999"
        compare(start.enabled, true, "Stop does not depend on the offset")
        mouseClick(start)
        compare(mount.calls("abortSlewAsync").length, 1)
        compare(mount.calls("autoHomeAsync").length, 0)
    }

    function test_minutesSeconds_data() {
        return [
            { tag: "zero", s: 0, text: "0:00" },
            { tag: "padded seconds", s: 5, text: "0:05" },
            { tag: "over a minute", s: 100, text: "1:40" },
            { tag: "fraction dropped", s: 59.9, text: "0:59" },
            { tag: "an hour", s: 3600, text: "60:00" }
        ]
    }

    function test_minutesSeconds(data) {
        const page = showPage("PpecPage")
        compare(page.minutesSeconds(data.s), data.text)
    }

    function test_ppecTraining_data() {
        return [
            { tag: "with period", period: 100, shown: true, required: "1:40 ~ 3:20" },
            { tag: "no period", period: 0, shown: false }
        ]
    }

    function test_ppecTraining(data) {
        const page = showPage("PpecPage")
        const start = child(page, "startStop")
        const elapsed = child(page, "elapsed")
        compare([child(page, "support").text, start.enabled], ["", false], "no mount")

        mount = testHelper.connectScriptedMount({ supportsPpec: true, pePeriodSec: data.period })
        compare(child(page, "support").text, "Supported")
        compare(child(page, "timeRequired").visible, data.shown)
        if (data.shown)
            compare(child(page, "timeRequiredValue").text, data.required)

        // A start the mount has not confirmed runs nothing.
        mouseClick(start)
        compare(mount.calls("setPpecTrainingAsync"), [[1]])
        // A check that nothing runs: the pause can miss a fault on a loaded machine but never
        // fail a sound run.
        wait(600)
        compare(elapsed.text, "")
        compare(start.text, "Start")

        mount.set({ lastPpecTraining: true })
        compare(start.text, "Stop")
        tryCompare(elapsed, "text", "0:00")
        // The label counts wall seconds; a loaded machine may run its timer late.
        tryCompare(elapsed, "text", "0:01", 10000)
        // The mount ends it: the label keeps its last text.
        mount.set({ lastPpecTraining: false })
        const last = elapsed.text
        // A check that the label stops: a second tick would come within this pause at rest; the
        // pause can miss a fault on a loaded machine but never fail a sound run.
        wait(1100)
        compare(elapsed.text, last)
        compare(start.text, "Start")
        mouseClick(start)
        compare(mount.calls("setPpecTrainingAsync"), [[1], [1]])
    }

    // While the mount trains, the page asks it every 5 s how the training stands, and only then.
    function test_ppecReadBack() {
        const page = showPage("PpecPage")
        const timer = findChild(page, "readBackTimer")
        verify(timer, "readBackTimer")
        mount = testHelper.connectScriptedMount({ supportsPpec: true, pePeriodSec: 100 })
        compare(timer.interval, 5000)
        compare(timer.running, false, "no training, no read-back")
        compare(mount.calls("updatePpecTrainingAsync"), [])
        const started = Date.now()
        mount.set({ lastPpecTraining: true })
        compare(timer.running, true)
        // A timer never fires early; the wait allows a busy machine to be late.
        tryVerify(() => mount.calls("updatePpecTrainingAsync").length >= 1, 30000,
                  "the training is read back")
        verify(Date.now() - started >= 4900, "read back after " + (Date.now() - started) + " ms")
        mount.set({ lastPpecTraining: false })
        compare(timer.running, false, "the training ended: no more read-back")
        const count = mount.calls("updatePpecTrainingAsync").length
        testHelper.disconnectMount()
        compare(timer.running, false)
        compare(mount.calls("updatePpecTrainingAsync").length, count)
    }

    // A Start or Stop lost on a dead link may have reached the mount: when the link answers
    // again the page reads the training once, and the button follows what the mount then says.
    function test_ppecReadOnLinkReturn_data() {
        return [
            { tag: "link answers again", supported: true, from: false, to: true, reads: 1 },
            { tag: "link falls silent", supported: true, from: true, to: false, reads: 0 },
            { tag: "link answers again, no PPEC", supported: false, from: false, to: true,
              reads: 0 }
        ]
    }

    function test_ppecReadOnLinkReturn(data) {
        const page = showPage("PpecPage")
        mount = testHelper.connectScriptedMount({ supportsPpec: data.supported, pePeriodSec: 100,
                                                  linkAnswering: data.from })
        const start = child(page, "startStop")
        if (data.supported)
            mouseClick(start)
        compare(start.text, "Start", "the unanswered start shows nothing")
        mount.set({ linkAnswering: data.to })
        compare(mount.calls("updatePpecTrainingAsync").length, data.reads)
        if (data.reads) {
            // The mount took the start after all.
            mount.set({ lastPpecTraining: true })
            compare(start.text, "Stop")
        }
    }

    function test_ppecUnsupported() {
        mount = testHelper.connectScriptedMount({ supportsPpec: false, pePeriodSec: 0 })
        const page = showPage("PpecPage")
        compare(child(page, "support").text, "Unsupported")
        compare(child(page, "startStop").enabled, false)
    }

    // The emulated mount can park and train, and has no auto home.
    function test_emulatedMount() {
        const checks = [
            { page: "HibernatePage", item: "parkHere", property: "enabled", connected: true,
              disconnected: false },
            { page: "AutoHomePage", item: "notSupported", property: "visible", connected: true,
              disconnected: false },
            { page: "AutoHomePage", item: "startStop", property: "enabled", connected: false,
              disconnected: false },
            { page: "PpecPage", item: "support", property: "text", connected: "Supported",
              disconnected: "" },
            { page: "PpecPage", item: "startStop", property: "enabled", connected: true,
              disconnected: false }
        ]
        const look = state => checks.forEach(check => {
            const item = child(showPage(check.page), check.item)
            compare(item[check.property], check[state], check.page + " " + check.item + " " + state)
            stack.pop(null, StackView.Immediate)
        })
        inj_iConnectable.startSession()
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false, 10000)
        look("connected")
        // Disconnecting is done at once on this thread; nothing of the session outlives the file.
        inj_iConnectable.startNextAction()
        tryCompare(inj_mountConnection, "connected", false, 10000)
        look("disconnected")
    }
}

import QtQuick
import QtQuick.Controls
import QtTest

// The camera page on the real root with the emulated mount, connected at launch.
TestCase {
    id: testCase
    name: "CameraPage"
    when: windowShown

    property var window: null
    property var page: null

    function initTestCase() {
        window = Qt.createComponent("qrc:/main.qml").createObject(testCase)
        verify(window)
        shownSize = Qt.size(window.width, window.height)
    }

    function cleanupTestCase() {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    function init() {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        inj_cameraControl.isBulb = false
        inj_cameraControl.list = []
        page = window.inj_stackView.push("qrc:/Page/CameraControlPage.qml")
        verify(page)
    }

    function cleanup() {
        if (inj_cameraControl.isRunning)
            inj_cameraControl.stopTask()
        window.inj_mainUIUtil.goHome()
        page = null
        inj_languageManager.language = "en"
        window.width = shownSize.width
        window.height = shownSize.height
    }

    // The window's size as the tests start it.
    property size shownSize

    // Opening the page lays out its tabs, its list and its rows afresh, at their widths: in no
    // language, mode or window size may that feed back into the page's height while the page
    // places its parts by it.
    function test_opensWithoutBindingLoop_data() {
        const rows = []
        for (const language of ["en", "de", "es", "fr", "it", "ja", "zh", "ru", "hr", "hu", "nl",
                                "pt", "ro"]) {
            for (const size of [[320, 480], [360, 640], [428, 926]]) {
                for (const bulb of [false, true]) {
                    rows.push({ tag: language + " " + size[0] + "x" + size[1]
                                     + (bulb ? " bulb" : " timer"),
                                language: language, width: size[0], height: size[1],
                                bulb: bulb })
                }
            }
        }
        return rows
    }

    function test_opensWithoutBindingLoop(data) {
        window.inj_stackView.pop()
        failOnWarning(/Binding loop detected/)
        inj_languageManager.language = data.language
        window.width = data.width
        window.height = data.height
        inj_cameraControl.isBulb = data.bulb
        for (const [photos, exposure, pause] of [[999, 3600, 120], [12, 600, 60]]) {
            inj_cameraControl.add()
            const g = inj_cameraControl.load(inj_cameraControl.list.length - 1)
            g.photos = photos
            g.exposureSec = exposure
            g.photoIntervalSec = pause
            inj_cameraControl.save(g)
        }
        page = window.inj_stackView.push("qrc:/Page/CameraControlPage.qml")
        tryCompare(window.inj_stackView, "busy", false)
        waitForRendering(page)
        compare(child("modeBar").currentIndex, data.bulb ? 1 : 0)
    }

    SignalSpy {
        id: shutterErrors
        target: inj_cameraControl
        signalName: "commandError"
    }

    function child(name) {
        const item = findChild(page, name)
        verify(item, name)
        return item
    }

    function paneButton(name) {
        return findChild(child("pane"), name)
    }

    function rowButton(index) {
        const list = findChild(child("pane"), "profileList")
        return findChild(list.itemAtIndex(index), "rowButton")
    }

    function stored() {
        const v = testHelper.storedSettings()["exp_groups"]
        return typeof v === "string" ? JSON.parse(v) : v
    }

    // Opens the editor of a group, fills it and goes back.
    function editGroup(index, fields) {
        mouseClick(rowButton(index))
        const editor = window.inj_stackView.currentItem
        verify(editor.photosField, "the group editor is on top")
        verify(!window.header.visible)
        findChild(editor, "enabledSwitch").checked = fields.enabled
        editor.photosField.text = fields.photos
        editor.exposureField.text = fields.exposure
        editor.pauseField.text = fields.pause
        window.inj_stackView.pop()
        compare(window.inj_stackView.currentItem, page)
    }

    function test_groupEditor_data() {
        return [
            { tag: "empty photos", enabled: false, photos: "", exposure: "30", pause: "5",
              want: [false, 0, 30, 5] },
            { tag: "whole numbers", enabled: true, photos: "12", exposure: "1", pause: "0",
              want: [true, 12, 1, 0] },
            { tag: "not a number", enabled: true, photos: "x", exposure: "7.6", pause: "",
              want: [true, 0, 8, 0] }
        ]
    }

    function test_groupEditor(data) {
        mouseClick(paneButton("saveButton"))
        mouseClick(paneButton("saveButton"))
        compare(inj_cameraControl.list.length, 2)
        editGroup(1, data)
        const g = inj_cameraControl.list[1]
        compare([g.enExposure, g.photos, g.exposureSec, g.photoIntervalSec], data.want)
        const s = stored()
        compare(s.length, 2)
        // The list keeps its length and order; the first group keeps its defaults.
        compare(inj_cameraControl.list[0].photos, 1)
        compare(inj_cameraControl.list[0].exposureSec, 10)
    }

    function test_startNeedsAGroup() {
        const start = child("startButton")
        verify(!start.enabled)
        mouseClick(paneButton("saveButton"))
        verify(start.enabled)
        mouseClick(paneButton("editButton"))
        mouseClick(rowButton(0))
        compare(inj_cameraControl.list.length, 0)
        verify(!start.enabled)
    }

    function test_programRunsToTheEnd() {
        mouseClick(paneButton("saveButton"))
        editGroup(0, { enabled: true, photos: "1", exposure: "1", pause: "0" })
        const toaster = window.inj_toaster
        mouseClick(child("startButton"))
        verify(inj_cameraControl.isRunning)
        compare(child("startButton").text, "Stop")
        // The list is locked while the program runs.
        verify(!paneButton("saveButton").enabled)
        verify(!rowButton(0).visible)
        tryVerify(() => toaster.count > 0 && toaster.model.get(0).text === "Groups exposure finished", 15000)
        tryCompare(inj_cameraControl, "isRunning", false)
        verify(rowButton(0).visible)
        compare(child("startButton").text, "Start")
    }

    function test_bulb_data() {
        return [
            { tag: "press and release", end: "release" },
            { tag: "press cancelled", end: "cancel" },
            { tag: "page left while held", end: "leave" }
        ]
    }

    function test_bulb(data) {
        testHelper.useRecordingMount()
        child("modeBar").currentIndex = 1
        verify(inj_cameraControl.isBulb)
        const bulb = child("bulbButton")
        tryVerify(() => bulb.enabled)
        mousePress(bulb)
        compare(testHelper.shutterCalls(), [true])
        // A close the mount takes at once is pending only while on its way: the page says
        // nothing of it.
        const note = child("closePending")
        let noteShown = false
        const watch = () => { noteShown = noteShown || note.visible }
        note.visibleChanged.connect(watch)
        if (data.end === "release")
            mouseRelease(bulb)
        else if (data.end === "cancel")
            child("modeBar").currentIndex = 0
        else
            window.inj_stackView.pop()
        compare(testHelper.shutterCalls(), [true, false])
        if (data.end === "release") {
            tryVerify(() => !inj_cameraControl.closePending)
            note.visibleChanged.disconnect(watch)
            verify(!noteShown, "nothing said of a close the mount took")
        }
        // The hand lifts later: nothing more is sent.
        mouseRelease(window.contentItem)
        compare(testHelper.shutterCalls(), [true, false])
        testHelper.restoreMount()
    }

    // Released while the mount does not answer: the page says so and that the shutter may
    // still be open, until the close, sent again once the mount answers, has been taken.
    function test_bulbReleasedOnADeadLink() {
        failOnWarning(/Binding loop detected/)
        testHelper.useRecordingMount()
        // A failure half-way must not leave the silent mount to the tests after this one.
        try {
            releasedOnADeadLink()
        } finally {
            testHelper.restoreMount()
        }
    }

    // whileUntaken: what to look at while the note says so.
    function releasedOnADeadLink(whileUntaken) {
        child("modeBar").currentIndex = 1
        const bulb = child("bulbButton")
        const note = child("closePending")
        tryVerify(() => bulb.enabled)
        mousePress(bulb)
        tryVerify(() => child("countText").text !== "0.0")
        testHelper.setRecordingMountAnswering(false)
        const errors = shutterErrors.count
        mouseRelease(bulb)
        tryVerify(() => note.visible)
        if (inj_languageManager.language === "en")
            compare(note.text, "The mount does not answer. The shutter may still be open.")
        // The close is pending as it is sent; its failure comes back later.
        tryVerify(() => shutterErrors.count > errors)
        compare(testHelper.shutterCalls(), [true, false])
        if (whileUntaken)
            whileUntaken()
        testHelper.setRecordingMountAnswering(true)
        tryVerify(() => !note.visible)
        compare(testHelper.shutterCalls(), [true, false, false])
    }

    // The least height the page gets: 320x480, the slew pad out with the Sun warning over it,
    // and the note of a close not taken shown. The count, the whole note and the whole button
    // stay in view, one under the other, without a scroll, in the languages of the longest
    // notes.
    function test_bulbWholeAtTheLeastHeight_data() {
        return ["en", "de", "hu", "ja", "zh"].map(language => ({ tag: language,
                                                                  language: language }))
    }

    function test_bulbWholeAtTheLeastHeight(data) {
        inj_languageManager.language = data.language
        window.width = 320
        window.height = 480
        const footer = window.inj_mainFooter
        const banner = findChild(window.footer, "sunWarningBanner")
        testHelper.useRecordingMount()
        // After the mount's change, which hides the warning while the Sun is down.
        footer.requestDisplay(true)
        banner.show()
        try {
            releasedOnADeadLink(() => {
                tryVerify(() => footer.displayControl && banner.visible && banner.height > 0)
                waitForRendering(page)
                const scroller = child("pageScroller")
                compare(scroller.contentY, 0)
                const inView = name => {
                    const item = child(name)
                    const top = item.mapToItem(scroller, 0, 0).y
                    verify(top >= 0 && top + item.height <= scroller.height + 0.5,
                           name + " at " + top + ", " + item.height + " high, in "
                           + scroller.height)
                    return { top: top, bottom: top + item.height }
                }
                const count = inView("countText")
                const note = inView("closePending")
                const bulb = inView("bulbButton")
                verify(count.bottom <= note.top + 0.5 && note.bottom <= bulb.top + 0.5)
            })
        } finally {
            testHelper.restoreMount()
            banner.visible = false
            footer.requestDisplay(false)
        }
    }

    // A timed run whose shutter switch the mount does not take, as its link drops: the run ends
    // and the page says so, and that the shutter may still be open: a close not taken, or an
    // open whose answer the link lost, which may have opened it all the same. The close is sent
    // (an open's at once, since no close of it has gone out yet) and sent again once the mount
    // answers. drop: the switch the link drops; calls: the switches the mount was asked for by
    // the run's end.
    function test_runSwitchNotTaken_data() {
        return [
            { tag: "close, during the exposure", drop: "close", calls: [true, false] },
            { tag: "open, as the run starts", drop: "open", calls: [true, false] }
        ]
    }

    function test_runSwitchNotTaken(data) {
        failOnWarning(/Binding loop detected/)
        testHelper.useRecordingMount()
        try {
            runSwitchNotTaken(data)
        } finally {
            testHelper.setRecordingMountAnswering(true)
            testHelper.restoreMount()
            tryVerify(() => !inj_cameraControl.closePending)
        }
    }

    function runSwitchNotTaken(data) {
        mouseClick(paneButton("saveButton"))
        // Long enough that the link drops well within it.
        editGroup(0, { enabled: true, photos: "3", exposure: "2", pause: "2" })
        const start = child("startButton")
        const note = child("runClosePending")
        tryVerify(() => start.enabled)
        const errors = shutterErrors.count
        if (data.drop === "open")
            testHelper.setRecordingMountAnswering(false)
        mouseClick(start)
        verify(inj_cameraControl.isRunning)
        if (data.drop === "close") {
            tryVerify(() => testHelper.shutterCalls().length === 1)
            testHelper.setRecordingMountAnswering(false)
        }
        tryVerify(() => shutterErrors.count > errors, 10000)
        tryCompare(inj_cameraControl, "isRunning", false)
        compare(start.text, "Start")
        compare(testHelper.shutterCalls(), data.calls)
        const said = "The mount did not take the shutter command. The exposures have stopped."
        tryVerify(() => toastTexts().indexOf(said) >= 0, 5000, "the page tells of the failure")
        tryVerify(() => note.visible)
        compare(note.text, "The mount does not answer. The shutter may still be open.")
        verify(inj_cameraControl.closePending)
        testHelper.setRecordingMountAnswering(true)
        tryVerify(() => !note.visible)
        compare(testHelper.shutterCalls(), data.calls.concat([false]))
    }

    // A bulb close the mount has not taken counts like a pending stop: closing the window asks
    // first, with the same question and its buttons, and a disconnection says that the shutter
    // may still be open. then: what follows the release on a dead link ("stay": the question
    // is answered Stay; "taken": the link answers again, the close is sent again and taken,
    // and the program ends as asked; "disconnect": the mount is disconnected).
    function test_pendingCloseHoldsTheEnd_data() {
        return [
            { tag: "closing asks, Stay keeps the program", then: "stay" },
            { tag: "closing asks, the close taken ends the program", then: "taken" },
            { tag: "a disconnection says the shutter may be open", then: "disconnect" }
        ]
    }

    function test_pendingCloseHoldsTheEnd(data) {
        testHelper.useRecordingMount()
        try {
            pendingCloseHoldsTheEnd(data)
        } finally {
            // The close still pending goes to the emulated mount, so that no later test finds it
            // pending.
            testHelper.setRecordingMountAnswering(true)
            testHelper.restoreMount()
            tryVerify(() => !inj_cameraControl.closePending)
            const dialog = findChild(window, "quitWhileStoppingDialog")
            dialog.close()
            // A modal question still fading out would take the next test's presses.
            tryVerify(() => !dialog.visible)
            window.show()
            tryVerify(() => window.visible)
        }
    }

    function toastTexts() {
        const model = window.inj_toaster.model
        const texts = []
        for (let i = 0; i < model.count; ++i)
            texts.push(model.get(i).text)
        return texts
    }

    function pendingCloseHoldsTheEnd(data) {
        child("modeBar").currentIndex = 1
        const bulb = child("bulbButton")
        tryVerify(() => bulb.enabled)
        mousePress(bulb)
        tryVerify(() => child("countText").text !== "0.0")
        testHelper.setRecordingMountAnswering(false)
        mouseRelease(bulb)
        tryVerify(() => inj_cameraControl.closePending)

        const told = () => toastTexts().some(t => t.indexOf("shutter") >= 0
                                                  && t.indexOf("may still be open") >= 0)
        if (data.then === "disconnect") {
            verify(!told())
            testHelper.disconnectMount()
            tryVerify(told, 5000, "the disconnection says the shutter may still be open")
            return
        }
        const dialog = findChild(window, "quitWhileStoppingDialog")
        window.close()
        verify(window.visible, "the window stays while asking")
        tryCompare(dialog, "opened", true)
        const text = findChild(window, "quitWhileShutterOpenText")
        verify(text.visible && text.text.indexOf("shutter may still be open") >= 0, text.text)
        verify(!findChild(window, "quitWhileStoppingText").visible, "no stop is pending")
        verify(findChild(window, "quitButton").visible)
        if (data.then === "stay") {
            mouseClick(findChild(window, "stayButton"))
            tryVerify(() => !dialog.visible)
            verify(window.visible)
            // Asked again at the next close, for as long as the close is pending.
            window.close()
            tryCompare(dialog, "opened", true)
            verify(window.visible)
            compare(testHelper.shutterCalls(), [true, false])
        } else {
            testHelper.setRecordingMountAnswering(true)
            tryCompare(window, "visible", false)
            compare(testHelper.shutterCalls(), [true, false, false])
        }
    }

    // The end lets go of a held bulb shutter as of a held key: the close is sent while the link
    // is there, and the window goes once the mount has taken it; a mount that does not answer
    // gets the question with the shutter's line at once. link: whether the mount answers.
    function test_heldShutterLetGoAtTheEnd_data() {
        return [
            { tag: "mount answers: closed, then the window goes", link: true },
            { tag: "mount silent: closed, and the question asks", link: false }
        ]
    }

    function test_heldShutterLetGoAtTheEnd(data) {
        testHelper.useRecordingMount()
        const dialog = findChild(window, "quitWhileStoppingDialog")
        try {
            heldShutterLetGoAtTheEnd(data, dialog)
        } finally {
            testHelper.setRecordingMountAnswering(true)
            testHelper.restoreMount()
            tryVerify(() => !inj_cameraControl.closePending)
            dialog.close()
            tryVerify(() => !dialog.visible)
            window.show()
            tryVerify(() => window.visible)
            // The hand lifts later, where the window hears it.
            mouseRelease(window.contentItem)
        }
    }

    property int questionsShown: 0
    Connections {
        target: testCase.window ? findChild(testCase.window, "quitWhileStoppingDialog") : null
        function onAboutToShow() {
            testCase.questionsShown += 1
        }
    }

    function heldShutterLetGoAtTheEnd(data, dialog) {
        child("modeBar").currentIndex = 1
        const bulb = child("bulbButton")
        tryVerify(() => bulb.enabled)
        mousePress(bulb)
        tryVerify(() => child("countText").text !== "0.0")
        testHelper.setRecordingMountAnswering(data.link)
        questionsShown = 0

        window.close()
        compare(testHelper.shutterCalls(), [true, false], "the close let the shutter go")
        if (data.link) {
            tryCompare(window, "visible", false)
            compare(questionsShown, 0, "nothing asked: the mount took the close")
            verify(!inj_cameraControl.closePending)
        } else {
            verify(window.visible, "the window stays while asking")
            tryCompare(dialog, "opened", true)
            const text = findChild(window, "quitWhileShutterOpenText")
            verify(text.visible && text.text.indexOf("shutter may still be open") >= 0, text.text)
        }
    }

    function test_tabFollowsMode() {
        inj_cameraControl.isBulb = true
        window.inj_stackView.pop()
        page = window.inj_stackView.push("qrc:/Page/CameraControlPage.qml")
        compare(child("modeBar").currentIndex, 1)
        verify(child("countText").visible)
        child("modeBar").currentIndex = 0
        compare(inj_cameraControl.isBulb, false)
    }

    // The shutter's notices keep clear of the bulb button and of the word that the shutter may
    // still be open, at the smallest window with the slew pad folded or out, in the languages
    // whose texts run longest there, by day and by night: each one whole, below the header where
    // the page leaves room there, above the pad and opaque, so that at night the page's red text does not run through its
    // own.
    function test_shutterToastsKeepClear_data() {
        const rows = []
        for (const language of ["en", "de", "hu", "ja", "zh"]) {
            for (const [pad, night] of [[false, false], [true, true], [false, true]]) {
                rows.push({ tag: language + (pad ? ", pad out" : ", pad folded")
                                 + (night ? ", night" : ", day"),
                            language: language, pad: pad, night: night })
            }
        }
        return rows
    }

    function test_shutterToastsKeepClear(data) {
        const toaster = window.inj_toaster
        const night = window.inj_nightManager
        const setting = night.setting
        const footer = window.inj_mainFooter
        inj_languageManager.language = data.language
        night.setting = data.night ? 1 : 0
        window.width = 320
        window.height = 480
        testHelper.useRecordingMount()
        try {
            releasedOnADeadLink(() => {
                footer.requestDisplay(data.pad)
                tryVerify(() => footer.displayControl === data.pad)
                // The page's notice and the one of a disconnection, shown for a minute, so that a
                // busy machine still finds them.
                const texts = [
                    qsTranslate("CameraControlPage", "The mount did not take the shutter command."),
                    qsTranslate("PopupQuitWhileStopping",
                                "Disconnected before the shutter closed: it may still be open. "
                                + "Connect again to close it.")
                ]
                toaster.model.clear()
                for (const text of texts)
                    toaster.show(text, 60000)
                const overlay = toaster.parent
                const rect = item => {
                    const p = item.mapToItem(overlay, 0, 0)
                    return { top: p.y, bottom: p.y + item.height }
                }
                const shown = () => {
                    const items = []
                    for (let i = 0; i < toaster.count; ++i)
                        items.push(toaster.itemAtIndex(i))
                    return items
                }
                tryVerify(() => toaster.count >= 2 && !toaster.displaced.running
                                && shown().every(t => t && t.opacity === 1), 5000, "shown")
                // What is wrong with where the toasts lie, or "": the page lays out again as the
                // pad comes out, and the toasts follow it.
                const problem = () => {
                    const header = window.header.visible ? window.header.height : 0
                    const bottom = overlay.height
                        - (window.footer.visible ? window.footer.height : 0)
                    // Where the band is too low for both, the older one is not drawn, rather
                    // than cut; the newest always is.
                    if (!toaster.itemAtIndex(0).visible)
                        return "the newest not drawn"
                    const band = rect(toaster)
                    for (const toast of shown().filter(t => t.visible).map(rect)) {
                        const where = "a toast at " + toast.top + "-" + toast.bottom + " (kept "
                            + JSON.stringify(toaster._clearSpans) + ", band "
                            + JSON.stringify(toaster._clearBand) + ")"
                        for (const name of ["bulbButton", "closePending"]) {
                            const r = rect(child(name))
                            if (toast.bottom > r.top && toast.top < r.bottom)
                                return where + " over " + name + " at " + r.top + "-" + r.bottom
                        }
                        // Where the page leaves no room for the newest below the header, it
                        // takes the header's.
                        if (toast.top < (toaster.anchors.topMargin === 0 && toaster.clip
                                         ? 0 : header))
                            return where + ", under the header"
                        if (toast.bottom > bottom)
                            return where + ", over the pad"
                        if (toaster.clip && toast.top < band.top - 0.5
                                && toast.bottom > band.top + 0.5)
                            return where + ", cut off"
                    }
                    return ""
                }
                tryVerify(() => problem() === "", 5000, "placed: " + problem())
            })
        } finally {
            toaster.model.clear()
            footer.requestDisplay(false)
            night.setting = setting
        }
    }
}

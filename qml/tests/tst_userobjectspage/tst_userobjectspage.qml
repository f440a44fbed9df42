import QtQuick
import QtQuick.Controls
import QtTest

// The user-object pages on the real root with the emulated mount, connected at launch.
TestCase {
    id: testCase
    name: "UserObjects"
    when: windowShown

    property var window: null
    property var page: null

    function initTestCase() {
        window = Qt.createComponent("qrc:/main.qml").createObject(testCase)
        verify(window)
    }

    function cleanupTestCase() {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    function init() {
        inj_userObject_CE.list = []
        inj_userObject_TE.list = []
    }

    function cleanup() {
        window.inj_mainUIUtil.goHome()
        page = null
        if (savedSite) {
            inj_location.setLocation(savedSite)
            savedSite = null
        }
        inj_altRange.maxAlt = 75 * Math.PI / 180
        inj_catalogSettings.enableObserveSun = false
    }

    property var savedSite: null

    SignalSpy {
        id: loadedSpy
        signalName: "loaded"
    }

    // Pushes the page and waits until it shows where the mount points.
    function open(isAxis) {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        const list = isAxis ? inj_userObject_TE : inj_userObject_CE
        page = window.inj_stackView.push("qrc:/Page/UserObjectsPage.qml",
                                         { isAxis: isAxis, profileList: list })
        verify(page)
        // Until the reading is in, the rows it fills show nothing.
        tryVerify(() => !page.reading, 5000, "the reading")
        compare(child("nameField").text, "Current object")
        return page
    }

    function child(name) {
        const item = findChild(page, name)
        verify(item, name)
        return item
    }

    function setRow(name, parts) {
        const row = child(name)
        row.firstField.text = parts[0]
        row.minutesField.text = parts[1]
        row.secondsField.text = parts[2]
    }

    function rowText(name) {
        const row = child(name)
        return [row.firstField.text, row.minutesField.text, row.secondsField.text]
    }

    function stored(key) {
        const v = testHelper.storedSettings()[key]
        return typeof v === "string" ? JSON.parse(v) : v
    }

    function names(list) {
        return Array.from(list, o => o.name)
    }

    function button(objectName) {
        return findChild(child("pane"), objectName)
    }

    function rowButton(index) {
        const list = findChild(child("pane"), "profileList")
        return findChild(list.itemAtIndex(index), "rowButton")
    }

    function saveAs(name, ra, dec) {
        child("nameField").text = name
        if (ra)
            setRow("raRow", ra)
        if (dec)
            setRow("decRow", dec)
        // A slow run may not have laid the bar out yet when the first click comes; saving the
        // same name again only replaces the entry, so the click is repeated until it counts.
        const list = page.isAxis ? inj_userObject_TE : inj_userObject_CE
        tryVerify(() => {
            if (list.list.length === 0 || list.list[0].name !== name)
                mouseClick(button("saveButton"))
            return list.list.length > 0 && list.list[0].name === name
        }, 5000)
    }

    function test_filledFromMount() {
        open(false)
        compare(child("nameField").text, "Current object")
        fuzzyCompare(child("raRow").readFromUI(), page.profile.ra, 1 / 3600)
        fuzzyCompare(child("decRow").readFromUI(), page.profile.dec, 1 / 3600)
        compare(child("frameBar").currentIndex, page.profile.isJ2000 ? 1 : 0)
        // Where the mount points, not the blank object's zeros.
        verify(page.profile.ra !== 0 || page.profile.dec !== 0)
    }

    // The page needs the room: it folds the pad when it opens, for either kind of object, and
    // again when it comes back to the top.
    function test_foldsThePad_data() {
        return [
            { tag: "celestial", isAxis: false },
            { tag: "terrestrial", isAxis: true }
        ]
    }

    function test_foldsThePad(data) {
        const footer = window.inj_mainFooter
        footer.requestDisplay(true)
        open(data.isAxis)
        compare(footer.displayControl, false)
        footer.requestDisplay(true)
        window.inj_stackView.push(Qt.createComponent("qrc:/Page/TrackingPage.qml"))
        window.inj_stackView.pop()
        compare(footer.displayControl, false)
        footer.requestDisplay(true)
    }

    function test_storedAsEntered_data() {
        return [
            { tag: "minus zero degrees", ra: ["5", "35", "17"], dec: ["-0", "30", "0"],
              storedDec: -0.5, shownDec: ["-0", "30", "0"], shownRa: ["5", "35", "17"] },
            { tag: "hour 25 becomes 24", ra: ["25", "0", "0"], dec: ["10", "0", "0"],
              storedDec: 10, shownDec: ["10", "0", "0"], shownRa: ["24", "0", "0"] },
            { tag: "declination beyond the pole", ra: ["1", "0", "0"], dec: ["-120", "0", "0"],
              storedDec: -90, shownDec: ["-90", "0", "0"], shownRa: ["1", "0", "0"] },
            { tag: "declination 95 north", ra: ["1", "0", "0"], dec: ["95", "10", "0"],
              storedDec: 90, shownDec: ["90", "0", "0"], shownRa: ["1", "0", "0"] }
        ]
    }

    function test_storedAsEntered(data) {
        open(false)
        saveAs("Entry", data.ra, data.dec)
        const list = stored("userobj.radec")
        compare(list.length, 1)
        compare(list[0].name, "Entry")
        fuzzyCompare(list[0].dec, data.storedDec, 1e-9)
        // Loaded back, the rows show the same entry.
        setRow("decRow", ["1", "1", "1"])
        setRow("raRow", ["1", "1", "1"])
        mouseClick(rowButton(0))
        compare(rowText("decRow"), data.shownDec)
        compare(rowText("raRow"), data.shownRa)
    }

    function test_hourCorrectedOnFocusChange() {
        open(false)
        const hours = child("raRow").firstField
        hours.forceActiveFocus()
        hours.text = "25"
        child("nameField").forceActiveFocus()
        compare(hours.text, "24")
    }

    function test_saveReplacesByExactName() {
        open(false)
        saveAs("M42", ["5", "35", "17"], ["-5", "23", "28"])
        saveAs("Other", null, null)
        saveAs("M42", ["5", "35", "0"], ["-5", "0", "0"])
        saveAs("m42", null, null)
        compare(names(inj_userObject_CE.list), ["m42", "M42", "Other"])
        const list = stored("userobj.radec")
        compare(list.map(o => o.name), ["m42", "M42", "Other"])
        fuzzyCompare(list[1].dec, -5, 1e-9)
    }

    function test_reorderAndDelete() {
        open(false)
        saveAs("C", null, null)
        saveAs("B", null, null)
        saveAs("A", null, null)
        mouseClick(button("editButton"))
        waitForItemPolished(button("downButton").parent)
        verify(!button("upButton").enabled)
        mouseClick(button("downButton"))
        compare(names(inj_userObject_CE.list), ["B", "A", "C"])
        // The highlight moved with the row.
        tryCompare(child("pane"), "currentIndex", 1)
        mouseClick(button("downButton"))
        compare(names(inj_userObject_CE.list), ["B", "C", "A"])
        tryVerify(() => !button("downButton").enabled)
        mouseClick(button("upButton"))
        compare(names(inj_userObject_CE.list), ["B", "A", "C"])
        mouseClick(rowButton(0))
        compare(names(inj_userObject_CE.list), ["A", "C"])
        compare(stored("userobj.radec").map(o => o.name), ["A", "C"])
        mouseClick(button("doneButton"))
        compare(rowButton(0).text, "Load")
    }

    function test_goToSavedObject() {
        // Axis positions skip the altitude limits, so a target a few degrees from where the
        // mount stands is reachable wherever the site is.
        open(true)
        const axis1 = page.profile.axis1 + 3
        const axis2 = page.profile.axis2 > 0 ? page.profile.axis2 - 3 : page.profile.axis2 + 3
        child("nameField").text = "Landmark"
        child("axis1Row").writeToUI(axis1)
        child("axis2Row").writeToUI(axis2)
        mouseClick(button("saveButton"))
        mouseClick(rowButton(0))
        mouseClick(child("goToButton"))
        tryCompare(inj_gotoStatus, "targetName", "Landmark", 5000)
        tryCompare(inj_gotoStatus, "done", true, 20000)
        const here = inj_userObject_TE.objectLoadCurrent()
        loadedSpy.target = here
        loadedSpy.clear()
        here.loadCurrentAsync()
        loadedSpy.wait(5000)
        fuzzyCompare(here.axis1, axis1, 0.05)
        fuzzyCompare(here.axis2, axis2, 0.05)
    }

    function test_altitudeToast() {
        open(false)
        const toaster = window.inj_toaster
        const before = toaster.count
        child("nameField").text = "Below"
        setRow("decRow", ["-89", "0", "0"])
        mouseClick(child("goToButton"))
        tryVerify(() => toaster.count > before && toaster.model.get(0).text === "Altitude out of limits")
    }

    // On the equator at the longitude under the Sun it stands high; the upper limit at 90 degrees
    // keeps the altitude limits out of the way. Longitudes count westwards.
    function putSiteUnderTheSun() {
        savedSite = inj_location.location()
        const now = new Date()
        const utcHours = now.getUTCHours() + now.getUTCMinutes() / 60
        const site = inj_location.location()
        site.longitudeRad = (((utcHours - 12) * 15 + 540) % 360 - 180) * Math.PI / 180
        site.latitudeRad = 0
        inj_location.setLocation(site)
        inj_altRange.maxAlt = Math.PI / 2
    }

    // "17h01m20s -22°45′00″" as [hours, degrees].
    function parseRaDec(text) {
        const n = text.match(/[0-9.]+/g).map(Number)
        verify(n.length === 6, text)
        const sign = text.split(" ")[1].startsWith("-") ? -1 : 1
        return [n[0] + n[1] / 60 + n[2] / 3600, sign * (n[3] + n[4] / 60 + n[5] / 3600)]
    }

    // The Sun as its own information page shows it now: its positions of date and of J2000, and
    // the page's refusal of a GoTo to it.
    function sunFromItsPage() {
        const list = inj_astroList_ss
        // The list is filled while a page shows it.
        list.setDisplayed(true)
        tryVerify(() => !list.loadingList && list.list.length > 0, 10000, "the solar system")
        let sun = null
        for (let i = 0; i < list.list.length && !sun; ++i) {
            if (list.getAstroObj(i).name === "Sun")
                sun = list.getAstroObj(i)
        }
        list.setDisplayed(false)
        verify(sun, "the Sun is listed")
        const info = window.inj_objectInfoPage
        info.go(sun)
        tryCompare(window.inj_stackView, "currentItem", info)
        const rows = inj_objectInfoList.listModel
        const shown = {}
        for (let i = 0; i < rows.rowCount(); ++i) {
            const index = rows.index(i, 0)
            shown[rows.data(index, Qt.UserRole + 2)] = rows.data(index, Qt.UserRole + 3)
        }
        const result = {
            now: parseRaDec(shown["R.A./Dec (now)"]),
            j2000: parseRaDec(shown["R.A./Dec (J2000)"]),
            refusal: findChild(info, "prohibition").text
        }
        window.inj_mainUIUtil.goHome()
        return result
    }

    function sunToasts(toaster, text) {
        let found = 0
        for (let i = 0; i < toaster.count; ++i) {
            if (toaster.model.get(i).text === text)
                ++found
        }
        return found
    }

    // A GoTo to the Sun, or 1.5 degrees from it, is refused with the information page's words
    // while observing the Sun is off, on either tab; with it on, or far from the Sun, the GoTo
    // starts. How near is too near is the catalog settings' own test.
    function test_sunGuard_data() {
        return [
            { tag: "at the Sun, of date", frame: "now", offset: 0, observeSun: false, refused: true },
            { tag: "1.5 degrees from the Sun, J2000", frame: "j2000", offset: -1.5,
              observeSun: false, refused: true },
            { tag: "three hours east of the Sun", frame: "now", offset: 0, hoursEast: 3,
              observeSun: false, refused: false },
            { tag: "1.5 degrees from the Sun, observing the Sun", frame: "j2000", offset: 1.5,
              observeSun: true, refused: false }
        ]
    }

    function test_sunGuard(data) {
        // The information page names a refusal only while a mount is connected.
        tryCompare(inj_mountConnection, "connected", true, 10000)
        putSiteUnderTheSun()
        inj_catalogSettings.enableObserveSun = data.observeSun
        const sun = sunFromItsPage()
        compare(sun.refusal, data.observeSun ? "" : "Too close to Sun")
        open(false)
        const target = data.frame === "now" ? sun.now : sun.j2000
        const name = "Sun test " + data.tag
        child("nameField").text = name
        child("frameBar").currentIndex = data.frame === "now" ? 0 : 1
        child("raRow").writeToUI((target[0] + (data.hoursEast || 0)) % 24)
        child("decRow").writeToUI(target[1] + data.offset)
        const toaster = window.inj_toaster
        const before = sunToasts(toaster, "Too close to Sun")
        mouseClick(child("goToButton"))
        if (data.refused) {
            // The information page's own words, where the user sees the altitude refusal.
            tryVerify(() => sunToasts(toaster, "Too close to Sun") > before, 5000, "the toast")
            compare(toaster.model.get(0).text, "Too close to Sun")
            compare(sunToasts(toaster, "Too close to Sun"), before + 1)
            verify(inj_gotoStatus.targetName !== name, "no GoTo started")
        } else {
            tryCompare(inj_gotoStatus, "targetName", name, 5000)
            compare(sunToasts(toaster, "Too close to Sun"), before)
            inj_mountConnection.mount.abortSlewAsync()
            tryCompare(inj_gotoStatus, "done", true, 10000)
        }
    }

    function test_terrestrialByAxes() {
        open(true)
        verify(!child("raRow").visible)
        verify(child("axis1Row").visible)
        fuzzyCompare(child("axis1Row").readFromUI(), page.profile.axis1, 1 / 3600)
        child("nameField").text = "Tree"
        setRow("axis1Row", ["-300", "30", "0"])
        setRow("axis2Row", ["20", "15", "0"])
        mouseClick(button("saveButton"))
        const list = stored("userobj.axis")
        compare(list.length, 1)
        fuzzyCompare(list[0].axis1, -300.5, 1e-9)
        fuzzyCompare(list[0].axis2, 20.25, 1e-9)
        compare(stored("userobj.radec").length, 0)
    }

    // A position read that fails shows no position: empty rows, Go To disabled and nothing sent.
    // The page reads again when the link answers, or takes what the user types.
    function test_failedReadShowsNoPosition_data() {
        return [
            { tag: "celestial, link returns", isAxis: false, then: "answer" },
            { tag: "terrestrial, link returns", isAxis: true, then: "answer" },
            { tag: "celestial, typed", isAxis: false, then: "type" },
            { tag: "terrestrial, typed", isAxis: true, then: "type" }
        ]
    }
    function test_failedReadShowsNoPosition(data) {
        const rows = data.isAxis ? ["axis1Row", "axis2Row"] : ["raRow", "decRow"]
        // Whether the GoTo goes, not where the Sun stands at the hour the test runs.
        inj_catalogSettings.enableObserveSun = true
        // The emulated mount is in place before the recording one takes its seat.
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
        testHelper.useRecordingMount()
        testHelper.setRecordingMountAnswering(false)
        try {
            open(data.isAxis)
            tryVerify(() => page.profile && !page.profile.hasPosition, 5000)
            for (const row of rows)
                compare(rowText(row), ["", "", ""], row)
            const goTo = child("goToButton")
            verify(!goTo.enabled, "nothing to drive to")
            page.goTo()
            mouseClick(goTo)
            compare(testHelper.recordingMountSlewCount(), 0)

            if (data.then === "answer") {
                // Hour angle and declination, then the axes: 0.5, -0.25 rad.
                testHelper.setRecordingMountPosition([-0.7, 0.35, 0.5, -0.25])
                testHelper.setRecordingMountAnswering(true)
                tryVerify(() => page.profile.hasPosition && page.positionShown, 5000)
                if (data.isAxis) {
                    fuzzyCompare(child("axis1Row").readFromUI(), 0.5 * 180 / Math.PI, 1 / 3600)
                    fuzzyCompare(child("axis2Row").readFromUI(), -0.25 * 180 / Math.PI, 1 / 3600)
                } else {
                    verify(page.profile.ra !== 0 || page.profile.dec !== 0)
                }
            } else {
                setRow(rows[0], ["10", "0", "0"])
                setRow(rows[1], ["20", "0", "0"])
            }
            tryVerify(() => goTo.enabled)
            mouseClick(goTo)
            tryVerify(() => testHelper.recordingMountSlewCount() === 1)
        } finally {
            testHelper.setRecordingMountAnswering(true)
            testHelper.restoreMount()
        }
    }

    // Rows that show no position, after a Disconnect or after a failed read, save nothing: a
    // stored object of the same name stays as it was, the list keeps its count, and the user is
    // told why.
    function test_saveWithoutPosition_data() {
        return [
            { tag: "celestial, disconnected", isAxis: false, cause: "disconnect" },
            { tag: "terrestrial, disconnected", isAxis: true, cause: "disconnect" },
            { tag: "celestial, failed read", isAxis: false, cause: "failedRead" },
            { tag: "terrestrial, failed read", isAxis: true, cause: "failedRead" }
        ]
    }
    function test_saveWithoutPosition(data) {
        const key = data.isAxis ? "userobj.axis" : "userobj.radec"
        const rows = data.isAxis ? ["axis1Row", "axis2Row"] : ["raRow", "decRow"]
        const list = data.isAxis ? inj_userObject_TE : inj_userObject_CE
        const why = "Nothing saved: no position is shown. Connect the mount, or type one in."
        const toaster = window.inj_toaster
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
        const failedRead = data.cause === "failedRead"
        if (failedRead) {
            testHelper.useRecordingMount()
            // Hour angle and declination, then the axes: 0.5, -0.25 rad.
            testHelper.setRecordingMountPosition([-0.7, 0.35, 0.5, -0.25])
            testHelper.setRecordingMountAnswering(true)
        }
        try {
            open(data.isAxis)
            tryVerify(() => page.profile.hasPosition && page.positionShown, 5000, "read")
            // Saved once as read, and a second object typed beside it.
            saveAs("Current object", null, null)
            child("nameField").text = "Other"
            setRow(rows[0], ["1", "2", "3"])
            setRow(rows[1], ["4", "5", "6"])
            saveAs("Other", null, null)
            const before = JSON.stringify(stored(key))
            compare(names(list.list), ["Other", "Current object"])

            if (failedRead) {
                // The link is cut: the next read times out.
                testHelper.setRecordingMountPosition([])
                testHelper.setRecordingMountAnswering(false)
                window.inj_mainUIUtil.goHome()
                open(data.isAxis)
            } else {
                inj_iConnectable.startNextAction()
                tryCompare(inj_mountConnection, "connected", false, 15000)
            }
            tryVerify(() => page.profile && !page.profile.hasPosition, 5000, "no position")
            for (const row of rows)
                compare(rowText(row), ["", "", ""], row)
            compare(child("nameField").text, "Current object")

            const toasts = toaster.count
            mouseClick(button("saveButton"))
            tryVerify(() => toaster.count > toasts && toaster.model.get(0).text === why, 5000,
                      "told why")
            compare(names(list.list), ["Other", "Current object"])
            compare(JSON.stringify(stored(key)), before)
        } finally {
            if (failedRead) {
                testHelper.setRecordingMountAnswering(true)
                testHelper.restoreMount()
            } else if (!inj_mountConnection.connected) {
                inj_iConnectable.startSession()
                tryCompare(inj_mountConnection, "connected", true, 15000)
            }
        }
    }

    // A value in every field of both rows is a position, and Go To drives to it; a row with a
    // field left empty is none: hours and degrees alone ("10 h", "20°") are half an entry.
    function test_typedPosition_data() {
        return [
            { tag: "every field", isAxis: false, first: ["10", "0", "0"],
              second: ["20", "0", "36"], shown: true, values: [10, 20.01] },
            { tag: "zero hours and degrees typed", isAxis: false, first: ["0", "30", "0"],
              second: ["-0", "0", "36"], shown: true, values: [0.5, -0.01] },
            { tag: "both axes", isAxis: true, first: ["-300", "0", "0"],
              second: ["20", "30", "0"], shown: true, values: [-300, 20.5] },
            { tag: "hours and degrees alone", isAxis: false, first: ["10", "", ""],
              second: ["20", "", ""], shown: false },
            { tag: "minutes and seconds alone", isAxis: false, first: ["", "30", "0"],
              second: ["1", "0", "36"], shown: false },
            { tag: "declination left empty", isAxis: false, first: ["10", "0", "0"],
              second: ["", "", ""], shown: false },
            { tag: "second axis left empty", isAxis: true, first: ["10", "0", "0"],
              second: ["", "", ""], shown: false }
        ]
    }
    function test_typedPosition(data) {
        open(data.isAxis)
        const rows = data.isAxis ? ["axis1Row", "axis2Row"] : ["raRow", "decRow"]
        setRow(rows[0], data.first)
        setRow(rows[1], data.second)
        compare(page.positionShown, data.shown)
        compare(child("goToButton").enabled, data.shown)
        if (data.shown) {
            fuzzyCompare(child(rows[0]).readFromUI(), data.values[0], 1e-9)
            fuzzyCompare(child(rows[1]).readFromUI(), data.values[1], 1e-9)
        }
    }

    // A page that has not been shown has loaded nothing, as without a mount: Save keeps a typed
    // entry as a new object, and empty or half-empty rows save nothing, neither under a new name
    // nor over a stored object of the typed name, which keeps its position.
    function test_saveWithoutLoadedObject_data() {
        const none = "Nothing saved: no position is shown. Connect the mount, or type one in."
        return [
            { tag: "typed entry becomes a new object", name: "Typed offline", ra: ["3", "0", "0"],
              dec: ["20", "0", "0"], saved: { ra: 3, dec: 20 } },
            { tag: "empty rows keep a stored object of the typed name", name: "Vega",
              ra: ["", "", ""], dec: ["", "", ""], told: none },
            { tag: "empty rows under a new name save nothing", name: "New", ra: ["", "", ""],
              dec: ["", "", ""], told: none },
            { tag: "R.A. alone keeps a stored object of the typed name", name: "Vega",
              ra: ["5", "0", "0"], dec: ["", "", ""],
              told: "Nothing saved: the position is only half typed in. Missing: Dec" }
        ]
    }

    function test_saveWithoutLoadedObject(data) {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        const vega = inj_userObject_CE.objectLoadCurrent()
        vega.name = "Vega"
        vega.ra = 18.6
        vega.dec = 38.8
        inj_userObject_CE.save(vega)
        const before = JSON.stringify(stored("userobj.radec"))
        // Made here, outside the window, the page finds the window's toasts only so.
        testHelper.publish("inj_toaster", window.inj_toaster)
        page = Qt.createComponent("qrc:/Page/UserObjectsPage.qml").createObject(testCase, {
            isAxis: false,
            profileList: inj_userObject_CE
        })
        try {
            verify(!page.profile)
            child("nameField").text = data.name
            setRow("raRow", data.ra)
            setRow("decRow", data.dec)
            const toaster = window.inj_toaster
            const toasts = toaster.count
            button("saveButton").clicked()
            if (data.saved) {
                compare(names(inj_userObject_CE.list), [data.name, "Vega"])
                const saved = stored("userobj.radec")[0]
                fuzzyCompare(saved.ra, data.saved.ra, 1e-9)
                fuzzyCompare(saved.dec, data.saved.dec, 1e-9)
            } else {
                compare(toaster.count, toasts + 1)
                compare(toaster.model.get(0).text, data.told)
                compare(names(inj_userObject_CE.list), ["Vega"])
                compare(JSON.stringify(stored("userobj.radec")), before)
            }
        } finally {
            page.destroy()
            testHelper.restore("inj_toaster")
        }
    }

    // Save with one row typed and the other empty names the half that is missing; with a field
    // of both rows empty, it names both; with both rows empty, it says that no position is shown.
    // Nothing is stored.
    function test_halfTypedPositionNamed_data() {
        const half = "Nothing saved: the position is only half typed in. Missing: "
        return [
            { tag: "R.A. alone", isAxis: false, first: ["5", "30", "0"], second: ["", "", ""],
              told: half + "Dec" },
            { tag: "declination alone", isAxis: false, first: ["", "", ""],
              second: ["-0", "0", "12"], told: half + "R.A." },
            { tag: "first axis alone", isAxis: true, first: ["-300", "0", "0"],
              second: ["", "", ""], told: half + "Axis2" },
            { tag: "second axis alone", isAxis: true, first: ["", "", ""],
              second: ["20", "0", "0"], told: half + "Axis1" },
            { tag: "a field of each row empty", isAxis: false, first: ["5", "", "0"],
              second: ["10", "0", ""], told: half + "R.A., Dec" },
            { tag: "celestial, both rows empty", isAxis: false, first: ["", "", ""],
              second: ["", "", ""],
              told: "Nothing saved: no position is shown. Connect the mount, or type one in." }
        ]
    }
    function test_halfTypedPositionNamed(data) {
        open(data.isAxis)
        const list = data.isAxis ? inj_userObject_TE : inj_userObject_CE
        const rows = data.isAxis ? ["axis1Row", "axis2Row"] : ["raRow", "decRow"]
        child("nameField").text = "Half"
        setRow(rows[0], data.first)
        setRow(rows[1], data.second)
        const toaster = window.inj_toaster
        const toasts = toaster.count
        mouseClick(button("saveButton"))
        tryVerify(() => toaster.count > toasts, 5000, "told")
        compare(toaster.model.get(0).text, data.told)
        compare(list.list.length, 0)
    }

    // A field of a stored object emptied by hand, as the user does before typing another value,
    // holds no value, not 0, when the focus leaves it: Go To has nothing to drive to, and Save
    // refuses the half-typed position rather than store 0 over the object's angle. A row per
    // field.
    function test_emptiedFieldSavesNothing_data() {
        const rows = []
        for (const [row, name] of [["raRow", "R.A."], ["decRow", "Dec"], ["axis1Row", "Axis1"],
                                   ["axis2Row", "Axis2"]]) {
            for (const field of ["firstField", "minutesField", "secondsField"]) {
                rows.push({ tag: name + " " + field, isAxis: row.startsWith("axis"), row: row,
                            field: field, missing: name })
            }
        }
        return rows
    }

    function test_emptiedFieldSavesNothing(data) {
        open(data.isAxis)
        const key = data.isAxis ? "userobj.axis" : "userobj.radec"
        const rows = data.isAxis ? ["axis1Row", "axis2Row"] : ["raRow", "decRow"]
        setRow(rows[0], ["5", "35", "17"])
        setRow(rows[1], ["-20", "30", "40"])
        saveAs("Stored", null, null)
        const before = JSON.stringify(stored(key))
        mouseClick(rowButton(0))
        compare(rowText(data.row), data.row === rows[0] ? ["5", "35", "17"] : ["-20", "30", "40"])

        // The keys go to the window that has the focus.
        window.requestActivate()
        tryVerify(() => window.active)
        const field = child(data.row)[data.field]
        field.forceActiveFocus()
        field.selectAll()
        keyClick(Qt.Key_Backspace)
        compare(field.text, "", "emptied")
        // Where the focus goes next, the field is corrected.
        child("nameField").forceActiveFocus()
        compare(field.text, "", "left empty")
        verify(!page.positionShown)
        verify(!child("goToButton").enabled, "nothing to drive to")

        const toaster = window.inj_toaster
        const toasts = toaster.count
        mouseClick(button("saveButton"))
        tryVerify(() => toaster.count > toasts, 5000, "told")
        compare(toaster.model.get(0).text,
                "Nothing saved: the position is only half typed in. Missing: " + data.missing)
        compare(JSON.stringify(stored(key)), before)
    }

    // The page on a link that does not answer, and what the user typed there. The recording
    // mount reads [hour angle, declination, axis 1, axis 2] = [-0.7, 0.35, 0.5, -0.25] rad.
    function useDeadLink() {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
        testHelper.useRecordingMount()
        testHelper.setRecordingMountAnswering(false)
    }

    function reviveLink() {
        testHelper.setRecordingMountPosition([-0.7, 0.35, 0.5, -0.25])
        testHelper.setRecordingMountAnswering(true)
    }

    function disconnect() {
        tryCompare(inj_iConnectable, "busy", false)
        inj_iConnectable.startNextAction()
        tryCompare(inj_mountConnection, "connected", false, 15000)
    }

    function connect() {
        inj_iConnectable.startSession()
        tryCompare(inj_mountConnection, "connected", true, 15000)
    }

    function restoreLink(cause) {
        if (cause === "answer") {
            testHelper.setRecordingMountAnswering(true)
            testHelper.restoreMount()
        } else if (!inj_mountConnection.connected) {
            connect()
        }
    }

    // Until the reading made after before is in: a record of its own, with a position.
    function waitForReading(before) {
        tryVerify(() => page.profile && page.profile !== before && !page.reading
                        && page.profile.hasPosition, 10000, "the reading")
    }

    // What the user typed stays when the mount's position is read again, on a link that answers
    // again or on Connect: name and rows typed, or a stored object loaded. Only a row the user
    // left empty takes the mount's value, and an untyped name the reading's.
    function test_typedEntryKept_data() {
        return [
            { tag: "name and R.A. typed, Dec empty, link returns", isAxis: false, cause: "answer",
              name: "Zeta", first: ["5", "30", ""], second: null },
            { tag: "second axis typed, link returns", isAxis: true, cause: "answer", name: null,
              first: null, second: ["20", "15", ""] },
            { tag: "whole entry typed while disconnected, Connect", isAxis: false,
              cause: "connect", name: "Theta", first: ["10", "", ""], second: ["20", "", ""] },
            { tag: "first axis typed while disconnected, Connect", isAxis: true, cause: "connect",
              name: "Mast", first: ["-300", "30", "0"], second: null },
            { tag: "stored object loaded while disconnected, Connect", isAxis: false,
              cause: "connect", stored: true }
        ]
    }

    function test_typedEntryKept(data) {
        const rows = data.isAxis ? ["axis1Row", "axis2Row"] : ["raRow", "decRow"]
        if (data.cause === "answer")
            useDeadLink()
        try {
            open(data.isAxis)
            if (data.stored)
                saveAs("Stored", ["7", "8", "9"], ["-10", "11", "12"])
            if (data.cause === "answer")
                tryVerify(() => page.profile && !page.profile.hasPosition, 5000, "read failed")
            else
                disconnect()
            for (const row of rows)
                compare(rowText(row), ["", "", ""], row)
            let expected = { name: "Current object", first: ["", "", ""], second: ["", "", ""] }
            if (data.stored) {
                mouseClick(rowButton(0))
                expected = { name: "Stored", first: ["7", "8", "9"], second: ["-10", "11", "12"] }
            }
            if (data.name)
                child("nameField").text = expected.name = data.name
            if (data.first)
                setRow(rows[0], expected.first = data.first)
            if (data.second)
                setRow(rows[1], expected.second = data.second)
            const before = page.profile
            if (data.cause === "answer")
                reviveLink()
            else
                connect()
            waitForReading(before)

            compare(child("nameField").text, expected.name)
            const values = data.isAxis ? [page.profile.axis1, page.profile.axis2]
                                       : [page.profile.ra, page.profile.dec]
            for (const [i, typed] of [expected.first, expected.second].entries()) {
                if (typed.join("") !== "")
                    compare(rowText(rows[i]), typed, rows[i])
                else
                    fuzzyCompare(child(rows[i]).readFromUI(), values[i], 1 / 3600)
            }
        } finally {
            restoreLink(data.cause)
        }
    }

    // The frame tab stays where it was, JNow or J2000, when the rows go blank after a
    // Disconnect or a failed read, and when the link answers again; a position typed then is
    // stored in the frame the tab shows. Beside a chosen J2000 the mount's position, of date,
    // fills no row.
    function test_frameKept_data() {
        return [
            { tag: "JNow, Disconnect", frame: 0, cause: "disconnect" },
            { tag: "J2000 chosen, Disconnect", frame: 1, cause: "disconnect" },
            { tag: "JNow, failed read on opening", frame: 0, cause: "failedRead" },
            { tag: "J2000 chosen after a failed read, link returns", frame: 1, cause: "answer" }
        ]
    }

    function test_frameKept(data) {
        const dead = data.cause !== "disconnect"
        if (dead)
            useDeadLink()
        try {
            open(false)
            const bar = child("frameBar")
            if (dead) {
                tryVerify(() => page.profile && !page.profile.hasPosition && !page.reading, 5000,
                          "read failed")
                compare(bar.currentIndex, 0, "as on opening")
                bar.currentIndex = data.frame
                if (data.cause === "answer") {
                    const before = page.profile
                    reviveLink()
                    waitForReading(before)
                }
            } else {
                tryVerify(() => page.positionShown && !page.reading, 5000, "read")
                compare(bar.currentIndex, 0, "a reading is of date")
                bar.currentIndex = data.frame
                disconnect()
                tryVerify(() => !page.profile.hasPosition && !page.reading, 5000, "blank rows")
            }
            compare(rowText("raRow"), ["", "", ""])
            compare(rowText("decRow"), ["", "", ""])
            compare(bar.currentIndex, data.frame)
            saveAs("Typed", ["6", "0", "0"], ["30", "0", "0"])
            compare(stored("userobj.radec")[0].j2000, data.frame === 1)
        } finally {
            restoreLink(dead ? "answer" : "disconnect")
        }
    }

    // Leaving the page forgets what was typed: the page the menu keeps opens again on the
    // mount's position and name.
    function test_leavingForgetsEntry_data() {
        return [
            { tag: "celestial", entry: "celestialObjects", rows: ["raRow", "decRow"] },
            { tag: "terrestrial", entry: "terrestrialObjects", rows: ["axis1Row", "axis2Row"] }
        ]
    }

    function test_leavingForgetsEntry(data) {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        const stack = window.inj_stackView
        const menu = stack.push("qrc:/Page/UserObjectsMenu.qml")
        tryCompare(stack, "busy", false)
        const entry = findChild(menu, data.entry)
        entry.clicked()
        tryVerify(() => stack.currentItem !== menu && !stack.busy, 5000, "the page")
        page = stack.currentItem
        waitForReading(null)
        child("nameField").text = "Typed"
        setRow(data.rows[0], ["1", "2", "3"])
        stack.pop()
        tryVerify(() => stack.currentItem === menu && !stack.busy, 5000, "back")
        entry.clicked()
        tryVerify(() => stack.currentItem === page && !stack.busy, 5000, "the page again")
        waitForReading(null)
        compare(child("nameField").text, "Current object")
        const values = data.entry === "terrestrialObjects"
            ? [page.profile.axis1, page.profile.axis2] : [page.profile.ra, page.profile.dec]
        fuzzyCompare(child(data.rows[0]).readFromUI(), values[0], 1 / 3600)
    }

    // Save's notice keeps clear of the rows it names, the frame tabs and Save and Edit, in the
    // languages whose
    // notice runs longest, by day and by night: where one of them lies under it at the bottom it
    // shows elsewhere, whole, below the header and above the pad, and opaque; where none does,
    // as in a tall window, it stays at the bottom.
    function test_toastKeepsClear_data() {
        const rows = []
        for (const language of ["en", "de", "hu", "ja", "zh"]) {
            for (const night of [false, true]) {
                rows.push({ tag: "320x480 " + language + (night ? " night" : " day"), width: 320,
                            height: 480, language: language, night: night })
            }
        }
        rows.push({ tag: "480x800 en day, nothing under it", width: 480, height: 800,
                    language: "en", night: false, atBottom: true })
        return rows
    }

    function test_toastKeepsClear(data) {
        const size = Qt.size(window.width, window.height)
        const toaster = window.inj_toaster
        const night = window.inj_nightManager
        const setting = night.setting
        window.width = data.width
        window.height = data.height
        night.setting = data.night ? 1 : 0
        try {
            tryVerify(() => window.inj_stackView.width === data.width, 5000, "resized")
            // The page opens in the language, as after a restart.
            inj_languageManager.language = data.language
            tryCompare(inj_mountConnection, "connected", true, 10000)
            page = window.inj_stackView.push("qrc:/Page/UserObjectsPage.qml",
                                             { isAxis: false, profileList: inj_userObject_CE })
            tryVerify(() => !page.reading && !window.inj_stackView.busy, 5000, "opened")
            waitForItemPolished(page)
            toaster.model.clear()
            // Save's own words, with the longest name of a row in them; shown for a minute, so
            // that a busy machine still finds it.
            const text = qsTranslate("UserObjectsPage",
                                     "Nothing saved: the position is only half typed in. Missing: %1")
                             .arg(qsTranslate("UserObjectsPage", "%1, %2",
                                              "the two rows of a position that lack a value")
                                      .arg(child("raRow").paramText).arg(child("decRow").paramText))
            toaster.show(text, 60000)
            const overlay = toaster.parent
            const rect = item => {
                const p = item.mapToItem(overlay, 0, 0)
                return { top: p.y, bottom: p.y + item.height }
            }
            // Once it is in, alone (a late notice of the program's would stack with it), the
            // list has placed it, and it has faded in: opaque, so that at night the page's red
            // text does not run through its own.
            tryVerify(() => {
                for (let i = toaster.count - 1; i >= 0; --i) {
                    if (toaster.model.get(i).text !== text)
                        toaster.remove(toaster.model.get(i).toastId)
                }
                return toaster.count === 1 && !!toaster.itemAtIndex(0)
                       && toaster.itemAtIndex(0).opacity === 1
                       && !toaster.displaced.running
            }, 5000, "shown")
            const toast = rect(toaster.itemAtIndex(0))
            for (const kept of [child("raRow"), child("decRow"), child("frameBar"),
                                button("saveButton"), button("editButton")]) {
                const r = rect(kept)
                verify(toast.bottom <= r.top || toast.top >= r.bottom,
                       kept.objectName + " at " + r.top + "-" + r.bottom + ", the toast at "
                       + toast.top + "-" + toast.bottom)
            }
            verify(toast.top >= window.header.height, "below the header")
            const bottom = overlay.height - (window.footer.visible ? window.footer.height : 0) - 10
            verify(toast.bottom <= bottom + 0.5, "above the pad")
            if (data.atBottom)
                verify(Math.abs(toast.bottom - bottom) < 1, "at the bottom")
            // Whole: not cut off by a band too low for it.
            verify(!toaster.clip || toast.top >= rect(toaster).top - 0.5, "whole")
        } finally {
            toaster.model.clear()
            night.setting = setting
            inj_languageManager.language = "en"
            window.width = size.width
            window.height = size.height
        }
    }
}

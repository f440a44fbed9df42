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
    }

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
        // The object read from the mount is named so; the blank one it replaces is not.
        tryCompare(child("nameField"), "text", "Current object", 5000)
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

    // A page that has not been shown has loaded nothing, as without a mount: Save keeps the
    // typed entry as a new object.
    function test_saveWithoutLoadedObject() {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        page = Qt.createComponent("qrc:/Page/UserObjectsPage.qml").createObject(testCase, {
            isAxis: false,
            profileList: inj_userObject_CE
        })
        verify(!page.profile)
        child("nameField").text = "Typed offline"
        setRow("raRow", ["3", "0", "0"])
        setRow("decRow", ["20", "0", "0"])
        button("saveButton").clicked()
        compare(names(inj_userObject_CE.list), ["Typed offline"])
        const saved = stored("userobj.radec")[0]
        fuzzyCompare(saved.ra, 3, 1e-9)
        fuzzyCompare(saved.dec, 20, 1e-9)
        page.destroy()
    }
}

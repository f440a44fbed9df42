import QtQuick
import QtQuick.Controls
import QtTest
import ".."

// Every angle field of the window shows its whole text, sign included, at the smallest window
// and in long languages: a field narrower than its text scrolls, and showed "123" of "-123" or
// "-54" of "-540". The fields and their units stay apart and inside the window.
WindowTestCase {
    id: testCase
    name: "AngleFields"
    when: windowShown

    property var before: null

    function init() {
        waitConnected()
        if (!before)
            before = Qt.size(window.width, window.height)
    }

    function cleanup() {
        inj_languageManager.doubleLength = false
        inj_languageManager.language = "en"
        window.width = before.width
        window.height = before.height
        home()
    }

    // The rows of a page with the longest texts their fields take, three fields a row.
    function rows(which) {
        if (which === "location") {
            open(window.inj_pageLocation)
            const site = siteRows(stackView.currentItem)
            compare(site.length, 2)
            return [{ row: site[0], texts: ["90", "59", "59.99"] },
                    { row: site[1], texts: ["180", "59", "59.99"] }]
        }
        const isAxis = which === "terrestrial"
        const page = open("UserObjectsPage", { isAxis: isAxis,
                                               profileList: isAxis ? inj_userObject_TE
                                                                   : inj_userObject_CE })
        if (isAxis)
            return [{ row: child(page, "axis1Row"), texts: ["-540", "59", "59"] },
                    { row: child(page, "axis2Row"), texts: ["-123", "59", "59"] }]
        return [{ row: child(page, "raRow"), texts: ["24", "59", "59"] },
                { row: child(page, "decRow"), texts: ["-180", "59", "59"] }]
    }

    // The latitude and the longitude entry, in this order.
    function siteRows(item) {
        let found = []
        if (item.degreesField !== undefined)
            found.push(item)
        for (let i = 0; i < item.children.length; ++i)
            found = found.concat(siteRows(item.children[i]))
        return found
    }

    // The visible texts and fields of a row, from left to right.
    function leaves(item) {
        let found = []
        for (let i = 0; i < item.children.length; ++i) {
            const c = item.children[i]
            if (!c.visible)
                continue
            if (c.text !== undefined)
                found.push(c)
            else
                found = found.concat(leaves(c))
        }
        return found
    }

    function fieldsOf(row) {
        return row.firstField ? [row.firstField, row.minutesField, row.secondsField]
                              : [row.degreesField, row.minutesField, row.secondsField]
    }

    function test_wholeTextShown_data() {
        const list = []
        for (const page of ["location", "celestial", "terrestrial"]) {
            for (const size of [[320, 480], [360, 640]]) {
                list.push({ tag: page + " " + size[0] + "×" + size[1], page: page, size: size,
                            language: "en" })
            }
            for (const language of ["de", "hu", "ru"])
                list.push({ tag: page + " 320×480 " + language, page: page, size: [320, 480],
                            language: language })
            list.push({ tag: page + " 320×480 double length", page: page, size: [320, 480],
                        language: "en", doubleLength: true })
        }
        return list
    }

    function test_wholeTextShown(data) {
        inj_languageManager.language = data.language
        inj_languageManager.doubleLength = !!data.doubleLength
        window.width = data.size[0]
        window.height = data.size[1]
        // The window's items follow its new size once the platform has resized it.
        tryVerify(() => stackView.width === data.size[0] && stackView.height > 0, 5000,
                  "resized")
        const entries = rows(data.page)
        for (const entry of entries) {
            const fields = fieldsOf(entry.row)
            for (let i = 0; i < 3; ++i)
                fields[i].text = entry.texts[i]
        }
        placeRows(stackView.currentItem)
        waitForItemPolished(stackView.currentItem)
        for (const entry of entries) {
            const fields = fieldsOf(entry.row)
            for (let i = 0; i < 3; ++i) {
                const field = fields[i]
                const what = (entry.row.objectName || entry.row.isLatitude) + " field " + i + " \"" + field.text + "\""
                tryVerify(() => field.width > 0 && field.contentWidth > 0, 2000, what)
                const room = field.width - field.leftPadding - field.rightPadding
                verify(field.contentWidth <= room,
                       what + ": text " + field.contentWidth + " wide in " + room)
                // Whether the cursor is at the start or at the end, both ends of the text show
                // (the positions count from the padding's inner edge).
                for (const cursor of [0, field.text.length]) {
                    field.cursorPosition = cursor
                    const first = field.positionToRectangle(0).x
                    const last = field.positionToRectangle(field.text.length).x
                    verify(first >= -0.5 && last <= room + 0.5, what + ", cursor at " + cursor
                           + ": text from " + first + " to " + last + " in " + room)
                }
                const left = field.mapToItem(null, 0, 0).x
                verify(left >= 0 && left + field.width <= window.width + 0.5,
                       what + " at " + left + ", " + field.width + " wide")
            }
            // Label, fields and units in order, none over the next.
            let row = fields[0]
            while (row.paramLabel === undefined)
                row = row.parent
            const shown = leaves(row.paramLabel.parent)
            compare(shown.length, 7, "the label, three fields and their units")
            for (let i = 1; i < shown.length; ++i) {
                const before = shown[i - 1]
                const end = before.mapToItem(null, Math.max(before.width,
                                                            before.contentWidth || 0), 0).x
                const start = shown[i].mapToItem(null, 0, 0).x
                verify(end <= start + 0.5, row.paramLabel.text
                       + ": item " + (i - 1) + " ends at " + end + ", item " + i
                       + " starts at " + start)
            }
        }
    }
}

import QtQuick
import QtQuick.Controls
import QtTest
import ".."

// The faintest magnitudes typed key by key: the field keeps every key typed, takes one decimal
// after a point or a comma from -99 to 99, and tints what it cannot take, which writes nothing.
// On leaving, the field shows the magnitude kept. A field that dropped the point made 65 of 6.5.
WindowTestCase {
    id: testCase
    name: "MagnitudeEntry"
    when: windowShown

    function init() {
        waitConnected()
        inj_catalogSettings.enableVmagFilter = true
        inj_catalogSettings.maxStarVmag = 5
        inj_catalogSettings.maxDsoVmag = 9
    }

    function cleanup() {
        inj_catalogSettings.enableVmagFilter = false
        home()
    }

    function test_typed_data() {
        const star = "faintestStar"
        const other = "faintestOther"
        return [
            { tag: "6.5", row: star, typed: "6.5", stored: 6.5, left: "6.5" },
            { tag: "2.5 faintest other", row: other, typed: "2.5", stored: 2.5, left: "2.5" },
            { tag: "comma 6,5", row: star, typed: "6,5", stored: 6.5, left: "6.5" },
            { tag: "whole 7", row: star, typed: "7", stored: 7, left: "7.0" },
            { tag: "negative -1.5", row: star, typed: "-1.5", stored: -1.5, left: "-1.5" },
            { tag: "lowest -99", row: other, typed: "-99", stored: -99, left: "-99.0" },
            { tag: "highest 99.0", row: other, typed: "99.0", stored: 99, left: "99.0" },
            { tag: "two decimals 6.55 refused", row: star, typed: "6.55", refused: true },
            { tag: "letters refused", row: star, typed: "abc", refused: true },
            { tag: "100 refused", row: star, typed: "100", refused: true },
            { tag: "-99.5 refused", row: other, typed: "-99.5", refused: true },
            { tag: "lone point refused", row: other, typed: ".", refused: true },
            // Not yet a number, and left so: not tinted while typed, the magnitude kept.
            { tag: "lone minus left", row: star, typed: "-", incomplete: true }
        ]
    }

    function test_typed(data) {
        const page = open("MagnitudeLimitPage")
        const field = child(page, data.row).field
        const setting = data.row === "faintestStar" ? "maxStarVmag" : "maxDsoVmag"
        const kept = inj_catalogSettings[setting]
        compare(field.text, kept.toFixed(1))
        const tint = child(field, "refusedTint")

        field.forceActiveFocus()
        field.selectAll()
        for (const c of data.typed)
            keyClick(c)
        // Every key typed stays.
        compare(field.text, data.typed)
        compare(tint.visible, !!data.refused, "tinted")
        if (data.refused || data.incomplete)
            fuzzyCompare(inj_catalogSettings[setting], kept, 1e-5)
        else
            fuzzyCompare(inj_catalogSettings[setting], data.stored, 1e-5)

        // The user moves on.
        child(page, "vmagFilter").forceActiveFocus()
        tryCompare(field, "activeFocus", false)
        const keeps = data.refused || data.incomplete
        const shown = keeps ? kept.toFixed(1) : data.left
        compare(field.text, shown, "shown on leaving")
        compare(tint.visible, false)
        fuzzyCompare(inj_catalogSettings[setting], keeps ? kept : data.stored, 1e-5)
        // Reopened, the page shows the same.
        home()
        compare(child(open("MagnitudeLimitPage"), data.row).field.text, shown)
    }

    // The two rows' fields one above the other, with room for a magnitude between the buttons:
    // the German labels of their natural width squeezed the fields and left them unaligned.
    function test_rowsFit_data() {
        return [
            { tag: "en 320x480", language: "en", width: 320, height: 480 },
            { tag: "de 320x480", language: "de", width: 320, height: 480 },
            { tag: "de 360x480", language: "de", width: 360, height: 480 },
            { tag: "de 428x926", language: "de", width: 428, height: 926 },
            { tag: "hu 320x480", language: "hu", width: 320, height: 480 }
        ]
    }

    function test_rowsFit(data) {
        const size = { width: window.width, height: window.height }
        inj_languageManager.language = data.language
        window.width = data.width
        window.height = data.height
        try {
            const content = window.contentItem
            // The window takes a new size when it is told of it, not when it is asked.
            tryCompare(content, "width", data.width)
            const page = open("MagnitudeLimitPage")
            const fields = ["faintestStar", "faintestOther"].map(name => child(page, name).field)
            tryVerify(() => fields.every(f => f.width > 0))
            // Room between the buttons for "-99.0"; that the buttons lie inside the window, the
            // layout walk checks in every language and size.
            for (const field of fields)
                verify(field.width - field.leftPadding - field.rightPadding >= 40,
                       "room " + (field.width - field.leftPadding - field.rightPadding))
            const lefts = fields.map(f => f.mapToItem(content, 0, 0).x)
            fuzzyCompare(lefts[0], lefts[1], 0.5, "the fields' left edges")
            fuzzyCompare(fields[0].width, fields[1].width, 0.5, "the fields' widths")
        } finally {
            inj_languageManager.language = "en"
            window.width = size.width
            window.height = size.height
            tryCompare(window.contentItem, "width", size.width)
        }
    }
}

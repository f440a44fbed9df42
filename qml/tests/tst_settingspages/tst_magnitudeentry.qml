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
}

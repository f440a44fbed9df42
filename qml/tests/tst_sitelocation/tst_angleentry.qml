import QtQuick
import QtQuick.Controls
import QtTest
import "qrc:/"

// The degree, minute and second rows on a root of their own: what they write, what they read,
// and how they mend what is typed.
TestCase {
    id: root
    name: "AngleEntry"
    when: windowShown
    width: 428
    height: 600

    readonly property NightManager inj_nightManager: night

    NightManager {
        id: night
    }
    Column {
        width: root.width

        Location_DmsInput {
            id: latitude
            isLatitude: true
        }
        Location_DmsInput {
            id: longitude
            isLatitude: false
        }
        UserObjects_DmsInput {
            id: userRow
        }
    }

    function fields(row) {
        return row.firstField ? [row.firstField, row.minutesField, row.secondsField]
                              : [row.degreesField, row.minutesField, row.secondsField]
    }

    function texts(row) {
        return fields(row).map(f => f.text)
    }

    function setTexts(row, values) {
        const list = fields(row)
        for (let i = 0; i < 3; ++i)
            list[i].text = values[i]
    }

    // Site rows: typed texts and tab to the stored degrees; north and west are positive, and the
    // composed angle stays within the range of a site.
    function test_siteRead_data() {
        return [
            { tag: "45° 30′ 0″ South", lat: true, typed: ["45", "30", "0"], sign: -1, deg: -45.5 },
            { tag: "West is positive", lat: false, typed: ["7", "15", "36"], sign: 1, deg: 7.26 },
            { tag: "empty minutes are 0", lat: true, typed: ["12", "", "36"], sign: 1, deg: 12.01 },
            { tag: "seconds keep two decimals", lat: true, typed: ["0", "0", "1.237"], sign: 1,
              deg: 1.24 / 3600 },
            { tag: "latitude stops at 90", lat: true, typed: ["90", "59", "59.99"], sign: -1, deg: -90 },
            { tag: "longitude stops at 180", lat: false, typed: ["180", "30", "0"], sign: 1, deg: 180 },
            { tag: "degrees clamp", lat: true, typed: ["95", "0", "0"], sign: 1, deg: 90 },
            { tag: "unreadable is 0", lat: false, typed: ["12.", "abc", "70"], sign: 1,
              deg: 12 + 59.99 / 3600 }
        ]
    }

    function test_siteRead(data) {
        const row = data.lat ? latitude : longitude
        setTexts(row, data.typed)
        row.signInput.setSign(data.sign)
        const deg = row.readFromUI()
        verify(Math.abs(deg - data.deg) < 1e-9, deg + " is not " + data.deg)
    }

    // Written as plain numbers, seconds rounded to 0.01″, then read back unchanged.
    function test_siteWrite_data() {
        return [
            { tag: "south", lat: true, deg: -45.5, texts: ["45", "30", "0"], sign: -1 },
            { tag: "seconds", lat: false, deg: 8 + 5 / 60 + 3.25 / 3600, texts: ["8", "5", "3.25"],
              sign: 1 },
            { tag: "rounding carries", lat: false, deg: -(10 + 59 / 60 + 59.999 / 3600),
              texts: ["11", "0", "0"], sign: -1 }
        ]
    }

    function test_siteWrite(data) {
        const row = data.lat ? latitude : longitude
        row.writeToUI(data.deg)
        compare(texts(row), data.texts)
        compare(row.signInput.getSign(), data.sign)
        verify(Math.abs(row.readFromUI() - data.deg) < 0.006 / 3600)
    }

    // A text out of range is tinted while typed and clamped when the field loses the focus.
    function test_outOfRangeTint() {
        const field = latitude.degreesField
        const tint = findChild(field, "outOfRangeTint")
        compare(tint.color, Qt.color("red"))
        compare(tint.opacity, 0.15)
        field.forceActiveFocus()
        field.text = "95"
        verify(field.tinted)
        field.text = ""
        verify(!field.tinted, "an empty field is not tinted")
        field.text = "95"
        latitude.minutesField.forceActiveFocus()
        compare(field.text, "90")
        verify(!field.tinted)
    }

    // The user-objects row carries its sign in the first field, also on a zero.
    function test_userObjects_data() {
        return [
            { tag: "-0.5 writes -0 30 0", type: "d", deg: -0.5, texts: ["-0", "30", "0"], back: -0.5 },
            { tag: "axis beyond a turn", type: "a", deg: -400.25, texts: ["-400", "15", "0"],
              back: -400.25 },
            { tag: "-0 0 0 is 0", type: "d", typed: ["-0", "0", "0"], back: 0 },
            { tag: "hours stop at 24", type: "h", typed: ["25", "0", "0"], texts: ["24", "0", "0"],
              back: 24 },
            { tag: "degrees stop at -180", type: "d", typed: ["-190", "0", "0"],
              texts: ["-180", "0", "0"], back: -180 },
            { tag: "axis stops at 540", type: "a", typed: ["600", "0", "0"], texts: ["540", "0", "0"],
              back: 540 }
        ]
    }

    function test_userObjects(data) {
        userRow.valType = data.type
        if (data.typed)
            setTexts(userRow, data.typed)
        else
            userRow.writeToUI(data.deg)
        if (data.texts && !data.typed)
            compare(texts(userRow), data.texts)
        const back = userRow.readFromUI()
        verify(Math.abs(back - data.back) < 1e-9, back + " is not " + data.back)
        if (data.texts)
            compare(texts(userRow), data.texts)
    }
}

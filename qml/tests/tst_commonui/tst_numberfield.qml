import QtQuick
import QtQuick.Controls
import QtTest
import "qrc:/"

// The stepped number field without a validator: what typed text reads as. Text it cannot take
// reads as no number and is tinted; it is never read as another number.
TestCase {
    id: root
    name: "NumberField"
    when: windowShown
    visible: true
    width: 428
    height: 200

    readonly property NightManager inj_nightManager: night

    NightManager {
        id: night
    }

    Component {
        id: fieldComponent
        UI_FineTuning {
            adjParam: 0.2
            minValue: -99
            maxValue: 99
        }
    }

    function test_read_data() {
        return [
            { tag: "one decimal", decimals: 1, text: "6.5", value: 6.5 },
            { tag: "comma", decimals: 1, text: "6,5", value: 6.5 },
            { tag: "point without decimals", decimals: 1, text: "6.", value: 6 },
            { tag: "leading point", decimals: 1, text: ".5", value: 0.5 },
            { tag: "negative", decimals: 1, text: "-2.5", value: -2.5 },
            { tag: "bottom", decimals: 1, text: "-99", value: -99 },
            { tag: "top", decimals: 1, text: "99.0", value: 99 },
            { tag: "two decimals", decimals: 1, text: "6.55", value: undefined },
            { tag: "above", decimals: 1, text: "99.1", value: undefined },
            { tag: "below", decimals: 1, text: "-100", value: undefined },
            { tag: "letters", decimals: 1, text: "6a", value: undefined },
            { tag: "two points", decimals: 1, text: "6.5.", value: undefined },
            { tag: "whole numbers: a decimal", decimals: 0, text: "6.5", value: undefined },
            { tag: "whole numbers", decimals: 0, text: "65", value: 65 },
            { tag: "empty, being typed", decimals: 1, text: "", value: undefined, untinted: true },
            { tag: "lone minus, being typed", decimals: 1, text: "-", value: undefined,
              untinted: true }
        ]
    }

    function test_read(data) {
        const field = createTemporaryObject(fieldComponent, root, { decimals: data.decimals })
        field.text = data.text
        compare(field.numberOf(field.text), data.value)
        const tinted = data.value === undefined && !data.untinted
        compare(field.refused, tinted)
        compare(findChild(field, "refusedTint").visible, tinted)
    }

    // The buttons step from what the text reads, a comma's decimals included.
    function test_stepFromComma() {
        const field = createTemporaryObject(fieldComponent, root, { decimals: 1 })
        field.text = "6,5"
        const offers = []
        field.showText.connect(value => offers.push(value))
        mouseClick(findChild(field, "incrementButton"))
        compare(offers, [6.7])
    }
}

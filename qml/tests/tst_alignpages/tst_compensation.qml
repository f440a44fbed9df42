import QtQuick
import QtTest
import "../rig"

// The model-terms page: what it shows with and without a mount, how it corrects typed values,
// and that only an edited term is written back.
TestCase {
    id: testCase
    name: "Compensation"
    when: windowShown

    property var page: null
    readonly property var terms: ["idAmin", "chAmin", "npAmin", "melAmin", "mazAmin", "tiltAmin"]

    WindowRig {
        id: rig
        testCase: testCase
    }

    function initTestCase() {
        rig.createWindow()
    }

    function cleanupTestCase() {
        rig.settle()
    }

    function open() {
        rig.window.inj_stackView.push("qrc:/Page/AlignCompensationPage.qml")
        page = rig.top()
    }

    function field(term) {
        return findChild(page, term)
    }

    function test_withoutMount() {
        rig.disconnect()
        open()
        for (const term of terms) {
            compare(field(term).text, "0.0", term)
            verify(field(term).readOnly, term)
        }
        field("chAmin").text = "5"
        rig.window.inj_stackView.pop()
        rig.connect()
        compare(inj_alignmentDataContainer.chAmin, 0, "nothing written while disconnected")
    }

    function test_corrected_data() {
        return [
            { tag: "two decimals", typed: "12.34", shown: "12.3" },
            { tag: "whole", typed: "7", shown: "7.0" },
            { tag: "above range", typed: "20000", shown: "18000.0" },
            { tag: "below range", typed: "-99999.9", shown: "-18000.0" },
            { tag: "not a number", typed: "abc", shown: "0.0" },
            { tag: "empty", typed: "", shown: "0.0" }
        ]
    }

    function test_corrected(data) {
        open()
        const ch = field("chAmin")
        verify(!ch.readOnly)
        ch.forceActiveFocus()
        ch.text = data.typed
        field("npAmin").forceActiveFocus()
        compare(ch.text, data.shown, "corrected when the focus leaves")
        rig.window.inj_stackView.pop()
    }

    function test_writesOnlyEdits() {
        const container = inj_alignmentDataContainer
        // Terms with more decimals than the page shows: a visit must not round them.
        container.chAmin = 1.234
        container.npAmin = -2.345
        open()
        for (const term of terms)
            compare(field(term).text, container[term].toFixed(1), term)
        rig.window.inj_stackView.pop()
        fuzzyCompare(container.chAmin, 1.234, 1e-9)
        fuzzyCompare(container.npAmin, -2.345, 1e-9)

        open()
        const ch = field("chAmin")
        ch.forceActiveFocus()
        ch.selectAll()
        keyClick(Qt.Key_4)
        keyClick(Qt.Key_Period)
        keyClick(Qt.Key_2)
        keyClick(Qt.Key_5)
        rig.window.inj_stackView.pop()
        fuzzyCompare(container.chAmin, 4.2, 1e-9)
        fuzzyCompare(container.npAmin, -2.345, 1e-9, "NP left as it was")
    }
}

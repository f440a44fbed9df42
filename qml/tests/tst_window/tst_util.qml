import QtQuick
import QtTest
import "qrc:/Util.js" as Util

TestCase {
    name: "Util"

    function test_angleToStringParts_data() {
        return [
            { tag: "seconds", angle: -12.999916666666667, part: "s", dec: 1, want: ["-", "12", "59", "59.7"] },
            { tag: "minutes round up", angle: -12.999916666666667, part: "m", dec: 1, want: ["-", "13", "00.0", ""] },
            { tag: "minutes", angle: 12.2, part: "m", dec: 0, want: ["", "12", "12", ""] },
            { tag: "whole", angle: 7.25, part: "a", dec: 2, want: ["", "7.25", "", ""] },
            { tag: "defaults pad", angle: 5.0875, part: undefined, dec: undefined, want: ["", "5", "05", "15"] },
            { tag: "seconds carry into degrees", angle: 10.9999999, part: "s", dec: 0, want: ["", "11", "00", "00"] },
            { tag: "padded decimals", angle: 1.0015277777777778, part: "s", dec: 1, want: ["", "1", "00", "05.5"] },
            { tag: "seconds carry into minutes", angle: 2.0166666666666666, part: "s", dec: 0, want: ["", "2", "01", "00"] },
            { tag: "minutes carry", angle: 2.9999999999, part: "m", dec: 2, want: ["", "3", "00.00", ""] },
            // Just below zero: what reads as zero has no sign; a step further it keeps its minus.
            { tag: "s0 -0.4s", angle: -0.4 / 3600, part: "s", dec: 0, want: ["", "0", "00", "00"] },
            { tag: "s0 -0.6s", angle: -0.6 / 3600, part: "s", dec: 0, want: ["-", "0", "00", "01"] },
            { tag: "s2 -0.004s", angle: -0.004 / 3600, part: "s", dec: 2, want: ["", "0", "00", "00.00"] },
            { tag: "s2 -0.006s", angle: -0.006 / 3600, part: "s", dec: 2, want: ["-", "0", "00", "00.01"] },
            { tag: "m0 -0.4m", angle: -0.4 / 60, part: "m", dec: 0, want: ["", "0", "00", ""] },
            { tag: "m0 -0.6m", angle: -0.6 / 60, part: "m", dec: 0, want: ["-", "0", "01", ""] },
            { tag: "a1 -0.04", angle: -0.04, part: "a", dec: 1, want: ["", "0.0", "", ""] },
            { tag: "a1 -0.06", angle: -0.06, part: "a", dec: 1, want: ["-", "0.1", "", ""] },
            { tag: "minutes keep the sign", angle: -0.5, part: "s", dec: 0, want: ["-", "0", "30", "00"] }
        ]
    }

    function test_angleToStringParts(data) {
        const p = Util.angleToStringParts(data.angle, data.part, data.dec)
        compare([p.sign, p.a, p.m, p.s], data.want)
    }

    function test_fixedText_data() {
        return [
            // What reads as zero has no sign; a step further it keeps its minus.
            { tag: "-0.04", value: -0.04, dec: 1, want: "0.0" },
            { tag: "-0.06", value: -0.06, dec: 1, want: "-0.1" },
            { tag: "-0.4 whole", value: -0.4, dec: 0, want: "0" },
            { tag: "negative zero", value: -0, dec: 2, want: "0.00" }
        ]
    }

    function test_fixedText(data) {
        compare(Util.fixedText(data.value, data.dec), data.want)
    }

    function test_conversions() {
        fuzzyCompare(Util.radToDeg(Math.PI / 2), 90, 1e-12)
        fuzzyCompare(Util.degToRad(180), Math.PI, 1e-12)
    }
}

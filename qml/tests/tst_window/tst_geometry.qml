import QtQuick
import QtTest
import "qrc:/Script/WindowGeometry.js" as WindowGeometry

TestCase {
    name: "Geometry"

    readonly property var screens: [
        { x: 0, y: 0, width: 1920, height: 1080 },
        { x: 1920, y: 0, width: 1280, height: 1024 }
    ]
    readonly property var minimum: ({ width: 320, height: 480 })
    readonly property var defaults: ({ x: 40, y: 40, width: 428, height: 926 })

    function test_mend_data() {
        return [
            { tag: "kept", rect: { x: 300, y: 50, width: 500, height: 700 }, want: { x: 300, y: 50, width: 500, height: 700 } },
            { tag: "second screen kept", rect: { x: 2000, y: 10, width: 428, height: 926 }, want: { x: 2000, y: 10, width: 428, height: 926 } },
            { tag: "unplugged screen", rect: { x: 3500, y: 10, width: 428, height: 926 }, want: { x: 40, y: 40, width: 428, height: 926 } },
            { tag: "above every screen", rect: { x: 100, y: -2000, width: 428, height: 926 }, want: { x: 40, y: 40, width: 428, height: 926 } },
            { tag: "only an edge shows", rect: { x: -420, y: 100, width: 428, height: 926 }, want: { x: 40, y: 40, width: 428, height: 926 } },
            { tag: "too small", rect: { x: 100, y: 100, width: 50, height: 30 }, want: { x: 40, y: 40, width: 428, height: 926 } },
            { tag: "partly off is brought within the screen showing most", rect: { x: 1800, y: 900, width: 428, height: 926 }, want: { x: 1920, y: 98, width: 428, height: 926 } }
        ]
    }

    function test_mend(data) {
        compare(WindowGeometry.mend(data.rect, screens, minimum, defaults), data.want)
    }

    function test_smallPrimaryScreen() {
        const small = [{ x: 0, y: 0, width: 800, height: 600 }]
        compare(WindowGeometry.mend({ x: 5000, y: 5000, width: 428, height: 926 }, small, minimum, defaults),
                { x: 40, y: 0, width: 428, height: 600 })
    }

    // The first start (the defaults) and every stored size, on the available area of one screen
    // (panels and docks left out).
    function test_fit_data() {
        const laptop = [{ x: 0, y: 0, width: 1366, height: 740 }]
        const xvfb = [{ x: 0, y: 0, width: 1280, height: 900 }]
        const panelAbove = [{ x: 0, y: 32, width: 1920, height: 1048 }]
        const tiny = [{ x: 0, y: 0, width: 300, height: 400 }]
        return [
            { tag: "first start on 1280x900", screens: xvfb, rect: defaults, want: { x: 40, y: 0, width: 428, height: 900 } },
            { tag: "first start on a laptop", screens: laptop, rect: defaults, want: { x: 40, y: 0, width: 428, height: 740 } },
            { tag: "first start below a panel", screens: panelAbove, rect: defaults, want: { x: 40, y: 40, width: 428, height: 926 } },
            { tag: "stored taller than the screen", screens: laptop, rect: { x: 200, y: 10, width: 500, height: 1000 }, want: { x: 200, y: 0, width: 500, height: 740 } },
            { tag: "stored wider than the screen", screens: laptop, rect: { x: 10, y: 10, width: 3000, height: 600 }, want: { x: 0, y: 10, width: 1366, height: 600 } },
            { tag: "stored under a panel", screens: panelAbove, rect: { x: 100, y: 0, width: 428, height: 700 }, want: { x: 100, y: 32, width: 428, height: 700 } },
            { tag: "bottom edge below the screen", screens: laptop, rect: { x: 100, y: 500, width: 428, height: 700 }, want: { x: 100, y: 40, width: 428, height: 700 } },
            { tag: "right edge beyond the screen", screens: laptop, rect: { x: 1200, y: 20, width: 428, height: 700 }, want: { x: 938, y: 20, width: 428, height: 700 } },
            { tag: "never below the minimum", screens: tiny, rect: defaults, want: { x: 0, y: 0, width: 320, height: 480 } },
            { tag: "on the second screen", screens: screens, rect: { x: 2100, y: 300, width: 428, height: 1100 }, want: { x: 2100, y: 0, width: 428, height: 1024 } }
        ]
    }

    function test_fit(data) {
        compare(WindowGeometry.mend(data.rect, data.screens, minimum, defaults), data.want)
    }
}

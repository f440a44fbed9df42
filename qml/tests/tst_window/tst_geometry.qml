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
            { tag: "partly off is kept", rect: { x: 1800, y: 900, width: 428, height: 926 }, want: { x: 1800, y: 900, width: 428, height: 926 } }
        ]
    }

    function test_mend(data) {
        compare(WindowGeometry.mend(data.rect, screens, minimum, defaults), data.want)
    }

    function test_smallPrimaryScreen() {
        const small = [{ x: 0, y: 0, width: 800, height: 600 }]
        compare(WindowGeometry.mend({ x: 5000, y: 5000, width: 428, height: 926 }, small, minimum, defaults),
                { x: 40, y: 0, width: 428, height: 926 })
    }
}

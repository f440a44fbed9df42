import QtQuick

// A spinning ring, one turn every 2 seconds.
Item {
    id: root

    property int counter: 0
    readonly property bool running: visible

    QtObject {
        id: _m
        readonly property bool isNight: inj_nightManager.isNight
        onIsNightChanged: canvas.requestPaint()
    }

    Canvas {
        id: canvas
        readonly property real side: root.height * 0.8
        width: side
        height: side
        anchors.centerIn: parent
        rotation: 360 * root.counter / 100

        onPaint: {
            const ctx = getContext("2d")
            ctx.reset()
            const c = side / 2
            const r = 0.85 * c
            const sweep = 2 * Math.PI * 0.85
            const colour = _m.isNight ? "#F44336" : "#00c566"
            ctx.strokeStyle = colour
            ctx.fillStyle = colour
            ctx.lineWidth = side * 0.1
            ctx.beginPath()
            ctx.arc(c, c, r, 0, sweep, false)
            ctx.stroke()
            const dot = side * 0.05 / 2
            for (const a of [0, sweep]) {
                ctx.beginPath()
                ctx.arc(c + r * Math.cos(a), c + r * Math.sin(a), dot, 0, 2 * Math.PI)
                ctx.fill()
            }
        }
    }

    Timer {
        interval: 20
        repeat: true
        running: root.running
        onTriggered: root.counter = (root.counter + 1) % 100
    }
}

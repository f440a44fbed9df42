import QtQuick

// A size stored larger than the screen (1280 x 1024) comes back within it, at the top.
QtObject {
    function steps() {
        const w = probe.window
        return [
            { wait: () => w.x === 100 && w.y === 0 && w.width === 600 && w.height === 1024,
              timeoutMs: 5000 }
        ]
    }
}

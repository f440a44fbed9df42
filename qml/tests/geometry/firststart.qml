import QtQuick

// The first start on a 1366 x 768 screen: the default window, taller than the screen, fits it.
QtObject {
    function steps() {
        const w = probe.window
        return [
            { wait: () => w.x === 40 && w.y === 0 && w.width === 428 && w.height === 768,
              timeoutMs: 5000 }
        ]
    }
}

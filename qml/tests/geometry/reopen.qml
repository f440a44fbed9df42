import QtQuick

// The window reopens where it was closed.
QtObject {
    function steps() {
        const w = probe.window
        return [
            { wait: () => w.x === 200 && w.y === 150 && w.width === 500 && w.height === 700,
              timeoutMs: 5000 }
        ]
    }
}

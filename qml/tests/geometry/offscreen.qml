import QtQuick

// A place stored off every screen comes back onto the primary screen, at the stored size.
QtObject {
    function steps() {
        const w = probe.window
        return [
            { wait: () => w.x === 40 && w.y === 40 && w.width === 500 && w.height === 700,
              timeoutMs: 5000 }
        ]
    }
}

import QtQuick

// Moves and sizes the window, then closes it as the user would.
QtObject {
    function steps() {
        const w = probe.window
        return [
            { run: () => {
                  w.x = 200
                  w.y = 150
                  w.width = 500
                  w.height = 700
              },
              wait: () => w.x === 200 && w.y === 150 && w.width === 500 && w.height === 700 },
            { run: () => w.close() }
        ]
    }
}

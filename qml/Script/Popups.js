.pragma library

// The popups open in each window, oldest first, so that the back key and Escape reach the one on
// top. Popups tell when they open and close; an entry is {popup, overlay, back}: overlay names
// the window (its overlay item), back is what the key does to that popup.

let _open = []

function opened(popup, overlay, back) {
    closed(popup)
    _open.push({ popup: popup, overlay: overlay, back: back })
}

function closed(popup) {
    _open = _open.filter(entry => entry.popup !== popup)
}

// The entry of the popup on top in the window of overlay, or null when none is open there.
function top(overlay) {
    for (let i = _open.length - 1; i >= 0; --i) {
        if (_open[i].overlay === overlay)
            return _open[i]
    }
    return null
}

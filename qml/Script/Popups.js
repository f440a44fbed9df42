.pragma library

// The popups open in each window, oldest first, so that the back key and Escape reach the one on
// top. Popups tell when they open and close; an entry is {popup, overlay, back}: overlay names
// the window (its overlay item), back is what the key does to that popup.

let _open = []
// Called after every change of the open popups, such as the toasts that keep clear of a question.
let _watchers = []

function opened(popup, overlay, back) {
    _open = _open.filter(entry => entry.popup !== popup)
    _open.push({ popup: popup, overlay: overlay, back: back })
    _changed()
}

function closed(popup) {
    const before = _open.length
    _open = _open.filter(entry => entry.popup !== popup)
    if (_open.length !== before)
        _changed()
}

function watch(watcher) {
    _watchers.push(watcher)
}

function unwatch(watcher) {
    _watchers = _watchers.filter(w => w !== watcher)
}

function _changed() {
    for (const watcher of _watchers.slice())
        watcher()
}

// The entry of the popup on top in the window of overlay, or null when none is open there.
function top(overlay) {
    for (let i = _open.length - 1; i >= 0; --i) {
        if (_open[i].overlay === overlay)
            return _open[i]
    }
    return null
}

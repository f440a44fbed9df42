.pragma library

// An item's rectangle in the coordinates of top (the window's overlay, which covers the whole
// window), cut to every item above it that clips and to top itself: the part of it that can be
// seen.
function shownRect(item, top) {
    const p = item.mapToItem(top, 0, 0)
    let r = Qt.rect(p.x, p.y, item.width, item.height)
    for (let a = item.parent; a; a = a.parent) {
        if (a.clip)
            r = cut(r, a, top)
    }
    return cut(r, top, top)
}

function cut(r, frame, top) {
    const q = frame.mapToItem(top, 0, 0)
    const x = Math.max(r.x, q.x)
    const y = Math.max(r.y, q.y)
    return Qt.rect(x, y, Math.max(0, Math.min(r.x + r.width, q.x + frame.width) - x),
                   Math.max(0, Math.min(r.y + r.height, q.y + frame.height) - y))
}

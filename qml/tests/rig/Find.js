.pragma library

// The first item named name in item or its child items, depth first; null when there is none.
// A wait may call it: child lists tell their changes, so the wait is asked again.
function itemNamed(item, name) {
    return search(item, name, object => object.children)
}

// The same over everything an object holds, popups and other non-visual objects included; a wait
// that calls it is not asked again when only what an object holds changes.
function named(object, name) {
    return search(object, name, object => object.data !== undefined ? object.data : object.children)
}

function search(object, name, heldBy) {
    if (!object)
        return null
    if (object.objectName === name)
        return object
    const held = heldBy(object)
    for (let i = 0; held && i < held.length; ++i) {
        const found = search(held[i], name, heldBy)
        if (found)
            return found
    }
    return null
}

.pragma library

// The first item named name in item or its child items, depth first; null when there is none.
// A wait may call it: child lists tell their changes, so the wait is asked again.
function itemNamed(item, name) {
    return search(item, o => o.objectName === name, object => object.children)
}

// The same over everything an object holds, popups and other non-visual objects included; a wait
// that calls it is not asked again when only what an object holds changes.
function named(object, name) {
    return held(object, o => o.objectName === name)
}

// The first object, object itself or anything it holds at any depth, for which test is true.
function held(object, test) {
    return search(object, test, object => object.data !== undefined ? object.data : object.children)
}

function search(object, test, heldBy) {
    if (!object)
        return null
    if (test(object))
        return object
    const inner = heldBy(object)
    for (let i = 0; inner && i < inner.length; ++i) {
        const found = search(inner[i], test, heldBy)
        if (found)
            return found
    }
    return null
}

.pragma library

// Where a desktop window reopens. A stored place that lies on no screen any more (a monitor was
// unplugged), or a size below the window's minimum, would leave the window out of reach: such a
// window comes back on the primary screen (screens[0]) at the default place and size.
// rect, defaults: {x, y, width, height}; screens: [{x, y, width, height}]; minimum: {width, height}.

// How much of the window must show on a screen for the user to grab it.
const kGrip = 40

function _overlaps(rect, screen) {
    const w = Math.min(rect.x + rect.width, screen.x + screen.width) - Math.max(rect.x, screen.x)
    const h = Math.min(rect.y + rect.height, screen.y + screen.height) - Math.max(rect.y, screen.y)
    return w >= Math.min(kGrip, rect.width) && h >= Math.min(kGrip, rect.height)
}

function mend(rect, screens, minimum, defaults) {
    const sizeOk = rect.width >= minimum.width && rect.height >= minimum.height
    const placeOk = screens.some(s => _overlaps(rect, s))
    if (sizeOk && placeOk)
        return { x: rect.x, y: rect.y, width: rect.width, height: rect.height }
    const primary = screens.length > 0 ? screens[0] : { x: 0, y: 0, width: defaults.width, height: defaults.height }
    const width = sizeOk ? rect.width : defaults.width
    const height = sizeOk ? rect.height : defaults.height
    return {
        x: primary.x + Math.max(0, Math.min(defaults.x, primary.width - width)),
        y: primary.y + Math.max(0, Math.min(defaults.y, primary.height - height)),
        width: width,
        height: height
    }
}

.pragma library

// Where a desktop window reopens. It always fits the screen it opens on: never larger than the
// screen's available area (a window taller than the screen hides the lower rows of the slew pad
// and its fold and home buttons), never smaller than the window's minimum, and wholly inside that
// area. A stored place that lies on no screen any more (a monitor was unplugged), or a size below
// the minimum, brings the window back on the primary screen (screens[0]) at the default place.
// rect, defaults: {x, y, width, height}; screens: the available areas [{x, y, width, height}];
// minimum: {width, height}.

// How much of the window must show on a screen for the user to grab it.
const kGrip = 40

function _overlap(rect, screen) {
    const w = Math.min(rect.x + rect.width, screen.x + screen.width) - Math.max(rect.x, screen.x)
    const h = Math.min(rect.y + rect.height, screen.y + screen.height) - Math.max(rect.y, screen.y)
    return { width: w, height: h }
}

function _grips(rect, screen) {
    const o = _overlap(rect, screen)
    return o.width >= Math.min(kGrip, rect.width) && o.height >= Math.min(kGrip, rect.height)
}

function _clamp(value, low, high) {
    return Math.max(low, Math.min(value, high))
}

// The screen that shows most of rect, among those where it can be grabbed; null when none.
function _screenOf(rect, screens) {
    let best = null
    let bestArea = -1
    for (const s of screens) {
        if (!_grips(rect, s))
            continue
        const o = _overlap(rect, s)
        if (o.width * o.height > bestArea) {
            best = s
            bestArea = o.width * o.height
        }
    }
    return best
}

function mend(rect, screens, minimum, defaults) {
    const sizeOk = rect.width >= minimum.width && rect.height >= minimum.height
    let screen = sizeOk ? _screenOf(rect, screens) : null
    let wanted = rect
    if (!screen) {
        screen = screens.length > 0 ? screens[0] : { x: 0, y: 0, width: defaults.width, height: defaults.height }
        const width = sizeOk ? rect.width : defaults.width
        const height = sizeOk ? rect.height : defaults.height
        wanted = { x: screen.x + defaults.x, y: screen.y + defaults.y, width: width, height: height }
    }
    // A screen smaller than the minimum gets the minimum: the window cannot be made smaller.
    const width = Math.max(minimum.width, Math.min(wanted.width, screen.width))
    const height = Math.max(minimum.height, Math.min(wanted.height, screen.height))
    return {
        x: _clamp(wanted.x, screen.x, screen.x + Math.max(0, screen.width - width)),
        y: _clamp(wanted.y, screen.y, screen.y + Math.max(0, screen.height - height)),
        width: width,
        height: height
    }
}

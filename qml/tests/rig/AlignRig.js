.pragma library

// Azimuth and altitude in degrees from a text that starts with them ("N 12° +45°" or
// "12°30'00\" +45°10'00\""); null when the text holds none.
function azAltOf(text) {
    const m = /(\d+)°.*?([+-]?\d+)°/.exec(text)
    return m ? { az: Number(m[1]), alt: Number(m[2]) } : null
}

function separation(p, q) {
    const r = Math.PI / 180
    const c = Math.sin(p.alt * r) * Math.sin(q.alt * r)
            + Math.cos(p.alt * r) * Math.cos(q.alt * r) * Math.cos((p.az - q.az) * r)
    return Math.acos(Math.max(-1, Math.min(1, c))) / r
}

// The enabled row nearest to from (rows carry their azimuth and altitude in c), so that the
// GoTo to it is short; -1 when no row is enabled.
function nearestEnabled(rows, from) {
    let best = -1
    let bestSep = Infinity
    for (let i = 0; i < rows.length; ++i) {
        const p = azAltOf(rows[i].c)
        if (!rows[i].isEnableListItem || !p)
            continue
        const sep = from ? separation(p, from) : 0
        if (sep < bestSep) {
            best = i
            bestSep = sep
        }
    }
    return best
}

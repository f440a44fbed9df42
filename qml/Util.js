.pragma library

function radToDeg(rad) {
    return rad * 180 / Math.PI
}

function degToRad(deg) {
    return deg * Math.PI / 180
}

function _pad2(text) {
    const point = text.indexOf(".")
    const whole = point < 0 ? text.length : point
    return whole < 2 ? "0".repeat(2 - whole) + text : text
}

function _roundTo(x, decimals) {
    const f = Math.pow(10, decimals)
    return Math.round(x * f) / f
}

// value with the given decimals; a value that reads as zero has no minus sign ("0.0", not "-0.0").
function fixedText(value, decimals) {
    const text = Number(value).toFixed(decimals)
    return Number(text) === 0 && text.charAt(0) === "-" ? text.substring(1) : text
}

// Splits an angle in degrees (or hours) into sign, whole part a, minutes m and seconds s, rounded
// in the unit of roundPart ("a", "m" or "s") to roundDecimal decimals; parts finer than roundPart
// are "". Rounding comes first, so no part can read 60 except through a floating-point remainder
// just below a whole unit, which is carried. The sign is that of the parts as shown: an angle that
// reads as zero has none.
function angleToStringParts(angle, roundPart, roundDecimal) {
    const p = _splitAngle(angle, roundPart, roundDecimal)
    if (parseFloat(p.a) === 0 && !(parseFloat(p.m) > 0) && !(parseFloat(p.s) > 0))
        p.sign = ""
    return p
}

function _splitAngle(angle, roundPart, roundDecimal) {
    if (roundPart === undefined)
        roundPart = "s"
    if (roundDecimal === undefined)
        roundDecimal = 0
    const sign = angle < 0 ? "-" : ""
    const scale = roundPart === "a" ? 1 : roundPart === "m" ? 60 : 3600
    const r = _roundTo(Math.abs(angle) * scale, roundDecimal) / scale
    if (roundPart === "a")
        return { sign: sign, a: r.toFixed(roundDecimal), m: "", s: "" }

    let a = Math.floor(r)
    if (roundPart === "m") {
        let m = _pad2(((r - a) * 60).toFixed(roundDecimal))
        if (parseFloat(m) >= 60) {
            m = _pad2((0).toFixed(roundDecimal))
            a += 1
        }
        return { sign: sign, a: a.toFixed(0), m: m, s: "" }
    }
    const minutes = (r - a) * 60
    let m = Math.floor(minutes)
    let s = _pad2(((minutes - m) * 60).toFixed(roundDecimal))
    if (parseFloat(s) >= 60) {
        s = _pad2((0).toFixed(roundDecimal))
        m += 1
    }
    if (m >= 60) {
        m = 0
        a += 1
    }
    return { sign: sign, a: a.toFixed(0), m: _pad2(m.toFixed(0)), s: s }
}

import QtQml

// Hands everything to the real slewing control and keeps every vector the pad sends.
QtObject {
    property var real: null
    readonly property int intRate: real.intRate
    // When set, which buttons may be pressed, in place of the real control's answer.
    property var enOverride: null
    readonly property var enButton: enOverride ? enOverride : real.enButton
    readonly property var promptButton: real.promptButton
    property var sent: []
    readonly property var last: sent.length > 0 ? sent[sent.length - 1] : null

    function incrementIntRate(add) {
        real.incrementIntRate(add)
    }
    function inputButtons(buttons) {
        sent = sent.concat([Array.from(buttons)])
        real.inputButtons(buttons)
    }
    // The indices of the held elements of the last vector.
    function held() {
        const out = []
        if (last)
            last.forEach((on, i) => {
                if (on)
                    out.push(i)
            })
        return out
    }
}

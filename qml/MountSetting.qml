import QtQuick
import QuickFuture 1.0

// A setting the mount holds, as its control shows it: what the mount confirmed last, never a
// value it did not take. While writes run the control keeps the user's choice; once the last of
// them has ended, taken or not, the control is shown the confirmed value again. The mount itself
// tells the user of a write it did not answer, and, once its link answers again, makes the
// setting sure (reads it, or sends the confirmed value again), which shows here as a change of
// confirmed.
// The control shows value on show(value): at the start, when confirmed changes while no write
// runs, and when the writes end.
QtObject {
    id: root

    // What the mount confirmed last: a binding to the mount's or the store's value.
    property var confirmed
    readonly property bool writing: _writes > 0
    property int _writes: 0

    signal show(var value)

    // future: the write's QFuture of a command result. Without one (no mount to write to) the
    // control goes back to the confirmed value at once.
    function write(future) {
        if (!future) {
            show(confirmed)
            return
        }
        ++_writes
        Future.onFinished(future, () => {
            --_writes
            if (!writing)
                show(confirmed)
        }, root)
    }

    // Shows the confirmed value again, unless a write runs.
    function refresh() {
        if (!writing)
            show(confirmed)
    }

    onConfirmedChanged: refresh()
    Component.onCompleted: show(confirmed)
}

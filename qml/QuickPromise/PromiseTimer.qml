import QtQml 2.0

// A one-shot timer of the promise library, started by the library itself.
Timer {
    running: false
    repeat: false
}

import QtQml

// A connection session that only records what the popup asks of it; its texts and device list
// are set by the test. Cancelling ends the session, as the real one does.
QtObject {
    property bool busy: false
    property string statusText: "Searching"
    property string statusDetailText: ""
    property var devicesList: undefined
    property string nextActionText: "Connect"
    property int cancels: 0
    property int nextActions: 0
    property var selected: []

    signal sessionStarted
    signal sessionDone

    function startSession() {
        sessionStarted()
    }
    function startNextAction() {
        ++nextActions
    }
    function selectDevice(index) {
        selected = selected.concat([index])
    }
    function cancelSession() {
        ++cancels
        sessionDone()
    }
}

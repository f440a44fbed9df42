import QtQuick

// A GoTo on a link that does not answer, as the GoTo dialog, the header and the pages behind see
// it. publish() puts the stand-ins in the services' places through publisher (the probe, or the
// test helper) and starts the GoTo; strand() ends it with its stop not taken by the mount, which
// leaves the dialog open with Close; end() lets the stop through, which closes the dialog, and
// puts the services back.
QtObject {
    id: root

    required property var publisher

    readonly property QtObject link: QtObject {
        property bool timedout: true
    }
    readonly property QtObject mount: QtObject {
        property bool linkAnswering: false
        property bool stopPending: false
        property bool realTracking: true
        property bool trailPointsTracking: false
        property var trailPointsTaskInfo: null
        property int mountMode: 0
        property int flippingMode: 0
        property bool supportsPpec: false
        property bool lastPpecPlayback: false
        property double pePeriodSec: 0
        function abortSlewAsync() {
        }
    }
    readonly property QtObject connection: QtObject {
        property bool connected: true
        property bool hasWifi: false
        property var mount: root.mount
        signal mountChanged_q
    }
    // As long as the mount's GoTo gives them, in figures only, so that none of them needs a
    // translation.
    readonly property QtObject goTo: QtObject {
        signal valueChanged
        property bool done: true
        property bool arrived: false
        property string targetName: "M 31"
        property string targetPosition1: "2h31m49s +12°15′51″"
        property string targetPosition2: "285°12′34″ +24°30′12″"
        property string remainingAngle: "112.5"
    }

    function publish() {
        publisher.publish("inj_converserTimeoutForwarder", link)
        publisher.publish("inj_mountConnection", connection)
        publisher.publish("inj_gotoStatus", goTo)
        mount.stopPending = false
        goTo.done = false
        goTo.valueChanged()
    }

    function strand() {
        mount.stopPending = true
        goTo.done = true
        goTo.valueChanged()
    }

    function end() {
        mount.stopPending = false
        goTo.done = true
        goTo.valueChanged()
        publisher.restore("inj_gotoStatus")
        publisher.restore("inj_mountConnection")
        publisher.restore("inj_converserTimeoutForwarder")
    }
}

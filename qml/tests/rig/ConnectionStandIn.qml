import QtQuick

// A connection whose mount may not have taken its stop yet, with what the header and the pages
// behind read of a mount.
QtObject {
    signal mountChanged_q
    property bool connected: true
    property QtObject mount: QtObject {
        property bool stopPending: false
        property bool linkAnswering: true
        property bool realTracking: false
        property bool trailPointsTracking: false
        property bool canTrackTrailPoints: false
        property bool supportsPpec: false
        property bool lastPpecPlayback: false
        // A slew at a rate that no key or pad button holds (a remote client's): the end's stop
        // of it is then pending.
        property bool openEndedSlew: false
        function stopOpenEndedMotions() {
            if (!openEndedSlew)
                return false
            openEndedSlew = false
            stopPending = true
            return true
        }
    }
}

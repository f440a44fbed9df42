import QtQuick
import QtTest
import Ko.AstroBase
import Ko.Quorvel
import "../rig"

// The tracking page: which rows it offers, what a tap sets, and the playback switch that falls
// back to the mount's state when a write goes unconfirmed.
TestCase {
    id: testCase
    name: "Tracking"
    when: windowShown
    width: 400
    height: 700

    property var page: null
    // What the window offers its pages, for the page this test makes itself.
    readonly property var inj_nightManager: rig.window ? rig.window.inj_nightManager : null

    WindowRig {
        id: rig
        testCase: testCase
    }

    // A mount that answers no playback write.
    QtObject {
        id: silentMount
        property bool supportsPpec: true
        property bool lastPpecPlayback: false
        property double pePeriodSec: 479
        property bool linkAnswering: true
        // Read by the window's header and dialogs while this mount is the current one.
        property bool stopPending: false
        property bool trailPointsTracking: false
        property int writes: 0
        function setPpecPlaybackAsync(on) {
            ++writes
            return testHelper.commandResult(CmdRetType.Timeout)
        }
    }
    QtObject {
        id: connectionWithSilentMount
        property bool connected: true
        property var mount: silentMount
        signal mountChanged_q
    }

    function initTestCase() {
        rig.createWindow()
        page = rig.window.inj_trackingPage
        inj_catalogSettings.enableObserveSun = true
        rig.window.inj_stackView.ensureShow(page)
    }

    function cleanupTestCase() {
        inj_trackingUI.setTrackingStatus(TrackingStatus.Sidereal)
        tryVerify(() => inj_mountConnection.mount.realTracking, 10000)
        rig.settle()
    }

    function test_solarRow_data() {
        return [{ tag: "Sun allowed", observeSun: true }, { tag: "Sun not allowed", observeSun: false }]
    }

    function test_solarRow(data) {
        inj_catalogSettings.enableObserveSun = data.observeSun
        compare(findChild(page, "rowSolar").visible, data.observeSun)
        for (const name of ["rowIdle", "rowSidereal", "rowLunar", "rowPointAndTrack"])
            verify(findChild(page, name).visible, name)
        inj_catalogSettings.enableObserveSun = true
    }

    function test_tapSetsRate_data() {
        return [
            { tag: "lunar", row: "rowLunar", status: TrackingStatus.Lunar },
            { tag: "solar", row: "rowSolar", status: TrackingStatus.Solar },
            { tag: "off", row: "rowIdle", status: TrackingStatus.Idle },
            { tag: "sidereal", row: "rowSidereal", status: TrackingStatus.Sidereal }
        ]
    }

    function test_tapSetsRate(data) {
        const row = findChild(page, data.row)
        // The first tap may land while the connect popup is still fading out.
        tryVerify(() => {
            mouseClick(row)
            return inj_trackingUI.trackingStatus === data.status
        }, 5000)
        for (const name of ["rowIdle", "rowSidereal", "rowLunar", "rowSolar", "rowPointAndTrack"])
            compare(findChild(findChild(page, name), "checkMark").visible, name === data.row, name)
    }

    function test_pointAndTrackRowTakesNoTap() {
        inj_trackingUI.setTrackingStatus(TrackingStatus.Sidereal)
        tryCompare(inj_trackingUI, "trackingStatus", TrackingStatus.Sidereal, 5000)
        mouseClick(findChild(page, "rowPointAndTrack"))
        wait(0)
        compare(inj_trackingUI.trackingStatus, TrackingStatus.Sidereal)
    }

    function test_unconfirmedPlaybackReturns() {
        testHelper.publish("inj_mountConnection", connectionWithSilentMount)
        const own = Qt.createComponent("qrc:/Page/TrackingPage.qml").createObject(testCase,
                                                                                 { width: 400, height: 600 })
        const sw = findChild(own, "ppecSwitch")
        verify(sw.enabled && !sw.checked)
        sw.toggle()
        sw.toggled()
        compare(silentMount.writes, 1)
        verify(sw.checked && !sw.enabled, "waits for the mount")
        tryVerify(() => sw.enabled && !sw.checked, 2600, "back to the mount's state")
        own.destroy()
        testHelper.restore("inj_mountConnection")
    }

    // The playback hint counts whole minutes, rounded up, in the singular for one.
    function test_playbackHint_data() {
        return [
            { tag: "one minute", period: 60, want: "Playback requires up to 1 minute to become stable" },
            { tag: "just over", period: 61, want: "Playback requires up to 2 minutes to become stable" },
            { tag: "under a minute", period: 20, want: "Playback requires up to 1 minute to become stable" }
        ]
    }

    function test_playbackHint(data) {
        silentMount.pePeriodSec = data.period
        silentMount.lastPpecPlayback = true
        testHelper.publish("inj_mountConnection", connectionWithSilentMount)
        const own = createTemporaryObject(Qt.createComponent("qrc:/Page/TrackingPage.qml"), testCase,
                                          { width: 400, height: 600 })
        const text = findChild(own, "ppecHint").text
        testHelper.restore("inj_mountConnection")
        silentMount.lastPpecPlayback = false
        silentMount.pePeriodSec = 479
        compare(text, data.want)
    }

    // While the mount does not answer, the page says so above the rows, whose tick shows what the
    // mount took last; it says so only of a connected mount, and takes it back when it answers.
    function test_noAnswerShown_data() {
        return [
            { tag: "answering", connected: true, answering: true, shown: false },
            { tag: "not answering", connected: true, answering: false, shown: true },
            { tag: "not connected", connected: false, answering: false, shown: false }
        ]
    }

    function test_noAnswerShown(data) {
        connectionWithSilentMount.connected = data.connected
        silentMount.linkAnswering = data.answering
        testHelper.publish("inj_mountConnection", connectionWithSilentMount)
        // Over the window's own content, where what is visible shows.
        const own = createTemporaryObject(Qt.createComponent("qrc:/Page/TrackingPage.qml"),
                                          rig.window.contentItem, { width: 400, height: 600 })
        const line = findChild(own, "noAnswer")
        const shown = line.visible
        const text = line.text
        silentMount.linkAnswering = true
        const shownOnceAnswered = line.visible
        testHelper.restore("inj_mountConnection")
        connectionWithSilentMount.connected = true
        compare(shown, data.shown)
        compare(text, "The mount does not answer.")
        verify(!shownOnceAnswered)
    }
}

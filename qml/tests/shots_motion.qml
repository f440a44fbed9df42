import QtQuick
import Ko.Quorvel
import "rig/AlignRig.js" as AlignRig
import "rig/GoToRig.js" as GoToRig

// The GoTo dialog (also with a link that does not answer, and left while its stop cannot reach
// the mount, and the question a close asks then), the tracking page in each mode and with
// a mount that does not answer, the trail-point dialog running and ended,
// and the Sun warning with its quiz; every picture in day and night colours.
QtObject {
    // The dialogs, found once the window exists.
    readonly property var my: ({})
    // The spinning rings are pictured once they have turned a while.
    property bool settled: false
    property QtObject timedOutLink: QtObject {
        property bool timedout: true
    }
    // A connected mount that no longer answers, with what the header and the pages read of it.
    property QtObject silentMount: QtObject {
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
    }
    property QtObject silentConnection: QtObject {
        property bool connected: true
        property var mount: silentMount
        signal mountChanged_q
    }
    // A GoTo over, as the dialog sees it, whose stop the silent mount has not taken.
    property QtObject stoppedGoTo: QtObject {
        signal valueChanged
        property bool done: true
        property bool arrived: false
        property string targetName: "M 31"
        property string targetPosition1: "R.A. 0h42m44s"
        property string targetPosition2: "Dec +41°16′09″"
        property string remainingAngle: "12°30′"
    }
    // The GoTo under way as its dialog first showed it, held still: on a busy machine the real
    // one, a few degrees long, can end while the pictures are taken, and its dialog close.
    property QtObject heldGoTo: QtObject {
        signal valueChanged
        property bool done: false
        property bool arrived: false
        property string targetName
        property string targetPosition1
        property string targetPosition2
        property string remainingAngle
    }
    property Timer settle: Timer {
        interval: 700
        onTriggered: settled = true
    }

    function byName(w, name) {
        for (const list of [w.contentData, w.data])
            for (let i = 0; i < list.length; ++i)
                if (list[i] && list[i].objectName === name)
                    return list[i]
        return null
    }

    // The picture twice, by day and by night, once wait holds.
    function both(name, run, wait) {
        const w = probe.window
        const ready = wait || (() => true)
        return [
            { run: () => { w.inj_nightManager.setting = 0; if (run) run() }, wait: ready, shot: name + "_day" },
            { run: () => w.inj_nightManager.setting = 1, wait: ready, shot: name + "_night" },
            { run: () => w.inj_nightManager.setting = 0 }
        ]
    }

    function trackingMode(status) {
        return both("tracking_" + status, () => inj_trackingUI.setTrackingStatus(status),
                    () => inj_trackingUI.trackingStatus === status)
    }

    function steps() {
        const w = probe.window
        const gotoPopup = byName(w, "popupGoTo")
        const trail = byName(w, "trailPointsPopup")
        if (!gotoPopup || !trail)
            probe.fail("the window's dialogs are missing")
        return [
            { run: () => inj_iConnectable.startSession(),
              wait: () => inj_mountConnection.connected && !inj_iConnectable.busy, timeoutMs: 20000 },
            { run: () => inj_identifyList.refresh(), wait: () => inj_identifyList.list.length > 3 },
            { run: () => {
                  // A few objects away, so the GoTo lasts.
                  if (!GoToRig.showReachable(inj_identifyList, inj_objectInfoList,
                                             Math.min(3, inj_identifyList.list.length - 1)))
                      probe.fail("no object nearby is within reach")
                  inj_objectInfoList.startGoTo()
              },
              wait: () => gotoPopup.opened && inj_gotoStatus.remainingAngle !== "" },
            { run: () => {
                  for (const name of ["targetName", "targetPosition1", "targetPosition2",
                                      "remainingAngle"])
                      heldGoTo[name] = inj_gotoStatus[name]
                  probe.publish("inj_gotoStatus", heldGoTo)
                  // Opens the dialog again if the real GoTo ended in between.
                  heldGoTo.valueChanged()
                  settled = false
                  settle.restart()
              },
              wait: () => gotoPopup.opened && settled },
            { shot: "goto_day" },
            { run: () => w.inj_nightManager.setting = 1, shot: "goto_night" },
            { run: () => probe.publish("inj_converserTimeoutForwarder", timedOutLink),
              wait: () => gotoPopup.opened, shot: "goto_noanswer_night" },
            { run: () => w.inj_nightManager.setting = 0, wait: () => gotoPopup.opened,
              shot: "goto_noanswer_day" },
            // Cancelled on the dead link: Close leaves the dialog while the stop is pending, and
            // a toast and the header's indicator say that the mount may still be moving. In the
            // smallest window, where the longest texts wrap most.
            { run: () => {
                  my.size = [w.width, w.height]
                  w.width = 320
                  w.height = 480
                  silentMount.stopPending = true
                  probe.publish("inj_mountConnection", silentConnection)
                  probe.publish("inj_gotoStatus", stoppedGoTo)
              },
              wait: () => gotoPopup.opened && w.width === 320 && w.height === 480,
              shot: "goto_stranded_day" },
            { run: () => w.inj_nightManager.setting = 1, shot: "goto_stranded_night" },
            { run: () => {
                  gotoPopup.back()
                  settled = false
                  settle.restart()
              },
              wait: () => !gotoPopup.visible && settled, shot: "goto_left_night" },
            { run: () => w.inj_nightManager.setting = 0, shot: "goto_left_day" },
            // Closing the window then asks first.
            { run: () => w.close(),
              wait: () => byName(w, "quitWhileStoppingDialog").opened
                          && w.inj_toaster.model.count === 0,
              timeoutMs: 15000, shot: "quit_stopping_day" },
            { run: () => w.inj_nightManager.setting = 1, shot: "quit_stopping_night" },
            // A notice while the question shows keeps clear of its text and buttons.
            { run: () => w.inj_toaster.show("The stop has not reached the mount: it may still be moving. It is sent again until the mount answers.", 6000),
              wait: () => w.inj_toaster.count === 1 && w.inj_toaster.itemAtIndex(0) !== null
                          && w.inj_toaster.itemAtIndex(0).opacity >= 0.9,
              shot: "quit_stopping_toast_night" },
            { run: () => w.inj_nightManager.setting = 0, shot: "quit_stopping_toast_day" },
            { run: () => {
                  byName(w, "quitWhileStoppingDialog").close()
                  w.inj_nightManager.setting = 0
              }, wait: () => !byName(w, "quitWhileStoppingDialog").visible },
            { run: () => {
                  probe.restore("inj_gotoStatus")
                  probe.restore("inj_mountConnection")
                  silentMount.stopPending = false
                  w.width = my.size[0]
                  w.height = my.size[1]
              } },
            { run: () => probe.restore("inj_converserTimeoutForwarder") },
            { run: () => w.inj_nightManager.setting = 0,
              wait: () => inj_gotoStatus.done && !gotoPopup.visible, timeoutMs: 30000 },
            { run: () => {
                  w.inj_mainUIUtil.goHome()
                  inj_catalogSettings.enableObserveSun = true
                  w.inj_stackView.push(w.inj_trackingPage)
              } }
        ].concat(trackingMode(TrackingStatus.Idle), trackingMode(TrackingStatus.Sidereal),
                 trackingMode(TrackingStatus.Lunar), trackingMode(TrackingStatus.Solar),
                 // The header's busy indicator fades in: pictured once it has turned a while.
                 both("tracking_noanswer", () => {
                          probe.publish("inj_converserTimeoutForwarder", timedOutLink)
                          probe.publish("inj_mountConnection", silentConnection)
                          settled = false
                          settle.restart()
                      }, () => settled), [
            { run: () => {
                  probe.restore("inj_mountConnection")
                  probe.restore("inj_converserTimeoutForwarder")
              } },
            { run: () => {
                  inj_trackingUI.setTrackingStatus(TrackingStatus.Sidereal)
                  w.inj_mainUIUtil.goHome()
                  inj_testTrailPoints.setAbsRateDps(0.125)
                  inj_testTrailPoints.setIntervalMs(50)
                  inj_testTrailPoints.setHaStartDeg(-20)
                  inj_testTrailPoints.setHaEndDeg(20)
                  inj_testTrailPoints.start()
              },
              wait: () => trail.opened && trail.progress !== null && trail.progress.donePoints > 0,
              timeoutMs: 20000 }
        ], both("trailpoints_running", null, null), [
            // Stopped from elsewhere, as a remote client would: the dialog shows the result.
            { run: () => inj_mountConnection.mount.abortSlewAsync(),
              wait: () => !inj_mountConnection.mount.trailPointsTracking }
        ], both("trailpoints_ended", null, null), [
            { run: () => trail.close(), wait: () => !trail.visible },
            { run: () => {
                  my.sun = Qt.createComponent("qrc:/Page/PopupObsSun.qml").createObject(w.contentItem)
                  my.sun.open()
              } }
        ], both("sun_warning", null, () => my.sun.opened), [
            { run: () => my.sun.confirm() }
        ], both("sun_quiz", null, () => my.sun.quiz), [
            { run: () => { my.sun.close(); inj_iConnectable.startNextAction() },
              wait: () => !inj_mountConnection.connected }
        ])
    }
}

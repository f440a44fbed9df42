import QtQuick
import QtTest
import "../rig"
import "../rig/Geometry.js" as Geometry

// The GoTo dialog follows every GoTo, and the platform alert marks only one that ended by
// itself.
TestCase {
    id: testCase
    name: "GoTo"
    when: windowShown

    property var popup: null

    UiSettingStandIn {
        id: uiSetting
    }
    WindowRig {
        id: rig
        testCase: testCase
    }
    // The link as the header sees it, timed out.
    QtObject {
        id: deadLink
        property bool timedout: true
    }
    // A connection whose mount has not taken its stop yet.
    QtObject {
        id: stoppingConnection
        signal mountChanged_q
        property bool connected: true
        property QtObject mount: QtObject {
            property bool stopPending: true
            function abortSlewAsync() {}
        }
    }
    // A connection whose mount may have a stop pending, for a GoTo that the dialog follows.
    QtObject {
        id: pendingConnection
        signal mountChanged_q
        property bool connected: true
        property QtObject mount: QtObject {
            property bool stopPending: false
            property int aborts: 0
            function abortSlewAsync() {
                ++aborts
            }
            // What the pages behind read of a mount.
            property bool trailPointsTracking: false
            property bool canTrackTrailPoints: false
            property bool supportsPpec: false
            property bool lastPpecPlayback: false
        }
    }
    // A GoTo as the dialog sees it, with the texts a case sets.
    QtObject {
        id: shownGoTo
        signal valueChanged
        property bool done: true
        property bool arrived: false
        property string targetName: ""
        property string targetPosition1: "R.A. 23h59m59s"
        property string targetPosition2: "Dec -89°59′59″"
        property string remainingAngle: "179°59′"
    }
    SignalSpy {
        id: closings
        signalName: "closed"
    }

    function initTestCase() {
        testHelper.publish("inj_uiSetting", uiSetting)
        rig.createWindow()
        popup = rig.find("popupGoTo")
        closings.target = popup
    }

    function cleanupTestCase() {
        rig.settle()
        testHelper.restore("inj_uiSetting")
    }

    function init() {
        rig.settle()
        uiSetting.alerts = 0
        closings.clear()
    }

    function test_gotoFromObjectPage() {
        rig.startGoTo(0)
        tryVerify(() => popup.opened, 2000)
        compare(findChild(popup.contentItem, "targetName").text, inj_gotoStatus.targetName)
        verify(inj_gotoStatus.targetName !== "")
        rig.waitGoToEnd()
        tryVerify(() => !popup.visible)
        compare(uiSetting.alerts, 1)
    }

    function test_cancelSuppressesOneAlert() {
        rig.startGoTo(1)
        tryVerify(() => popup.opened, 2000)
        findChild(popup.contentItem, "cancelButton").clicked()
        verify(!popup.isDone)
        rig.waitGoToEnd()
        tryVerify(() => !popup.visible)
        compare(uiSetting.alerts, 0, "a cancelled GoTo gives no alert")

        rig.startGoTo(0)
        tryVerify(() => popup.opened && popup.isDone, 2000)
        rig.waitGoToEnd()
        tryVerify(() => !popup.visible)
        compare(uiSetting.alerts, 1, "the next GoTo that ends by itself does")
    }

    function test_connectionChangesGiveNoAlert() {
        rig.disconnect()
        rig.connect()
        rig.startGoTo(1)
        tryVerify(() => popup.opened, 2000)
        // The mount goes away in the middle of the GoTo.
        rig.disconnect()
        tryVerify(() => !popup.visible)
        compare(uiSetting.alerts, 0)
    }

    // The dialog is gone in the same turn that its GoTo is over, so the next tap reaches the
    // window: a fading dialog keeps its modal shade for as long as it fades.
    function test_dialogGoesAtOnce() {
        let shownAfterHiding
        const onHiding = () => Qt.callLater(() => shownAfterHiding = popup.visible)
        popup.aboutToHide.connect(onHiding)
        rig.startGoTo(1)
        tryVerify(() => popup.opened, 2000)
        findChild(popup.contentItem, "cancelButton").clicked()
        rig.waitGoToEnd()
        tryVerify(() => shownAfterHiding !== undefined)
        popup.aboutToHide.disconnect(onHiding)
        compare(shownAfterHiding, false)
    }

    // A planetarium program stops the window's GoTo and sends the mount elsewhere: the dialog
    // follows the program's GoTo, and the one alert comes when the mount arrives there.
    function test_remoteGoToTakingOverGivesOneAlert() {
        const observeSun = inj_catalogSettings.enableObserveSun
        // High in the north, clear of the limits; the Sun's place at the hour of the run is no
        // reason to refuse it.
        inj_catalogSettings.enableObserveSun = true
        rig.startGoTo(1)
        tryVerify(() => popup.opened, 2000)
        rig.remoteGoTo(inj_gotoStatus.targetName)
        rig.waitGoToEnd()
        tryVerify(() => !popup.visible)
        inj_catalogSettings.enableObserveSun = observeSun
        compare(uiSetting.alerts, 1)
    }

    // The dialog covers the header's link indicator: it says itself that the mount does not
    // answer, and it stays, saying that the mount is stopping, until the mount has taken the
    // stop that ended the GoTo.
    function test_deadLinkIsShown() {
        rig.startGoTo(1)
        tryVerify(() => popup.opened, 2000)
        const linkState = findChild(popup.contentItem, "linkState")
        verify(!linkState.visible)
        testHelper.publish("inj_converserTimeoutForwarder", deadLink)
        tryVerify(() => linkState.visible && linkState.text.indexOf("does not answer") >= 0)
        testHelper.restore("inj_converserTimeoutForwarder")
        tryVerify(() => !linkState.visible)

        const mount = inj_mountConnection.mount
        testHelper.publish("inj_mountConnection", stoppingConnection)
        mount.abortSlewAsync()
        tryVerify(() => inj_gotoStatus.done)
        // "Stopping…" shows once the dialog has heard of the end: it is still open then.
        tryVerify(() => linkState.visible && linkState.text !== "")
        verify(popup.visible, "open while the stop is pending")
        stoppingConnection.mount.stopPending = false
        tryVerify(() => !popup.visible)
        testHelper.restore("inj_mountConnection")
        stoppingConnection.mount.stopPending = true
        compare(uiSetting.alerts, 0)
    }

    // "Stopping…" is for the stop that ended the GoTo on screen: while the GoTo runs, a stop
    // still pending from before it (an aborted slew whose stop is still on its way) leaves the
    // progress ring in place.
    function test_stoppingOnlyOnceOver_data() {
        return [
            { tag: "GoTo running, an older stop pending", done: false, stopPending: true,
              stopping: false },
            { tag: "GoTo over, its stop pending", done: true, stopPending: true, stopping: true },
            { tag: "GoTo running, nothing pending", done: false, stopPending: false,
              stopping: false }
        ]
    }
    function test_stoppingOnlyOnceOver(data) {
        const linkState = findChild(popup.contentItem, "linkState")
        pendingConnection.mount.stopPending = data.stopPending
        testHelper.publish("inj_mountConnection", pendingConnection)
        testHelper.publish("inj_gotoStatus", shownGoTo)
        try {
            shownGoTo.targetName = "M 31"
            shownGoTo.done = false
            shownGoTo.valueChanged()
            tryVerify(() => popup.opened, 2000)
            shownGoTo.done = data.done
            shownGoTo.valueChanged()
            tryCompare(linkState, "visible", data.stopping)
            compare(linkState.text, data.stopping ? "Stopping…" : "")
            verify(popup.visible, "open while the GoTo runs or its stop is pending")
        } finally {
            shownGoTo.done = true
            pendingConnection.mount.stopPending = false
            shownGoTo.valueChanged()
            tryVerify(() => !popup.visible)
            testHelper.restore("inj_gotoStatus")
            testHelper.restore("inj_mountConnection")
        }
    }

    // While the GoTo runs, the button is Cancel and asks the mount to stop, whatever the link and
    // an older stop still on its way: only the stop that ended the GoTo on screen lets the user
    // close the dialog without one. A dialog that closed here would leave the GoTo to go on when
    // the link returns.
    function test_cancelWhileGoToRuns_data() {
        return [
            { tag: "link dead, an older stop pending", dead: true, stopPending: true },
            { tag: "link dead, nothing pending", dead: true, stopPending: false },
            { tag: "link answering, an older stop pending", dead: false, stopPending: true },
            { tag: "link answering, nothing pending", dead: false, stopPending: false }
        ]
    }
    function test_cancelWhileGoToRuns(data) {
        const mount = pendingConnection.mount
        const cancel = findChild(popup.contentItem, "cancelButton")
        const toasts = rig.window.inj_toaster.model
        mount.stopPending = false
        mount.aborts = 0
        testHelper.publish("inj_mountConnection", pendingConnection)
        testHelper.publish("inj_gotoStatus", shownGoTo)
        try {
            shownGoTo.targetName = "M 31"
            shownGoTo.done = false
            shownGoTo.valueChanged()
            tryVerify(() => popup.opened, 2000)
            mount.stopPending = data.stopPending
            if (data.dead)
                testHelper.publish("inj_converserTimeoutForwarder", deadLink)
            const toastsBefore = toasts.count
            compare(cancel.text, "Cancel")
            mouseClick(cancel)
            compare(mount.aborts, 1, "the GoTo is asked to stop")
            verify(popup.visible, "open until the GoTo has ended")
            compare(toasts.count, toastsBefore, "nothing said of a stop left behind")
            // The back key is Cancel as well.
            rig.window.requestActivate()
            tryCompare(rig.window, "active", true)
            rig.window.goBack()
            compare(mount.aborts, 2)
            verify(popup.visible)
        } finally {
            testHelper.restore("inj_converserTimeoutForwarder")
            shownGoTo.done = true
            mount.stopPending = false
            shownGoTo.valueChanged()
            tryVerify(() => !popup.visible)
            testHelper.restore("inj_gotoStatus")
            testHelper.restore("inj_mountConnection")
        }
    }

    // A GoTo whose link dies before Cancel: the stop cannot reach the mount, and the dialog
    // covers Disconnect and Connect. The user may leave it at once (Cancel a second time, the back
    // key or Escape), and hears that the mount may still be moving; the header goes on showing it.
    // The stop stays the mount's: nothing more is sent, and when the link returns and the stop is
    // taken, no dialog comes back. On a link that answers the dialog waits for the stop as before.
    function test_leaveWhileStopUnanswered_data() {
        return [
            { tag: "Cancel again", leave: () => mouseClick(findChild(popup.contentItem, "cancelButton")),
              dead: true },
            { tag: "back key", leave: () => rig.window.goBack(), dead: true },
            { tag: "Escape", leave: () => keyClick(Qt.Key_Escape), dead: true },
            { tag: "Cancel again, link answering",
              leave: () => mouseClick(findChild(popup.contentItem, "cancelButton")), dead: false }
        ]
    }
    function test_leaveWhileStopUnanswered(data) {
        const mount = pendingConnection.mount
        const cancel = findChild(popup.contentItem, "cancelButton")
        const toasts = rig.window.inj_toaster.model
        const toastsBefore = toasts.count
        mount.stopPending = false
        mount.aborts = 0
        testHelper.publish("inj_mountConnection", pendingConnection)
        testHelper.publish("inj_gotoStatus", shownGoTo)
        try {
            shownGoTo.targetName = "M 31"
            shownGoTo.done = false
            shownGoTo.valueChanged()
            tryVerify(() => popup.opened, 2000)
            if (data.dead)
                testHelper.publish("inj_converserTimeoutForwarder", deadLink)
            mouseClick(cancel)
            compare(mount.aborts, 1)
            // The mount has given the axes to its stops, which the link has not carried.
            mount.stopPending = true
            shownGoTo.done = true
            shownGoTo.valueChanged()
            verify(popup.visible, "open until the user leaves")
            compare(cancel.text, data.dead ? "Close" : "Cancel")

            rig.window.requestActivate()
            tryCompare(rig.window, "active", true)
            data.leave()
            if (!data.dead) {
                verify(popup.visible, "waits for the stop on a link that answers")
                mount.stopPending = false
                tryVerify(() => !popup.visible)
                return
            }
            tryVerify(() => !popup.visible)
            compare(mount.aborts, 1, "leaving sends nothing")
            verify(mount.stopPending, "the stop stays pending")
            compare(toasts.count, toastsBefore + 1)
            verify(toasts.get(0).text.indexOf("may still be moving") >= 0, toasts.get(0).text)
            compare(rig.find("mountStatusIcon").busy, true)
            compare(rig.window.inj_stackView.depth, 1, "the key went no further")

            // The link returns and the mount takes the stop.
            testHelper.restore("inj_converserTimeoutForwarder")
            mount.stopPending = false
            verify(!popup.visible, "no dialog for a stop taken later")
            compare(uiSetting.alerts, 0)
        } finally {
            testHelper.restore("inj_converserTimeoutForwarder")
            shownGoTo.done = true
            mount.stopPending = false
            shownGoTo.valueChanged()
            tryVerify(() => !popup.visible)
            testHelper.restore("inj_gotoStatus")
            testHelper.restore("inj_mountConnection")
        }
    }

    // Leaving the dialog while the stop has not reached the mount says so once: the mount's own
    // word that its stop goes unanswered, told just before or just after, is not shown beside it.
    // Other notices stay.
    function test_oneNoticeOfAStopLeftBehind_data() {
        const unanswered = qsTranslate("mount", "The mount does not answer and may still be moving. The stop is sent again until it answers.")
        return [
            { tag: "the mount told just before", before: [unanswered], after: [], shown: 1 },
            { tag: "the mount tells just after", before: [], after: [unanswered], shown: 1 },
            { tag: "the mount said nothing", before: [], after: [], shown: 1 },
            { tag: "another notice stays", before: ["Tracking is off."], after: [], shown: 2 },
            { tag: "another notice after", before: [unanswered], after: ["Tracking is off."],
              shown: 2 }
        ]
    }
    function test_oneNoticeOfAStopLeftBehind(data) {
        const mount = pendingConnection.mount
        const cancel = findChild(popup.contentItem, "cancelButton")
        const toaster = rig.window.inj_toaster
        // Without the toasts of earlier cases.
        toaster.model.clear()
        mount.stopPending = false
        testHelper.publish("inj_mountConnection", pendingConnection)
        testHelper.publish("inj_gotoStatus", shownGoTo)
        try {
            shownGoTo.done = false
            shownGoTo.valueChanged()
            tryVerify(() => popup.opened, 2000)
            testHelper.publish("inj_converserTimeoutForwarder", deadLink)
            mouseClick(cancel)
            mount.stopPending = true
            shownGoTo.done = true
            shownGoTo.valueChanged()
            for (const text of data.before)
                inj_toastManagerUIStub.shouldToast(text)
            compare(cancel.text, "Close")
            mouseClick(cancel)
            tryVerify(() => !popup.visible)
            for (const text of data.after)
                inj_toastManagerUIStub.shouldToast(text)
            const texts = []
            for (let i = 0; i < toaster.count; ++i)
                texts.push(toaster.model.get(i).text)
            compare(texts.length, data.shown, texts.join(" | "))
            compare(texts.filter(t => t.indexOf("may still be moving") >= 0).length, 1,
                    texts.join(" | "))
        } finally {
            testHelper.restore("inj_converserTimeoutForwarder")
            shownGoTo.done = true
            mount.stopPending = false
            shownGoTo.valueChanged()
            tryVerify(() => !popup.visible)
            testHelper.restore("inj_gotoStatus")
            testHelper.restore("inj_mountConnection")
        }
    }

    // However long the target's name, Cancel stays within the smallest window and the largest.
    function test_cancelInReach_data() {
        const longName = "Große Magellansche Wolke, Nubecula Major, Zwerggalaxie im Schwertfisch"
        return [
            { tag: "short name, 320x480", name: "M 31", width: 320, height: 480 },
            { tag: "long name, 320x480", name: longName, width: 320, height: 480 },
            { tag: "long name, 428x926", name: longName, width: 428, height: 926 }
        ]
    }
    function test_cancelInReach(data) {
        const window = rig.window
        const size = [window.width, window.height]
        window.width = data.width
        window.height = data.height
        testHelper.publish("inj_gotoStatus", shownGoTo)
        shownGoTo.targetName = data.name
        shownGoTo.done = false
        shownGoTo.valueChanged()
        tryVerify(() => popup.opened, 2000)
        const cancel = findChild(popup.contentItem, "cancelButton")
        waitForRendering(window.contentItem)
        const bottom = cancel.mapToItem(window.contentItem, 0, cancel.height).y
        verify(cancel.visible && cancel.height >= 50, "Cancel shown")
        verify(bottom <= window.height, "Cancel ends at " + bottom + " in a window " + window.height
               + " high")
        mouseClick(cancel)
        shownGoTo.done = true
        shownGoTo.valueChanged()
        tryVerify(() => !popup.visible)
        testHelper.restore("inj_gotoStatus")
        window.width = size[0]
        window.height = size[1]
    }

    function shownRect(item) {
        return Geometry.shownRect(item, rig.window.inj_toaster.parent)
    }

    // On a dead link the message that the mount does not answer, the one the user must read, is
    // shown whole beside Cancel or Close in the smallest window, in every language, however long
    // the target's name: nothing clips it, nor must it be scrolled to.
    function test_messageWhole_data() {
        const longName = "Große Magellansche Wolke, Nubecula Major, Zwerggalaxie im Schwertfisch"
        const rows = []
        for (const entry of inj_languageManager.availableLanguages) {
            const language = entry.languageCode
            rows.push({ tag: language + ", under way", language: language, stranded: false,
                        name: "Venus" })
            rows.push({ tag: language + ", stop not taken", language: language, stranded: true,
                        name: "Venus" })
        }
        rows.push({ tag: "en, long name, stop not taken", language: "en", stranded: true,
                    name: longName })
        return rows
    }
    function test_messageWhole(data) {
        const window = rig.window
        const size = [window.width, window.height]
        const positions = [shownGoTo.targetPosition1, shownGoTo.targetPosition2]
        const mount = pendingConnection.mount
        // As the mount's GoTo gives them: each wraps in the smallest window.
        shownGoTo.targetPosition1 = "2h31m49s +12°15′51″"
        shownGoTo.targetPosition2 = "WNW 285°12′34″ +24°30′12″"
        window.width = 320
        window.height = 480
        inj_languageManager.language = data.language
        mount.stopPending = false
        testHelper.publish("inj_mountConnection", pendingConnection)
        testHelper.publish("inj_gotoStatus", shownGoTo)
        testHelper.publish("inj_converserTimeoutForwarder", deadLink)
        try {
            shownGoTo.targetName = data.name
            shownGoTo.done = false
            shownGoTo.valueChanged()
            tryVerify(() => popup.opened, 2000)
            if (data.stranded) {
                mount.stopPending = true
                shownGoTo.done = true
                shownGoTo.valueChanged()
            }
            const message = findChild(popup.contentItem, "linkState")
            const button = findChild(popup.contentItem, "cancelButton")
            compare(message.text.replace(/\u2060/g, ""),
                    qsTranslate("PopupGoTo", "The mount does not answer. It may still be moving."))
            tryVerify(() => message.visible && message.lineCount > 0)
            waitForRendering(window.contentItem)
            const shown = shownRect(message)
            verify(message.height >= message.contentHeight - 0.5,
                   message.lineCount + " lines in " + message.height)
            verify(shown.height >= message.height - 0.5 && shown.width >= message.width - 0.5,
                   "the message, " + message.width + " x " + message.height + ", shown as "
                   + JSON.stringify(shown))
            const cancel = shownRect(button)
            verify(cancel.height >= button.height - 0.5, "the button shown whole")
            verify(shown.y + shown.height <= cancel.y, "the message above the button")
        } finally {
            inj_languageManager.language = "en"
            shownGoTo.done = true
            mount.stopPending = false
            shownGoTo.valueChanged()
            tryVerify(() => !popup.visible)
            testHelper.restore("inj_converserTimeoutForwarder")
            testHelper.restore("inj_gotoStatus")
            testHelper.restore("inj_mountConnection")
            shownGoTo.targetPosition1 = positions[0]
            shownGoTo.targetPosition2 = positions[1]
            window.width = size[0]
            window.height = size[1]
        }
    }

    function test_secondGoToKeepsDialogOpen() {
        rig.startGoTo(1)
        tryVerify(() => popup.opened, 2000)
        rig.showReachable(0)
        inj_objectInfoList.startGoTo()
        rig.waitGoToEnd()
        tryVerify(() => !popup.visible)
        compare(closings.count, 1, "one dialog over both GoTos")
        compare(uiSetting.alerts, 1)
    }
}

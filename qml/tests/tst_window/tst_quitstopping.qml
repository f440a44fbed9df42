import QtQuick
import QtQuick.Controls
import QtTest
import "../rig"

// Closing the window while a stop has not reached the mount asks first: the program is the only
// one that sends that stop again.
TestCase {
    id: testCase
    name: "QuitWhileStopping"
    when: windowShown

    property var window: null

    ConnectionStandIn {
        id: connectionStandIn
    }

    function initTestCase() {
        const component = Qt.createComponent("qrc:/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(testCase)
        verify(window)
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    SignalSpy {
        id: slewInputs
        target: inj_slewingControl
        signalName: "enButtonChanged"
    }

    function cleanup() {
        connectionStandIn.mount.stopPending = false
        connectionStandIn.mount.linkAnswering = true
        connectionStandIn.mount.openEndedSlew = false
        findChild(window, "quitWhileStoppingDialog").stopGraceMs = 1500
        // The program of this test goes on after each close.
        inj_endingState.cancel()
        inj_generalInfoList.setUpdating(false)
        testHelper.restore("inj_mountConnection")
        const dialog = findChild(window, "quitWhileStoppingDialog")
        dialog.close()
        tryVerify(() => !dialog.visible)
        window.show()
        tryVerify(() => window.visible)
        // What the test held is let go where the window can hear it again; the pad has let it go.
        if (held === "key")
            testHelper.sendKey(window, Qt.Key_Right, false, false, stamp += 1000)
        else if (held === "pad")
            mouseRelease(findChild(window.inj_mainFooter, "direction0"))
        held = ""
        compare(window.inj_mainFooter.buttonVector.includes(true), false)
    }

    // What the test holds down: "key", "pad" or "".
    property string held: ""
    // Timestamps of hand-made key events.
    property real stamp: 1e9

    function clickNamed(name) {
        const button = findChild(window, name)
        verify(button, name)
        mouseClick(button)
    }

    // pending: a stop is pending at the close. answer: how the question is answered ("" none).
    // closed: whether the window is gone at the end.
    function test_closeAsks_data() {
        return [
            { tag: "nothing pending closes at once", pending: false, answer: "", closed: true },
            { tag: "stop pending, Stay", pending: true, answer: "stay", closed: false },
            { tag: "stop pending, Escape", pending: true, answer: "escape", closed: false },
            { tag: "stop pending, back key", pending: true, answer: "back", closed: false },
            { tag: "stop pending, Quit anyway", pending: true, answer: "quit", closed: true },
            { tag: "stop taken while asking", pending: true, answer: "taken", closed: true },
            { tag: "stop taken as the question opens", pending: true, answer: "taken at once",
              closed: true }
        ]
    }
    function test_closeAsks(data) {
        testHelper.publish("inj_mountConnection", connectionStandIn)
        connectionStandIn.mount.stopPending = data.pending
        const dialog = findChild(window, "quitWhileStoppingDialog")
        verify(dialog)
        window.requestActivate()
        tryCompare(window, "active", true)

        window.close()
        compare(dialog.visible || dialog.opened, data.pending, "asked only with a stop pending")
        if (data.answer === "taken at once") {
            verify(window.visible, "the window stays while asking")
            connectionStandIn.mount.stopPending = false
        } else if (data.pending) {
            verify(window.visible, "the window stays while asking")
            tryCompare(dialog, "opened", true)
            const text = findChild(window, "quitWhileStoppingText").text
            verify(text.indexOf("may still be moving") >= 0, text)
            if (data.answer === "stay")
                clickNamed("stayButton")
            else if (data.answer === "escape")
                keyClick(Qt.Key_Escape)
            else if (data.answer === "back")
                window.goBack()
            else if (data.answer === "quit")
                clickNamed("quitButton")
            else if (data.answer === "taken")
                connectionStandIn.mount.stopPending = false
            tryVerify(() => !dialog.visible)
        }
        tryCompare(window, "visible", !data.closed)
        // Remote clients start no motion from the close on, until the user stays.
        compare(inj_endingState.ending, data.closed, "the end holds only while the program ends")
        if (!data.closed) {
            // Asked again at the next close, for as long as the stop is pending.
            window.close()
            tryCompare(dialog, "opened", true)
            verify(window.visible)
        }
    }

    // The text of the axis row of the information list, which follows the mount's position.
    function axisText() {
        const model = inj_generalInfoList.listModel
        for (let i = 0; i < model.rowCount(); ++i) {
            const index = model.index(i, 0)
            if (model.data(index, Qt.UserRole + 2) === "Axis")
                return model.data(index, Qt.UserRole + 3)
        }
        return undefined
    }

    // True once the axis text has stayed the same for twenty reads in a row.
    function waitStill() {
        let last = null
        let same = 0
        tryVerify(() => {
            const text = axisText()
            if (text === undefined || text === "")
                return false
            same = text === last ? same + 1 : 0
            last = text
            return same >= 20
        }, 15000, "the axes stand")
    }

    function holdSlew(by) {
        const footer = window.inj_mainFooter
        held = by
        if (by === "key") {
            // Stamped later than every key before, so that no press reads as a repeat.
            stamp += 10000
            verify(testHelper.sendKey(window, Qt.Key_Right, true, false, stamp))
            verify(footer.keyHeld.includes(true), "the key holds a slew")
        } else {
            const button = findChild(window.inj_mainFooter, "direction0")
            verify(button)
            mousePress(button)
            verify(footer.screenHeld[0], "the pad button holds a slew")
        }
    }

    // A slew that a key or a pad button holds when the window closes is stopped by the close,
    // and the window goes only once the mount has taken that stop, since the program's end
    // takes the link at once. by: what holds the slew. link: "emulated" (the emulated mount,
    // which takes the stop), "slow" (a stand-in whose stop stays pending while its link
    // answers: the question shows after a while) or "silent" (a stand-in whose link does not
    // answer: the question shows at once).
    function test_closeStopsAHeldSlew_data() {
        return [
            { tag: "arrow key held", by: "key", link: "emulated" },
            { tag: "pad button held", by: "pad", link: "emulated" },
            { tag: "key held, stop not taken: asks after a while", by: "key", link: "slow" },
            { tag: "pad held, link silent: asks at once", by: "pad", link: "silent" }
        ]
    }
    // What the program's end would find, taken as the window goes; recorded while
    // inputsAtClose (the slewing control's inputs when the close came) is not -1.
    property var atEnd: null
    property int inputsAtClose: -1
    Connections {
        target: testCase.window
        enabled: testCase.inputsAtClose >= 0
        // After the window's own handler: an accepted close is the window going.
        function onClosing(close) {
            const window = testCase.window
            if (!close.accepted || testCase.atEnd)
                return
            testCase.atEnd = { held: window.inj_mainFooter.buttonVector.includes(true),
                               released: slewInputs.count > testCase.inputsAtClose,
                               stopPending: inj_mountConnection.mount.stopPending }
        }
    }

    function test_closeStopsAHeldSlew(data) {
        const dialog = findChild(window, "quitWhileStoppingDialog")
        // Input reaches a window only once it is on screen, keys only with the pages' focus.
        waitForRendering(window.contentItem)
        window.requestActivate()
        tryCompare(window, "active", true)
        window.inj_stackView.forceActiveFocus()
        inj_generalInfoList.setUpdating(true)
        waitStill()
        const before = axisText()
        if (data.link !== "emulated") {
            testHelper.publish("inj_mountConnection", connectionStandIn)
            connectionStandIn.mount.stopPending = true
            connectionStandIn.mount.linkAnswering = data.link === "slow"
        }
        holdSlew(data.by)
        tryVerify(() => axisText() !== before, 10000, "the axis moves while held")
        const inputs = slewInputs.count

        atEnd = null
        inputsAtClose = inputs
        try {
            window.close()
            if (data.link !== "emulated") {
                verify(window.visible, "the window stays while the stop is pending")
                verify(slewInputs.count > inputs, "the close let the slew go")
                compare(dialog.visible || dialog.opened, data.link === "silent",
                        "asked at once only when the link is silent")
                tryCompare(dialog, "opened", true)
                const text = findChild(window, "quitWhileStoppingText")
                verify(text.visible && text.text.indexOf("may still be moving") >= 0, text.text)
                connectionStandIn.mount.stopPending = false
            }
            tryCompare(window, "visible", false, 10000)
        } finally {
            inputsAtClose = -1
        }
        testHelper.restore("inj_mountConnection")
        verify(atEnd, "the window went")
        verify(!atEnd.held, "nothing held the slew when the window went")
        verify(atEnd.released, "the release reached the slewing control first")
        // A stand-in's stop was taken by the test itself, which made the window go.
        verify(!atEnd.stopPending, "the mount had taken the stop when the window went")
        // And the mount stands after the end.
        waitStill()
    }

    property int questionsShown: 0
    Connections {
        target: testCase.window ? findChild(testCase.window, "quitWhileStoppingDialog") : null
        function onAboutToShow() {
            testCase.questionsShown += 1
        }
    }

    // A close that waits for the stop it sent, while the mount's link answers, never ends up
    // holding the window without a question or an end. The grace is made long, so that whatever
    // asks or ends comes from the row's event and not from the grace running out.
    // held: what holds a slew at the close ("key", or "remote": a slew no key holds, stopped by
    // the end all the same). then: what happens during the grace ("silent": the link falls
    // silent; "second close, then taken": the window is closed again and then the stop is
    // taken; "taken"). asks: the question shows; closed: the window goes.
    function test_closeDuringTheGrace_data() {
        return [
            { tag: "link falls silent: asks at once", held: "key", then: "silent", asks: true,
              closed: false },
            { tag: "second close, then the stop taken: goes without a word", held: "key",
              then: "second close, then taken", asks: false, closed: true },
            { tag: "remote slew stopped by the end, taken: goes", held: "remote", then: "taken",
              asks: false, closed: true },
            { tag: "remote slew stopped by the end, link silent: asks", held: "remote",
              then: "silent", asks: true, closed: false },
            { tag: "a remote slew started during the grace: its stop is waited for too",
              held: "key", then: "remote slew, then taken", asks: false, closed: true }
        ]
    }
    function test_closeDuringTheGrace(data) {
        const dialog = findChild(window, "quitWhileStoppingDialog")
        waitForRendering(window.contentItem)
        window.requestActivate()
        tryCompare(window, "active", true)
        window.inj_stackView.forceActiveFocus()
        testHelper.publish("inj_mountConnection", connectionStandIn)
        dialog.stopGraceMs = 600000
        if (data.held === "remote")
            connectionStandIn.mount.openEndedSlew = true
        else
            holdSlew(data.held)
        // The stop the close sends stays pending until the row takes it.
        connectionStandIn.mount.stopPending = data.held !== "remote"
        questionsShown = 0

        window.close()
        verify(window.visible, "the close waits for the stop it sent")
        compare(questionsShown, 0, "nothing asked while the link answers")
        compare(connectionStandIn.mount.stopPending, true, "the stop is pending")
        if (data.then === "silent") {
            connectionStandIn.mount.linkAnswering = false
        } else {
            if (data.then === "second close, then taken") {
                window.close()
                verify(window.visible, "the second close waits as the first")
                compare(questionsShown, 0, "the second close asks nothing while the link answers")
            }
            if (data.then === "remote slew, then taken") {
                connectionStandIn.mount.openEndedSlew = true
                connectionStandIn.mount.stopPending = false
                tryCompare(connectionStandIn.mount, "openEndedSlew", false)
                verify(window.visible, "the slew set going during the wait is waited for")
                compare(connectionStandIn.mount.stopPending, true)
                compare(questionsShown, 0, "nothing asked while the link answers")
            }
            connectionStandIn.mount.stopPending = false
        }
        if (data.asks)
            tryCompare(dialog, "opened", true, 5000)
        tryCompare(window, "visible", !data.closed)
        compare(questionsShown > 0, data.asks)
        verify(!window.inj_mainFooter.buttonVector.includes(true), "nothing holds the slew")
    }

    // A close that comes while the question fades out after an answer asks again once it has
    // gone, rather than holding the window without a word; what was taken meanwhile ends the
    // program. taken: the stop is taken before the question has gone.
    function test_closeWhileTheQuestionFadesOut_data() {
        return [
            { tag: "stop still pending: asked again", taken: false },
            { tag: "stop taken meanwhile: the window goes", taken: true }
        ]
    }
    function test_closeWhileTheQuestionFadesOut(data) {
        testHelper.publish("inj_mountConnection", connectionStandIn)
        connectionStandIn.mount.stopPending = true
        const dialog = findChild(window, "quitWhileStoppingDialog")
        window.close()
        tryCompare(dialog, "opened", true)
        clickNamed("stayButton")
        verify(!dialog.opened, "Stay answers at once")
        window.close()
        verify(window.visible, "the window stays while the stop is pending")
        if (data.taken)
            connectionStandIn.mount.stopPending = false
        tryCompare(window, "visible", !data.taken)
        if (!data.taken) {
            tryCompare(dialog, "opened", true)
            verify(window.visible)
        }
    }

    // A slew that no key or pad button holds (as a remote client's) on the emulated mount: the
    // close stops it, waits for that stop, and the mount stands after the end.
    function test_closeStopsASlewNothingHolds() {
        waitForRendering(window.contentItem)
        inj_generalInfoList.setUpdating(true)
        waitStill()
        const before = axisText()
        inj_slewingControl.inputButtons([true, false, false, false, false, false, false, false])
        tryVerify(() => axisText() !== before, 10000, "the axis moves")
        verify(!window.inj_mainFooter.buttonVector.includes(true), "nothing in the window holds it")
        atEnd = null
        inputsAtClose = slewInputs.count
        try {
            window.close()
            tryCompare(window, "visible", false, 10000)
        } finally {
            inputsAtClose = -1
        }
        verify(atEnd, "the window went")
        verify(!atEnd.stopPending, "the mount had taken the stop when the window went")
        waitStill()
    }
}

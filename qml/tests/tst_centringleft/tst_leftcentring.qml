import QtQuick
import QtQuick.Controls
import QtTest
import "../rig"

// A centring page the user left with Back is gone: the next GoTo finds no page of its own to
// close, and the user hears nothing about one. While the page is still there, the same GoTo
// closes it with a word why.
TestCase {
    id: testCase
    name: "LeftCentring"
    when: windowShown

    readonly property string movedAway: "The mount was sent elsewhere: nothing was recorded"
    property bool observeSun: false

    WindowRig {
        id: rig
        testCase: testCase
    }

    // Every toast as it comes: a toast goes away by itself before a long GoTo ends.
    SignalSpy {
        id: toasts
        target: inj_toastManagerUIStub
        signalName: "shouldToast"
    }

    function initTestCase() {
        rig.createWindow()
        observeSun = inj_catalogSettings.enableObserveSun
        // The program's target stands high in the north; the Sun's place at the hour of the run
        // is no reason to refuse it.
        inj_catalogSettings.enableObserveSun = true
    }

    function cleanupTestCase() {
        inj_catalogSettings.enableObserveSun = observeSun
        rig.settle()
    }

    function init() {
        rig.settle()
    }

    function told() {
        for (let i = 0; i < toasts.count; ++i) {
            if (toasts.signalArguments[i][0] === movedAway)
                return true
        }
        return false
    }

    function test_goToAfterCentring_data() {
        return [{ tag: "the page left with Back", left: true },
                { tag: "the page still open", left: false }]
    }

    function test_goToAfterCentring(data) {
        const centering = rig.find("centeringPage")
        const button = findChild(centering, "centerButton")
        const dialog = rig.find("popupGoTo")
        rig.startGoTo(0)
        const name = inj_gotoStatus.targetName
        tryVerify(() => rig.top() === centering && button.enabled, 45000, "centring " + name)
        tryCompare(dialog, "opened", false)
        if (data.left) {
            rig.window.goBack()
            tryVerify(() => rig.top() !== centering, 5000, "Back leaves the page")
            compare(centering.StackView.index, -1, "the page left the stack")
        }
        toasts.clear()
        rig.remoteGoTo(name)
        // The dialog closes on the news of the GoTo's end, which comes after the news of its
        // start: by then the start has been heard everywhere, the page's owner included.
        tryCompare(dialog, "opened", true, 10000)
        rig.waitGoToEnd()
        tryCompare(dialog, "opened", false, 10000)
        compare(told(), !data.left, "the user told that the mount was sent elsewhere")
        if (!data.left)
            compare(centering.StackView.index, -1, "the page closed")
    }
}

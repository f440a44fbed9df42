import QtQuick
import QtTest
import "../rig"

// The centring page that follows a GoTo from the object page belongs to that GoTo: a program
// that sends the mount elsewhere over the remote method server closes it with a word why, and
// the pointing-accuracy table stays as it was. Without such a GoTo the check button records the
// point.
TestCase {
    id: testCase
    name: "CentringAfterGoTo"
    when: windowShown

    readonly property string movedAway: "The mount was sent elsewhere: nothing was recorded"
    property bool observeSun: false

    WindowRig {
        id: rig
        testCase: testCase
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

    function toasts() {
        const toaster = rig.window.inj_toaster
        const texts = []
        for (let i = 0; i < toaster.count; ++i)
            texts.push(toaster.model.get(i).text)
        return texts
    }

    function test_centringAfterGoTo_data() {
        return [{ tag: "a program sends the mount elsewhere", remote: true },
                { tag: "no other GoTo", remote: false }]
    }

    function test_centringAfterGoTo(data) {
        const centering = rig.find("centeringPage")
        const button = findChild(centering, "centerButton")
        const points = testHelper.storedSettings()["align.pae"]
        rig.startGoTo(0)
        const name = inj_gotoStatus.targetName
        tryVerify(() => rig.top() === centering && button.enabled, 45000, "centring " + name)
        compare(findChild(centering, "targetName").text, name)
        if (data.remote) {
            rig.remoteGoTo(name)
            tryVerify(() => rig.top() !== centering, 10000, "the page goes")
            tryVerify(() => toasts().indexOf(movedAway) >= 0, 5000, "the user is told why")
            rig.waitGoToEnd()
            compare(testHelper.storedSettings()["align.pae"], points, "no point recorded")
        } else {
            button.clicked()
            tryVerify(() => rig.top() !== centering, 10000, "the page goes")
            tryVerify(() => testHelper.storedSettings()["align.pae"] !== points, 10000,
                      "the point is recorded")
            verify(toasts().indexOf(movedAway) < 0)
        }
    }
}

import QtQuick
import QtQuick.Controls
import QtTest
import Ko.Quorvel
import "../rig"
import "../rig/AlignRig.js" as AlignRig

// The centring page that follows a GoTo from the object page belongs to that GoTo: a program
// that sends the mount elsewhere over the remote method server closes it with a word why, in
// front or under another page, and the pointing-accuracy table stays as it was. Without such a
// GoTo the check button records the point. An alignment's centring page goes the same way.
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
        return [{ tag: "a program sends the mount elsewhere", remote: true, covered: false },
                { tag: "a program sends the mount elsewhere, the page covered", remote: true,
                  covered: true },
                { tag: "no other GoTo", remote: false, covered: false }]
    }

    // The header's information page over the centring page.
    function cover(centering) {
        const information = rig.window.inj_informationPage
        mouseClick(findChild(rig.window.header, "informationButton"))
        tryVerify(() => rig.top() === information, 5000, "the information page on top")
        compare(centering.StackView.status, StackView.Inactive)
        return information
    }

    // The remote GoTo tells the user at once and leaves the page above as it was; once it has
    // ended and its dialog closed (Back would cancel it before), Back shows what lay under the centring page, which
    // has left the stack.
    function sendElsewhereWhileCovered(centering, name) {
        const information = cover(centering)
        const below = rig.window.inj_stackView.get(centering.StackView.index - 1)
        rig.remoteGoTo(name)
        tryVerify(() => toasts().indexOf(movedAway) >= 0, 5000, "the user is told why")
        compare(rig.top(), information)
        rig.waitGoToEnd()
        tryVerify(() => !rig.find("popupGoTo").opened, 5000, "the GoTo dialog closed")
        compare(rig.top(), information)
        rig.window.goBack()
        tryVerify(() => rig.top() === below, 5000, "Back goes past the centring page")
        compare(centering.StackView.index, -1)
    }

    function test_centringAfterGoTo(data) {
        const centering = rig.find("centeringPage")
        const button = findChild(centering, "centerButton")
        const points = testHelper.storedSettings()["align.pae"]
        rig.startGoTo(0)
        const name = inj_gotoStatus.targetName
        tryVerify(() => rig.top() === centering && button.enabled, 45000, "centring " + name)
        compare(findChild(centering, "targetName").text, name)
        if (data.covered) {
            sendElsewhereWhileCovered(centering, name)
            compare(testHelper.storedSettings()["align.pae"], points, "no point recorded")
        } else if (data.remote) {
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

    // A one-star alignment's centring page, covered when the program's GoTo comes: closed with
    // the same word, and no star joins the model.
    function test_coveredAlignmentCentring() {
        const list = rig.find("alignStarList0")
        const centering = rig.find("centeringPage")
        const aligned = inj_alignmentDataContainer.alignedStarCount
        inj_alignmentRoutine.start(AlignmentType.Star1)
        tryVerify(() => rig.top() === list && inj_alignStarCalculator.list0.length > 0, 5000)
        const rows = inj_alignStarCalculator.list0
        const k = AlignRig.nearestEnabled(rows, AlignRig.azAltOf(inj_trailPointsStatus.targetPosition2))
        verify(k >= 0, "an enabled star")
        findChild(list, "list").selectedIndex(k)
        const selection = rig.find("alignSelectionPage")
        tryVerify(() => rig.top() === selection, 5000, "preview")
        findChild(selection, "beginButton").clicked()
        const button = findChild(centering, "centerButton")
        tryVerify(() => rig.top() === centering && button.enabled, 45000, "centring " + rows[k].a)
        sendElsewhereWhileCovered(centering, rows[k].a)
        compare(inj_alignmentDataContainer.alignedStarCount, aligned, "no star recorded")
    }
}

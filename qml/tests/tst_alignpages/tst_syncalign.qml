import QtQuick
import QtTest
import Ko.Quorvel
import "../rig"

// Alignment by sync: the sync mode follows the page, each accepted sync adds a row, and only the
// newest star can be deleted. Also the star list's answer to a greyed star.
TestCase {
    id: testCase
    name: "SyncAlignment"
    when: windowShown

    property var page: null

    WindowRig {
        id: rig
        testCase: testCase
    }

    function initTestCase() {
        rig.createWindow()
        inj_alignmentDataContainer.reset()
    }

    function cleanupTestCase() {
        inj_alignmentDataContainer.reset()
        rig.settle()
    }

    function pushPage() {
        rig.window.inj_stackView.push("qrc:/Page/AlignWithSyncPage.qml")
        page = rig.top()
    }

    function rows() {
        const list = findChild(page, "starList")
        const out = []
        for (let i = 0; i < list.count; ++i)
            out.push(list.itemAtIndex(i))
        return out
    }

    function test_syncModeFollowsPage() {
        verify(!inj_alignerHelper.alignWithSyncTo)
        pushPage()
        verify(inj_alignerHelper.alignWithSyncTo)
        rig.window.inj_stackView.push(Qt.createComponent("qrc:/Page/TrackingPage.qml"))
        verify(!inj_alignerHelper.alignWithSyncTo, "off while another page is on top")
        rig.window.inj_stackView.pop()
        verify(inj_alignerHelper.alignWithSyncTo)
        rig.window.inj_stackView.pop()
        verify(!inj_alignerHelper.alignWithSyncTo)
    }

    function test_syncsAddRows() {
        pushPage()
        verify(findChild(page, "noStars").visible)
        const stars = [["s1", 0.3, 0.4], ["s2", 0.9, 0.9]]
        for (let i = 0; i < stars.length; ++i) {
            const [name, ha, dec] = stars[i]
            verify(testHelper.sequentialAlign(name, ha, dec, ha, dec), name)
            tryCompare(findChild(page, "starList"), "count", i + 1)
            const list = rows()
            compare(list[i].modelData.b, name)
            for (let j = 0; j <= i; ++j)
                compare(findChild(list[j], "deleteButton").enabled, j === i, "Delete on the last row only")
        }
        verify(!findChild(page, "noStars").visible)
        findChild(rows()[1], "deleteButton").clicked()
        tryCompare(findChild(page, "starList"), "count", 1)
        verify(findChild(rows()[0], "deleteButton").enabled, "the one before becomes deletable")
        rig.window.inj_stackView.pop()
    }

    function test_rejectedSyncShowsError() {
        pushPage()
        const errorRow = findChild(page, "errorRow")
        verify(!errorRow.visible)
        inj_alignerHelper.sequentialAlignFailed("N 10° +2°")
        verify(errorRow.visible)
        compare(page.lastError, "Last star at N 10° +2° is not a suitable alignment star")
        inj_alignmentDataContainer.valueChanged()
        verify(!errorRow.visible, "a change of the model clears it")
        rig.window.inj_stackView.pop()
    }

    function test_greyedStarSelectsNothing() {
        const list = rig.find("alignStarList0")
        inj_alignmentRoutine.start(AlignmentType.Star3)
        tryVerify(() => rig.top() === list, 5000)
        const rowsNow = inj_alignStarCalculator.list0
        const k = rowsNow.findIndex(r => !r.isEnableListItem)
        if (k < 0)
            skip("every star is within the altitude limits now")
        findChild(list, "list").selectedIndex(k)
        const warning = findChild(list, "outOfLimits")
        tryVerify(() => warning.opened)
        // The row says why it cannot be chosen.
        verify(["Altitude outside of limits", "Too close to Sun"].indexOf(rowsNow[k].refusal) >= 0,
               rowsNow[k].refusal)
        compare(warning.content, rowsNow[k].refusal)
        compare(rig.top(), list, "no star chosen")
        warning.close()
        rig.window.inj_mainUIUtil.goHome()
    }
}

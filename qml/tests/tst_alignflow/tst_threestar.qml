import QtQuick
import QtTest
import Ko.Quorvel
import "../rig"
import "../rig/AlignRig.js" as AlignRig

// A three-star alignment as a user runs it: star lists, preview, then GoTo and centring for each
// star, to a solved model.
TestCase {
    id: testCase
    name: "ThreeStarAlignment"
    when: windowShown

    WindowRig {
        id: rig
        testCase: testCase
    }

    function initTestCase() {
        rig.createWindow()
    }

    function cleanupTestCase() {
        rig.settle()
    }

    function test_threeStars() {
        const lists = [0, 1, 2].map(i => rig.find("alignStarList" + i))
        const selection = rig.find("alignSelectionPage")
        const centering = rig.find("centeringPage")
        inj_alignmentRoutine.start(AlignmentType.Star3)
        let from = AlignRig.azAltOf(inj_trailPointsStatus.targetPosition2)
        const chosen = []
        for (let i = 0; i < 3; ++i) {
            tryVerify(() => rig.top() === lists[i], 5000, "list " + i)
            verify(findChild(lists[i], "title").text !== "")
            tryVerify(() => inj_alignStarCalculator["list" + i].length > 0, 5000)
            const rows = inj_alignStarCalculator["list" + i]
            const k = AlignRig.nearestEnabled(rows, from)
            verify(k >= 0, "an enabled star in list " + i)
            from = AlignRig.azAltOf(rows[k].c)
            chosen.push(rows[k].a)
            findChild(lists[i], "list").selectedIndex(k)
        }
        tryVerify(() => rig.top() === selection, 5000, "preview")
        compare(findChild(selection, "rows").count, 3)
        compare(findChild(selection, "rows").itemAt(0).modelData.a, chosen[0])
        findChild(selection, "beginButton").clicked()
        for (let i = 0; i < 3; ++i) {
            const button = findChild(centering, "centerButton")
            // The emulated axes turn at 10°/s: a GoTo that flips the pier side can need a half
            // turn of both axes and its second, finer leg, depending on the time of day.
            tryVerify(() => rig.top() === centering && button.enabled, 45000, "centring star " + i)
            compare(findChild(centering, "targetName").text, chosen[i])
            button.clicked()
            if (i < 2)
                tryVerify(() => !button.enabled || rig.top() !== centering, 5000)
        }
        tryCompare(inj_alignmentDataContainer, "alignedStarCount", 3, 10000)
        tryVerify(() => rig.window.inj_stackView.depth === 1, 5000, "every workflow page gone")
    }
}

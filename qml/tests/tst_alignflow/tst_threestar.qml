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

    // Stand-ins that record what the centring page asks of the orientation sensor and its stub.
    QtObject {
        id: oriSensor
        property var requests: []
        property string azAltString: "NE 45° +30°"
        function requestPeriodicUpdate(on) {
            requests = requests.concat([on])
        }
    }
    QtObject {
        id: centeringStub
        property int closes: 0
        signal shouldShow(string targetName, string coord)
        signal shouldInclusivePop
        function onClose() {
            ++closes
        }
        function onRemoved() {
        }
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

    // The sensor's direction is read only while the centring page is the top page: on while it
    // shows, off when another page covers it and when it goes.
    function test_centeringPageSensorUpdates() {
        testHelper.publish("inj_oriSensor", oriSensor)
        testHelper.publish("inj_centeringUIStub", centeringStub)
        const centering = rig.find("centeringPage")
        oriSensor.requests = []
        centeringStub.shouldShow("Vega", "18h36m56s +38°47′01″")
        tryVerify(() => rig.top() === centering, 2000, "the page shows")
        compare(oriSensor.requests, [true])
        compare(findChild(centering, "targetName").text, "Vega")
        verify(rig.window.inj_mainFooter.displayControl, "the pad is unfolded for centring")
        rig.window.inj_stackView.push(Qt.createComponent("qrc:/Page/TrackingPage.qml"))
        compare(oriSensor.requests, [true, false])
        rig.window.inj_stackView.pop()
        compare(oriSensor.requests, [true, false, true])
        centeringStub.shouldInclusivePop()
        tryVerify(() => rig.top() !== centering, 2000, "the page goes")
        compare(oriSensor.requests, [true, false, true, false])
        verify(centeringStub.closes >= 1)
    }

    function cleanup() {
        testHelper.restore("inj_oriSensor")
        testHelper.restore("inj_centeringUIStub")
        const centering = rig.find("centeringPage")
        if (rig.top() === centering)
            centering.remove()
    }
}

import QtQuick
import QtTest
import Ko.Quorvel
import "../rig"

// A disconnection in the middle of an alignment takes every workflow page off the stack, the
// instruction page included.
TestCase {
    id: testCase
    name: "WorkflowDisconnect"
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

    function test_disconnectHalfWay() {
        const lists = [0, 1].map(i => rig.find("alignStarList" + i))
        const instruction = rig.find("instructionStepPage")
        inj_alignmentRoutine.start(AlignmentType.Star3)
        tryVerify(() => rig.top() === lists[0] && inj_alignStarCalculator.list0.length > 0, 5000)
        const k = inj_alignStarCalculator.list0.findIndex(r => r.isEnableListItem)
        findChild(lists[0], "list").selectedIndex(k)
        tryVerify(() => rig.top() === lists[1], 5000)
        compare(findChild(rig.find("alignStarList2"), "title").text, "", "list 2 untouched")
        inj_instructionStepUIStub.shouldShow("Turn the latitude knob.")
        compare(rig.top(), instruction)
        compare(findChild(instruction, "instruction").text, "Turn the latitude knob.")
        verify(findChild(instruction, "nextButton").enabled)

        rig.disconnect()
        tryCompare(rig.window.inj_stackView, "depth", 1)
        verify(!findChild(instruction, "nextButton").enabled)
    }
}

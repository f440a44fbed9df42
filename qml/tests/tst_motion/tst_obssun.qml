import QtQuick
import QtTest
import "qrc:/"

// Allowing Sun observation: the warning, then a sum that must be answered right.
TestCase {
    id: testCase
    name: "ObserveSun"
    when: windowShown
    width: 420
    height: 700

    property var popup: null
    readonly property NightManager inj_nightManager: night

    NightManager {
        id: night
    }

    SignalSpy {
        id: answers
        signalName: "confirmChangedByUser"
    }

    function init() {
        popup = Qt.createComponent("qrc:/Page/PopupObsSun.qml").createObject(testCase, { parent: testCase })
        answers.target = popup
        answers.clear()
        popup.open()
        tryVerify(() => popup.opened)
    }

    function cleanup() {
        popup.destroy()
    }

    function button(name) {
        return findChild(popup.footer, name)
    }

    function field() {
        return findChild(popup.contentItem, "answer")
    }

    function test_operandsInRange() {
        mouseClick(button("confirmButton"))
        verify(field().visible && !findChild(popup.contentItem, "warningText").visible)
        for (let i = 0; i < 200; ++i) {
            popup.drawEquation()
            for (const v of [popup.a, popup.b])
                verify(Number.isInteger(v) && v >= 30 && v <= 99, v)
        }
        compare(findChild(popup.contentItem, "equation").text, popup.a + " + " + popup.b + " = ?")
    }

    function test_answer_data() {
        return [
            { tag: "right", typed: (a, b) => String(a + b), accepted: true },
            { tag: "right with blanks", typed: (a, b) => "  " + (a + b) + " ", accepted: true },
            { tag: "wrong", typed: (a, b) => String(a + b + 1), accepted: false },
            { tag: "empty", typed: (a, b) => "", accepted: false },
            { tag: "not a number", typed: (a, b) => "x", accepted: false }
        ]
    }

    function test_answer(data) {
        mouseClick(button("confirmButton"))
        field().text = data.typed(popup.a, popup.b)
        mouseClick(button("confirmButton"))
        if (data.accepted) {
            compare(answers.count, 1)
            compare(answers.signalArguments[0][0], true)
            tryVerify(() => !popup.visible)
        } else {
            compare(answers.count, 0)
            verify(popup.visible && popup.quiz)
            compare(field().text, "", "a new equation with an empty field")
        }
    }

    function test_cancel_data() {
        return [{ tag: "first view", quiz: false }, { tag: "quiz", quiz: true }]
    }

    function test_cancel(data) {
        if (data.quiz)
            mouseClick(button("confirmButton"))
        field().text = "12"
        mouseClick(button("cancelButton"))
        compare(answers.count, 1)
        compare(answers.signalArguments[0][0], false)
        tryVerify(() => !popup.visible)
        popup.open()
        verify(!popup.quiz && findChild(popup.contentItem, "warningText").visible, "first view again")
        compare(field().text, "")
    }

    // Only its buttons answer: Escape, the back key and a tap beside it change nothing.
    function test_keysLeaveItOpen_data() {
        return [
            { tag: "escape", act: () => keyClick(Qt.Key_Escape) },
            { tag: "back key", act: () => keyClick(Qt.Key_Back) },
            { tag: "back()", act: () => popup.back() },
            { tag: "tap beside", act: () => mouseClick(testCase, 2, 2) }
        ]
    }

    function test_keysLeaveItOpen(data) {
        mouseClick(button("confirmButton"))
        // Keys and clicks are delivered before they return.
        data.act()
        compare(answers.count, 0)
        verify(popup.visible && popup.quiz)
    }
}

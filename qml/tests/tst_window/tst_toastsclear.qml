import QtQuick
import QtQuick.Controls
import QtTest
import "../rig"

// A toast never covers an open question: at the smallest window, in languages whose question
// runs long, the toasts keep to the room above or below it, and go back to the bottom once it has
// closed.
TestCase {
    id: testCase
    name: "ToastsClearOfQuestions"
    when: windowShown

    property var window: null
    property var savedSize: null
    readonly property string longToast: "The stop has not reached the mount: it may still be moving. It is sent again until the mount answers."

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
        savedSize = [window.width, window.height]
    }

    function cleanup() {
        connectionStandIn.mount.stopPending = false
        testHelper.restore("inj_mountConnection")
        const dialog = findChild(window, "quitWhileStoppingDialog")
        dialog.close()
        tryVerify(() => !dialog.visible)
        window.inj_toaster.model.clear()
        inj_languageManager.language = "en"
        window.width = savedSize[0]
        window.height = savedSize[1]
        window.show()
        tryVerify(() => window.visible)
    }

    // An item's rectangle in the coordinates of the window's overlay.
    function rectOf(item) {
        const p = item.mapToItem(window.inj_toaster.parent, 0, 0)
        return Qt.rect(p.x, p.y, item.width, item.height)
    }

    function overlaps(a, b) {
        return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height
               && b.y < a.y + a.height
    }

    function inside(inner, outer) {
        return inner.y >= outer.y - 0.5 && inner.y + inner.height <= outer.y + outer.height + 0.5
    }

    function describe(r) {
        return "(" + r.x + ", " + r.y + ", " + r.width + " x " + r.height + ")"
    }

    // first: "toast" shows the toasts before the question opens, "question" after.
    function test_toastsKeepClear_data() {
        const rows = []
        for (const language of ["en", "hu", "ja"]) {
            for (const first of ["toast", "question"]) {
                rows.push({ tag: language + ", " + first + " first", language: language,
                            first: first })
            }
        }
        return rows
    }
    function test_toastsKeepClear(data) {
        window.width = 320
        window.height = 480
        inj_languageManager.language = data.language
        testHelper.publish("inj_mountConnection", connectionStandIn)
        connectionStandIn.mount.stopPending = true
        const toaster = window.inj_toaster
        const dialog = findChild(window, "quitWhileStoppingDialog")
        tryCompare(toaster.parent, "height", 480)
        const showToasts = () => {
            toaster.show("Tracking is off.")
            toaster.show(longToast, 6000)
        }
        if (data.first === "toast")
            showToasts()
        const heightAlone = toaster.height
        window.requestActivate()
        tryCompare(window, "active", true)
        window.close()
        tryCompare(dialog, "opened", true)
        if (data.first === "question")
            showToasts()
        tryVerify(() => toaster.count === 2)
        waitForRendering(window.contentItem)

        // The dialog's own box, its buttons included.
        const question = Qt.rect(dialog.x, dialog.y, dialog.width, dialog.height)
        const list = rectOf(toaster)
        verify(!overlaps(list, question),
               "toasts " + describe(list) + " over the question " + describe(question))
        // The toasts are clipped to their band: none reaches into the question.
        verify(toaster.clip)
        for (const button of ["stayButton", "quitButton"]) {
            const r = rectOf(findChild(window, button))
            verify(!overlaps(list, r), button + " " + describe(r) + " under " + describe(list))
        }
        const text = rectOf(findChild(window, "quitWhileStoppingText"))
        verify(!overlaps(list, text), "the question's text " + describe(text))
        // The newest toast is whole in its band, readable.
        const newest = rectOf(toaster.itemAtIndex(0))
        verify(inside(newest, list), "newest " + describe(newest) + " in " + describe(list))

        // The question goes: the toasts return to the bottom.
        findChild(window, "stayButton").clicked()
        tryVerify(() => !dialog.visible)
        tryCompare(toaster, "clip", false)
        tryCompare(toaster, "height", heightAlone)
    }
}

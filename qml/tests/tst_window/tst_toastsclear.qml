import QtQuick
import QtQuick.Controls
import QtTest
import "qrc:/"
import "../rig"

// A toast never covers an open question: at the smallest window, in languages whose question
// runs long, the toasts keep to the room above or below it, and go back to the bottom once it has
// closed. The GoTo dialog fills the window and leaves no room around it: the toasts show in the
// room it makes for them, seen whole and clear of its texts and Cancel.
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
    // The link as the header and the GoTo dialog see it, timed out.
    QtObject {
        id: deadLink
        property bool timedout: true
    }
    // A GoTo as the dialog sees it.
    QtObject {
        id: shownGoTo
        signal valueChanged
        property bool done: true
        property bool arrived: false
        property string targetName: "Venus"
        property string targetPosition1: "R.A. 23h59m59s"
        property string targetPosition2: "Dec -89°59′59″"
        property string remainingAngle: "179°59′"
    }
    // What the two questions below read of the window: they are made before it.
    readonly property QtObject inj_nightManager: QtObject {
        property bool isNight: false
    }
    // Two questions that open over each other, the lower one long enough that toasts at the
    // bottom of the window would lie over it, with room above it.
    UI_Dialog {
        id: lowerQuestion
        parent: window ? window.Overlay.overlay : null
        modal: true
        closePolicy: Popup.NoAutoClose
        width: 200
        y: 150
        height: 320
        contentItem: Label {
            text: "Quit anyway?"
        }
    }
    UI_Dialog {
        id: upperQuestion
        parent: window ? window.Overlay.overlay : null
        modal: true
        closePolicy: Popup.NoAutoClose
        width: 200
        y: 40
        height: 100
        contentItem: Label {
            text: "Stop the mount?"
        }
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
        const goTo = findChild(window, "popupGoTo")
        shownGoTo.done = true
        shownGoTo.valueChanged()
        tryVerify(() => !goTo.visible)
        upperQuestion.close()
        lowerQuestion.close()
        testHelper.restore("inj_gotoStatus")
        testHelper.restore("inj_converserTimeoutForwarder")
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

    // The GoTo dialog fills the window: a toast shown while it is open is seen whole, in the
    // room the dialog makes for it between its details and its message, clear of the details'
    // texts, of the message that the mount does not answer and of Cancel or Close. stranded: the
    // GoTo is over and its stop cannot reach the mount (Close); otherwise it runs (Cancel).
    // toasts: how many show at once; however many, their room takes at most a third of the
    // dialog, and the message and Cancel keep their whole height.
    function test_toastsInGoToDialog_data() {
        const rows = []
        for (const size of [[320, 480], [480, 800]]) {
            for (const language of ["en", "hu", "ja"]) {
                rows.push({ tag: language + ", " + size.join("x") + ", stranded, toast after",
                            language: language, size: size, stranded: true, first: "dialog",
                            toasts: 1 })
            }
        }
        rows.push({ tag: "en, 320x480, running, toast after", language: "en", size: [320, 480],
                    stranded: false, first: "dialog", toasts: 1 })
        rows.push({ tag: "hu, 320x480, stranded, toast before", language: "hu", size: [320, 480],
                    stranded: true, first: "toast", toasts: 1 })
        rows.push({ tag: "ja, 480x800, running, toast before", language: "ja", size: [480, 800],
                    stranded: false, first: "toast", toasts: 1 })
        rows.push({ tag: "en, 320x480, running, 8 toasts after", language: "en", size: [320, 480],
                    stranded: false, first: "dialog", toasts: 8 })
        rows.push({ tag: "zh, 320x480, stranded, 8 toasts after", language: "zh",
                    size: [320, 480], stranded: true, first: "dialog", toasts: 8 })
        return rows
    }
    function test_toastsInGoToDialog(data) {
        window.width = data.size[0]
        window.height = data.size[1]
        inj_languageManager.language = data.language
        testHelper.publish("inj_mountConnection", connectionStandIn)
        testHelper.publish("inj_converserTimeoutForwarder", deadLink)
        testHelper.publish("inj_gotoStatus", shownGoTo)
        const toaster = window.inj_toaster
        const dialog = findChild(window, "popupGoTo")
        tryCompare(toaster.parent, "height", data.size[1])
        // Each toast its own text: a toast does not show twice.
        const showToasts = () => {
            for (let i = 0; i < data.toasts; ++i)
                toaster.show(i === 0 ? longToast : longToast + " (" + i + ")", 6000)
        }
        if (data.first === "toast")
            showToasts()
        shownGoTo.done = false
        shownGoTo.valueChanged()
        tryCompare(dialog, "opened", true)
        if (data.stranded) {
            connectionStandIn.mount.stopPending = true
            shownGoTo.done = true
            shownGoTo.valueChanged()
        }
        const button = findChild(dialog.contentItem, "cancelButton")
        compare(button.text, qsTranslate("PopupGoTo", data.stranded ? "Close" : "Cancel"))
        verify(dialog.visible)
        if (data.first === "dialog")
            showToasts()
        tryVerify(() => toaster.count === data.toasts && toaster.itemAtIndex(0) !== null)
        const newest = toaster.itemAtIndex(0)
        // Until the room has opened to the toast's height.
        tryVerify(() => rectOf(toaster).height >= newest.height)
        waitForRendering(window.contentItem)

        const list = rectOf(toaster)
        const shown = rectOf(newest)
        verify(inside(shown, list), "the toast " + describe(shown) + " in " + describe(list))
        verify(list.y >= 0 && list.y + list.height <= window.height,
               "the room " + describe(list) + " in the window")
        for (const name of ["gotoDetails", "linkState", "cancelButton"]) {
            const item = findChild(dialog.contentItem, name)
            verify(item.visible, name)
            const r = rectOf(item)
            verify(!overlaps(list, r), name + " " + describe(r) + " under " + describe(list))
        }
        // Older toasts that do not fit in the room are cut off, not laid over the dialog.
        verify(toaster.clip, "cut to the room")
        // The message is whole in sight.
        const message = rectOf(findChild(dialog.contentItem, "linkState"))
        verify(message.y >= 0 && message.y + message.height <= window.height,
               "the message " + describe(message))
        // However many toasts ask for room, they get at most a third of the dialog: the message
        // and Cancel keep their height, and the details what is left.
        const room = findChild(dialog.contentItem, "toastRoom")
        verify(room.height <= dialog.height / 3 + 0.5,
               "the room " + room.height + " of " + dialog.height)
        for (const name of ["linkState", "cancelButton"]) {
            const item = findChild(dialog.contentItem, name)
            const r = rectOf(item)
            verify(item.height >= item.implicitHeight - 0.5 && r.y >= 0
                   && r.y + r.height <= window.height,
                   name + " " + describe(r) + " of height " + item.implicitHeight)
        }

        // The toast goes: the room closes, and the details have their place back.
        const detailsWithToast = findChild(dialog.contentItem, "gotoDetails").height
        toaster.model.clear()
        tryCompare(findChild(dialog.contentItem, "toastRoom"), "visible", false)
        verify(findChild(dialog.contentItem, "gotoDetails").height > detailsWithToast)
    }

    // Two questions open, one over the other. When one closes, the toasts keep clear of the one
    // still open: they hear of every close, not only of the last question's.
    function test_stackedQuestions_data() {
        return [
            { tag: "the upper one closes", closing: upperQuestion, staying: lowerQuestion },
            { tag: "the lower one closes under the upper", closing: lowerQuestion,
              staying: upperQuestion }
        ]
    }
    function test_stackedQuestions(data) {
        window.width = 320
        window.height = 480
        const toaster = window.inj_toaster
        tryCompare(toaster.parent, "height", 480)
        lowerQuestion.open()
        tryCompare(lowerQuestion, "opened", true)
        upperQuestion.open()
        tryCompare(upperQuestion, "opened", true)
        data.closing.close()
        tryVerify(() => !data.closing.visible)
        toaster.show("Tracking is off.")
        tryVerify(() => toaster.count === 1 && toaster.itemAtIndex(0) !== null)
        waitForRendering(window.contentItem)

        const staying = data.staying
        const question = Qt.rect(staying.x, staying.y, staying.width, staying.height)
        const list = rectOf(toaster)
        verify(!overlaps(list, question),
               "toasts " + describe(list) + " over the question " + describe(question))
        const newest = rectOf(toaster.itemAtIndex(0))
        verify(inside(newest, list), "newest " + describe(newest) + " in " + describe(list))
    }
}

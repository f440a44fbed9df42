import QtQuick
import QtQuick.Controls
import QtTest
import "qrc:/"
import "qrc:/CommonUI"

// Toasts, the confirmation dialog and the anchor layout, on a test root that offers the names
// the window offers.
TestCase {
    id: root
    name: "Controls"
    when: windowShown
    width: 428
    height: 600

    readonly property NightManager inj_nightManager: night

    NightManager {
        id: night
    }
    // The window's overlay does not exist yet when a test root is built.
    ToastManager {
        id: toaster
        parent: root
    }

    Component {
        id: dialogComponent
        CommonDialog {
            heading: "Heading"
            content: "Content"
        }
    }

    Timer {
        id: secondToast
        interval: 1000
        onTriggered: toaster.show("second")
    }

    function texts() {
        const list = []
        for (let i = 0; i < toaster.count; ++i)
            list.push(toaster.model.get(i).text)
        return list
    }

    function test_twoToasts() {
        const start = Date.now()
        toaster.show("first")
        secondToast.start()
        tryVerify(() => toaster.count === 2, 3000)
        compare(texts(), ["second", "first"])
        // The older toast is pushed up, animated.
        tryVerify(() => {
            const newer = toaster.itemAtIndex(0)
            const older = toaster.itemAtIndex(1)
            return newer && older && newer.y >= older.y + older.height
        }, 1000, "the newest toast is at the bottom")
        const bottom = toaster.itemAtIndex(0).y
        tryVerify(() => toaster.count === 1, 5000)
        const firstGone = Date.now() - start
        verify(firstGone >= 3500, "first toast lasted only " + firstGone + " ms")
        compare(texts(), ["second"])
        compare(toaster.itemAtIndex(0).y, bottom)
        tryVerify(() => toaster.count === 0, 5000)
        const secondGone = Date.now() - start
        verify(secondGone >= 4500, "second toast lasted " + (secondGone - 1000) + " ms")
    }

    function test_serviceToast() {
        inj_toastManagerUIStub.shouldToast("From the mount")
        compare(texts(), ["From the mount"])
        compare(toaster.model.get(0).durationMs, 3000)
        tryVerify(() => toaster.count === 0, 5000)
    }

    function test_commonDialog_data() {
        return [
            { tag: "without cancel", hasCancel: false, first: "OK", clicks: 0 },
            { tag: "with cancel", hasCancel: true, first: "Cancel", clicks: 1 }
        ]
    }

    function test_commonDialog(data) {
        const dialog = createTemporaryObject(dialogComponent, root, { hasCancel: data.hasCancel })
        let clicks = 0
        dialog.clicked.connect(() => ++clicks)
        dialog.open()
        tryCompare(dialog, "opened", true)
        const first = findChild(dialog.footer, "firstButton")
        const ok = findChild(dialog.footer, "okButton")
        compare(first.text, data.first)
        compare(ok.visible, data.hasCancel)
        if (data.hasCancel) {
            mouseClick(ok)
            compare(clicks, 1)
            compare(dialog.visible, true, "OK leaves the closing to the owner")
        }
        mouseClick(first)
        tryCompare(dialog, "visible", false)
        compare(clicks, data.clicks)
    }

    Component {
        id: layoutComponent
        InnerAnchorLayout {
            width: 200
            height: 40
            Rectangle {
                width: 60
                height: 20
            }
        }
    }

    function test_innerAnchorLayout_data() {
        return [
            { tag: "centred", anchor: 100, x: 70 },
            { tag: "left edge", anchor: 10, x: 0 },
            { tag: "right edge", anchor: 190, x: 140 }
        ]
    }

    function test_innerAnchorLayout(data) {
        const layout = createTemporaryObject(layoutComponent, root, { hCenterAnchor: data.anchor })
        const child = layout.children[0]
        compare(child.x, data.x)
        compare(child.y, 10)
        layout.width = 100
        compare(child.x, Math.min(40, Math.max(0, data.anchor - 30)), "placed again on resize")
    }
}

import QtQuick
import QtQuick.Controls
import QtTest
import ".."

// Every combo box of the window: a click on an entry where its list first draws it chooses that
// entry, for every entry. The point is taken in the first frame that shows the list, as a user
// aims, and clicked once the list has settled: a list that still moves or grows after it is
// first drawn takes the click on another row.
WindowTestCase {
    id: testCase
    name: "ComboLists"
    when: windowShown

    function init() {
        waitConnected()
        home()
        tryCompare(child(window.header, "popupConnect"), "visible", false)
    }

    function cleanup() {
        inj_languageManager.language = "en"
        home()
    }

    // The centre of entry index in the window, in the first frame that draws the list with that
    // entry wholly inside it; the list is scrolled to it first when it does not fit.
    function drawnPoint(box, index) {
        const popup = box.popup
        const list = popup.contentItem
        let point = null
        let scrolled = false
        const take = () => {
            if (point !== null || !popup.visible)
                return
            const item = list.itemAtIndex(index)
            const top = item ? item.mapToItem(list, 0, 0).y : -1
            if (item && top >= 0 && top + item.height <= list.height + 0.5) {
                point = item.mapToItem(window.contentItem, item.width / 2, item.height / 2)
            } else if (!scrolled) {
                // Beyond the part shown: as a user scrolls to it.
                scrolled = true
                list.positionViewAtIndex(index, ListView.Contain)
            }
        }
        window.frameSwapped.connect(take)
        mouseClick(box)
        tryVerify(() => point !== null, 5000, "entry " + index + " drawn")
        window.frameSwapped.disconnect(take)
        tryCompare(popup, "opened", true)
        tryVerify(() => !list.moving, 5000, "the list at rest")
        // Where it was first drawn is where it stays.
        const item = list.itemAtIndex(index)
        const now = item.mapToItem(window.contentItem, item.width / 2, item.height / 2)
        verify(Math.abs(now.x - point.x) < 1 && Math.abs(now.y - point.y) < 1,
               "entry " + index + " drawn at " + point + ", now at " + now)
        return point
    }

    function test_clickEveryEntry_data() {
        return [
            { tag: "language", page: "UserInterfacePage", box: "languageBox" },
            { tag: "night mode", page: "UserInterfacePage", box: "nightBox" },
            { tag: "deep-sky catalogue", page: "DeepSkyMenu", box: "catalogue" },
            { tag: "guiding rate R.A.", page: "AdvancedPage", box: "guide1Box" },
            { tag: "guiding rate Dec", page: "AdvancedPage", box: "guide2Box" },
            { tag: "flipping mode", page: "AdvancedPage", box: "flippingBox" },
            { tag: "connection", page: "ConnectSettingsPage", box: "modeBox" }
        ]
    }

    function test_clickEveryEntry(data) {
        const page = open(data.page)
        const box = child(page, data.box)
        tryVerify(() => box.enabled && box.visible, 5000, "the box can be used")
        const first = box.currentIndex
        const count = box.count
        verify(count > 1, "entries: " + count)
        // The chosen entry last, so that the page is left as it was.
        const order = []
        for (let i = 0; i < count; ++i) {
            if (i !== first)
                order.push(i)
        }
        if (first >= 0)
            order.push(first)
        for (const index of order) {
            const point = drawnPoint(box, index)
            mouseClick(window.contentItem, point.x, point.y)
            tryCompare(box.popup, "visible", false)
            compare(box.currentIndex, index, box.textAt(index))
        }
    }
}

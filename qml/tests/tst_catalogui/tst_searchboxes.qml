import QtQuick
import QtQuick.Controls
import QtTest
import Ko.Quorvel
import "../rig"

// Every catalog list with a search box, on the real window and the real list services: what a
// list shows always matches its box, after typing, after the page is left and opened anew (its
// menu may have been rebuilt in between, the service not), and after the clear button.
TestCase {
    id: testCase
    name: "SearchBoxes"
    when: windowShown

    WindowRig {
        id: rig
        testCase: testCase
    }

    // Matches no object of any catalog.
    readonly property string nothing: "qqxz"

    function initTestCase() {
        inj_catalogSettings.enableAltRangeViewFilter = false
        inj_catalogSettings.enableVmagFilter = false
        rig.createWindow()
    }

    function cleanupTestCase() {
        rig.settle()
    }

    function cleanup() {
        rig.window.inj_mainUIUtil.goHome()
    }

    function stack() {
        return rig.window.inj_stackView
    }

    // A tap on a menu entry; it counts once nothing modal lies over the menu.
    function click(name) {
        const from = stack().currentItem
        const item = findChild(from, name)
        verify(item, name)
        tryVerify(() => {
            if (stack().currentItem === from)
                mouseClick(item)
            return stack().currentItem !== from
        }, 5000, name)
    }

    // The list page on top, the way a user goes there: from the main menu, again for a page
    // made anew; the alignment's star list, which the window makes once, comes back on top
    // from under a page.
    function openList(data, again) {
        if (data.align) {
            const page = rig.find("alignStarList0")
            if (again) {
                stack().push(coverPage)
                stack().pop()
            } else {
                inj_alignmentRoutine.start(AlignmentType.Star3)
            }
            tryVerify(() => rig.top() === page, 5000, "the first star list")
            return findChild(page, "list")
        }
        rig.window.inj_mainUIUtil.goHome()
        for (const entry of data.path)
            click(entry)
        let page = stack().currentItem
        if (data.tab !== undefined) {
            const tabs = findChild(page, "tabs")
            tabs.currentIndex = data.tab
            const inner = findChild(page, "innerStack")
            tryVerify(() => inner.depth === 2, 5000, "tab shown")
            page = inner.currentItem
        }
        verify(page.catalogList === data.list(), "the page of " + data.tag)
        return page
    }

    function view(page) {
        return findChild(page, "astroList")
    }

    function field(page) {
        return findChild(page, "searchField")
    }

    // The rows once the service has finished listing.
    function settledCount(page) {
        tryVerify(() => !page.loadingList, 10000, "listed")
        return view(page).count
    }

    function type(page, text) {
        const box = field(page)
        mouseClick(box)
        tryVerify(() => box.activeFocus, 2000, "the box has the keyboard")
        for (const letter of text)
            keyClick(letter)
        compare(box.text, text)
    }

    // The rows match the box: all of them for an empty box, the search's otherwise.
    function verifyMatches(page, full, filtered) {
        const expected = field(page).text === "" ? full : filtered
        tryVerify(() => !page.loadingList && view(page).count === expected, 10000,
                  "box \"" + field(page).text + "\": " + view(page).count + " rows, not " + expected)
    }

    function test_listFollowsBox_data() {
        return [
            { tag: "solar system", path: ["star", "solarSystem"], text: "ve",
              list: () => inj_astroList_ss },
            { tag: "named star", path: ["star", "namedStar"], text: "sirius",
              list: () => inj_astroList_star },
            { tag: "double star", path: ["star", "doubleStar"], text: "alb",
              list: () => inj_astroList_double },
            { tag: "comet", path: ["star", "comet"], text: "pons",
              list: () => inj_astroList_comet },
            { tag: "named deep sky", path: ["deepSky", "namedDeepSky"], text: "orion",
              list: () => inj_astroList_dso },
            { tag: "tonight deep sky", path: ["utility", "tonightBest"], tab: 0, text: "m3",
              list: () => inj_astroList_dso_bt },
            { tag: "tonight planet", path: ["utility", "tonightBest"], tab: 1, text: "ve",
              list: () => inj_astroList_ss_bt },
            { tag: "tonight double star", path: ["utility", "tonightBest"], tab: 2, text: "alb",
              list: () => inj_astroList_double_bt },
            // Its box is emptied, with the whole list shown, each time it comes back on top.
            { tag: "alignment star list", align: true,
              text: full => inj_alignStarCalculator.list0[full - 1].a.toLowerCase() }
        ]
    }

    Component {
        id: coverPage
        Page {}
    }

    function test_listFollowsBox(data) {
        let page = openList(data, false)
        compare(field(page).visible, true)
        const full = settledCount(page)
        verify(full > 1, "rows: " + full)
        const text = typeof data.text === "function" ? data.text(full) : data.text
        type(page, text)
        tryVerify(() => !page.loadingList && view(page).count < full, 10000, "filtered")
        const filtered = view(page).count
        verify(filtered > 0, "\"" + text + "\" finds something in " + data.tag)

        // Left and opened again.
        page = openList(data, true)
        verifyMatches(page, full, filtered)
        if (data.align)
            compare(field(page).text, "", "the box emptied")

        // The clear button empties the box and brings every row back.
        if (field(page).text === "")
            type(page, text)
        verifyMatches(page, full, filtered)
        mouseClick(findChild(field(page), "clearButton"))
        compare(field(page).text, "")
        verifyMatches(page, full, filtered)

        // A search that finds nothing, left and opened again.
        type(page, nothing)
        tryVerify(() => !page.loadingList && view(page).count === 0, 10000, "nothing found")
        page = openList(data, true)
        verifyMatches(page, full, 0)

        // The clear button on the box as it is now shown.
        mouseClick(findChild(field(page), "clearButton"))
        compare(field(page).text, "")
        verifyMatches(page, full, 0)

        if (data.align) {
            // The workflow's pages go with the mount.
            rig.disconnect()
            const starList = rig.find("alignStarList0")
            tryVerify(() => rig.top() !== starList, 5000, "the list gone")
            rig.connect()
        }
    }
}

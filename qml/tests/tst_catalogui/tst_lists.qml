import QtQuick
import QtQuick.Controls
import QtTest

// The catalog list pages on the real window: the catalog-menu value and setDisplayed in pairs
// (recorded by stand-ins), the search reaching the real service, and a tapped row opening the
// object page.
TestCase {
    id: testCase
    name: "Lists"
    when: windowShown

    property var window: null

    component RecordingList: QtObject {
        property var list: [{ isEnableListItem: true, a: "Row", b: "1.0", c: "Star", d: "" }]
        property bool loadingList: false
        property var displayed: []
        property var searches: []
        function setDisplayed(value) {
            displayed = displayed.concat([value])
        }
        function setSearchText(text) {
            searches = searches.concat([text])
        }
        function getAstroObj(index) {
            return null
        }
    }
    RecordingList {
        id: starList
    }
    RecordingList {
        id: cometList
    }
    RecordingList {
        id: dsoBest
    }
    RecordingList {
        id: ssBest
    }
    RecordingList {
        id: doubleBest
    }
    RecordingList {
        id: doubleStars
    }

    function initTestCase() {
        const component = Qt.createComponent("qrc:/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(testCase)
        verify(window)
        waitForRendering(window.contentItem)
    }

    function cleanupTestCase() {
        tryCompare(inj_mountConnection, "connected", true, 10000)
        tryCompare(inj_iConnectable, "busy", false)
    }

    function cleanup() {
        window.inj_mainUIUtil.goHome()
        for (const name of ["inj_astroList_star", "inj_astroList_comet", "inj_astroList_dso_bt",
                            "inj_astroList_ss_bt", "inj_astroList_double_bt",
                            "inj_astroList_double"])
            testHelper.restore(name)
    }

    function stack() {
        return window.inj_stackView
    }

    // Opens the page of a menu entry; the tap counts once nothing modal (the launch
    // connection's popup) lies over the menu.
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

    function catalogMenu() {
        return window.inj_mainUIUtil.showCatalogMenu
    }

    function test_catalogMenuAndDisplayed_data() {
        return [
            { tag: "named star", entry: "namedStar", list: starList, name: "inj_astroList_star", mode: 1 },
            { tag: "comet", entry: "comet", list: cometList, name: "inj_astroList_comet", mode: 2 }
        ]
    }

    function test_catalogMenuAndDisplayed(data) {
        data.list.displayed = []
        testHelper.publish(data.name, data.list)
        click("star")
        click(data.entry)
        compare(catalogMenu().value, data.mode)
        compare(data.list.displayed, [true])
        verify(findChild(window.header, "catalogFilterButton").visible)
        verify(!findChild(window.header, "informationButton").visible)
        // The object page on top: the list is no longer on screen.
        window.inj_objectInfoPage.go(inj_astroList_ss.getAstroObj(0))
        compare(data.list.displayed, [true, false])
        compare(catalogMenu().depth, 0)
        stack().pop()
        compare(data.list.displayed, [true, false, true])
        compare(catalogMenu().value, data.mode)
        stack().pop()
        compare(data.list.displayed, [true, false, true, false])
        compare(catalogMenu().depth, 0)
        compare(catalogMenu().value, false)
    }

    // Exactly one tab's list is displayed while the page is shown, none once it is left.
    function test_tonightBestTabs() {
        const lists = [dsoBest, ssBest, doubleBest]
        for (const list of lists)
            list.displayed = []
        testHelper.publish("inj_astroList_dso_bt", dsoBest)
        testHelper.publish("inj_astroList_ss_bt", ssBest)
        testHelper.publish("inj_astroList_double_bt", doubleBest)
        click("utility")
        click("tonightBest")
        const page = stack().currentItem
        const tabs = findChild(page, "tabs")
        compare(tabs.currentIndex, 0)
        compare(dsoBest.displayed, [true])
        compare(catalogMenu().value, 1)
        tabs.currentIndex = 2
        compare(dsoBest.displayed, [true, false])
        compare(doubleBest.displayed, [true])
        tabs.currentIndex = 1
        compare(doubleBest.displayed, [true, false])
        compare(ssBest.displayed, [true])
        compare(catalogMenu().depth, 1)
        // A page above hides the list; coming back shows the same tab again.
        window.inj_objectInfoPage.go(inj_astroList_ss.getAstroObj(0))
        compare(ssBest.displayed, [true, false])
        compare(catalogMenu().depth, 0)
        stack().pop()
        compare(ssBest.displayed, [true, false, true])
        stack().pop()
        compare(ssBest.displayed, [true, false, true, false])
        compare(dsoBest.displayed, [true, false])
        compare(doubleBest.displayed, [true, false])
        compare(catalogMenu().depth, 0)
    }

    // The real named-star list: what is typed filters it, and a tapped row opens that object.
    function test_searchAndOpen() {
        inj_catalogSettings.enableAltRangeViewFilter = false
        inj_catalogSettings.enableVmagFilter = false
        click("star")
        click("namedStar")
        const page = stack().currentItem
        const field = findChild(page, "searchField")
        const view = findChild(page, "astroList")
        tryVerify(() => view.count > 100, 10000, "the full list")
        page.searchText = "Sirius"
        tryVerify(() => view.count >= 1 && view.count < 5, 10000, "found: " + view.count)
        const first = inj_astroList_star.list[0].a
        verify(first.indexOf("Sirius") >= 0, first)
        waitForRendering(view)
        // The tap counts once nothing modal (the launch connection's popup) lies over the list.
        tryVerify(() => {
            if (stack().currentItem === page)
                mouseClick(view.itemAtIndex(0))
            return stack().currentItem === window.inj_objectInfoPage
        }, 5000)
        const model = inj_objectInfoList.listModel
        const titleRole = 258
        const valueRole = 259
        const names = []
        for (let i = 0; i < model.rowCount(); ++i) {
            names.push(model.data(model.index(i, 0), titleRole))
            names.push(model.data(model.index(i, 0), valueRole))
        }
        verify(names.join(" ").indexOf("Sirius") >= 0, names.join(" "))
        stack().pop()
        compare(page.searchText, "Sirius", "the list page keeps its search")
        page.searchText = ""
    }

    // A double star's row in the smallest window shows its name and its whole position: laid
    // out as one grid with the line below, the long separation text took the name's width too,
    // and Hungarian lost the altitude ("DNy 231° +…"), Russian and German the names.
    function test_doubleStarRowWhole_data() {
        return ["en", "de", "hu", "ru", "ja", "fr"].map(code => ({ tag: code, language: code }))
    }

    function test_doubleStarRowWhole(data) {
        const kept = { width: window.width, height: window.height }
        inj_languageManager.language = data.language
        try {
            window.width = 320
            window.height = 480
            const separation = qsTranslate("mount", "Separation (arcsec)") + ": "
            const point = code => qsTranslate("cardinal_direction", code)
            doubleStars.list = [
                { isEnableListItem: true, a: "Omicron1 Cygni", b: "3.8",
                  c: point("SW") + " 231° -14°", d: separation + "106.7" },
                { isEnableListItem: true, a: "Ксамидимура", b: "-0.7",
                  c: point("NW") + " 337° +89°", d: separation + "34.5" }
            ]
            testHelper.publish("inj_astroList_double", doubleStars)
            click("star")
            click("doubleStar")
            const view = findChild(stack().currentItem, "astroList")
            tryCompare(view, "count", 2)
            waitForRendering(view)
            for (let i = 0; i < view.count; ++i) {
                const row = view.itemAtIndex(i)
                const label = name => {
                    const item = findChild(row, name)
                    verify(item, name)
                    return item
                }
                const [name, magnitude, position, detail] =
                    ["name", "magnitude", "position", "detail"].map(label)
                const what = doubleStars.list[i].a + ": "
                verify(!name.truncated, what + "the name cut")
                verify(!position.truncated && position.width >= position.implicitWidth - 0.5,
                       what + "the position cut, " + position.width + " of "
                       + position.implicitWidth)
                verify(name.x + name.width <= magnitude.x + 0.5, what + "the name on the magnitude")
                verify(position.x + position.width <= detail.x + 0.5,
                       what + "the position on the separation")
                verify(detail.x + detail.width <= row.width, what + "the separation past the row")
            }
        } finally {
            inj_languageManager.language = "en"
            window.width = kept.width
            window.height = kept.height
        }
    }
}

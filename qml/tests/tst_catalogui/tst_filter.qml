import QtQuick
import QtQuick.Controls
import QtTest
import Ko.Quorvel
import "qrc:/Util.js" as Util

// The header's sort-and-filter dialog and the magnitude page on the real catalog settings.
TestCase {
    id: testCase
    name: "Filter"
    when: windowShown

    property var window: null

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
        popup().close()
        tryCompare(popup(), "visible", false)
        window.inj_mainUIUtil.goHome()
        while (window.inj_mainUIUtil.showCatalogMenu.depth > 0)
            window.inj_mainUIUtil.showCatalogMenu.pop()
    }

    function popup() {
        return window.header.popupFilter
    }

    // Opens the dialog through the header's button, as on a catalog page in the given mode.
    function openFilter(mode) {
        window.inj_mainUIUtil.showCatalogMenu.push(mode)
        const button = findChild(window.header, "catalogFilterButton")
        verify(button.visible)
        mouseClick(button)
        tryCompare(popup(), "opened", true)
        return popup()
    }

    function test_filterTexts_data() {
        return [
            { tag: "both off", alt: false, vmag: false, altText: "Off", vmagText: "Off", mark: false },
            { tag: "altitude", alt: true, vmag: false, min: 0, max: 75, altText: "0~75°", vmagText: "Off",
              mark: true },
            { tag: "negative altitude rounds", alt: true, vmag: false, min: -9.6, max: 89.6,
              altText: "-10~90°", vmagText: "Off", mark: true },
            { tag: "magnitude", alt: false, vmag: true, star: 6.54, dso: 11, altText: "Off",
              vmagText: "Star: 6.5 Other: 11.0", mark: true }
        ]
    }

    function test_filterTexts(data) {
        const settings = inj_catalogSettings
        settings.enableAltRangeViewFilter = data.alt
        settings.enableVmagFilter = data.vmag
        if (data.alt) {
            inj_altRange.maxAlt = Util.degToRad(data.max)
            inj_altRange.minAlt = Util.degToRad(data.min)
        }
        if (data.vmag) {
            settings.maxStarVmag = data.star
            settings.maxDsoVmag = data.dso
        }
        const dialog = openFilter(1)
        compare(dialog.altitudeText, data.altText)
        compare(dialog.magnitudeText, data.vmagText)
        compare(findChild(dialog.contentItem, "altitudeFilter").value, data.altText)
        compare(findChild(dialog.contentItem, "filterMark").visible, data.mark)
        const icon = findChild(window.header, "catalogFilterButton").iconSource.toString()
        compare(icon.endsWith(data.mark ? "catalog_menu_filtered.png" : "catalog_menu.png"), true, icon)
        settings.enableAltRangeViewFilter = false
        settings.enableVmagFilter = false
    }

    function test_sortMarks_data() {
        return [
            { tag: "magnitude", order: CatalogSortOrder.Vmag, vmag: true, name: false },
            { tag: "name", order: CatalogSortOrder.Name, vmag: false, name: true },
            { tag: "azimuth has no row", order: CatalogSortOrder.Az, vmag: false, name: false }
        ]
    }

    function test_sortMarks(data) {
        inj_catalogSettings.sortOrder = data.order
        const dialog = openFilter(1)
        compare(findChild(dialog.contentItem, "sortMagnitude").marked, data.vmag)
        compare(findChild(dialog.contentItem, "sortName").marked, data.name)
        // A tap chooses and closes.
        mouseClick(findChild(dialog.contentItem, data.name ? "sortMagnitude" : "sortName"))
        compare(inj_catalogSettings.sortOrder, data.name ? CatalogSortOrder.Vmag : CatalogSortOrder.Name)
        tryCompare(dialog, "visible", false)
    }

    // The comet file's section shows on the comet list only; Update is never pressed here.
    function test_cometSection_data() {
        return [
            { tag: "catalog", mode: 1, shown: false },
            { tag: "comet", mode: 2, shown: true }
        ]
    }

    function test_cometSection(data) {
        const dialog = openFilter(data.mode)
        compare(findChild(dialog.contentItem, "cometDownload").visible, data.shown)
        if (data.shown) {
            compare(findChild(dialog.contentItem, "update").visible, !inj_cometFile.downloading)
            const text = findChild(dialog.contentItem, "lastUpdated").text
            verify(text === "" || /^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$/.test(text), text)
        }
    }

    function test_rowsOpenPages() {
        const dialog = openFilter(1)
        mouseClick(findChild(dialog.contentItem, "magnitudeFilter"))
        tryCompare(dialog, "visible", false)
        verify(window.inj_stackView.currentItem.toString().indexOf("MagnitudeLimitPage") === 0)
    }

    function magnitudePage() {
        window.inj_stackView.push("qrc:/Page/MagnitudeLimitPage.qml")
        return window.inj_stackView.currentItem
    }

    function test_magnitudeSwitch() {
        inj_catalogSettings.enableVmagFilter = false
        const page = magnitudePage()
        const star = findChild(page, "faintestStar")
        compare(star.enabled, false)
        mouseClick(findChild(page, "vmagFilter"))
        compare(inj_catalogSettings.enableVmagFilter, true)
        compare(star.enabled, true)
        compare(findChild(page, "faintestOther").enabled, true)
        inj_catalogSettings.enableVmagFilter = false
    }

    // What a field's text writes: a number as it is, empty as 0, no number not at all; the step
    // buttons move by 0.2 within -99 and 99.
    function test_magnitudeField_data() {
        return [
            { tag: "typed", text: "7", stored: 7, shown: "7" },
            { tag: "empty reads 0", text: "", stored: 0, shown: "" },
            { tag: "lone minus not written", text: "-", stored: 5, shown: "-" },
            { tag: "plus", start: 6.1, step: +1, stored: 6.3, shown: "6.3" },
            { tag: "minus", start: 6.1, step: -1, stored: 5.9, shown: "5.9" },
            { tag: "plus clamps", start: 98.9, step: +1, stored: 99, shown: "99.0" },
            { tag: "minus clamps", start: -98.9, step: -1, stored: -99, shown: "-99.0" }
        ]
    }

    function test_magnitudeField(data) {
        inj_catalogSettings.enableVmagFilter = true
        inj_catalogSettings.maxStarVmag = data.start !== undefined ? data.start : 5
        const field = findChild(magnitudePage(), "faintestStar").field
        compare(field.text, (data.start !== undefined ? data.start : 5).toFixed(1))
        if (data.step === undefined)
            field.text = data.text
        else
            mouseClick(findChild(field, data.step > 0 ? "incrementButton" : "decrementButton"))
        compare(field.text, data.shown)
        fuzzyCompare(inj_catalogSettings.maxStarVmag, data.stored, 1e-5)
        inj_catalogSettings.enableVmagFilter = false
    }

    // A row's name stays whole and apart from its value, which is cut short where the dialog has
    // no room for it: the German magnitude row ran "Helligkeit" into "Stern: 6.5 Andere: …".
    function test_rowNameApart_data() {
        return [
            { tag: "en", language: "en" },
            { tag: "de", language: "de" },
            { tag: "hu", language: "hu" },
            { tag: "ru", language: "ru" }
        ]
    }

    function test_rowNameApart(data) {
        inj_languageManager.language = data.language
        inj_catalogSettings.enableVmagFilter = true
        inj_catalogSettings.enableAltRangeViewFilter = true
        try {
            const dialog = openFilter(1)
            for (const name of ["altitudeFilter", "magnitudeFilter"]) {
                const row = findChild(dialog.contentItem, name)
                verify(row, name)
                const labels = Array.from(row.contentItem.children).filter(c => c.text !== undefined && c.visible)
                compare(labels.length, 2, name)
                const [title, value] = labels
                verify(title.width >= title.implicitWidth - 0.5, name + ": the name cut")
                verify(title.x + title.width + row.contentItem.spacing <= value.x + 0.5,
                       name + ": the name at " + title.x + "+" + title.width + ", the value at "
                       + value.x)
                verify(value.x + value.width <= row.contentItem.width + 0.5, name + ": the value")
            }
        } finally {
            inj_catalogSettings.enableVmagFilter = false
            inj_catalogSettings.enableAltRangeViewFilter = false
            inj_languageManager.language = "en"
        }
    }
}

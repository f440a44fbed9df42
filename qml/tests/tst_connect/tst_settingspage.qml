import QtQuick
import QtQuick.Controls
import QtTest
import Ko.AstroBase

// The connection settings page, checked against the settings file as stored. The folder's
// settings keep Find Devices off, so choosing the network tab never starts a search.
WindowRig {
    name: "ConnectSettingsPage"

    property var page: null

    function init() {
        page = window.inj_stackView.push("qrc:/Page/ConnectSettingsPage.qml")
        verify(page)
        tryCompare(page.StackView, "status", StackView.Active)
    }

    function cleanup() {
        if (window.inj_stackView.depth > 1)
            window.inj_stackView.pop()
        tryCompare(window.inj_stackView, "depth", 1)
        page = null
        // After the page is gone: a field that had the focus keeps its number on leaving.
        inj_connectSettings.readTimeoutMs_other = 1500
        inj_connectSettings.readTimeoutMs_BLE = 1000
        inj_connectSettings.fixedIP = "127.0.0.13"
        inj_connectSettings.searchIP = false
        window.width = 428
        window.height = 926
    }

    function stored(key) {
        return testHelper.storedSettings()[key]
    }

    function pagePart(name) {
        return findChild(page, name)
    }

    function selectTab(index) {
        mouseClick(pagePart("tab" + index))
        compare(page.tabBar.currentIndex, index)
    }

    function retype(field, text) {
        field.forceActiveFocus()
        field.selectAll()
        keyClick(Qt.Key_Delete)
        for (const c of text)
            keyClick(c)
    }

    function test_activation() {
        compare(stored("cxn.commtype"), ConnectionType.Emulator, "opening the page writes nothing")
        compare(page.tabBar.currentIndex, 2, "the stored type is the emulator")
        compare(window.inj_mainUIUtil.showHeader.value, false)
        compare(window.inj_mainUIUtil.showFooter.value, false)
        compare(findChild(page, "launchSwitch").checked, false)
        window.inj_stackView.pop()
        tryCompare(window.inj_mainUIUtil.showHeader, "value", true)
        compare(window.inj_mainUIUtil.showFooter.value, true)
    }

    function test_tabsSetType_data() {
        return [
            { tag: "network", tab: 0, type: ConnectionType.UDP },
            { tag: "ble", tab: 1, type: ConnectionType.BLE },
            { tag: "serial", tab: 3, type: ConnectionType.Serial },
            { tag: "emulator", tab: 2, type: ConnectionType.Emulator }
        ]
    }

    function test_tabsSetType(data) {
        selectTab(data.tab)
        compare(stored("cxn.commtype"), data.type)
        compare(stored("cxn.dosearch"), false)
    }

    function test_findDevicesDisablesFixedIp() {
        selectTab(0)
        const row = pagePart("fixedIpRow")
        compare(row.enabled, true)
        mouseClick(pagePart("searchSwitch"))
        compare(stored("cxn.dosearch"), true)
        compare(row.enabled, false)
        mouseClick(pagePart("searchSwitch"))
        compare(stored("cxn.dosearch"), false)
        compare(row.enabled, true)
    }

    // One to four numbers of 0 to 255 between dots.
    function test_fixedIpRule_data() {
        return [
            { tag: "full address", typed: "10.0.0.7", stored: "10.0.0.7" },
            { tag: "three groups", typed: "192.168.4", stored: "192.168.4" },
            { tag: "one group", typed: "7", stored: "7" },
            // The keys that would break the rule are refused.
            { tag: "above 255", typed: "256", stored: "25" },
            { tag: "five groups", typed: "1.2.3.4.5", stored: "1.2.3.45" },
            { tag: "leading dot", typed: ".5", stored: "5" }
        ]
    }

    function test_fixedIpRule(data) {
        selectTab(0)
        const field = pagePart("fixedIpField")
        retype(field, data.typed)
        keyClick(Qt.Key_Return)
        compare(stored("cxn.ip"), data.stored)
        inj_connectSettings.fixedIP = "127.0.0.13"
    }

    // The BLE tab has its own read time-out; the network and serial tabs share the other one.
    function test_readTimeout_data() {
        return [
            { tag: "network", tab: 0, shows: "1500", key: "cxn.resends", other: "cxn.timeoutms_ble" },
            { tag: "ble", tab: 1, shows: "1000", key: "cxn.timeoutms_ble", other: "cxn.resends" },
            { tag: "serial", tab: 3, shows: "1500", key: "cxn.resends", other: "cxn.timeoutms_ble" }
        ]
    }

    function test_readTimeout(data) {
        selectTab(data.tab)
        const field = pagePart("timeoutField" + data.tab)
        compare(field.text, data.shows)
        const other = stored(data.other)
        retype(field, "750")
        keyClick(Qt.Key_Return)
        compare(stored(data.key), 750)
        compare(stored(data.other), other)
        inj_connectSettings.readTimeoutMs_other = 1500
        inj_connectSettings.readTimeoutMs_BLE = 1000
    }

    // The read time-out as every number field: text it cannot take is tinted while typed, and
    // nothing is stored until the typing is settled (no 7 ms of "750" on the way); left, the
    // field shows what is stored.
    function test_readTimeoutTyped_data() {
        const network = { tab: 0, key: "cxn.resends", property: "readTimeoutMs_other" }
        const ble = { tab: 1, key: "cxn.timeoutms_ble", property: "readTimeoutMs_BLE" }
        return [
            { tag: "above the top", pane: network, typed: "9999", tinted: true, stored: 1500 },
            { tag: "negative", pane: network, typed: "-5", tinted: true, stored: 1500 },
            { tag: "letters", pane: network, typed: "12a", tinted: true, stored: 1500 },
            { tag: "emptied", pane: network, typed: "", tinted: false, stored: 1500 },
            { tag: "top", pane: network, typed: "5000", tinted: false, stored: 5000 },
            { tag: "zero", pane: network, typed: "0", tinted: false, stored: 0 },
            { tag: "750 left with Enter", pane: network, typed: "750", enter: true,
              tinted: false, stored: 750 },
            { tag: "ble above the top", pane: ble, typed: "9999", tinted: true, stored: 1000 },
            { tag: "ble 250", pane: ble, typed: "250", tinted: false, stored: 250 }
        ]
    }

    function test_readTimeoutTyped(data) {
        selectTab(data.pane.tab)
        const field = pagePart("timeoutField" + data.pane.tab)
        const before = stored(data.pane.key)
        retype(field, data.typed)
        compare(field.text, data.typed, "every key typed stays")
        const tint = findChild(field, "refusedTint")
        verify(tint, "the field tints what it refuses")
        compare(tint.visible, data.tinted, "tinted while typed")
        compare(stored(data.pane.key), before, "nothing stored while typed")
        if (data.enter) {
            keyClick(Qt.Key_Return)
            compare(stored(data.pane.key), data.stored, "Enter settles")
        }
        keyClick(Qt.Key_Tab)
        tryCompare(field, "activeFocus", false)
        compare(inj_connectSettings[data.pane.property], data.stored)
        if (stored(data.pane.key) !== undefined)
            compare(stored(data.pane.key), data.stored)
        compare(field.text, String(data.stored), "left, it shows what is stored")
        compare(tint.visible, false)
    }

    // Not being edited, the fixed address field shows the address stored, from its start, at
    // the smallest window too: a part typed that is no address was not stored. Greyed, it has
    // no clear button, whose room the address takes.
    function test_fixedIpShown_data() {
        return [
            { tag: "opened with Find Devices on, 320×480", search: true, width: 320,
              stored: "192.168.4.1" },
            { tag: "opened, 428×926", width: 428, stored: "192.168.4.1" },
            { tag: "long address typed, 320×480", width: 320, typed: "100.200.250.255",
              stored: "100.200.250.255", overflows: true },
            { tag: "part of an address typed", width: 320, typed: "10.0.",
              stored: "192.168.4.1" },
            { tag: "emptied", width: 320, typed: "", stored: "192.168.4.1" },
            { tag: "cleared with its button", width: 320, clear: true, stored: "192.168.4.1" }
        ]
    }

    function test_fixedIpShown(data) {
        window.inj_stackView.pop()
        tryCompare(window.inj_stackView, "depth", 1)
        inj_connectSettings.fixedIP = "192.168.4.1"
        inj_connectSettings.searchIP = !!data.search
        window.width = data.width
        window.height = data.width === 320 ? 480 : 926
        init()
        tryCompare(page, "width", data.width)
        selectTab(0)
        const field = pagePart("fixedIpField")
        if (data.typed !== undefined) {
            retype(field, data.typed)
            keyClick(Qt.Key_Tab)
        } else if (data.clear) {
            mouseClick(findChild(field, "clearButton"))
            compare(field.text, "")
            keyClick(Qt.Key_Tab)
        }
        tryCompare(field, "activeFocus", false)
        compare(stored("cxn.ip"), data.stored)
        compare(field.text, data.stored, "left, it shows what is stored")
        compare(pagePart("fixedIpRow").enabled, !data.search)
        const room = field.width - field.leftPadding - field.rightPadding
        if (data.overflows)
            verify(field.contentWidth > room, "the address is wider than the field")
        // Positions count from the padding's inner edge.
        fuzzyCompare(field.positionToRectangle(0).x, 0, 0.5, "the first character at the start")
        compare(findChild(field, "clearButton").visible, !data.search)
    }

    // Only whole numbers from 1 to 100 are stored, whatever the field holds on the way.
    function test_resendTries_data() {
        return [
            { tag: "emptied", edit: f => retype(f, ""), stored: 1 },
            { tag: "zero", edit: f => retype(f, "0"), stored: 1 },
            { tag: "above the range", edit: f => retype(f, "150"), stored: 1 },
            { tag: "above the range from 57", edit: f => { retype(f, "57"); f.focus = false
                                                           retype(f, "570") }, stored: 57 },
            { tag: "typed", edit: f => retype(f, "57"), stored: 57 },
            { tag: "increment", edit: f => mouseClick(findChild(f, "incrementButton")), stored: 2 },
            { tag: "decrement at the bottom", edit: f => mouseClick(findChild(f, "decrementButton")),
              stored: 1 }
        ]
    }

    function test_resendTries(data) {
        selectTab(0)
        const field = pagePart("resendField0")
        compare(field.text, "1")
        data.edit(field)
        const value = stored("cxn.timeoutms")
        compare(value === undefined ? 1 : value, data.stored)
        // Left, the field shows the number kept.
        field.focus = false
        compare(field.text, String(data.stored))
        inj_connectSettings.maxRetryCount = 1
    }

    function test_serialPortTypedWithoutEnter() {
        selectTab(3)
        const box = pagePart("portBox")
        verify(box.visible)
        box.contentItem.forceActiveFocus()
        box.editText = ""
        for (const c of "/dev/ttyKO9 ")
            keyClick(c)
        window.inj_stackView.pop()
        tryCompare(window.inj_stackView, "depth", 1)
        compare(stored("cxn.serialname"), "/dev/ttyKO9")
    }

    function test_modeChoice() {
        const box = pagePart("modeBox")
        compare(box.tr_currentValue, DualModeChoice.UseEQ)
        box.currentIndex = 2
        box.activated(2)
        compare(stored("connect_multi_mountmode"), DualModeChoice.UseAZ)
        inj_connectSettings.dualModeChoice = DualModeChoice.UseEQ
    }
}

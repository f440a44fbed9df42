import QtQuick
import QtQuick.Controls
import QtTest
import Ko.AstroBase

// The Wi-Fi page on the real service over a scripted module; no mount is needed for it.
TestCase {
    id: testCase
    name: "WifiPage"
    when: windowShown

    property var window: null
    property var page: null

    readonly property var both: ({
        mode: WifiMode.Both,
        ap: { ssid: "Mount-AP", pass: "apsecret1", channel: 6, wifiSec: WifiSec.WPA2_PSK },
        sta: { ssid: "Home", pass: "homepass", fixedIp: "" },
        state: WMState.AD
    })
    readonly property var stationOnly: ({
        mode: WifiMode.STA,
        sta: { ssid: "Home", pass: "homepass", fixedIp: "192.168.1.20" },
        state: WMState.SS
    })

    function initTestCase() {
        window = Qt.createComponent("qrc:/main.qml").createObject(testCase)
        verify(window)
    }

    function cleanup() {
        window.inj_mainUIUtil.goHome()
        page = null
        resetService()
        testHelper.detachWifi()
    }

    // Brings the service back to "nothing written": a pending write is finished, its result
    // cleared.
    function resetService() {
        for (let i = 0; i < 4 && inj_wifiConfig.lastWriteResult !== undefined; ++i) {
            testHelper.attachWifi([both, both, both], ["done"])
            stateSpy.clear()
            inj_wifiConfig.proceedNextAsync()
            tryVerify(() => stateSpy.count >= 2 && !inj_wifiConfig.busy)
        }
        compare(inj_wifiConfig.lastWriteResult, undefined)
        tryVerify(() => !inj_wifiConfig.busy)
    }

    SignalSpy {
        id: stateSpy
        target: inj_wifiConfig
        signalName: "shownChanged"
    }

    function open(reads, steps) {
        testHelper.attachWifi(reads, steps || [])
        stateSpy.clear()
        page = window.inj_stackView.push("qrc:/Page/WifiConfigPage.qml")
        verify(page)
        // The read on entry reports twice: busy, then done.
        tryVerify(() => stateSpy.count >= 2 && !page.showBusyLayer)
        return page
    }

    function child(name) {
        const item = findChild(page, name)
        verify(item, name)
        return item
    }

    function check(name) {
        const box = child(name)
        if (!box.checked)
            mouseClick(box)
        verify(box.checked, name)
    }

    // Valid access-point and station fields, so a row changes one thing at a time.
    function fillValid() {
        child("apSsid").text = "Field-AP"
        child("apPass").text = "longenough"
        child("apChannel").text = "11"
        child("apSecurity").tr_setFromValue(WifiSec.WPA2_PSK)
        child("staSsid").text = "Cabin"
        child("staPass").text = ""
        page.dhcpSwitch.checked = false
        child("staIp").text = "10.0.0.5"
    }

    function test_inputRules_data() {
        return [
            { tag: "fixed IP 256", sta: true, field: "staIp", text: "192.168.1.256", apply: false, red: true },
            { tag: "fixed IP 25", sta: true, field: "staIp", text: "192.168.1.25", apply: true, red: false },
            { tag: "fixed IP of three groups", sta: true, field: "staIp", text: "192.168.1", apply: false, red: true },
            { tag: "fixed IP group of four digits", sta: true, field: "staIp", text: "192.168.1.1000", apply: false, red: true },
            { tag: "fixed IP ignored with DHCP", sta: true, dhcp: true, field: "staIp", text: "1.2.3", apply: true, red: true },
            { tag: "station SSID empty", sta: true, field: "staSsid", text: "", apply: false, red: false },
            { tag: "station password empty", sta: true, field: "staPass", text: "", apply: true, red: false },
            { tag: "channel 0", ap: true, field: "apChannel", text: "0", apply: false, red: true },
            { tag: "channel 15", ap: true, field: "apChannel", text: "15", apply: false, red: true },
            { tag: "channel 1", ap: true, field: "apChannel", text: "1", apply: true, red: false },
            { tag: "channel 14", ap: true, field: "apChannel", text: "14", apply: true, red: false },
            { tag: "7-character WPA2 password", ap: true, field: "apPass", text: "1234567", apply: false, red: true },
            { tag: "7-character open password", ap: true, sec: WifiSec.Open, field: "apPass", text: "1234567", apply: true, red: true },
            { tag: "access-point SSID empty", ap: true, field: "apSsid", text: "", apply: false, red: false },
            { tag: "no security chosen", ap: true, sec: -1, field: "apSsid", text: "x", apply: false, red: false },
            { tag: "both switches off", ap: true, sta: true, apOn: false, staOn: false, field: "apSsid", text: "x", apply: false, red: false },
            { tag: "nothing to modify", field: "apSsid", text: "x", apply: false, red: false },
            { tag: "access point off skips its fields", ap: true, apOn: false, field: "apChannel", text: "99", apply: true, red: true }
        ]
    }

    function test_inputRules(data) {
        open([both])
        if (data.ap)
            check("modifyAp")
        if (data.sta)
            check("modifySta")
        fillValid()
        page.apSwitch.checked = data.apOn !== false
        page.staSwitch.checked = data.staOn !== false
        page.dhcpSwitch.checked = data.dhcp === true
        if (data.sec !== undefined)
            child("apSecurity").tr_setFromValue(data.sec)
        child(data.field).text = data.text
        compare(page.applyEnabled, data.apply)
        compare(child("applyButton").enabled, data.apply)
        compare(child(data.field).invalid, data.red)
    }

    function test_settingWritten_data() {
        const ap = { ssid: "Field-AP", pass: "longenough", channel: 11, wifiSec: WifiSec.WPA2_PSK }
        return [
            { tag: "access point only", ap: true, apOn: true, staOn: true,
              want: { mode: WifiMode.Both, ap: ap } },
            { tag: "station only, access point off", sta: true, apOn: false, staOn: true,
              want: { mode: WifiMode.STA, sta: { ssid: "Cabin", pass: "", fixedIp: "10.0.0.5" } } },
            { tag: "both, station by DHCP", ap: true, sta: true, apOn: true, staOn: true, dhcp: true,
              want: { mode: WifiMode.Both, ap: ap, sta: { ssid: "Cabin", pass: "", fixedIp: "" } } },
            { tag: "access point switched off", ap: true, apOn: false, staOn: true,
              want: { mode: WifiMode.STA } },
            { tag: "station switched off", sta: true, apOn: true, staOn: false,
              want: { mode: WifiMode.AP } },
            { tag: "open network keeps the password", ap: true, apOn: true, staOn: false, sec: WifiSec.Open,
              pass: "short",
              want: { mode: WifiMode.AP, ap: { ssid: "Field-AP", pass: "short", channel: 11, wifiSec: WifiSec.Open } } }
        ]
    }

    function test_settingWritten(data) {
        open([both], ["done"])
        if (data.ap)
            check("modifyAp")
        if (data.sta)
            check("modifySta")
        fillValid()
        page.apSwitch.checked = data.apOn
        page.staSwitch.checked = data.staOn
        page.dhcpSwitch.checked = data.dhcp === true
        if (data.sec !== undefined)
            child("apSecurity").tr_setFromValue(data.sec)
        if (data.pass !== undefined)
            child("apPass").text = data.pass
        verify(page.applyEnabled)
        mouseClick(child("applyButton"))
        tryVerify(() => testHelper.wifiTargets().length === 1)
        compare(testHelper.wifiTargets()[0], data.want)
        tryVerify(() => page.showResultLayer && !inj_wifiConfig.busy)
    }

    function test_refill_data() {
        return [
            { tag: "both halves", read: both, apOn: true, staOn: true, apSsid: "Mount-AP",
              channel: "6", sec: WifiSec.WPA2_PSK, staSsid: "Home", dhcp: true, ip: "",
              via: "Connected via Access Point network" },
            { tag: "station only", read: stationOnly, apOn: false, staOn: true, apSsid: "",
              channel: "", sec: -1, staSsid: "Home", dhcp: false, ip: "192.168.1.20",
              via: "Connected via Station network" }
        ]
    }

    function test_refill(data) {
        open([both, data.read])
        check("modifyAp")
        check("modifySta")
        child("apSsid").text = "edited"
        child("staSsid").text = "edited"
        // A read made while the page is open refills both halves and drops the edits.
        stateSpy.clear()
        inj_wifiConfig.enterPage()
        tryVerify(() => stateSpy.count >= 2 && !page.showBusyLayer)
        compare(child("modifyAp").checked, false)
        compare(child("modifySta").checked, false)
        compare(page.apSwitch.checked, data.apOn)
        compare(page.staSwitch.checked, data.staOn)
        compare(child("apSsid").text, data.apSsid)
        compare(child("apChannel").text, data.channel)
        compare(child("apSecurity").tr_currentValue === undefined ? -1 : child("apSecurity").tr_currentValue,
                data.sec)
        compare(child("staSsid").text, data.staSsid)
        compare(page.dhcpSwitch.checked, data.dhcp)
        compare(child("staIp").text, data.ip)
        verify(findChild(page, "connectedVia").text === data.via)
        // Unchecking by hand refills that half too.
        check("modifySta")
        child("staSsid").text = "again"
        mouseClick(child("modifySta"))
        compare(child("staSsid").text, data.staSsid)
    }

    function test_readDefaultAp_data() {
        return [
            { tag: "no access-point part, switched on", read: stationOnly, modify: true, apOn: true, shown: true },
            { tag: "not modifying", read: stationOnly, modify: false, apOn: true, shown: false },
            { tag: "access point off", read: stationOnly, modify: true, apOn: false, shown: false },
            { tag: "access-point part present", read: both, modify: true, apOn: true, shown: false }
        ]
    }

    function test_readDefaultAp(data) {
        open([data.read, both])
        if (data.modify)
            check("modifyAp")
        page.apSwitch.checked = data.apOn
        const button = findChild(page, "readDefaultAp")
        compare(button.visible, data.shown)
        if (!data.shown)
            return
        mouseClick(button)
        tryVerify(() => child("apSsid").text === "Mount-AP")
        verify(!button.visible)
    }

    function test_layers_data() {
        return [
            { tag: "written", step: "done", result: "Settings written", intermediate: false, hint: "" },
            { tag: "intermediate", step: "step", result: "Settings written", intermediate: true, hint: "" },
            { tag: "failed", step: "fail", result: "Failed to write settings", intermediate: false, hint: "" },
            { tag: "join the access point", step: "cut AP", result: "Settings written", intermediate: true,
              hint: "Please re-connect Wi-Fi to Access Point network." },
            { tag: "join the station", step: "cut STA", result: "Settings written", intermediate: true,
              hint: "Please re-connect Wi-Fi to Station network." }
        ]
    }

    function test_layers(data) {
        testHelper.attachWifi([], [])
        testHelper.holdWifi(true)
        page = window.inj_stackView.push("qrc:/Page/WifiConfigPage.qml")
        // Reading: the busy layer covers the input.
        tryVerify(() => child("busyLayer").visible && !child("readButton").visible)
        testHelper.holdWifi(false)
        // The module did not answer: "Read settings" reads again.
        tryVerify(() => child("readButton").visible)
        verify(child("busyLayer").visible)
        verify(child("readButton").enabled)
        testHelper.attachWifi([both], [data.step])
        mouseClick(child("readButton"))
        tryVerify(() => !child("busyLayer").visible)
        check("modifyAp")
        fillValid()
        mouseClick(child("applyButton"))
        tryVerify(() => child("resultLayer").visible)
        compare(child("resultText").text, data.result)
        compare(child("intermediateText").visible, data.intermediate)
        compare(child("reconnectText").visible, data.hint !== "")
        if (data.hint !== "") {
            compare(child("reconnectText").text, data.hint)
            // The link is gone with the step: "Next" waits for the module to come back.
            tryVerify(() => !child("nextButton").enabled)
            compare(inj_mountConnection.hasWifi, false)
        } else {
            verify(child("nextButton").enabled)
        }
    }

    // A read that comes back empty brings "Read settings" back with word of why: the mount does
    // not answer, or the module replied and refused. The word goes while the next read runs, and
    // stays away once a read answers.
    function test_unansweredRead_data() {
        const silent = "The mount does not answer."
        const refused = "The Wi-Fi module refused to give its settings."
        return [
            { tag: "unanswered", reads: ["-"], said: [silent] },
            { tag: "refused", reads: ["!"], said: [refused] },
            { tag: "unanswered, then answered", reads: ["-", both], said: [silent, ""] },
            { tag: "refused, then answered", reads: ["!", both], said: [refused, ""] },
            { tag: "refused, then unanswered", reads: ["!", "-"], said: [refused, silent] },
            { tag: "unanswered, then refused", reads: ["-", "!"], said: [silent, refused] },
            { tag: "answered", reads: [both], said: [""] }
        ]
    }

    function test_unansweredRead(data) {
        testHelper.attachWifi(data.reads, [])
        page = window.inj_stackView.push("qrc:/Page/WifiConfigPage.qml")
        for (let i = 0; i < data.said.length; ++i) {
            if (i > 0) {
                testHelper.holdWifi(true)
                mouseClick(child("readButton"))
                tryVerify(() => inj_wifiConfig.busy)
                verify(!child("noAnswer").visible)
                testHelper.holdWifi(false)
            }
            tryVerify(() => testHelper.wifiReadCount() === i + 1)
            // The page hears of the read's end after the module has been asked: waited for by
            // what it then shows.
            const told = data.said[i] !== ""
            if (told)
                tryCompare(child("noAnswer"), "text", data.said[i])
            tryCompare(child("busyLayer"), "visible", told)
            tryVerify(() => !inj_wifiConfig.busy)
            compare(child("noAnswer").visible, told)
            if (told) {
                verify(child("readButton").visible)
                compare(child("noAnswer").text, data.said[i])
            }
        }
    }

    function test_windowBarsHidden() {
        open([both])
        verify(!window.header.visible)
        verify(!window.footer.visible)
        window.inj_stackView.pop()
        verify(window.header.visible)
        verify(window.footer.visible)
    }
}

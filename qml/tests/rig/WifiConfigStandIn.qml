import QtQuick
import Ko.AstroBase

// What the Wi-Fi page reads of its service (the emulated mount has no Wi-Fi module), set per
// case; shownChanged tells the page to read it again. The page also wants a connection whose
// hasWifi is true.
QtObject {
    property bool busy: false
    property bool hasCurrentSetting: true
    property var currentSetting: ({
        mode: WifiMode.Both,
        ap: { ssid: "Mount-AP", pass: "apsecret1", channel: 6, wifiSec: WifiSec.WPA2_PSK },
        sta: { ssid: "Home network", pass: "", fixedIp: "192.168.1.40" },
        state: WMState.AD
    })
    property var lastWriteResult: undefined
    property bool readFailed: false
    property bool readRefused: false
    signal shownChanged
    function enterPage() {}
    function proceedNextAsync() {}
    function writeAsync(s) {}
    function writeWifiBothAndReadAsync() {}
    function newWifiSetting() { return {} }
    function newWifiAPSetting() { return {} }
    function newWifiSTASetting() { return {} }
}

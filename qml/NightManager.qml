import QtQuick
import QtQuick.Controls.Material

// Day and night colours of the window and the footer. The setting is evaluated when it changes
// and when the window item is set, never on a timer: in Auto the switch waits for the next start
// or the next change of the setting.
QtObject {
    id: manager

    enum Setting {
        Off = 0,
        On = 1,
        Auto = 2
    }

    property QtObject _m: QtObject {
        readonly property var kvStore: inj_kvStore
    }

    property int setting: _m.kvStore.loadInt("night_mode", NightManager.Setting.Auto)
    readonly property bool isNight: _isNight
    property QtObject appWindow: null
    property QtObject footer: null
    // Where Auto takes the time from; tests put a fixed clock here.
    property var now: function () {
        return new Date()
    }

    readonly property color dayPrimary: "#00c566"
    readonly property color nightPrimary: Qt.darker(Qt.darker("brown"))
    // The background of the main header and the slew pad.
    readonly property color barColor: isNight ? nightPrimary : dayPrimary

    property bool _isNight: false
    property bool _applied: false

    function nightAt(hour) {
        return hour >= 18 || hour <= 6
    }

    function evaluate() {
        const night = setting === NightManager.Setting.On
            || (setting === NightManager.Setting.Auto && nightAt(now().getHours()))
        if (night === _isNight && _applied)
            return
        _isNight = night
        _applied = false
        if (!appWindow || !footer)
            return
        _paint(appWindow)
        _paint(footer)
        _applied = true
    }

    function _paint(item) {
        if (_isNight) {
            item.Material.theme = Material.Dark
            item.Material.accent = "red"
            item.Material.background = "black"
            item.Material.foreground = Material.Red
            item.Material.primary = nightPrimary
        } else {
            item.Material.theme = Material.Light
            item.Material.accent = "#607D8B"
            item.Material.background = "#fafafa"
            item.Material.foreground = "#dd000000"
            item.Material.primary = dayPrimary
        }
    }

    onSettingChanged: {
        _m.kvStore.saveInt("night_mode", setting)
        evaluate()
    }
    onAppWindowChanged: evaluate()
    onFooterChanged: {
        if (!_applied)
            evaluate()
    }
}

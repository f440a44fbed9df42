import QtQuick
import Ko.AstroBase
import "rig"
import "rig/Find.js" as Find

// The Wi-Fi page (over a stand-in service: the emulated mount has no Wi-Fi module), the
// user-object pages and the camera pages, in day and night colours.
QtObject {
    id: driver

    property var page: null
    // A tab bar slides its underline to the chosen tab: pictured once it has arrived.
    property bool settled: false
    property Timer settle: Timer {
        interval: 500
        onTriggered: settled = true
    }

    // What the Wi-Fi page reads of its service, set per picture.
    property WifiConfigStandIn wifi: WifiConfigStandIn {}
    property QtObject wifiLink: QtObject {
        property bool hasWifi: true
        property bool connected: true
        property var mount: null
    }


    function push(url, props) {
        page = probe.window.inj_stackView.push(url, props || {})
    }

    function home() {
        probe.window.inj_mainUIUtil.goHome()
        page = null
    }

    // unanswered: the last read came back without the settings; refused: the module said no.
    function setWifi(busy, result, unanswered, refused) {
        wifi.busy = busy
        wifi.lastWriteResult = result
        wifi.hasCurrentSetting = !unanswered
        wifi.readFailed = !!unanswered
        wifi.readRefused = !!refused
        wifi.shownChanged()
    }

    // A user-object list whose position read has failed: the page shows no position.
    property QtObject unreadList: QtObject {
        property var list: []
        function objectLoadCurrent() {
            return unreadRecord.createObject(driver)
        }
    }
    property Component unreadRecord: Component {
        QtObject {
            property string name: "Current object"
            property bool hasPosition: false
            property real ra: 0
            property real dec: 0
            property bool isJ2000: true
            signal loaded
            function loadCurrentAsync() {
                loaded()
            }
        }
    }

    function addObjects() {
        const objects = [["M42", 5.588, -5.39], ["Andromeda", 0.712, 41.27], ["Polaris", 2.53, 89.26]]
        for (const [name, ra, dec] of objects) {
            const o = inj_userObject_CE.objectLoadCurrent()
            o.name = name
            o.ra = ra
            o.dec = dec
            inj_userObject_CE.save(o)
        }
        for (const [name, a1, a2] of [["Church tower", 120.5, 10.25], ["Tree", -35, 5]]) {
            const o = inj_userObject_TE.objectLoadCurrent()
            o.name = name
            o.axis1 = a1
            o.axis2 = a2
            inj_userObject_TE.save(o)
        }
        inj_cameraControl.list = []
        inj_cameraControl.add()
        inj_cameraControl.add()
        const g = inj_cameraControl.load(1)
        g.photos = 20
        g.exposureSec = 120
        g.photoIntervalSec = 5
        g.enExposure = false
        inj_cameraControl.save(g)
    }

    function phase(mode, setting) {
        const w = probe.window
        return [
            { run: () => {
                  w.inj_nightManager.setting = setting
                  probe.publish("inj_wifiConfig", wifi)
                  probe.publish("inj_mountConnection", wifiLink)
                  setWifi(false, undefined)
                  push("qrc:/Page/WifiConfigPage.qml")
              },
              wait: () => page !== null && !page.showBusyLayer, shot: "wifi_" + mode },
            { run: () => {
                  Find.itemNamed(page, "modifyAp").checked = true
                  Find.itemNamed(page, "modifySta").checked = true
                  page.dhcpSwitch.checked = false
                  Find.itemNamed(page, "apChannel").text = "15"
                  Find.itemNamed(page, "staIp").text = "192.168.1.256"
              },
              wait: () => !page.applyEnabled, shot: "wifi_invalid_" + mode },
            { run: () => setWifi(true, undefined), wait: () => page.showBusyLayer,
              shot: "wifi_busy_" + mode },
            { run: () => setWifi(false, undefined, true),
              wait: () => page.showBusyLayer && Find.itemNamed(page, "noAnswer").visible,
              shot: "wifi_unanswered_" + mode },
            { run: () => setWifi(false, undefined, true, true),
              wait: () => page.showBusyLayer && Find.itemNamed(page, "noAnswer").visible
                          && wifi.readRefused,
              shot: "wifi_refused_" + mode },
            { run: () => setWifi(false, { ok: true, allDone: false, needConnect: WifiMode.AP }),
              wait: () => page.showResultLayer, shot: "wifi_result_" + mode },
            { run: () => {
                  home()
                  probe.restore("inj_wifiConfig")
                  probe.restore("inj_mountConnection")
                  push("qrc:/Page/UserObjectsPage.qml", { isAxis: false, profileList: inj_userObject_CE })
              },
              wait: () => page !== null && page.profile !== null && !page.reading, timeoutMs: 5000 },
            { wait: () => Find.itemNamed(page, "nameField").text === "Current object",
              shot: "celestial_" + mode },
            { run: () => Find.itemNamed(page, "editButton").clicked(), wait: () => Find.itemNamed(page, "pane").editMode,
              shot: "celestial_edit_" + mode },
            { run: () => {
                  home()
                  push("qrc:/Page/UserObjectsPage.qml", { isAxis: false, profileList: unreadList })
              },
              wait: () => page !== null && page.profile !== null && !page.positionShown,
              shot: "celestial_unread_" + mode },
            // Save with no position: the toast says why nothing was saved.
            { run: () => {
                  Find.itemNamed(Find.itemNamed(page, "pane"), "saveButton").clicked()
                  settled = false
                  settle.restart()
              },
              wait: () => w.inj_toaster.count > 0 && settled, shot: "celestial_unread_save_" + mode },
            { run: () => {
                  home()
                  push("qrc:/Page/UserObjectsPage.qml", { isAxis: true, profileList: inj_userObject_TE })
              },
              wait: () => page !== null && page.profile !== null && !page.reading,
              shot: "terrestrial_" + mode },
            { run: () => Find.itemNamed(page, "editButton").clicked(), wait: () => Find.itemNamed(page, "pane").editMode,
              shot: "terrestrial_edit_" + mode },
            { run: () => {
                  home()
                  inj_cameraControl.isBulb = false
                  push("qrc:/Page/CameraControlPage.qml")
              },
              wait: () => page !== null && Find.itemNamed(page, "startButton").enabled, shot: "camera_timer_" + mode },
            { run: () => page.editGroup(1), wait: () => w.inj_stackView.currentItem !== page,
              shot: "camera_group_" + mode },
            { run: () => w.inj_stackView.pop(), wait: () => w.inj_stackView.currentItem === page },
            { run: () => {
                  Find.itemNamed(page, "modeBar").currentIndex = 1
                  settled = false
                  settle.restart()
              },
              wait: () => inj_cameraControl.isBulb && settled, shot: "camera_bulb_" + mode },
            { run: () => {
                  inj_cameraControl.isBulb = false
                  home()
              } }
        ]
    }

    function steps() {
        return [
            { run: () => inj_iConnectable.startSession(), wait: () => inj_mountConnection.connected,
              timeoutMs: 15000 },
            { run: () => addObjects() }
        ].concat(phase("day", 0), phase("night", 1), [
            { run: () => inj_iConnectable.startNextAction(), wait: () => !inj_mountConnection.connected }
        ])
    }
}

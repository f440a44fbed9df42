import QtQuick

// Rows whose value wraps: the identify page with short and long directions, and the settings
// pages built of labelled rows, in day and night colours, at the probe's --window-size in its
// --language.
QtObject {
    property var page: null
    property QtObject identify: QtObject {
        signal readError
        property bool useDeviceOri: false
        property string azAlt: ""
        property string raDec: ""
        property var list: [{ isEnableListItem: true, a: "Alpheratz", b: "1°02′", c: "Star",
                              d: "Magnitude 2.1" }]
        function refresh() {
        }
        function getAstroObj(index) {
            return null
        }
    }

    function show(name) {
        const stack = probe.window.inj_stackView
        while (stack.depth > 1)
            stack.pop()
        page = Qt.createComponent("qrc:/Page/" + name + ".qml").createObject(null)
        stack.push(page)
    }

    function shown() {
        return page !== null && probe.window.inj_stackView.currentItem === page && page.width > 0
    }

    function phase(mode, setting) {
        const w = probe.window
        const directions = [["short", "N 0°  0°", "0h00m00s  0°00′00″"],
                            ["wrapping", qsTranslate("cardinal_direction", "NW") + " 335° -14°",
                             "7h04m12s +52°18′00″"],
                            ["longest", qsTranslate("cardinal_direction", "SW") + " 247° -89°",
                             "23h59m59s -89°59′59″"]]
        let list = [{ run: () => {
                          w.inj_nightManager.setting = setting
                          w.inj_mainFooter.requestDisplay(true)
                          probe.publish("inj_identifyList", identify)
                          show("IdentifyPage")
                      },
                      wait: () => shown() }]
        for (const [name, azAlt, raDec] of directions)
            list.push({ run: () => {
                            identify.azAlt = azAlt
                            identify.raDec = raDec
                        },
                        wait: () => shown(), shot: "identify_" + name + "_" + mode })
        for (const name of ["UserInterfacePage", "AdvancedPage", "AltitudeLimitPage"])
            list.push({ run: () => show(name), wait: () => shown(), shot: name + "_" + mode })
        return list
    }

    function steps() {
        return phase("day", 0).concat(phase("night", 1))
    }
}

import QtQuick

// Menus (disconnected and connected), a star list with search text, tonight's best, the filter
// dialog in both modes, the magnitude page, the object page with Go To allowed and refused, the
// information and identify pages; in day and night colours. The site is at 46 degrees north.
QtObject {
    // Shown for real, the comet list would fetch a new comet file from the internet.
    property QtObject cometList: QtObject {
        property var list: []
        property bool loadingList: false
        function setDisplayed(value) {
        }
        function setSearchText(text) {
        }
    }

    // A comet file whose last download failed.
    property QtObject failedCometFile: QtObject {
        property bool downloading: false
        property var downloadTime: new Date(2026, 11, 1, 21, 30, 0)
        property string failure: "Host www.minorplanetcenter.net not found"
        function downloadAsync() {
        }
    }

    function steps() {
        const w = probe.window
        const stack = w.inj_stackView
        const home = () => w.inj_mainUIUtil.goHome()
        const push = name => {
            home()
            return stack.push("qrc:/Page/" + name + ".qml")
        }
        const menus = ["MainMenu", "AlignmentMenu", "StarMenu", "DeepSkyMenu", "UtilityMenu",
                       "AdvancedMenu", "SettingsMenu", "UserObjectsMenu"]
        const menuShots = (state, mode) => menus.map(menu => ({
            run: () => menu === "MainMenu" ? home() : push(menu),
            wait: () => stack.depth === (menu === "MainMenu" ? 1 : 2),
            shot: menu + "_" + state + "_" + mode
        }))
        const starList = inj_astroList_star
        const findStar = name => ({
            run: () => {
                home()
                inj_catalogSettings.enableAltRangeViewFilter = false
                starList.setDisplayed(true)
                starList.setSearchText(name)
            },
            wait: () => !starList.loadingList && starList.list.length > 0
                        && starList.list[0].a.indexOf(name) >= 0
        })
        const showStar = (name, shot) => [findStar(name), {
            run: () => {
                const ao = starList.getAstroObj(0)
                starList.setSearchText("")
                starList.setDisplayed(false)
                w.inj_objectInfoPage.go(ao)
            },
            wait: () => stack.currentItem === w.inj_objectInfoPage
                        && inj_objectInfoList.listModel.rowCount() > 0,
            shot: shot
        }]
        const openFilter = () => {
            const popup = w.header.popupFilter
            popup.x = w.header.width - popup.width
            popup.y = w.header.height
            popup.open()
        }
        let starMenu = null
        const phase = (mode, setting) => [
            { run: () => {
                  w.inj_nightManager.setting = setting
                  home()
              },
              wait: () => !inj_mountConnection.connected }
        ].concat(menuShots("disconnected", mode)).concat([
            { run: () => inj_iConnectable.startSession(), wait: () => inj_mountConnection.connected }
        ]).concat(menuShots("connected", mode)).concat([
            { run: () => {
                  probe.publish("inj_astroList_comet", cometList)
                  starMenu = push("StarMenu")
                  stack.push(starMenu.namedStarPage)
                  starMenu.namedStarPage.searchText = "al"
              },
              wait: () => !starList.loadingList && starList.list.length > 0,
              shot: "starList_search_" + mode },
            { run: openFilter, wait: () => w.header.popupFilter.opened, shot: "filter_catalog_" + mode },
            { run: () => {
                  w.header.popupFilter.close()
                  starMenu.namedStarPage.searchText = ""
                  stack.pop()
                  stack.push(starMenu.cometPage)
              },
              wait: () => !w.header.popupFilter.visible },
            { run: openFilter, wait: () => w.header.popupFilter.opened, shot: "filter_comet_" + mode },
            { run: () => w.header.popupFilter.close(), wait: () => !w.header.popupFilter.visible },
            { run: () => {
                  probe.publish("inj_cometFile", failedCometFile)
                  openFilter()
              },
              wait: () => w.header.popupFilter.opened, shot: "filter_comet_failed_" + mode },
            { run: () => {
                  w.header.popupFilter.close()
                  probe.restore("inj_cometFile")
              },
              wait: () => !w.header.popupFilter.visible },
            // M 7 never climbs above 10 degrees here: under a 30 degree lower limit its Go To is
            // refused, and the page says why.
            { run: () => {
                  inj_altRange.minAlt = 30 * Math.PI / 180
                  inj_searchDSO.dsoType = 0
                  inj_searchDSO.numberID = 7
                  push("DeepSkyMenu")
              },
              wait: () => stack.depth === 2 && inj_searchDSO.searchSuccess
                          && inj_searchDSO.slewToProhibition !== undefined,
              shot: "deepSky_goToRefused_" + mode },
            { run: () => {
                  inj_altRange.minAlt = 0
                  inj_searchDSO.numberID = -1
                  home()
              },
              wait: () => stack.depth === 1 },
            { run: () => push("MagnitudeLimitPage"), wait: () => stack.depth === 2,
              shot: "magnitudeLimit_" + mode },
            { run: () => push("TonightBestPage"),
              wait: () => !inj_astroList_dso_bt.loadingList && inj_astroList_dso_bt.list.length > 0,
              shot: "tonightBest_" + mode }
        ]).concat(showStar("Polaris", "object_goToAllowed_" + mode))
          .concat(showStar("Acrux", "object_goToRefused_" + mode)).concat([
            { run: () => {
                  home()
                  stack.push(w.inj_informationPage)
              },
              wait: () => inj_generalInfoList.listModel.rowCount() > 0, shot: "information_" + mode },
            { run: () => push("IdentifyPage"),
              wait: () => inj_identifyList.list.length > 0 && inj_identifyList.azAlt !== "",
              timeoutMs: 15000, shot: "identify_" + mode },
            { run: () => {
                  home()
                  inj_identifyList.useDeviceOri = true
                  push("IdentifyPage")
              },
              wait: () => stack.depth === 2, shot: "identify_device_" + mode },
            // The service does not announce this setting; it is set back before the next picture.
            { run: () => {
                  home()
                  inj_identifyList.useDeviceOri = false
              },
              wait: () => stack.depth === 1 },
            { run: () => {
                  home()
                  inj_iConnectable.startNextAction()
              },
              wait: () => !inj_mountConnection.connected }
        ])
        return phase("day", 0).concat(phase("night", 1))
    }
}

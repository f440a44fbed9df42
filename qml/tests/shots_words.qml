import QtQuick
import "rig"
import "rig/Find.js" as Find

// The pages whose labels wrap or give way in a small window, at the probe's --window-size in its
// --language, connected, by day and by night: the information page, the double-star list, the
// connect settings with their tabs and rows, the alignment menu, and the pages of sliders with
// values between their steps; then the texts of sentences: the GoTo dialog on a link that does
// not answer, the question a close asks while a stop is on its way, the bulb view after a
// release the mount did not answer, the polar alignment's star list without a measured model,
// the Sun warning, the question on hibernate data and the Wi-Fi page whose module refused to give
// its settings. At each picture no wrapped text may break inside a word, read in the language
// shown (the probe's brokenWords()).
QtObject {
    id: driver

    // A menu and the entry that opens the page, or a page file.
    readonly property var pages: [["UtilityMenu", "information"], ["StarMenu", "doubleStar"],
        "ConnectSettingsPage", "AlignmentMenu", "UserInterfacePage", "BacklashPage",
        "AltitudeLimitPage"]

    property var page: null
    property var sun: null

    // A GoTo under way, as the dialog sees it, on a link that does not answer.
    readonly property QtObject runningGoTo: QtObject {
        signal valueChanged
        property bool done: false
        property bool arrived: false
        property string targetName: "M 31"
        property string targetPosition1: "R.A. 0h42m44s"
        property string targetPosition2: "Dec +41°16′09″"
        property string remainingAngle: "12°30′"
    }
    readonly property QtObject timedOutLink: QtObject {
        property bool timedout: true
    }
    // The camera service with a bulb close still pending, and a connected mount whose link does
    // not answer.
    readonly property QtObject pendingClose: QtObject {
        property bool isBulb: true
        property bool isRunning: false
        property bool closePending: true
        property string count: "754.3"
        property var list: []
        signal taskDone()
        function shutterOnOff(on) {}
    }
    readonly property QtObject deadLink: QtObject {
        property bool connected: true
        property bool hasWifi: false
        property QtObject mount: QtObject {
            property bool linkAnswering: false
        }
    }
    // A Wi-Fi module that refused to give its settings.
    readonly property WifiConfigStandIn refusingWifi: WifiConfigStandIn {
        hasCurrentSetting: false
        readFailed: true
        readRefused: true
    }
    readonly property QtObject wifiLink: QtObject {
        property bool hasWifi: true
        property bool connected: true
        property var mount: null
    }
    readonly property QtObject parkStub: QtObject {
        signal shouldShow
        function setResult(value) {}
    }

    function byName(w, name) {
        for (const list of [w.contentData, w.data])
            for (let i = 0; i < list.length; ++i)
                if (list[i] && list[i].objectName === name)
                    return list[i]
        return null
    }

    // The camera page's mode bar slides its underline to the chosen tab: pictured once it has
    // arrived.
    function tabArrived() {
        const tabs = Find.itemNamed(page, "modeBar").contentItem
        return tabs.currentItem !== null && tabs.highlightItem !== null
               && Math.abs(tabs.highlightItem.x - tabs.currentItem.x) < 0.5
    }

    // Fails the run on a wrapped text that breaks inside a word where the picture was taken.
    function checkWords(name) {
        const broken = probe.brokenWords(inj_languageManager.language)
        if (broken.length > 0)
            probe.fail(name + ": " + broken.map(b => "\"" + b.lines.join("|") + "\" at "
                                                     + b.path).join("; "))
    }

    // The picture of a stop, then the check of its words.
    function shot(name, wait) {
        return [{ wait: wait, shot: name }, { run: () => checkWords(name) }]
    }

    function pageSteps(colours) {
        const w = probe.window
        const stack = w.inj_stackView
        let list = []
        for (const page of pages) {
            const name = Array.isArray(page) ? page[0] + "_" + page[1] : page
            list.push({ run: () => stack.push("qrc:/Page/" + (Array.isArray(page) ? page[0]
                                                                                 : page)
                                              + ".qml"),
                        wait: () => stack.depth === 2 && !stack.busy })
            if (Array.isArray(page))
                list.push({ run: () => Find.itemNamed(stack.currentItem, page[1]).clicked(),
                            wait: () => stack.depth === 3 && !stack.busy })
            // A list fills in once its rows are read.
            list = list.concat(shot(name + "_" + colours,
                                    () => !stack.busy && (!stack.currentItem.listView
                                                          || stack.currentItem.listView.count > 0)))
            // The information page once more at its pole-star rows, whose titles are long, and
            // at its end, the terms of the model.
            if (name === "UtilityMenu_information") {
                list.push({ run: () => Find.itemNamed(stack.currentItem, "sections")
                                           .positionViewAtIndex(3, ListView.Beginning) })
                list = list.concat(shot(name + "_" + colours + "_polestar"))
                list.push({ run: () => Find.itemNamed(stack.currentItem, "sections")
                                           .positionViewAtEnd() })
                list = list.concat(shot(name + "_" + colours + "_terms"))
            }
            list.push({ run: () => stack.pop(stack.get(0)),
                        wait: () => stack.depth === 1 && !stack.busy })
        }
        return list
    }

    function sentenceSteps(colours) {
        const w = probe.window
        const stack = w.inj_stackView
        const gotoPopup = byName(w, "popupGoTo")
        const quitQuestion = byName(w, "quitWhileStoppingDialog")
        const starList = byName(w, "alignStarList0")
        const parkQuestion = Find.named(w.header, "popupLoadParkData")
        if (!gotoPopup || !quitQuestion || !starList || !parkQuestion)
            probe.fail("the window's dialogs are missing")
        return [
            { run: () => {
                  probe.publish("inj_converserTimeoutForwarder", timedOutLink)
                  runningGoTo.done = false
                  probe.publish("inj_gotoStatus", runningGoTo)
              } },
            { run: () => runningGoTo.valueChanged() }
        ].concat(shot("goto_noanswer_" + colours,
                      () => gotoPopup.opened && Find.itemNamed(gotoPopup.contentItem,
                                                               "linkState").visible), [
            { run: () => {
                  runningGoTo.done = true
                  runningGoTo.valueChanged()
              },
              wait: () => !gotoPopup.visible },
            { run: () => {
                  probe.restore("inj_gotoStatus")
                  probe.restore("inj_converserTimeoutForwarder")
                  quitQuestion.open()
              } }
        ], shot("quit_stopping_" + colours, () => quitQuestion.opened), [
            { run: () => quitQuestion.close(), wait: () => !quitQuestion.visible },
            { run: () => {
                  probe.publish("inj_cameraControl", pendingClose)
                  probe.publish("inj_mountConnection", deadLink)
                  page = stack.push("qrc:/Page/CameraControlPage.qml")
              } }
        ], shot("camera_bulb_unanswered_" + colours,
                () => page !== null && !stack.busy && tabArrived()
                      && Find.itemNamed(page, "closePending").visible), [
            { run: () => {
                  stack.pop()
                  probe.restore("inj_cameraControl")
                  probe.restore("inj_mountConnection")
              },
              wait: () => stack.depth === 1 && !stack.busy },
            { run: () => inj_alignStarListUIStubs.shouldShow(0, qsTranslate("mount",
                  "No measured Mel Maz. Please perform alignment with 2 or 3 stars.")) }
        ], shot("polaralignment_unmeasured_" + colours,
                () => stack.currentItem === starList && !stack.busy), [
            { run: () => inj_alignStarListUIStubs.shouldInclusivePop(0),
              wait: () => stack.currentItem !== starList && !stack.busy },
            { run: () => {
                  sun = Qt.createComponent("qrc:/Page/PopupObsSun.qml").createObject(w.contentItem)
                  sun.open()
              } }
        ], shot("sun_warning_" + colours, () => sun.opened), [
            { run: () => sun.close(), wait: () => !sun.visible },
            { run: () => {
                  sun.destroy()
                  probe.publish("inj_parkDataLoadUIStub", parkStub)
                  parkStub.shouldShow()
              } }
        ], shot("question_hibernate_" + colours, () => parkQuestion.opened), [
            { run: () => parkQuestion.close(), wait: () => !parkQuestion.visible },
            { run: () => {
                  probe.restore("inj_parkDataLoadUIStub")
                  probe.publish("inj_wifiConfig", refusingWifi)
                  probe.publish("inj_mountConnection", wifiLink)
                  page = stack.push("qrc:/Page/WifiConfigPage.qml")
              } }
        ], shot("wifi_refused_" + colours,
                () => page !== null && !stack.busy && Find.itemNamed(page, "noAnswer").visible), [
            { run: () => {
                  stack.pop()
                  probe.restore("inj_wifiConfig")
                  probe.restore("inj_mountConnection")
              },
              wait: () => stack.depth === 1 && !stack.busy }
        ])
    }

    function steps() {
        const w = probe.window
        const stack = w.inj_stackView
        let list = [{ run: () => inj_iConnectable.startSession(),
                      wait: () => inj_mountConnection.connected && !inj_iConnectable.busy
                                  && stack.currentItem !== null },
                    { run: () => {
                          inj_appCore.backlashAxis1 = 2.5 / 60 * Math.PI / 180
                          inj_appCore.backlashAxis2 = 7.5 / 60 * Math.PI / 180
                          inj_altRange.maxAlt = 80.4 * Math.PI / 180
                      } }]
        for (const night of [0, 1]) {
            const colours = night ? "night" : "day"
            list.push({ run: () => w.inj_nightManager.setting = night,
                        wait: () => w.inj_nightManager.isNight === (night === 1) })
            list = list.concat(pageSteps(colours), sentenceSteps(colours))
        }
        return list
    }
}

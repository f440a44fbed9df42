import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import Ko.Quorvel
import "CommonUI"
import "Page"
import "Script/AppUI.js" as AppUI
import "Script/Popups.js" as Popups
import "Script/WindowGeometry.js" as WindowGeometry

ApplicationWindow {
    id: window

    // The window's shared objects, reached by name from every file loaded under it; a test root
    // offers the same names.
    readonly property StackView inj_stackView: stackView
    readonly property NightManager inj_nightManager: nightManager
    readonly property ToastManager inj_toaster: toaster
    readonly property MainUIUtil inj_mainUIUtil: mainUIUtil
    // Set by the pages that are built later; null until then.
    property var inj_mainFooter: mainFooter
    property Item inj_pageLocation: null
    property var inj_locationSensorSetttings: null
    property var inj_locationUpdater: null
    property Item inj_objectInfoPage: objectInfoPage
    property Item inj_trackingPage: trackingPage
    property Item inj_informationPage: informationPage
    // The in-app help browser exists on phones and tablets only; desktops open help outside.
    property var inj_pageBrowserHelp: null

    readonly property var defaultGeometry: ({ x: 40, y: 40, width: 428, height: 926 })

    QtObject {
        id: _m
        readonly property var kvStore: inj_kvStore
        readonly property var appVersion: inj_appVersion
        readonly property var locationOpenSetting: inj_locationOpenSetting
        readonly property var bluetoothOpenSetting: inj_bluetoothOpenSetting
    }

    function inj_handleBackKey(event) {
        if (event.key !== Qt.Key_Back)
            return false
        // Never let the platform see it: it would close the application.
        event.accepted = true
        goBack()
        return true
    }

    // The back key, and Escape on a desktop: the dialog or popup on top answers it, otherwise
    // one page goes; the first page stays.
    function goBack() {
        const top = Popups.top(stackView.Overlay.overlay)
        if (top)
            top.back()
        else if (stackView.depth > 1)
            stackView.pop()
    }

    function setTimeout(func, interval, ...params) {
        const timer = timerComponent.createObject(window, { interval: interval })
        timer.triggered.connect(function () {
            func(...params)
            timer.destroy()
        })
        timer.start()
        return timer
    }

    function clearTimeout(timer) {
        if (!timer)
            return
        timer.stop()
        timer.destroy()
    }

    function restoreGeometry() {
        const d = defaultGeometry
        const stored = {
            x: _m.kvStore.loadDouble("ui.winrect.x", d.x),
            y: _m.kvStore.loadDouble("ui.winrect.y", d.y),
            width: _m.kvStore.loadDouble("ui.winrect.width", d.width),
            height: _m.kvStore.loadDouble("ui.winrect.height", d.height)
        }
        const r = WindowGeometry.mend(stored, windowHelper.availableScreenAreas(),
                                      { width: minimumWidth, height: minimumHeight }, d)
        x = r.x
        y = r.y
        width = r.width
        height = r.height
    }

    function saveGeometry() {
        _m.kvStore.saveDouble("ui.winrect.x", x)
        _m.kvStore.saveDouble("ui.winrect.y", y)
        _m.kvStore.saveDouble("ui.winrect.width", width)
        _m.kvStore.saveDouble("ui.winrect.height", height)
    }

    width: defaultGeometry.width
    height: defaultGeometry.height
    minimumWidth: 320
    minimumHeight: 480
    visible: true
    title: _m.appVersion.appName

    Component.onCompleted: {
        restoreGeometry()
        // The first place too, which a restore that changes nothing does not announce.
        saveGeometry()
        if (!_m.locationOpenSetting.enable)
            _m.locationOpenSetting.open()
        if (!_m.bluetoothOpenSetting.enable)
            _m.bluetoothOpenSetting.open()
        if (inj_locationUpdater)
            inj_locationUpdater.updateOnce()
    }
    // The program is about to end: everything held lets go, the camera page its bulb shutter.
    signal releasingForEnd()

    // For every way the program ends: lets go of every key, pad button and the held bulb
    // shutter, and stops every slew at a rate, whoever started it (a remote client too), while
    // the link is still there to carry the stops; a GoTo runs on and tracking goes on. True when
    // a stop or a shutter close was sent here, which the end then waits for.
    function releaseAllForEnd() {
        const held = mainFooter.releaseForQuit()
        const camera = inj_cameraControl
        const shutterWasPending = !!camera && camera.closePending
        releasingForEnd()
        const shutterClosed = !!camera && camera.closePending && !shutterWasPending
        const mount = inj_mountConnection ? inj_mountConnection.mount : null
        const stopped = !!mount && typeof mount.stopOpenEndedMotions === "function"
                && mount.stopOpenEndedMotions()
        return held || shutterClosed || stopped
    }

    onClosing: close => {
        // Once the window has gone, the program's end takes the link before a later release
        // could reach the mount: what is held and every open-ended slew stop here, and the close
        // waits for those stops. No remote client starts a motion from here on, so none can
        // cancel those stops or outlive the program; Stay takes that back.
        inj_endingState.begin()
        const stopsSent = releaseAllForEnd()
        if (quitWhileStopping.holdsClose(stopsSent)) {
            close.accepted = false
            return
        }
        saveGeometry()
    }

    // The place and size are stored once the window has settled after a move or a resize, so that
    // an end that cannot run the quit's writes (a display gone while the main thread is stuck)
    // still keeps them.
    onXChanged: geometrySettled.restart()
    onYChanged: geometrySettled.restart()
    onWidthChanged: geometrySettled.restart()
    onHeightChanged: geometrySettled.restart()
    Timer {
        id: geometrySettled
        interval: 1000
        onTriggered: window.saveGeometry()
    }

    // An end that closes no window (the display went away) still keeps its place and size.
    Connections {
        target: Qt.application
        function onAboutToQuit() {
            window.saveGeometry()
        }
    }

    PopupQuitWhileStopping {
        id: quitWhileStopping
        appWindow: window
    }

    Component {
        id: timerComponent
        Timer {
            repeat: false
        }
    }

    NightManager {
        id: nightManager
        appWindow: window
        footer: footerColumn
    }

    MainUIUtil {
        id: mainUIUtil
        stackView: stackView
    }

    header: UI_MainHeader {}

    StackView {
        id: stackView

        function ensureShow(page) {
            AppUI.stackView_ensureShow(stackView, page)
        }

        function inclusivePop(page) {
            AppUI.stackView_inclusivePop(stackView, page)
        }

        anchors.fill: parent
        focus: true
        pushEnter: Transition {}
        pushExit: Transition {}
        popEnter: Transition {}
        popExit: Transition {}
        replaceEnter: Transition {}
        replaceExit: Transition {}

        initialItem: MainMenu {}

        // Keys that reach the page stack are taken here, so none reaches the platform; the
        // arrow keys come through the window helper below before any item sees them.
        Keys.onPressed: event => window.onKey(event, true)
        Keys.onReleased: event => window.onKey(event, false)
    }

    // The arrow keys drive the slew pad wherever the focus is, a text field excepted.
    WindowHelper {
        id: windowHelper
        window: window
        onArrowKey: (key, isPress) => window.directionKey(key, isPress)
        onBackKey: window.goBack()
    }

    // Left, Up, Right, Down: slew-pad buttons 1, 2, 0, 3. While "Please wait" shows, a press
    // starts nothing; a release always lets its button go.
    function directionKey(key, isPress) {
        const button = {
            [Qt.Key_Left]: 1,
            [Qt.Key_Up]: 2,
            [Qt.Key_Right]: 0,
            [Qt.Key_Down]: 3
        }[key]
        if (button === undefined || !inj_mainFooter)
            return
        if (isPress && uiBlockingMessage.visible)
            return
        inj_mainFooter.controlOnKeys(isPress, button)
    }

    function onKey(event, isPress) {
        if (!isPress && inj_handleBackKey(event))
            return
        event.accepted = true
        // An arrow key that a text field left unused (its cursor at the end) moves nothing.
        if (!event.isAutoRepeat && !windowHelper.textHasFocus())
            directionKey(event.key, isPress)
    }

    footer: Column {
        id: footerColumn
        visible: mainUIUtil.showFooter.value
        Keys.onReleased: event => window.inj_handleBackKey(event)
    }

    // Motion and alignment: the tracking page, the two dialogs that follow the mount, and the
    // pages the alignment workflows show through their stubs.
    TrackingPage {
        id: trackingPage
        visible: false
    }
    PopupGoTo {
        objectName: "popupGoTo"
    }
    TrailPointsPopup {
        objectName: "trailPointsPopup"
    }
    AlignSelectionPage {
        objectName: "alignSelectionPage"
    }
    AlignStarAstroListPage {
        objectName: "alignStarList0"
        index012: 0
    }
    AlignStarAstroListPage {
        objectName: "alignStarList1"
        index012: 1
    }
    AlignStarAstroListPage {
        objectName: "alignStarList2"
        index012: 2
    }
    CenteringPage {
        objectName: "centeringPage"
    }
    InstructionStepPage {
        objectName: "instructionStepPage"
    }

    ToastManager {
        id: toaster
    }

    // Site location: the page, the sensor setting and the one-shot update at start. The window's
    // names are set before any Component.onCompleted runs, so the start-up finds the updater.
    Location {
        id: pageLocation
        visible: false
    }
    LocationSensorSettings {
        id: locationSensorSettings
    }
    LocationUpdater {
        id: locationUpdater
    }
    Binding {
        target: window
        property: "inj_pageLocation"
        value: pageLocation
        restoreMode: Binding.RestoreNone
    }
    Binding {
        target: window
        property: "inj_locationSensorSetttings"
        value: locationSensorSettings
        restoreMode: Binding.RestoreNone
    }
    Binding {
        target: window
        property: "inj_locationUpdater"
        value: locationUpdater
        restoreMode: Binding.RestoreNone
    }

    // Connecting and the slew pad: the footer column's banner and pad, and "Please wait".
    SunWarningBanner {
        id: sunWarningBanner
        objectName: "sunWarningBanner"
        parent: footerColumn
        width: footerColumn.width
    }
    MainFooter {
        id: mainFooter
        objectName: "mainFooter"
        parent: footerColumn
        width: footerColumn.width
        parentHeight: window.height
    }
    UiBlockingMessage {
        id: uiBlockingMessage
        objectName: "uiBlockingMessage"
    }

    // Catalog lists and information pages: the object and information pages the lists and the
    // header open, and the header's catalog filter.
    ObjectInfoPage {
        id: objectInfoPage
        visible: false
    }
    InformationPage {
        id: informationPage
        visible: false
    }
    PopupFilter {
        id: popupFilter
    }
    Binding {
        target: window.header
        property: "popupFilter"
        value: popupFilter
    }
}

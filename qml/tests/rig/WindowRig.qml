import QtQuick
import QtTest
import "GoToRig.js" as GoToRig

// The whole window on the real composition root with the emulated mount, and the few steps the
// motion and alignment tests share.
QtObject {
    id: rig

    required property Item testCase
    property var window: null

    function createWindow() {
        const component = Qt.createComponent("qrc:/main.qml")
        testCase.verify(component.status === Component.Ready, component.errorString())
        window = component.createObject(testCase)
        testCase.verify(window !== null, "window")
        testCase.tryVerify(() => inj_mountConnection.connected && !inj_iConnectable.busy, 15000,
                           "connected")
        return window
    }

    function find(name) {
        const found = testCase.findChild(window, name)
        testCase.verify(found !== null, name)
        return found
    }

    function top() {
        return window.inj_stackView.currentItem
    }

    // An object near where the mount points, so that a GoTo there is short; skip picks another
    // one of the nearest.
    function nearObject(skip) {
        inj_identifyList.refresh()
        testCase.tryVerify(() => inj_identifyList.list.length > (skip || 0), 5000, "objects nearby")
        return inj_identifyList.getAstroObj(skip || 0)
    }

    // Shows one of the nearest objects, from skip on, that a GoTo would not refuse.
    function showReachable(skip) {
        nearObject(skip)
        if (!GoToRig.showReachable(inj_identifyList, inj_objectInfoList, skip || 0))
            testCase.fail("no object nearby is within reach")
    }

    function startGoTo(skip) {
        showReachable(skip)
        inj_objectInfoList.startGoTo()
        testCase.tryVerify(() => !inj_gotoStatus.done, 10000, "GoTo started")
    }

    // A program on loopback sends the mount high in the north, clear of the limits, over the remote
    // method server; its GoTo takes over from the window's GoTo to target.
    function remoteGoTo(target) {
        testHelper.sendRemoteRequest("SlewToAltAzAsync,10,45")
        testCase.tryVerify(() => !inj_gotoStatus.done && inj_gotoStatus.targetName !== target,
                           10000, "the program's GoTo")
    }

    function waitGoToEnd() {
        testCase.tryVerify(() => inj_gotoStatus.done, 25000, "GoTo ended")
    }

    function connect() {
        inj_iConnectable.startSession()
        testCase.tryVerify(() => inj_mountConnection.connected && !inj_iConnectable.busy, 15000,
                           "connected")
    }

    function disconnect() {
        inj_iConnectable.startNextAction()
        testCase.tryVerify(() => !inj_mountConnection.connected, 15000, "disconnected")
    }

    // What every file leaves behind: the main menu alone, a connected and idle mount.
    function settle() {
        if (window)
            window.inj_mainUIUtil.goHome()
        if (!inj_mountConnection.connected)
            connect()
        testCase.tryVerify(() => !inj_iConnectable.busy && inj_gotoStatus.done, 25000, "idle")
        const mount = inj_mountConnection.mount
        testCase.tryVerify(() => !mount.trailPointsTracking, 10000, "no trail run")
    }
}

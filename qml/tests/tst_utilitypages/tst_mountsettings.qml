import QtQuick
import QtTest
import Ko.AstroBase
import Ko.Quorvel
import "qrc:/"

// The settings the pages write to the mount show only what the mount took: a write it leaves
// unanswered or refuses puts the control back on the value it confirmed last, and one it takes
// stays. On a scripted mount, whose writes end with the outcome the row gives.
TestCase {
    id: root
    name: "MountSettings"
    when: windowShown
    visible: true
    width: 428
    height: 700

    readonly property NightManager inj_nightManager: night
    // The pages here are not on a stack, so that nothing asks for the header.
    readonly property var inj_mainUIUtil: null
    property var mount: null

    NightManager {
        id: night
    }

    function cleanup() {
        testHelper.disconnectMount()
        mount = null
    }

    function choose(box, index) {
        box.currentIndex = index
        box.activated(index)
    }

    function slide(slider, value) {
        slider.value = value
        slider.hasChanged()
    }

    function flip(control) {
        control.toggle()
        control.toggled()
    }

    // act: what the user does to the control; shown: what the control shows; confirmed: what
    // the mount took before the write; kept: what the control shows once the write has ended.
    function test_controlShowsWhatTheMountTook_data() {
        const light = { page: "PolarScopePage", control: "illuminator",
                        operation: "setPolarLEDBrightness", states: { hasPolarScopeLED: true },
                        act: c => slide(c, 5), shown: c => c.value }
        const playback = { page: "TrackingPage", control: "ppecSwitch",
                           operation: "setPpecPlaybackAsync", act: flip, shown: c => c.checked }
        const guide1 = { page: "AdvancedPage", control: "guide1Box", operation: "setGuidingSpeed",
                         act: c => choose(c, 3), shown: c => c.tr_currentValue }
        const guide2 = Object.assign({}, guide1, { control: "guide2Box" })
        return [
            Object.assign({ tag: "guiding rate R.A./Az, unanswered", result: CmdRetType.Timeout,
                            kept: GuidingSpeed.X25 }, guide1),
            Object.assign({ tag: "guiding rate Dec/Alt, unanswered", result: CmdRetType.Timeout,
                            kept: GuidingSpeed.X25 }, guide2),
            Object.assign({ tag: "guiding rate Dec/Alt, refused", result: CmdRetType.Nak,
                            kept: GuidingSpeed.X25 }, guide2),
            Object.assign({ tag: "polar scope light, unanswered", result: CmdRetType.Timeout,
                            kept: 2 }, light),
            Object.assign({ tag: "polar scope light, refused", result: CmdRetType.Nak,
                            kept: 2 }, light),
            Object.assign({ tag: "PPEC playback on, unanswered", result: CmdRetType.Timeout,
                            kept: false, states: { supportsPpec: true } }, playback),
            Object.assign({ tag: "PPEC playback off, unanswered", result: CmdRetType.Timeout,
                            kept: true, states: { supportsPpec: true, lastPpecPlayback: true } },
                          playback),
            Object.assign({ tag: "PPEC playback on, taken", result: CmdRetType.Ok,
                            kept: true, states: { supportsPpec: true } }, playback)
        ]
    }

    function test_controlShowsWhatTheMountTook(data) {
        inj_appCore.autoguiderRate1 = GuidingSpeed.X25
        inj_appCore.autoguiderRate2 = GuidingSpeed.X25
        inj_appCore.pScopeLight = 0.2
        mount = testHelper.connectScriptedMount(data.states || {})
        mount.setResult(data.operation, data.result)
        const page = createTemporaryObject(Qt.createComponent("qrc:/Page/" + data.page + ".qml"),
                                           root, { width: 428, height: 700 })
        verify(page, data.page)
        const control = findChild(page, data.control)
        verify(control, data.control)
        const before = data.shown(control)
        data.act(control)
        verify(data.shown(control) !== before, "the choice shows while the write runs")
        compare(mount.calls(data.operation).length, 1, "written once")
        tryVerify(() => data.shown(control) === data.kept, 5000,
                  "shows " + data.kept + ", not " + data.shown(control))
        // The store holds only what the mount took.
        compare(inj_appCore.autoguiderRate1, GuidingSpeed.X25)
        compare(inj_appCore.autoguiderRate2, GuidingSpeed.X25)
        fuzzyCompare(inj_appCore.pScopeLight, 0.2, 1e-9)
    }
}

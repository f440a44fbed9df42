import QtQuick
import QtQuick.Controls
import QtTest
import Ko.AstroBase
import Ko.Quorvel
import ".."

// The advanced page on the real window and the emulated mount.
WindowTestCase {
    name: "Advanced"

    // Stands in for the Sun warning: records that it was opened.
    Component {
        id: sunWarning
        QtObject {
            property int opened: 0
            signal confirmChangedByUser(bool value)
            function open() {
                ++opened
            }
        }
    }

    function init() {
        waitConnected()
    }

    function test_speedCompensation() {
        inj_perMountData.speedFineAdjustmentFactor = 1.0000123
        const page = open("AdvancedPage")
        const field = page.speedField
        compare(field.text, "12")
        verify(field.enabled)
        for (const [typed, factor] of [["-", 1.0000123], ["-5", 0.999995], ["", 0.999995],
                                       ["9999", 1.009999]]) {
            field.text = typed
            field.textEdited()
            closeTo(inj_perMountData.speedFineAdjustmentFactor, factor, 1e-12, typed)
        }
        home()
        compare(open("AdvancedPage").speedField.text, "9999")
        home()
    }

    // Cancelling the warning leaves the Sun off; passing its quiz turns it on and stores it.
    function test_observeSun_data() {
        return [
            { tag: "cancel", answer: false },
            { tag: "quiz passed", answer: true }
        ]
    }

    function test_observeSun(data) {
        inj_catalogSettings.enableObserveSun = false
        const page = open("AdvancedPage", { popupObsSunComponent: sunWarning })
        const sun = child(page, "sunSwitch")
        compare(sun.checked, false)
        mouseClick(sun)
        verify(page.popupObsSun)
        compare(page.popupObsSun.opened, 1)
        compare(inj_catalogSettings.enableObserveSun, false)
        page.popupObsSun.confirmChangedByUser(data.answer)
        compare(sun.checked, data.answer)
        compare(inj_catalogSettings.enableObserveSun, data.answer)
        compare(stored("observe.sun") === true, data.answer)
        if (data.answer) {
            // Switching off needs no warning.
            mouseClick(sun)
            compare(inj_catalogSettings.enableObserveSun, false)
            compare(page.popupObsSun.opened, 1)
        }
        home()
    }

    // The mount's answer shows after 2 s: the emulated mount keeps its encoders off.
    function test_encoderSwitch() {
        const page = open("AdvancedPage")
        const row = child(page, "encoderRow")
        const encoder = child(page, "encoderSwitch")
        compare(row.enabled, inj_mountConnection.mount.hasDualEncoders())
        if (!row.enabled)
            skip("the emulated mount has no auxiliary encoders")
        mouseClick(encoder)
        compare(encoder.checked, true)
        tryCompare(encoder, "checked", inj_mountConnection.mount.lastEnableDualEncoders(), 3000)
        home()
    }

    // Each guiding-rate box shows and sets its own axis: the R.A./Az box axis 1, the Dec/Alt box
    // axis 2; the other axis keeps its rate.
    function test_guidingRates_data() {
        return [
            { tag: "R.A./Az box", box: "guide1Box", own: "autoguiderRate1",
              other: "autoguiderRate2", index: 0, value: GuidingSpeed.X125 },
            { tag: "Dec/Alt box", box: "guide2Box", own: "autoguiderRate2",
              other: "autoguiderRate1", index: 3, value: GuidingSpeed.X75 }
        ]
    }

    function test_guidingRates(data) {
        inj_appCore.autoguiderRate1 = GuidingSpeed.X25
        inj_appCore.autoguiderRate2 = GuidingSpeed.Sidereal
        const page = open("AdvancedPage")
        compare(child(page, "guide1Box").tr_currentValue, GuidingSpeed.X25)
        compare(child(page, "guide2Box").tr_currentValue, GuidingSpeed.Sidereal)
        const before = inj_appCore[data.other]
        const box = child(page, data.box)
        verify(box.enabled)
        box.currentIndex = data.index
        box.activated(data.index)
        tryCompare(inj_appCore, data.own, data.value)
        compare(inj_appCore[data.other], before)
        home()
    }

    // A re-sync still pending when the page goes is cancelled with it.
    function test_encoderTimerGoesWithPage() {
        const page = open("AdvancedPage")
        page.encoderSwitch.toggled()
        const timer = page._encoderTimer
        verify(timer && timer.running)
        home()
        tryVerify(() => !timer || timer.running !== true, 1000, "the timer outlived the page")
    }

    // Flipping needs an equatorial mount; the page follows a reconnection in alt-azimuth mode.
    function test_z_flippingMode() {
        const page = open("AdvancedPage")
        const box = child(page, "flippingBox")
        verify(box.enabled)
        compare(box.tr_currentValue, inj_mountConnection.mount.flippingMode)
        box.currentIndex = 2
        box.activated(2)
        compare(inj_mountConnection.mount.flippingMode, FlippingMode.Yes)
        inj_connectSettings.dualModeChoice = DualModeChoice.UseAZ
        inj_iConnectable.startNextAction()
        tryCompare(inj_mountConnection, "connected", false, 10000)
        verify(!box.enabled)
        verify(!page.speedField.enabled)
        compare(page.speedField.text, "0")
        inj_iConnectable.startNextAction()
        waitConnected()
        compare(inj_mountConnection.mount.mountMode, MountMode.AZ)
        verify(!box.enabled)
        verify(page.speedField.enabled)
        home()
    }
}

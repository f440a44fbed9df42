import QtQuick
import QtQuick.Controls
import QtTest
import ".."

// The user-interface, altitude-limit, backlash and developer pages on the real window, checked
// against the stored settings file.
WindowTestCase {
    name: "SettingsPages"

    Component {
        id: standInPage
        Page {}
    }

    function test_language() {
        waitConnected()
        const page = open("UserInterfacePage")
        const box = child(page, "languageBox")
        const codes = Array.from(inj_languageManager.availableLanguages, e => e.languageCode)
        // Only real languages: the double-length pseudo-translation is not offered.
        compare(box.count, codes.length)
        compare(box.currentIndex, codes.indexOf("en"))
        const status = () => qsTranslate("mount", "Connecting")
        compare(status(), "Connecting")
        for (const code of ["de", "en"]) {
            box.currentIndex = codes.indexOf(code)
            box.activated(box.currentIndex)
            compare(inj_languageManager.language, code)
            compare(stored("lang_code"), code)
            compare(status(), code === "de" ? "Verbinde …" : "Connecting")
        }
        home()
    }

    function test_nightMode() {
        const page = open("UserInterfacePage")
        const box = child(page, "nightBox")
        compare(box.currentText, "Off")
        for (const [index, night] of [[1, true], [0, false]]) {
            box.currentIndex = index
            box.activated(index)
            compare(window.inj_nightManager.isNight, night)
            compare(stored("night_mode"), index)
        }
        home()
    }

    // The slider works on an exponent; its text is the padding in pixels. The user taps either
    // end of it.
    function test_footerPadding_data() {
        return [
            { tag: "20 is 100 px", position: 20, text: "100", end: 1 },
            { tag: "0 is 1 px", position: 0, text: "1", end: 0 }
        ]
    }

    function test_footerPadding(data) {
        const page = open("UserInterfacePage")
        const slider = child(page, "paddingSlider")
        const track = slider.slider
        mouseClick(track, data.end * (track.width - 1), track.height / 2)
        compare(slider.value, data.position)
        compare(slider.valueText, data.text)
        compare(stored("ui.slew_padding.bottom"), Number(data.text))
        home()
        // Shown again at the same place.
        compare(child(open("UserInterfacePage"), "paddingSlider").value, data.position)
        home()
    }

    function test_altitudeLimits_data() {
        return [
            { tag: "upper at 80", slider: "upperSlider", value: 80, property: "maxAlt" },
            { tag: "lower at -5", slider: "lowerSlider", value: -5, property: "minAlt" }
        ]
    }

    function test_altitudeLimits(data) {
        const page = open("AltitudeLimitPage")
        const slider = child(page, data.slider)
        slider.value = data.value
        slider.hasChanged()
        closeTo(inj_altRange[data.property], data.value * Math.PI / 180, 1e-12, data.property)
        compare(slider.valueText, data.value + "°")
        home()
        compare(child(open("AltitudeLimitPage"), data.slider).value, data.value)
        home()
    }

    // Backlash needs a mount: disabled while none is connected, written on release otherwise.
    function test_backlash() {
        waitConnected()
        const page = open("BacklashPage")
        const slider = child(page, "axis1Slider")
        verify(slider.enabled)
        slider.value = 10 * slider.stepSize
        slider.hasChanged()
        closeTo(inj_appCore.backlashAxis1, 10 / 60 * Math.PI / 180, 1e-12, "ten arcminutes")
        compare(slider.valueText, inj_appCore.backlash_getText(slider.value))
        inj_iConnectable.startNextAction()
        tryCompare(inj_mountConnection, "connected", false, 10000)
        verify(!slider.enabled)
        verify(!child(page, "axis2Slider").enabled)
        inj_iConnectable.startNextAction()
        waitConnected()
        verify(slider.enabled)
        home()
    }

    // The developer page: the flip threshold, and its own two test pages.
    function test_developerPage() {
        const dev = window.header.devSettingPage
        dev.testTrailPointsComponent = standInPage
        dev.testAZTrackingComponent = standInPage
        open(dev)
        verify(dev.testTrailPointsPage)
        verify(dev.testAZTrackingPage !== dev.testTrailPointsPage)
        compare(dev.thresholdField.text, String(inj_testTrailPoints.autoFlipMeridianAbsDeg))
        typeInto(dev.thresholdField, "7.5")
        dev.thresholdField.editingFinished()
        compare(inj_testTrailPoints.autoFlipMeridianAbsDeg, 7.5)
        for (const [row, page] of [["testTrailPointsRow", dev.testTrailPointsPage],
                                   ["azTrackingRow", dev.testAZTrackingPage]]) {
            mouseClick(child(dev, row))
            compare(stackView.currentItem, page)
            stackView.pop()
            compare(stackView.currentItem, dev)
        }
        home()
    }
}

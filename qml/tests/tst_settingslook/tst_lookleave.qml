import QtQuick
import QtTest
import Ko.AstroBase
import ".."

// Settings pages whose controls cannot show every stored value as it is: the footer padding on
// a slider of steps (11 px lies between the steps of 10 and 13), the faintest magnitudes to one
// decimal (7.35 shows "7.3"), the altitude limits in whole degrees. Looked at and left, whichever
// way, or with a field or handle tapped and nothing changed, they store nothing: the settings
// file stays the same byte for byte. Moved or typed by the user, the value is stored on the
// page's step from what the user chose. Pages that put the shown value back stored 10 for 11 px
// on opening, and 7.3 for 7.35 while open.
WindowTestCase {
    name: "SettingsLook"
    when: windowShown

    function cleanup() {
        restoreSize()
        testHelper.restore("inj_uiSetting")
        testHelper.restore("inj_mountConnection")
        window.inj_mainUIUtil.goHome()
    }

    // As the platform delivers a key: to the window, which goes back on the press.
    function pressAtWindow(key) {
        verify(testHelper.sendKey(window, key, true))
        verify(testHelper.sendKey(window, key, false))
    }

    // A key pressed and let go on the focused control.
    function pressKey(item, key) {
        item.forceActiveFocus()
        verify(testHelper.sendKey(item, key, true), "key taken")
        testHelper.sendKey(item, key, false)
    }

    readonly property var ways: [
        { way: "back button", leave: () => mouseClick(child(window.header, "backButton")) },
        { way: "Escape", leave: () => pressAtWindow(Qt.Key_Escape) },
        { way: "back key", leave: () => pressAtWindow(Qt.Key_Back) }
    ]

    // The padding as a start finds it in the file, in pixels.
    function storePadding(px) {
        inj_kvStore.saveInt("ui.slew_padding.bottom", px)
        testHelper.reloadUiSetting()
        compare(inj_uiSetting.footerPadding, px)
    }

    // Both faintest magnitudes, with the filter on, so that the rows can be edited.
    function storeMagnitudes(vmag) {
        inj_catalogSettings.enableVmagFilter = true
        inj_catalogSettings.maxStarVmag = vmag
        inj_catalogSettings.maxDsoVmag = vmag
    }

    // Altitude limits of no whole degree, as a file of another program may hold them; the page
    // shows them rounded, at 80° and -4°.
    function storeAltitudes() {
        inj_altRange.maxAlt = 80.4 * Math.PI / 180
        inj_altRange.minAlt = -3.6 * Math.PI / 180
    }

    function magnitudeField(page, row) {
        return child(page, row).field
    }

    function test_lookedAtAndLeft_data() {
        const rows = []
        for (const w of ways) {
            // On a step, 10 and 13 px (steps 10 and 11, though 13 px reads back as 11.14);
            // between two steps, 11 and 14 px.
            for (const px of [10, 11, 13, 14])
                rows.push({ tag: "padding " + px + " px, " + w.way, leave: w.leave,
                            store: () => storePadding(px), page: "UserInterfacePage" })
            for (const vmag of [6.5, 7.35, 11.25, 9.95]) {
                const look = { leave: w.leave, store: () => storeMagnitudes(vmag),
                               page: "MagnitudeLimitPage", shown: vmag.toFixed(1) }
                rows.push(Object.assign({ tag: "magnitude " + vmag + ", " + w.way }, look))
                // Tapped into, nothing typed, and left.
                rows.push(Object.assign({ tag: "magnitude " + vmag + " field tapped, " + w.way,
                                          tap: "faintestStar" }, look))
            }
            const altitudes = { leave: w.leave, store: storeAltitudes, page: "AltitudeLimitPage" }
            rows.push(Object.assign({ tag: "altitude limits 80.4° and -3.6°, " + w.way },
                                    altitudes))
            // Pressed and let go where it stood.
            rows.push(Object.assign({ tag: "altitude limits, handles tapped, " + w.way,
                                      handles: ["upperSlider", "lowerSlider"] }, altitudes))
        }
        return rows
    }

    function test_lookedAtAndLeft(data) {
        waitConnected()
        data.store()
        const before = testHelper.storedSettingsText()
        const page = open(data.page)
        if (data.shown) {
            for (const row of ["faintestStar", "faintestOther"])
                compare(magnitudeField(page, row).text, data.shown, row)
        }
        if (data.tap) {
            const field = magnitudeField(page, data.tap)
            mouseClick(field)
            tryCompare(field, "activeFocus", true)
        }
        for (const name of data.handles || []) {
            const slider = child(page, name).slider
            const value = slider.value
            mouseClick(slider.handle)
            compare(slider.pressed, false)
            compare(slider.value, value, name)
        }
        compare(testHelper.storedSettingsText(), before, "the settings file while open")
        data.leave()
        tryCompare(stackView, "depth", 1)
        compare(testHelper.storedSettingsText(), before, "the settings file")
    }

    // The padding moved by the user: a key moves it to the next step that way, a tap on the
    // slider to the step there.
    function test_paddingMoved_data() {
        return [
            { tag: "11 px, right key", px: 11, key: Qt.Key_Right, stored: 13, step: 11 },
            { tag: "11 px, left key", px: 11, key: Qt.Key_Left, stored: 10, step: 10 },
            { tag: "14 px, right key", px: 14, key: Qt.Key_Right, stored: 16, step: 12 },
            { tag: "14 px, left key", px: 14, key: Qt.Key_Left, stored: 13, step: 11 },
            { tag: "13 px, left key", px: 13, key: Qt.Key_Left, stored: 10, step: 10 },
            { tag: "13 px, right key", px: 13, key: Qt.Key_Right, stored: 16, step: 12 },
            { tag: "10 px, left key", px: 10, key: Qt.Key_Left, stored: 8, step: 9 },
            { tag: "11 px, tapped at the right end", px: 11, end: 1, stored: 100, step: 20 },
            { tag: "14 px, tapped at the left end", px: 14, end: 0, stored: 1, step: 0 }
        ]
    }

    function test_paddingMoved(data) {
        storePadding(data.px)
        const page = open("UserInterfacePage")
        const slider = child(page, "paddingSlider")
        const track = slider.slider
        if (data.key) {
            pressKey(track, data.key)
        } else {
            mouseClick(track, data.end * (track.width - 1), track.height / 2)
        }
        compare(stored("ui.slew_padding.bottom"), data.stored)
        compare(slider.valueText, String(data.stored))
        // The handle stands on the step stored, and the page shows it there again.
        compare(slider.value, data.step)
        mouseClick(child(window.header, "backButton"))
        tryCompare(stackView, "depth", 1)
        compare(stored("ui.slew_padding.bottom"), data.stored)
        compare(child(open("UserInterfacePage"), "paddingSlider").value, data.step)
    }

    // An altitude limit moved by the user from one shown rounded: stored on the step chosen.
    function test_altitudeMoved_data() {
        return [
            { tag: "upper 80.4°, right key", slider: "upperSlider", key: Qt.Key_Right,
              setting: "altitude.max", stored: 81, other: "altitude.min" },
            { tag: "upper 80.4°, left key", slider: "upperSlider", key: Qt.Key_Left,
              setting: "altitude.max", stored: 79, other: "altitude.min" },
            { tag: "lower -3.6°, right key", slider: "lowerSlider", key: Qt.Key_Right,
              setting: "altitude.min", stored: -3, other: "altitude.max" }
        ]
    }

    function test_altitudeMoved(data) {
        storeAltitudes()
        const other = stored(data.other)
        const page = open("AltitudeLimitPage")
        pressKey(child(page, data.slider).slider, data.key)
        closeTo(stored(data.setting), data.stored * Math.PI / 180, 1e-12, data.setting)
        compare(stored(data.other), other, data.other)
    }

    // A magnitude the user changed is stored as the user chose it, to one decimal; the other row
    // keeps its own.
    function test_magnitudeChanged_data() {
        const typed = text => (field => {
                                   field.forceActiveFocus()
                                   field.selectAll()
                                   for (const c of text)
                                       keyClick(c)
                               })
        const button = name => (field => mouseClick(child(field, name)))
        return [
            { tag: "7.35 typed 7.4", vmag: 7.35, act: typed("7.4"), stored: 7.4, shown: "7.4" },
            { tag: "9.95 typed as shown, 9.9", vmag: 9.95, act: typed("9.9"), stored: 9.9,
              shown: "9.9" },
            { tag: "7.35 plus", vmag: 7.35, act: button("incrementButton"), stored: 7.5,
              shown: "7.5" },
            { tag: "7.35 minus", vmag: 7.35, act: button("decrementButton"), stored: 7.1,
              shown: "7.1" },
            { tag: "11.25 plus", vmag: 11.25, act: button("incrementButton"), stored: 11.5,
              shown: "11.5" },
            { tag: "6.5 minus", vmag: 6.5, act: button("decrementButton"), stored: 6.3,
              shown: "6.3" }
        ]
    }

    function test_magnitudeChanged(data) {
        storeMagnitudes(data.vmag)
        const other = inj_catalogSettings.maxDsoVmag
        const page = open("MagnitudeLimitPage")
        const field = magnitudeField(page, "faintestStar")
        data.act(field)
        mouseClick(child(window.header, "backButton"))
        tryCompare(stackView, "depth", 1)
        // Stored as a float.
        fuzzyCompare(stored("filter.vmag.dimmest"), data.stored, 1e-6)
        compare(stored("filter.vmag.dimmest_dso"), other)
        compare(magnitudeField(open("MagnitudeLimitPage"), "faintestStar").text, data.shown)
    }

    // A mount with the polar-scope illuminator, so that its slider takes the pointer; it takes
    // every light, which the store then holds, as the mount's own write stores it.
    QtObject {
        id: ledMount
        function hasPolarScopeLED() {
            return true
        }
        function setPolarLEDBrightness(v) {
            inj_appCore.pScopeLight = v
            return testHelper.commandResult(CmdRetType.Ok)
        }
    }
    QtObject {
        id: ledConnection
        property bool connected: true
        property var mount: ledMount
        signal mountChanged_q
    }

    function arcminutes(a) {
        return a / 60 * Math.PI / 180
    }

    // Every slider, from a stored value that lies between its steps or that it shows rounded,
    // and what the user's choice of a slider value stores.
    readonly property var sliders: [
        { name: "padding 11 px", page: "UserInterfacePage", slider: "paddingSlider",
          store: () => storePadding(11), read: () => stored("ui.slew_padding.bottom"),
          expected: v => Math.ceil(Math.pow(10, v / 10) - 1e-9) },
        { name: "backlash 2.5′", page: "BacklashPage", slider: "axis1Slider",
          store: () => inj_appCore.backlashAxis1 = arcminutes(2.5),
          read: () => inj_appCore.backlashAxis1, expected: v => v },
        { name: "backlash 7.5′", page: "BacklashPage", slider: "axis2Slider",
          store: () => inj_appCore.backlashAxis2 = arcminutes(7.5),
          read: () => inj_appCore.backlashAxis2, expected: v => v },
        { name: "upper limit 80.4°", page: "AltitudeLimitPage", slider: "upperSlider",
          store: storeAltitudes, read: () => inj_altRange.maxAlt,
          expected: v => v * Math.PI / 180 },
        { name: "lower limit -3.6°", page: "AltitudeLimitPage", slider: "lowerSlider",
          store: storeAltitudes, read: () => inj_altRange.minAlt,
          expected: v => v * Math.PI / 180 },
        { name: "polar light 0.25", page: "PolarScopePage", slider: "illuminator",
          store: () => {
              testHelper.publish("inj_mountConnection", ledConnection)
              inj_appCore.pScopeLight = 0.25
          },
          read: () => inj_appCore.pScopeLight, expected: v => v / 10 }
    ]

    // The slider of a row on its page, placed, with its handle where the value puts it.
    function openSlider(data) {
        waitConnected()
        data.store()
        const page = open(data.page)
        const slider = child(page, data.slider).slider
        verify(slider.enabled, data.slider)
        waitForRendering(slider)
        return slider
    }

    // Pressed and let go on the handle without a drag, on its middle or near either edge, by
    // mouse or by touch: the handle stays, nothing is stored. Let go where the slider put it, a
    // value between two steps went to the step there, and a tap off the middle of the handle
    // moved a value by a step where the steps are narrower than the handle.
    function test_handleTapped_data() {
        const rows = []
        for (const s of sliders) {
            for (const [where, at] of [["middle", 0.5], ["left edge", 0.05], ["right edge", 0.95]])
                rows.push(Object.assign({ tag: s.name + ", " + where, at: at }, s))
            rows.push(Object.assign({ tag: s.name + ", touched", at: 0.5, touch: true }, s))
        }
        return rows
    }

    function test_handleTapped(data) {
        const slider = openSlider(data)
        const value = slider.value
        const handleX = slider.handle.x
        const before = testHelper.storedSettingsText()
        const read = data.read()
        const x = slider.handle.x + data.at * slider.handle.width
        const y = slider.handle.y + slider.handle.height / 2
        if (data.touch) {
            const touch = touchEvent(slider)
            touch.press(0, slider, x, y).commit()
            touch.release(0, slider, x, y).commit()
        } else {
            mouseClick(slider, x, y)
        }
        compare(slider.pressed, false)
        compare(slider.value, value)
        compare(slider.handle.x, handleX)
        compare(data.read(), read)
        compare(testHelper.storedSettingsText(), before, "the settings file")
    }

    // Dragged from the handle, or tapped on the track away from it: the value there is stored.
    function test_sliderMoved_data() {
        const rows = []
        for (const s of sliders) {
            rows.push(Object.assign({ tag: s.name + ", dragged right", drag: 60 }, s))
            rows.push(Object.assign({ tag: s.name + ", dragged left", drag: -60 }, s))
            rows.push(Object.assign({ tag: s.name + ", tapped beyond the handle", drag: 0 }, s))
        }
        return rows
    }

    function test_sliderMoved(data) {
        const slider = openSlider(data)
        const value = slider.value
        const x = slider.handle.x + slider.handle.width / 2
        const y = slider.handle.y + slider.handle.height / 2
        const dx = data.drag || (x > slider.width / 2 ? -80 : 80)
        if (data.drag)
            mouseDrag(slider, x, y, dx, 0)
        else
            mouseClick(slider, x + dx, y)
        compare(slider.pressed, false)
        verify(dx > 0 ? slider.value > value : slider.value < value,
               "the handle moved from " + value + " to " + slider.value)
        closeTo(data.read(), data.expected(slider.value), 1e-9, "stored")
    }

    // The altitude limits at the smallest window, where a step of the lower limit is shorter
    // than the platform's drag distance. The window goes back to its size after each test.
    property var keptSize: null
    function openNarrowLimits(minDeg, maxDeg) {
        waitConnected()
        keptSize = Qt.size(window.width, window.height)
        window.width = 320
        window.height = 480
        inj_altRange.minAlt = minDeg * Math.PI / 180
        inj_altRange.maxAlt = maxDeg * Math.PI / 180
        const page = open("AltitudeLimitPage")
        const row = child(page, "lowerSlider")
        tryVerify(() => row.slider.width > 0 && row.slider.width <= 320, 5000, "placed")
        waitForRendering(row.slider)
        return row
    }
    function restoreSize() {
        if (keptSize) {
            window.width = keptSize.width
            window.height = keptSize.height
            keptSize = null
        }
    }

    // The pixels between two steps of a slider row's track.
    function stepPixels(row) {
        const s = row.slider
        return (s.availableWidth - s.handle.width) * s.stepSize / (s.to - s.from)
    }

    // A gesture on a slider row: pressed at a share of the handle's width, moved by some steps of
    // the track (in as many pointer moves as the list holds), let go there; by mouse or by touch.
    function gesture(row, g) {
        const s = row.slider
        const x = s.handle.x + g.at * s.handle.width
        const y = s.handle.y + s.handle.height / 2
        const moves = (g.moves || []).map(m => x + m * stepPixels(row))
        const end = moves.length ? moves[moves.length - 1] : x
        if (g.touch) {
            const touch = touchEvent(s)
            touch.press(0, s, x, y).commit()
            for (const m of moves)
                touch.move(0, s, m, y).commit()
            touch.release(0, s, end, y).commit()
        } else {
            mousePress(s, x, y)
            for (const m of moves)
                mouseMove(s, m, y, -1, Qt.LeftButton)
            mouseRelease(s, end, y)
        }
        compare(s.pressed, false)
    }

    // A drag of the lower limit shorter than the drag distance but of a step or more stores the
    // step it reached; a press that moves less than a step, off the handle's middle, stores
    // nothing. The value lies on a step: -5°.
    function test_shortDrag_data() {
        const rows = []
        for (const touch of [false, true]) {
            const by = touch ? ", touch" : ", mouse"
            rows.push({ tag: "one step right" + by, touch: touch, at: 0.5, moves: [0.5, 1.1],
                        stored: -4 })
            rows.push({ tag: "one step left" + by, touch: touch, at: 0.5, moves: [-0.5, -1.1],
                        stored: -6 })
            rows.push({ tag: "two steps right" + by, touch: touch, at: 0.5, moves: [1, 2.1],
                        stored: -3 })
            rows.push({ tag: "less than a step from the right edge" + by, touch: touch,
                        at: 0.95, moves: [0.3, 0.6], stored: -5 })
            rows.push({ tag: "less than a step from the left edge" + by, touch: touch,
                        at: 0.05, moves: [-0.3, -0.6], stored: -5 })
        }
        return rows
    }

    function test_shortDrag(data) {
        const row = openNarrowLimits(-5, 80)
        const upper = stored("altitude.max")
        verify(stepPixels(row) * 1.1 < Qt.styleHints.startDragDistance,
               "a step (" + stepPixels(row) + " px) within the drag distance")
        const before = testHelper.storedSettingsText()
        gesture(row, data)
        compare(row.value, data.stored, "the handle")
        if (data.stored === -5)
            compare(testHelper.storedSettingsText(), before, "the settings file")
        else
            closeTo(stored("altitude.min"), data.stored * Math.PI / 180, 1e-12, "stored")
        compare(stored("altitude.max"), upper, "the upper limit")
    }

    // Several gestures in one visit of the page, each with the value it leaves shown and stored:
    // a tap after a drag is a tap again, wherever on the handle it lands.
    function test_gesturesInOneVisit_data() {
        const drag = (steps, touch) => ({ at: 0.5, moves: [steps / 2, steps + 0.1 * Math.sign(steps)],
                                          touch: !!touch })
        const tap = (at, touch) => ({ at: at, touch: !!touch })
        return [
            { tag: "dragged a step right, then its right edge tapped",
              gestures: [drag(1), tap(0.95)], values: [-4, -4] },
            { tag: "dragged a step left, then its left edge tapped",
              gestures: [drag(-1), tap(0.05)], values: [-6, -6] },
            { tag: "dragged a step right, then both edges tapped",
              gestures: [drag(1), tap(0.05), tap(0.95)], values: [-4, -4, -4] },
            { tag: "dragged far right, then its left edge tapped",
              gestures: [drag(8), tap(0.05)], values: [3, 3] },
            { tag: "dragged by touch, then its right edge touched",
              gestures: [drag(1, true), tap(0.95, true)], values: [-4, -4] },
            { tag: "dragged by touch, then its right edge clicked",
              gestures: [drag(-1, true), tap(0.95)], values: [-6, -6] },
            { tag: "tapped, dragged, tapped, dragged back, tapped",
              gestures: [tap(0.95), drag(1), tap(0.95), drag(-1), tap(0.05)],
              values: [-5, -4, -4, -5, -5] }
        ]
    }

    function test_gesturesInOneVisit(data) {
        const row = openNarrowLimits(-5, 80)
        const page = stackView.currentItem
        for (let i = 0; i < data.gestures.length; ++i) {
            const before = testHelper.storedSettingsText()
            const was = row.value
            gesture(row, data.gestures[i])
            const what = "after gesture " + (i + 1)
            compare(stackView.currentItem, page, "the same visit")
            compare(row.value, data.values[i], what)
            closeTo(stored("altitude.min"), data.values[i] * Math.PI / 180, 1e-12,
                    what + ", stored")
            if (data.values[i] === was)
                compare(testHelper.storedSettingsText(), before, what + ", the settings file")
        }
    }
}

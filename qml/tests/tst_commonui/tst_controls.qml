import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts
import QtTest
import "qrc:/"
import "qrc:/CommonUI"

// Rows, fields and the combo box on a test root that offers the names the window offers.
TestCase {
    id: root
    name: "CommonControls"
    when: windowShown
    // A test case is an invisible item; what it holds must be shown to take input.
    visible: true
    width: 428
    height: 900

    readonly property NightManager inj_nightManager: night
    readonly property StackView inj_stackView: stack

    NightManager {
        id: night
    }

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: Item {}
    }

    Component {
        id: pageComponent
        Page {
            objectName: "pushedPage"
        }
    }

    Component {
        id: rowsComponent
        ColumnLayout {
            width: root.width
            property alias fine: fine
            property alias combo: combo
            property alias nav: nav
            property alias header: header
            UI_PageHeader {
                id: header
                title: "Title"
            }
            UI_InfoHeader {
                title: "Group"
            }
            UI_Row {
                paramText: "Fine"
                UI_FineTuning {
                    id: fine
                    adjParam: 1
                    validator: IntValidator {
                        bottom: 1
                        top: 100
                    }
                    onShowText: value => text = String(value)
                }
            }
            UI_Row {
                paramText: "Choice"
                UI_TranslatableComboBox {
                    id: combo
                    Layout.fillWidth: true
                    tr_model: [
                        { text: "Successful", value: 10 },
                        { text: "Connecting", value: 20 },
                        { text: "Communication error", value: 30 }
                    ]
                    tr_modelToString: item => qsTranslate("mount", item.text)
                }
            }
            UI_ListRowNav {
                id: nav
                titleText: "Next"
                pushItem: pageComponent
            }
        }
    }

    // A page with its own header over blue rows, in the window's day or night colours, that
    // scroll in a view that does not clip: only the header can hide what scrolls under it.
    Component {
        id: unclippedViewPage
        Page {
            width: 320
            height: 300
            Material.theme: night.isNight ? Material.Dark : Material.Light
            Material.background: night.isNight ? "black" : "#fafafa"
            header: UI_PageHeader {
                title: "Title"
            }
            Flickable {
                objectName: "view"
                anchors.fill: parent
                contentHeight: rows.height
                Column {
                    id: rows
                    width: parent.width
                    spacing: 10
                    Repeater {
                        model: 12
                        Rectangle {
                            width: parent.width
                            height: 40
                            color: "blue"
                        }
                    }
                }
            }
        }
    }

    // What a page scrolls up passes under its header and is hidden there: the header's empty
    // right end shows the page's own colour, by day and by night.
    function test_scrolledUnderHeader_data() {
        return [{ tag: "day", night: 0 }, { tag: "night", night: 1 }]
    }

    function test_scrolledUnderHeader(data) {
        night.setting = data.night
        const page = createTemporaryObject(unclippedViewPage, root)
        const view = findChild(page, "view")
        tryVerify(() => view.contentHeight > view.height + 2 * page.header.height)
        view.contentY = view.contentHeight - view.height
        waitForRendering(page)
        const image = grabImage(page)
        const background = page.Material.backgroundColor
        let shown = []
        for (let x = page.width - 40; x < page.width - 4; x += 3) {
            for (let y = 4; y < page.header.height - 4; y += 3) {
                if (!Qt.colorEqual(image.pixel(x, y), background))
                    shown.push(x + "," + y + " " + image.pixel(x, y))
            }
        }
        compare(shown.slice(0, 3), [], shown.length + " pixels of the header are not " + background)
        night.setting = 0
    }

    // The header's own parts lie over its background: the back icon and the title show over
    // rows scrolled under the header. The icon's night tint is a shader effect, which the
    // offscreen renderer of the tests does not draw; the night pictures show it.
    function test_headerPartsShown_data() {
        return [{ tag: "day", night: 0, parts: ["backButton", "title"] },
                { tag: "night", night: 1, parts: ["title"] }]
    }

    function test_headerPartsShown(data) {
        night.setting = data.night
        const page = createTemporaryObject(unclippedViewPage, root)
        const view = findChild(page, "view")
        tryVerify(() => view.contentHeight > view.height + 2 * page.header.height)
        view.contentY = view.contentHeight - view.height
        waitForRendering(page)
        const image = grabImage(page)
        const background = page.Material.backgroundColor
        for (const name of data.parts) {
            const part = name === "title" ? page.header.titleLabel : findChild(page.header, name)
            const at = part.mapToItem(page, 0, 0)
            let drawn = 0
            for (let x = Math.ceil(at.x); x < at.x + part.width; ++x) {
                for (let y = Math.ceil(at.y); y < at.y + part.height; ++y) {
                    if (!Qt.colorEqual(image.pixel(x, y), background))
                        ++drawn
                }
            }
            verify(drawn >= 20, name + ": " + drawn
                   + " pixels differ from the background")
        }
        night.setting = 0
    }

    Component {
        id: textInputComponent
        UI_TextInput {}
    }
    Component {
        id: numberFieldComponent
        UI_NumberField {}
    }
    Component {
        id: fineTuningComponent
        UI_FineTuning {}
    }
    Component {
        id: editableComboComponent
        UI_ComboBox {
            editable: true
        }
    }
    Component {
        id: otherFieldComponent
        TextField {
            width: 100
        }
    }

    // A field too narrow for its text shows the text's start whenever it is not being edited:
    // set from outside, left after typing at its end, or narrowed; a combo box's also after its
    // list was opened and closed, however the list was put away and the box left, by a mouse or
    // a finger.
    function test_startShown_data() {
        const fields = [
            { name: "text field", component: textInputComponent, text: "192.168.4.1" },
            { name: "text field with clear button and search icon",
              component: textInputComponent, text: "192.168.4.1",
              properties: { hasCloseBtn: true, hasIconSearch: true } },
            { name: "centred text field", component: textInputComponent, text: "192.168.4.1",
              properties: { horizontalAlignment: TextInput.AlignHCenter } },
            { name: "number field", component: numberFieldComponent, text: "1234567890123" },
            { name: "stepped number field", component: fineTuningComponent,
              text: "1234567890123" },
            // A serial port: a name typed or stored that is not among those found, and one
            // chosen from the list.
            { name: "editable combo box", component: editableComboComponent,
              text: "/dev/serial/by-id/usb-ABC" },
            { name: "editable combo box, listed entry", component: editableComboComponent,
              text: "/dev/serial/by-id/usb-ABC", listed: true }
        ]
        const rows = []
        for (const field of fields) {
            for (const way of ["set", "typed and left", "narrowed"]) {
                if (field.listed && way === "typed and left")
                    continue
                rows.push({ tag: field.name + ", " + way, field: field, way: way })
            }
            if (field.component !== editableComboComponent)
                continue
            // Each row's box lies apart from the last one's: two touches at one place in quick
            // succession are a double tap, not two taps.
            let apart = 0
            for (const pointer of ["mouse", "touch"]) {
                for (const close of ["Escape", "▾ again", "a tap beside"]) {
                    for (const leave of ["a tap on another field", "Tab"]) {
                        rows.push({ tag: field.name + ", list opened by " + pointer
                                         + ", closed by " + close + ", left by " + leave,
                                    field: field, way: "list", pointer: pointer, close: close,
                                    leave: leave, x: 200 * (apart++ % 2) })
                    }
                }
            }
        }
        return rows
    }

    function tap(pointer, item, x, y) {
        if (pointer === "mouse") {
            mouseClick(item, x, y)
            return
        }
        touchEvent(item).press(0, item, x, y).commit()
        touchEvent(item).release(0, item, x, y).commit()
    }

    // Opens the list by its ▾, puts it away and leaves the box for another field.
    function openCloseAndLeave(box, data) {
        box.x = data.x
        const other = createTemporaryObject(otherFieldComponent, root, { y: box.height + 40 })
        const arrowX = box.indicator.x + box.indicator.width / 2
        tap(data.pointer, box, arrowX, box.height / 2)
        tryVerify(() => box.popup.opened, 1000, "the list is open")
        if (data.close === "Escape")
            keyClick(Qt.Key_Escape)
        else if (data.close === "a tap beside")
            tap(data.pointer, root, root.width - 20, root.height - 20)
        else
            tap(data.pointer, box, arrowX, box.height / 2)
        tryVerify(() => !box.popup.visible, 1000, "the list is closed")
        // Tab goes from the box into its field, and on to the next.
        if (data.leave === "Tab") {
            for (let i = 0; i < 3 && !other.activeFocus; ++i)
                keyClick(Qt.Key_Tab)
        } else {
            tap(data.pointer, other, other.width / 2, other.height / 2)
        }
        tryVerify(() => other.activeFocus, 1000, "the other field took the focus")
        verify(!box.contentItem.activeFocus, "left")
    }

    function test_startShown(data) {
        const field = createTemporaryObject(data.field.component, root,
                                            data.field.properties || {})
        // A combo box shows its text in a field of its own.
        const combo = field.editText !== undefined
        const input = combo ? field.contentItem : field
        // Wide enough for the stepped field's buttons and a few digits, not for the text.
        field.width = 130
        const text = data.field.text
        if (data.way === "typed and left") {
            input.forceActiveFocus()
            for (const c of text)
                keyClick(c)
            compare(input.text, text)
            input.focus = false
            field.focus = false
            verify(!input.activeFocus, "left")
        } else if (data.field.listed) {
            field.model = ["/dev/ttyS0", text]
            field.currentIndex = 1
        } else if (combo) {
            field.editText = text
        } else {
            field.text = text
        }
        if (data.way === "narrowed")
            field.width = 120
        if (data.way === "list")
            openCloseAndLeave(field, data)
        compare(input.text, text)
        const room = input.width - input.leftPadding - input.rightPadding
        verify(input.contentWidth > room, "the text is wider than the field")
        // Positions count from the padding's inner edge.
        fuzzyCompare(input.positionToRectangle(0).x, 0, 0.5, "the first character at the start")
    }

    function cleanup() {
        inj_languageManager.doubleLength = false
        inj_languageManager.language = "en"
        while (stack.depth > 1)
            stack.pop()
    }

    // The buttons offer the next number within the validator's range; the owner writes it.
    function test_fineTuning_data() {
        return [
            { tag: "decrement at the bottom", text: "1", button: "decrementButton", offered: 1 },
            { tag: "increment at the top", text: "100", button: "incrementButton", offered: 100 },
            { tag: "increment", text: "41", button: "incrementButton", offered: 42 },
            { tag: "empty field", text: "", button: "decrementButton", offered: 1 },
            { tag: "above the range", text: "150", button: "decrementButton", offered: 100 }
        ]
    }

    function test_fineTuning(data) {
        const rows = createTemporaryObject(rowsComponent, root)
        rows.fine.text = data.text
        const offers = []
        rows.fine.showText.connect(value => offers.push(value))
        mouseClick(findChild(rows.fine, data.button))
        compare(offers, [data.offered])
        compare(rows.fine.text, String(data.offered))
    }

    function test_setFromValue_data() {
        return [
            { tag: "known", value: 30, index: 2, shown: "Communication error", current: 30 },
            { tag: "unknown", value: 99, index: -1, shown: "", current: undefined }
        ]
    }

    function test_setFromValue(data) {
        const combo = createTemporaryObject(rowsComponent, root).combo
        compare(combo.currentIndex, 0, "a new box starts at its first item")
        combo.tr_setFromValue(data.value)
        compare(combo.currentIndex, data.index)
        compare(combo.displayText, data.shown)
        compare(combo.tr_currentValue, data.current)
        compare(combo.tr_indexOfValue(data.value), data.index)
    }

    // The texts are made again from the model; the selection stays.
    function test_retranslate_data() {
        return [
            { tag: "language", change: () => inj_languageManager.language = "de", shown: "Verbinde …" },
            { tag: "double length", change: () => inj_languageManager.doubleLength = true,
              shown: "[Connecting Connecting]" }
        ]
    }

    function test_retranslate(data) {
        const combo = createTemporaryObject(rowsComponent, root).combo
        combo.tr_setFromValue(20)
        compare(combo.displayText, "Connecting")
        data.change()
        compare(combo.currentIndex, 1)
        compare(combo.displayText, data.shown)
        compare(combo.tr_currentValue, 20)
    }

    function test_navigation() {
        const rows = createTemporaryObject(rowsComponent, root)
        mouseClick(rows.nav)
        tryCompare(stack, "depth", 2)
        compare(stack.currentItem.objectName, "pushedPage")
        mouseClick(findChild(rows.header, "backButton"))
        tryCompare(stack, "depth", 1)
    }

    // A title that fits is centred on the whole header; a long one wraps beside the back button.
    function test_headerTitle_data() {
        return [
            { tag: "short", title: "Connect", centred: true },
            { tag: "long", title: "A title far too long to sit at the centre of the header bar", centred: false }
        ]
    }

    function test_headerTitle(data) {
        const header = createTemporaryObject(rowsComponent, root).header
        header.title = data.title
        const label = header.titleLabel
        const left = label.mapToItem(header, 0, 0).x
        if (data.centred) {
            fuzzyCompare(left + label.contentWidth / 2, header.width / 2, 1)
        } else {
            verify(label.lineCount > 1)
            verify(left + label.width <= header.width)
        }
    }
}

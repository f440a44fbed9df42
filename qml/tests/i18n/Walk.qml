import QtQuick
import Ko.Quorvel
import "../rig"
import "../rig/Find.js" as Find
import "../rig/Geometry.js" as Geometry

// Visits every menu, page, popup and dialog of the program and checks the texts on screen at
// each stop. With the mount disconnected, then connected (connect: false leaves out the second
// half, disconnect: false the first). Two checks:
// - translated run: no lookup stays unanswered outside the developer pages, every text that
//   neither wraps nor elides fits its item, and no wrapped text splits a word (nor in the
//   layout run: a word of a script written with spaces, or of katakana);
// - pseudo run (the probe's --double-length): every text on screen is bracketed by the
//   pseudo-translation or is data; anything else is hard-coded;
// - layout run (layout: true, at the probe's --window-size): no text overlaps another text or a
//   control it is not part of, and nothing runs under the header or the slew pad; every control
//   lies whole inside the window, and inside what clips it, unless a view scrolls it in there
//   (see the probe's overlaps()); no drawing is squeezed below the size it can be read at (the probe's
//   squeezed()); and every scrolling view, scrolled to its end, shows its lowest control whole,
//   clear of the header and the slew pad, with nothing it scrolled away over the header; and a
//   toast shown over the GoTo dialog on a link that does not answer is seen whole, clear of the
//   dialog's texts and controls. Each finding names the stop, the language, the window size and
//   what was found.
// Nothing here searches for devices, downloads or opens another application: the connection
// type stays the emulator, the comet list's Update is never pressed, help goes to a stand-in.
QtObject {
    id: walk

    property bool pseudo: false
    property bool layout: false
    property bool disconnected: true
    property bool connected: true
    // These pages alone (files under Page/), where the whole walk would say more than is asked.
    property var onlyPages: []

    // Entries that start a workflow on the mount or leave the program; their pages and dialogs
    // are visited through the window's own instances below.
    readonly property var skippedEntries: ["star1", "brightestStar", "star2", "star3",
        "polarAlignment", "pointAndGo", "help", "resetAlignment"]
    readonly property var menus: ["AlignmentMenu", "StarMenu", "DeepSkyMenu", "UtilityMenu",
        "UserObjectsMenu", "SettingsMenu", "AdvancedMenu"]
    // Pages no menu entry reaches directly, and the Wi-Fi page, whose entry only a mount with a
    // Wi-Fi module enables (the emulated mount has none).
    readonly property var filePages: ["AlignCompensationPage", "MagnitudeLimitPage",
        "AlignWithSyncPage", "WifiConfigPage"]
    // The developer pages stay English. Qt's own lookups that never reach the screen: the
    // layout-direction key Qt reads from every catalogue, and the error texts of files and QML
    // imports, which go to the log and the console only.
    readonly property var untranslatedContexts: ["DevSettingPage", "TestTrailPointsPage",
        "TestAZTrackingPage", "QIODevice", "QQmlImportDatabase"]
    readonly property var untranslatedLookups: ["QGuiApplication QT_LAYOUT_DIRECTION"]
    // Items that show data: names from the database, the languages' own names, the log.
    readonly property var dataPaths: [/BaseAstroListPage\.qml:row\//, /:languageBox\//,
        /^languageBox .*MenuItem/, /LogPage\.qml:logText$/]

    // What a reader needs of a drawing, in pixels on its shorter side, whatever the page asks
    // for: the polar clock's 5° ticks come about 5 px apart at 180.
    readonly property var readableSizes: ({ reticleArea: 180 })

    // The names of the object on the object page, from the database.
    property var dataTexts: []
    property var problems: ({})
    property int problemCount: 0

    // Shown for real, the comet list would fetch a new comet file from the internet.
    property QtObject cometList: QtObject {
        property var list: []
        property bool loadingList: false
        function setDisplayed(value) {
        }
        function setSearchText(text) {
        }
    }
    // The identify page over directions given to it, not read from the mount: the emulated
    // mount points where it was parked, so its own texts are short (see directions()).
    property QtObject identifyStandIn: QtObject {
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
    // Short and long directions: the longest has the longest compass point of three-digit
    // azimuths in the language, and a negative altitude.
    function directions() {
        let longest = ""
        for (const [point, azimuth] of [["SE", "157°"], ["SW", "247°"], ["NW", "337°"]]) {
            const text = qsTranslate("cardinal_direction", point) + " " + azimuth
            if (text.length > longest.length)
                longest = text
        }
        return [{ name: "short", azAlt: "N 0°  0°", raDec: "0h00m00s  0°00′00″" },
                { name: "wrapping", azAlt: qsTranslate("cardinal_direction", "NW") + " 335° -14°",
                  raDec: "7h04m12s +52°18′00″" },
                { name: "longest", azAlt: longest + " -89°", raDec: "23h59m59s -89°59′59″" }]
    }

    // The identify page opened on each direction (a page laid out with its texts already there),
    // then shown while the direction changes.
    function identifyVisits() {
        const stack = probe.window.inj_stackView
        const out = []
        for (const d of directions()) {
            out.push({ label: "identify " + d.name, run: () => {
                           identifyStandIn.azAlt = d.azAlt
                           identifyStandIn.raDec = d.raDec
                       } },
                     pageVisit("IdentifyPage " + d.name + " \"" + d.azAlt + "\"",
                               () => stack.push("qrc:/Page/IdentifyPage.qml")))
        }
        return out
    }

    // The GoTo dialog on a link that does not answer.
    property DeadLinkGoTo deadGoTo: DeadLinkGoTo {
        publisher: probe
    }

    // Answers as a desktop where no program opens the page: its notice is the longer one.
    property QtObject helpStandIn: QtObject {
        property int opened: 0
        function openInExternalApp() {
            opened += 1
            return false
        }
    }

    // The queue of actions {label, run, wait, then}; then() runs once the frame after the wait
    // has been drawn and may return actions to do next.
    property var queue: []
    property int index: -1
    property bool finished: false
    readonly property var action: index >= 0 && index < queue.length ? queue[index] : null
    readonly property bool ready: action !== null && (!action.wait || action.wait())
    property int completed: -1
    property Timer timeout: Timer {
        interval: 15000
        onTriggered: probe.fail("timed out at " + (walk.action ? walk.action.label : "?"))
    }
    onReadyChanged: if (ready) Qt.callLater(complete)

    function start(list) {
        queue = list
        next()
    }

    function next() {
        index += 1
        if (index >= queue.length) {
            timeout.stop()
            report()
            finished = true
            return
        }
        timeout.restart()
        if (action.run)
            action.run()
        if (ready)
            Qt.callLater(complete)
    }

    function complete() {
        if (completed === index || !ready)
            return
        completed = index
        const current = action
        probe.afterFrame(function () {
            const more = current.then ? current.then() || [] : []
            if (more.length)
                queue = queue.slice(0, index + 1).concat(more, queue.slice(index + 1))
            next()
        })
    }

    // Each finding once, at the first place it is seen.
    function note(kind, label, t) {
        const key = kind + " " + t.path + " " + t.text
        if (problems[key])
            return false
        problems[key] = true
        console.info(kind + ": " + label + " " + t.path + " \"" + t.text + "\"")
        return true
    }

    function problem(kind, label, t) {
        if (note(kind, label, t))
            problemCount += 1
    }

    // A text is data when no word of two or more letters is left once units are set aside
    // (12h 34m 56s, 45°12', N, 3.5), or it is a name the program does not translate.
    function isData(t, owner) {
        // The application's edition and version, the information page's App row.
        if (t.text === inj_appVersion.appName || dataTexts.includes(t.text)
                || /^Pro \d+\.\d+\.\d+$/.test(t.text))
            return true
        for (const re of dataPaths) {
            if (re.test(t.path) || re.test(owner + " " + t.path))
                return true
        }
        const text = t.text.replace(/(AM|PM|GMT|UTC)/g, "")
        return !/[A-Za-z\u00c0-\u024f\u0370-\u04ff]{2,}|[\u3040-\u30ff\u4e00-\u9fff]/.test(text)
    }

    // Wrapped texts split inside a word, in every run: a word of a script written with spaces,
    // of katakana, or a term and its value; in Japanese, also a compound of ideographs or a word
    // and its kana ending; in Chinese, a word the labels keep whole (see the probe's
    // brokenWords()).
    function checkWords(label) {
        for (const b of probe.brokenWords(inj_languageManager.language)) {
            const where = b.at > 0 ? b.lines.slice(b.at - 1, b.at + 1).join("|") : b.lineCount
                                                                                    + " lines"
            problem("breaks inside a word (" + where + ")", label, b)
        }
    }

    // A layout finding, once under its key; the message names the stop, the language and size.
    function layoutProblem(key, label, kind, what) {
        if (problems[key])
            return
        problems[key] = true
        problemCount += 1
        const w = probe.window
        console.info(kind + ": " + label + " (" + inj_languageManager.language + " " + w.width
                     + "x" + w.height + ") " + what)
    }

    // Toasts float above everything on purpose.
    function checkLayout(label) {
        const w = probe.window
        for (const o of probe.overlaps([w.inj_toaster]))
            layoutProblem(o.kind + " " + o.first + " " + o.second, label, o.kind,
                          o.first + " at " + o.firstArea + " / " + o.second + " at " + o.secondArea)
        for (const d of probe.squeezed(readableSizes))
            layoutProblem("squeezed " + d.path, label, "squeezed below " + d.readableSize + " px",
                          d.path + " at " + d.area)
    }

    function shownRect(item) {
        return Geometry.shownRect(item, probe.window.inj_toaster.parent)
    }

    function rectText(r) {
        return Math.round(r.x) + "," + Math.round(r.y) + " " + Math.round(r.width) + "x"
                + Math.round(r.height)
    }

    // The texts and controls a dialog shows, each as {item, rect}.
    function shownParts(item, out) {
        if (!item || !item.visible || item.opacity <= 0)
            return out
        const text = item.text !== undefined && item.font !== undefined
                     && item.contentHeight !== undefined
        const control = item.pressed !== undefined && item.clicked !== undefined
        if ((text && item.text !== "") || control) {
            const r = shownRect(item)
            if (r.width > 1 && r.height > 1)
                out.push({ item: item, rect: r })
        }
        for (let i = 0; i < item.children.length; ++i)
            shownParts(item.children[i], out)
        return out
    }

    // The newest toast, shown over popup, is whole in the window and lies over none of the
    // dialog's texts and controls.
    function checkToasts(label, popup) {
        const toaster = probe.window.inj_toaster
        const toast = toaster.itemAtIndex(0)
        if (!toast) {
            layoutProblem("no toast " + label, label, "toast not shown", "")
            return
        }
        const shown = shownRect(toast)
        if (shown.height < toast.height - 1 || shown.width < toast.width - 1)
            layoutProblem("toast cut " + label, label, "toast cut off",
                          rectText(shown) + " of " + toast.width + "x" + toast.height)
        for (const part of shownParts(popup.contentItem, [])) {
            const r = part.rect
            if (shown.x < r.x + r.width && r.x < shown.x + shown.width
                    && shown.y < r.y + r.height && r.y < shown.y + shown.height)
                layoutProblem("toast over " + label + " " + part.item.objectName, label,
                              "toast over the dialog", rectText(shown) + " / "
                              + (part.item.objectName || part.item.toString()) + " \""
                              + (part.item.text || "") + "\" at " + rectText(r))
        }
    }

    // The GoTo dialog on a dead link with a toast over it: running, then stranded.
    function deadGoToVisits() {
        const w = probe.window
        const popup = Find.named(w, "popupGoTo")
        const toaster = w.inj_toaster
        const cancel = Find.itemNamed(popup.contentItem, "cancelButton")
        // The toast is made (its height tells, as the item itself does not), and where it has a
        // room, the room has opened to it.
        const visit = (name, wait) => ({
            label: name, wait: () => wait() && toaster.toastsHeight > 0
                                     && toaster.itemAtIndex(0) !== null
                                     && toaster.height >= toaster.itemAtIndex(0).height,
            then: () => {
                check(name, popup.objectName)
                if (layout)
                    checkToasts(name, popup)
                return endVisits(name, popup.contentItem)
            } })
        const running = visit("window>popupGoTo on a dead link", () => popup.opened)
        running.run = () => {
            toaster.model.clear()
            deadGoTo.publish()
            toaster.show(qsTranslate("mount", "The mount does not answer and may still be moving. The stop is sent again until it answers."), 60000)
        }
        const close = qsTranslate("PopupGoTo", "Close")
        const stranded = visit("window>popupGoTo stranded on a dead link",
                               () => popup.visible && cancel.text === close)
        stranded.run = () => deadGoTo.strand()
        return [running, stranded, {
            label: "window>popupGoTo closing",
            run: () => {
                deadGoTo.end()
                toaster.model.clear()
            },
            wait: () => !popup.visible }].concat(deadGoToLeftVisits())
    }

    // The GoTo dialog stranded on a dead link over the celestial objects' page, closed: the
    // notice that the stop is still on its way shows for some seconds, whole, and clear of the
    // page's row of Save and Edit.
    function deadGoToLeftVisits() {
        const w = probe.window
        const stack = w.inj_stackView
        const popup = Find.named(w, "popupGoTo")
        const toaster = w.inj_toaster
        const cancel = Find.itemNamed(popup.contentItem, "cancelButton")
        const label = "UserObjectsPage after Close of popupGoTo on a dead link"
        const a = {}
        return [{ label: label + " opening",
                  run: () => {
                      a.depth = stack.depth
                      stack.push("qrc:/Page/UserObjectsPage.qml",
                                 { isAxis: false, profileList: inj_userObject_CE })
                  },
                  wait: () => stack.depth > a.depth && !stack.busy },
                { label: label + " stranding",
                  run: () => {
                      deadGoTo.publish()
                      deadGoTo.strand()
                  },
                  wait: () => popup.opened && cancel.text === qsTranslate("PopupGoTo", "Close") },
                { label: label,
                  run: () => {
                      toaster.model.clear()
                      cancel.clicked()
                  },
                  wait: () => !popup.visible && toaster.count === 1
                              && toaster.itemAtIndex(0) !== null
                              && toaster.itemAtIndex(0).opacity >= 0.9,
                  then: () => {
                      check(label)
                      if (layout)
                          checkToastClear(label, ["saveButton", "editButton"].map(
                              name => Find.itemNamed(stack.currentItem, name)))
                  } },
                { label: label + " back",
                  run: () => {
                      deadGoTo.end()
                      toaster.model.clear()
                      stack.pop(stack.get(a.depth - 1))
                  },
                  wait: () => stack.depth === a.depth && !stack.busy }]
    }

    // The newest toast is whole in the window and lies over none of items.
    function checkToastClear(label, items) {
        const toast = probe.window.inj_toaster.itemAtIndex(0)
        const shown = shownRect(toast)
        if (shown.height < toast.height - 1 || shown.width < toast.width - 1)
            layoutProblem("toast cut " + label, label, "toast cut off",
                          rectText(shown) + " of " + toast.width + "x" + toast.height)
        for (const item of items) {
            const r = shownRect(item)
            if (r.width > 1 && r.height > 1 && shown.x < r.x + r.width && r.x < shown.x + shown.width
                    && shown.y < r.y + r.height && r.y < shown.y + shown.height)
                layoutProblem("toast over " + label + " " + item.objectName, label,
                              "toast over the page's actions", rectText(shown) + " / "
                              + item.objectName + " \"" + item.text + "\" at " + rectText(r))
        }
    }

    // The scrolling views an item shows that scroll up and down (a tab bar scrolls sideways).
    function viewsOf(item, out) {
        if (!item || !item.visible)
            return out
        if (item.flick !== undefined && item.contentHeight !== undefined && item.interactive
                && item.height > 1 && item.orientation !== ListView.Horizontal
                && item.flickableDirection !== Flickable.HorizontalFlick)
            out.push(item)
        for (let i = 0; i < item.children.length; ++i)
            viewsOf(item.children[i], out)
        return out
    }

    // Each view, scrolled to its end, must show its lowest control there, and what it scrolled
    // away must not show over a header; a view that does not scroll as far as its content is
    // caught here. The view goes back to where it was.
    function endVisits(label, item) {
        if (!layout)
            return []
        const out = []
        for (const view of viewsOf(item, [])) {
            const name = label + " at the end of " + (view.objectName || "its view")
            // A view inside another is reached by scrolling the outer one to its end too.
            const views = [view].concat(outerViews(view))
            const kept = views.map(v => v.contentY)
            for (const outer of views.slice(1).reverse())
                out.push({ label: name + " outer", run: () => outer.contentY = endY(outer) })
            out.push(toEnd(name, view, 5))
            out.push({ label: name + " back",
                       run: () => views.forEach((v, i) => v.contentY = kept[i]) })
        }
        return out
    }

    function outerViews(view) {
        const out = []
        for (let p = view.parent; p; p = p.parent) {
            if (p.flick !== undefined && p.contentHeight !== undefined)
                out.push(p)
        }
        return out
    }

    function endY(view) {
        return Math.max(view.originY - view.topMargin,
                        view.originY + view.contentHeight + view.bottomMargin - view.height)
    }

    // A list whose rows differ in height knows its full height only once the last rows are
    // made: it is sent to its end again until it stays there.
    function toEnd(name, view, tries) {
        return { label: name,
                 run: () => {
                     if (view.positionViewAtEnd)
                         view.positionViewAtEnd()
                     else
                         view.contentY = endY(view)
                 },
                 then: () => {
                     if (!view.atYEnd && tries > 0)
                         return [toEnd(name, view, tries - 1)]
                     checkLayout(name)
                     const end = probe.endOfView(view)
                     if (end.problem)
                         layoutProblem("unreachable " + end.control, name, "cannot be reached",
                                       end.control + " at " + end.area + ", " + end.problem)
                     return []
                 } }
    }

    function check(label, owner) {
        if (!pseudo)
            checkWords(label)
        if (layout) {
            checkLayout(label)
            return
        }
        const texts = probe.texts()
        for (const t of texts) {
            if (pseudo) {
                if (!/\[[\s\S]*\]/.test(t.text) && !isData(t, owner || ""))
                    problem("hard-coded", label, t)
                continue
            }
            // A field the user types into scrolls; a combo box's shown choice does not.
            if (t.input && !t.readOnly && !t.comboText)
                continue
            // Cut short with an ellipsis: allowed, but worth a look in the pictures.
            if (t.elides) {
                if (t.truncated)
                    note("elided", label, t)
                continue
            }
            // A combo box's shown choice has no implicit width of its own: its text and padding.
            const needed = t.comboText ? t.contentWidth + t.paddingWidth
                                       : t.wraps ? t.contentWidth : t.implicitWidth
            if (needed > t.width + 1)
                problem("too wide (" + Math.ceil(needed) + " of " + Math.floor(t.width) + ")",
                        label, t)
        }
    }

    function report() {
        if (!pseudo && !layout) {
            for (const l of probe.unanswered()) {
                if (!untranslatedContexts.includes(l.context)
                        && !untranslatedLookups.includes(l.context + " " + l.source))
                    problem("untranslated", l.context, { path: "", text: l.source })
            }
        }
        if (problemCount > 0)
            probe.fail(problemCount + " problems in " + inj_languageManager.language)
        else
            probe.finish()
    }

    // Popups and dialogs an item holds, and the lists of its combo boxes.
    function popupsOf(item, out, depth) {
        if (!item || depth > 40)
            return out
        const list = item.data !== undefined ? item.data : item.children || []
        for (let i = 0; i < list.length; ++i) {
            const o = list[i]
            if (!o)
                continue
            if (o.closePolicy !== undefined && o.open !== undefined) {
                if (!out.includes(o))
                    out.push(o)
                popupsOf(o.contentItem, out, depth + 1)
                popupsOf(o.footer, out, depth + 1)
                continue
            }
            if (o.popup && o.currentIndex !== undefined && o.delegate !== undefined
                    && o.visible && o.enabled && o.count > 0) {
                o.popup.objectName = o.objectName
                out.push(o.popup)
            }
            popupsOf(o, out, depth + 1)
        }
        return out
    }

    // The combo boxes an item holds that the user can choose in.
    function combosOf(item, out, depth) {
        if (!item || depth > 40)
            return out
        const list = item.data !== undefined ? item.data : item.children || []
        for (let i = 0; i < list.length; ++i) {
            const o = list[i]
            if (!o || (o.closePolicy !== undefined && o.open !== undefined))
                continue
            if (o.popup && o.currentIndex !== undefined && o.delegate !== undefined
                    && o.displayText !== undefined && o.visible && o.enabled && o.count > 1
                    && !o.editable)
                out.push(o)
            combosOf(o, out, depth + 1)
        }
        return out
    }

    // Every choice of each combo box, shown in the box in turn: the longest may not be the one
    // the settings hold. The box's own choice comes back afterwards; nothing is activated.
    function choiceVisits(label, combos) {
        const out = []
        for (const box of combos) {
            const kept = box.currentIndex
            for (let i = 0; i < box.count; ++i) {
                const name = label + ">" + (box.objectName || "comboBox") + "[" + i + "]"
                out.push({ label: name, run: () => box.currentIndex = i,
                           wait: () => box.currentIndex === i, then: () => check(name) })
            }
            out.push({ label: label + " choice back", run: () => box.currentIndex = kept,
                       wait: () => box.currentIndex === kept })
        }
        return out
    }

    function popupVisits(label, popups) {
        const out = []
        for (const p of popups) {
            const name = label + ">" + (p.objectName || p.toString())
            // Without transitions: the texts are the same, the walk is quicker.
            const open = () => {
                p.enter = null
                p.exit = null
                p.open()
            }
            out.push({ label: name, run: open, wait: () => p.opened,
                       then: () => {
                           check(name, p.objectName)
                           return endVisits(name, p.contentItem)
                       } })
            out.push({ label: name + " closing", run: () => p.close(), wait: () => !p.visible })
        }
        return out
    }

    // Pushes a page, checks it and its popups, and returns to the depth it started from.
    function pageVisit(label, open) {
        const stack = probe.window.inj_stackView
        const a = { label: label }
        const pad = probe.window.inj_mainFooter
        a.run = () => {
            a.depth = stack.depth
            if (layout)
                pad.requestDisplay(true)
            open()
        }
        a.wait = () => stack.depth > a.depth && !stack.busy && stack.currentItem.width > 0
        a.then = () => {
            check(label)
            const page = stack.currentItem
            // A page may fold the slew pad as it opens; the user can put it out again, and the
            // page must still be usable in what the pad leaves of a small window.
            const padOut = layout && !pad.displayControl
                ? [{ label: label + " pad out", run: () => pad.requestDisplay(true),
                     wait: () => pad.displayControl, then: () => check(label + " pad out") }]
                : []
            return padOut.concat(endVisits(label, page), popupVisits(label, popupsOf(page, [], 0)),
                choiceVisits(label, combosOf(page, [], 0)), extraVisits(label, page), [
                { label: label + " back", run: () => stack.pop(stack.get(a.depth - 1)),
                  wait: () => stack.depth === a.depth && !stack.busy }])
        }
        return a
    }

    // What a page opens only on the user's request: the exposure group of the camera page (a
    // new group) and the warning before observing the Sun; and the identify page's direction,
    // short and long.
    function extraVisits(label, page) {
        if (label.endsWith("UtilityMenu/identify")) {
            return directions().map(d => ({
                label: label + " " + d.name,
                run: () => {
                    identifyStandIn.azAlt = d.azAlt
                    identifyStandIn.raDec = d.raDec
                },
                then: () => check(label + " " + d.name + " \"" + d.azAlt + "\"") }))
        }
        if (label === "AdvancedMenu/cameraControl") {
            const name = label + " with long groups"
            return [{ label: name, run: storeLongGroups,
                      wait: () => inj_cameraControl.list.length === longGroups.length,
                      then: () => check(name) },
                    pageVisit(label + "/group", () => {
                inj_cameraControl.add()
                page.editGroup(0)
            }),
                    // The slew pad stays out in bulb mode: the note of a close the mount has
                    // not taken must fit beside the count and the button in what it leaves.
                    pageVisit(label + "/bulb on a dead link", () => {
                probe.publish("inj_cameraControl", pendingBulbClose)
                probe.publish("inj_mountConnection", deadGoTo.connection)
                probe.window.inj_stackView.push("qrc:/Page/CameraControlPage.qml")
            }),
                    { label: label + "/bulb on a dead link ended", run: () => {
                          probe.restore("inj_cameraControl")
                          probe.restore("inj_mountConnection")
                      } }]
        }
        if (label === "SettingsMenu/advancedSettings") {
            const name = label + ">popupObsSun"
            return [{ label: name, run: () => page.askObserveSun(),
                      wait: () => page.popupObsSun !== null && page.popupObsSun.opened,
                      then: () => check(name) },
                    { label: name + " closing", run: () => page.popupObsSun.close(),
                      wait: () => !page.popupObsSun.visible }]
        }
        return []
    }

    // The camera service in bulb mode with a close the mount has not taken.
    property QtObject pendingBulbClose: QtObject {
        property bool isBulb: true
        property bool isRunning: false
        property bool closePending: true
        property string count: "754.3"
        property var list: []
        signal taskDone()
        signal commandError()
        function shutterOnOff(on) {
        }
    }

    // Exposure groups whose values read longest in a row of the camera page: an hour every two
    // minutes 999 times, ten minutes every minute, and a fraction of a second.
    readonly property var longGroups: [[999, 3600, 120], [12, 600, 60], [1, 45.5, 45.5]]

    function storeLongGroups() {
        inj_cameraControl.list = []
        for (const [photos, exposure, pause] of longGroups) {
            inj_cameraControl.add()
            const g = inj_cameraControl.load(inj_cameraControl.list.length - 1)
            g.photos = photos
            g.exposureSec = exposure
            g.photoIntervalSec = pause
            inj_cameraControl.save(g)
        }
    }

    function menuEntries(item, out) {
        for (let i = 0; i < item.children.length; ++i) {
            const c = item.children[i]
            if (c.textUnderIcon !== undefined && c.objectName !== "")
                out.push(c)
            else
                menuEntries(c, out)
        }
        return out
    }

    function menuVisit(name) {
        const stack = probe.window.inj_stackView
        const visit = pageVisit(name, () => stack.push("qrc:/Page/" + name + ".qml"))
        const checkMenu = visit.then
        visit.then = () => {
            const back = checkMenu()
            const entries = []
            for (const e of menuEntries(stack.currentItem, [])) {
                if (e.enabled && !skippedEntries.includes(e.objectName))
                    entries.push(pageVisit(name + "/" + e.objectName, () => e.clicked()))
            }
            return entries.concat(back)
        }
        return visit
    }

    // The window's own pages and dialogs, shown as their workflows would show them.
    function windowVisits() {
        const w = probe.window
        const stack = w.inj_stackView
        const stars = inj_astroList_star
        const list = [{ label: "stars", run: () => stars.setDisplayed(true),
                        wait: () => !stars.loadingList && stars.list.length > 0 },
                      pageVisit("ObjectInfoPage", () => {
                          const star = stars.getAstroObj(0)
                          stars.setDisplayed(false)
                          dataTexts = [star.name].concat(star.kvList.map(kv => kv[1]))
                          w.inj_objectInfoPage.go(star)
                      })]
        for (const name of ["alignSelectionPage", "alignStarList0", "centeringPage",
                            "instructionStepPage"]) {
            const page = Find.itemNamed(w.contentItem, name) || findObject(w, name)
            if (page)
                list.push(pageVisit(name, () => stack.push(page)))
        }
        for (const name of filePages)
            list.push(pageVisit(name, () => stack.push("qrc:/Page/" + name + ".qml")))
        list.push(...identifyVisits())
        const toaster = w.inj_toaster
        list.push({ label: "help", run: () => {
                        stack.push("qrc:/Page/UtilityMenu.qml")
                        Find.itemNamed(stack.currentItem, "help").clicked()
                    },
                    wait: () => toaster.count > 0 && helpStandIn.opened > 0,
                    then: () => {
                        check("help")
                        stack.pop()
                    } })
        const popups = popupsOf(w, popupsOf(w.header, [], 0), 0)
        return list.concat(popupVisits("window", popups), deadGoToVisits())
    }


    function findObject(w, name) {
        for (let i = 0; i < w.data.length; ++i) {
            if (w.data[i] && w.data[i].objectName === name)
                return w.data[i]
        }
        return null
    }

    // A 3-star alignment as far as its second star, so that the workflow's own titles show;
    // disconnecting ends it and takes its pages off the stack.
    function alignmentVisits() {
        const w = probe.window
        const stack = w.inj_stackView
        const lists = ["alignStarList0", "alignStarList1"].map(
            name => Find.itemNamed(w.contentItem, name) || findObject(w, name))
        const calculator = inj_alignStarCalculator
        return [
            { label: "alignment: 1st star", run: () => inj_alignmentRoutine.start(AlignmentType.Star3),
              wait: () => stack.currentItem === lists[0] && calculator.list0.length > 0,
              then: () => check("alignment: 1st star") },
            { label: "alignment: 2nd star",
              run: () => Find.itemNamed(lists[0], "list").selectedIndex(
                  calculator.list0.findIndex(row => row.isEnableListItem)),
              wait: () => stack.currentItem === lists[1], then: () => check("alignment: 2nd star") },
            { label: "disconnecting", run: () => inj_iConnectable.startNextAction(),
              wait: () => !inj_mountConnection.connected && stack.depth === 1 && !stack.busy }
        ]
    }

    function phase(label) {
        const stack = probe.window.inj_stackView
        if (onlyPages.length > 0)
            return onlyPages.map(name => pageVisit(label + " " + name,
                                                   () => stack.push("qrc:/Page/" + name + ".qml")))
        let list = [{ label: label + " main menu", then: () => {
                          check(label + " main menu")
                          return endVisits(label + " main menu", stack.currentItem)
                      } }]
        for (const name of menus)
            list.push(menuVisit(name))
        return list.concat(windowVisits())
    }

    function steps() {
        let list = [{ label: "start", run: () => {
                          probe.publish("inj_helpFile", helpStandIn)
                          probe.publish("inj_astroList_comet", cometList)
                          probe.publish("inj_identifyList", identifyStandIn)
                      },
                      wait: () => probe.window.inj_stackView.currentItem !== null }]
        if (disconnected)
            list = list.concat(phase("disconnected"))
        if (connected) {
            list.push({ label: "connecting", run: () => inj_iConnectable.startSession(),
                        wait: () => inj_mountConnection.connected && !inj_iConnectable.busy })
            // Connecting by day shows the Sun warning above the slew pad, by night not: the walk
            // shows it whatever the hour, the pages being shortest under it.
            const banner = Find.named(probe.window.footer, "sunWarningBanner")
            list.push({ label: "sun warning", run: () => banner.show(),
                        wait: () => banner.visible && banner.height > 0 })
            list = list.concat(phase("connected"), onlyPages.length > 0 ? [] : alignmentVisits())
        }
        return [{ run: () => start(list), wait: () => finished, timeoutMs: 110000 }]
    }
}

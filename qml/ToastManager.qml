import QtQuick
import QtQuick.Controls
import "Script/Popups.js" as Popups

// Every toast at once, newest at the bottom; no queue and no limit. Drawn above dialogs too, but
// never over an open question: while one shows, the toasts keep to the larger band above or below
// it, and what does not fit there is cut off rather than laid over its text or its buttons. A
// dialog that fills the window leaves no band: one that makes room for the toasts inside it (its
// toastRoom, an item that opens as high as toastsHeight asks) has them there, the others have them
// at the bottom as usual. A page may keep a region of several items clear of them, as its row of
// actions, a button and its note, or tabs (keepClearOf): toasts that would lie over one of them
// show in the lowest band between them that holds them all.
ListView {
    id: root

    property int _nextId: 0
    // toastId -> the texts that toast says again, in other words: while it shows, they are not
    // shown beside it.
    property var _covers: ({})
    // The dialog on top of this window, whatever it is (see _question).
    property var _topPopup: null
    // The room that the dialog on top makes for the toasts, or null.
    readonly property Item _room: _topPopup && _topPopup.visible && _topPopup.toastRoom
                                  ? _topPopup.toastRoom : null
    // A modal dialog that leaves room around it: a question whose text and buttons must stay in
    // sight. One that fills the window (the GoTo progress) leaves nowhere else to go.
    readonly property var _question: !_room && _topPopup && _topPopup.modal && _topPopup.visible
                                     && _topPopup.height < _window.height - 20 ? _topPopup : null
    // Where the room lies in the window. A mapping binds to nothing: the binding names what moves
    // the room.
    readonly property real _roomTop: {
        if (!_room)
            return 0
        void [_room.y, _room.height, _topPopup.x, _topPopup.y, _topPopup.height, _window.height]
        return _room.mapToItem(_window, 0, 0).y
    }
    // The height that every toast on show takes, with the spacing between them.
    readonly property real toastsHeight: count > 0 ? contentHeight : 0
    readonly property Item _window: parent ? parent : root
    readonly property real _footerRoom: 10 + (ApplicationWindow.footer && ApplicationWindow.footer.visible
                                              ? ApplicationWindow.footer.height : 0)
    // The free bands above and below the question, less a gap of 10 to it.
    readonly property real _roomAbove: _question ? Math.max(0, _question.y - 10) : 0
    readonly property real _roomBelow: _question
        ? Math.max(0, _window.height - _footerRoom - (_question.y + _question.height + 10)) : 0
    readonly property bool _above: _roomAbove >= _roomBelow
    // The region kept clear (see keepClearOf): its items, and where those that show lie in the
    // window, as {top, bottom}; measured again whenever one of them or anything it lies in moves,
    // changes height, shows or hides, as a view scrolls or a note comes.
    property var _clearItems: []
    property var _clearSpans: []
    property var _clearWatched: []
    // Where the toasts end at the bottom, and the header they stay below.
    readonly property real _usualBottom: _window.height - _footerRoom
    readonly property real _headerRoom: ApplicationWindow.header && ApplicationWindow.header.visible
                                        ? ApplicationWindow.header.height : 0
    // Where the toasts go instead of the bottom, where a kept item lies there: {top, bottom, clip},
    // or null. Placed once what it depends on has settled, not as a binding: the list lays its
    // toasts out again as it moves, and the height they report would feed back into the place.
    property var _clearBand: null
    // The gap kept between the toasts and a kept item.
    readonly property real _clearGap: 10

    // covers: texts that this one says again in other words, as a page's notice repeats what a
    // service told a moment before; a toast with one of them on screen goes, and one that comes
    // while this one shows is not shown.
    function show(text, durationMs, covers) {
        for (let i = 0; i < model.count; ++i) {
            const shown = _covers[model.get(i).toastId]
            if (shown && shown.indexOf(text) >= 0)
                return
        }
        if (covers) {
            for (let i = model.count - 1; i >= 0; --i) {
                if (covers.indexOf(model.get(i).text) >= 0)
                    remove(model.get(i).toastId)
            }
        }
        const toastId = _nextId++
        if (covers)
            _covers[toastId] = covers
        model.insert(0, {
            "text": text,
            "durationMs": durationMs === undefined ? 3000 : durationMs,
            "toastId": toastId
        })
    }

    function remove(toastId) {
        delete _covers[toastId]
        for (let i = 0; i < model.count; ++i) {
            if (model.get(i).toastId === toastId) {
                model.remove(i)
                return
            }
        }
    }

    // While a page shows, items (one item or a list of them) are what the user reads or acts on
    // there, as a row of actions, a button and the note beside it, or tabs: toasts keep clear of
    // each one that shows. A later call takes the place of an earlier one; releaseClear with any
    // of the items ends it. Main thread, as every item.
    function keepClearOf(items) {
        _watchClear(false)
        _clearItems = (Array.isArray(items) ? items : [items]).filter(item => !!item)
        _watchClear(true)
        _measureClear()
    }

    function releaseClear(items) {
        const given = Array.isArray(items) ? items : [items]
        if (!given.some(item => !!item && _clearItems.indexOf(item) >= 0))
            return
        _watchClear(false)
        _clearItems = []
        _clearSpans = []
    }

    // Every kept item and every item it lies in, up to the window: a view that scrolls moves its
    // content item, and a page or a view that hides hides what lies in it.
    function _watchClear(on) {
        if (!on) {
            for (const a of _clearWatched) {
                // Gone with its page.
                if (!a || !a.yChanged)
                    continue
                a.yChanged.disconnect(_measureClear)
                a.heightChanged.disconnect(_measureClear)
                a.visibleChanged.disconnect(_measureClear)
            }
            _clearWatched = []
            return
        }
        const list = []
        for (const item of _clearItems) {
            for (let a = item; a && a !== _window; a = a.parent) {
                if (list.indexOf(a) >= 0)
                    break
                a.yChanged.connect(_measureClear)
                a.heightChanged.connect(_measureClear)
                a.visibleChanged.connect(_measureClear)
                list.push(a)
            }
        }
        _clearWatched = list
    }

    function _measureClear() {
        const spans = []
        for (const item of _clearItems) {
            // Hidden, an item takes no room, and a layout may have left it anywhere.
            if (!item || !item.visible || item.height <= 0)
                continue
            const top = item.mapToItem(_window, 0, 0).y
            spans.push({ top: top, bottom: top + item.height })
        }
        _clearSpans = spans
    }

    // The band, between the header (top) and the usual bottom, where toasts height high lie over
    // no span of spans with a gap to each: at the bottom when they can (null), otherwise ending
    // as low as they can, above a span. Where no band holds them all, the largest one that holds
    // the newest has them, cut off at its top, as beside a question; where none holds even that
    // one, the band below the header reaches over it; failing that, they stay at the bottom.
    function _placeClear(spans, high, top, bottom) {
        if (high <= 0 || spans.length === 0)
            return null
        const gap = _clearGap
        // What lies between the header and the bottom, from top to bottom.
        const kept = []
        for (let i = 0; i < spans.length; ++i) {
            const s = { top: Math.max(spans[i].top, top), bottom: Math.min(spans[i].bottom, bottom) }
            if (s.bottom <= s.top)
                continue
            let at = kept.length
            while (at > 0 && kept[at - 1].top > s.top)
                --at
            kept.splice(at, 0, s)
        }
        if (kept.length === 0)
            return null
        // The free bands: from the header or a span's bottom to the next span's top or the bottom.
        const bands = []
        let from = top
        for (let i = 0; i < kept.length; ++i) {
            if (kept[i].top - gap > from)
                bands.push({ top: from, bottom: kept[i].top - gap })
            from = Math.max(from, kept[i].bottom + gap)
        }
        if (bottom > from)
            bands.push({ top: from, bottom: bottom })
        const last = bands.length > 0 ? bands[bands.length - 1] : null
        if (last && last.bottom === bottom && last.bottom - last.top >= high)
            return null
        for (let i = bands.length - 1; i >= 0; --i) {
            if (bands[i].bottom - bands[i].top >= high)
                return { top: bands[i].bottom - high, bottom: bands[i].bottom, clip: false }
        }
        let widest = null
        for (let i = 0; i < bands.length; ++i) {
            if (!widest || bands[i].bottom - bands[i].top > widest.bottom - widest.top)
                widest = bands[i]
        }
        const newest = itemAtIndex(0)
        if (!newest)
            return null
        if (widest && widest.bottom - widest.top >= newest.height)
            return { top: widest.top, bottom: widest.bottom, clip: true }
        // A window too small for even that: the band below the header takes the header's room
        // too, which a toast leaves again within seconds, rather than lie over a kept item.
        const first = bands.length > 0 && bands[0].top === top ? bands[0] : null
        if (first && first.bottom >= newest.height)
            return { top: 0, bottom: first.bottom, clip: true }
        return null
    }

    function _placeLater() {
        Qt.callLater(_place)
    }

    function _place() {
        const band = _clearSpans.length === 0 ? null
            : _placeClear(_clearSpans, toastsHeight, _headerRoom, _usualBottom)
        const was = _clearBand
        if (!band !== !was || band && (band.top !== was.top || band.bottom !== was.bottom
                                       || band.clip !== was.clip))
            _clearBand = band
    }

    on_ClearSpansChanged: _placeLater()
    onToastsHeightChanged: _placeLater()
    on_HeaderRoomChanged: _placeLater()
    on_UsualBottomChanged: _placeLater()
    onCountChanged: _placeLater()

    function _followPopups() {
        const top = Popups.top(root.parent)
        _topPopup = top ? top.popup : null
    }

    Component.onCompleted: {
        Popups.watch(_followPopups)
        _followPopups()
    }
    Component.onDestruction: {
        Popups.unwatch(_followPopups)
        _watchClear(false)
    }
    on_WindowChanged: _measureClear()

    parent: Overlay.overlay
    anchors.fill: parent
    // Above the window's footer, so that a toast never covers the pad's buttons (fold, home and
    // the lower arrows) while it is shown.
    anchors.topMargin: _room ? _roomTop
                             : _question && !_above ? _question.y + _question.height + 10
                             : _clearBand && _clearBand.clip ? _clearBand.top : 0
    anchors.bottomMargin: _room ? _window.height - _roomTop - _room.height
                                : _question && _above ? _window.height - _question.y + 10
                                : _clearBand ? _window.height - _clearBand.bottom : _footerRoom
    clip: !!_question || !!_room || !!(_clearBand && _clearBand.clip)
    z: 1000
    interactive: false
    // Takes no input: a press on the list, which lies over every popup, would count as a press
    // outside a modal popup, and the overlay would swallow it before the popup's buttons.
    enabled: false
    verticalLayoutDirection: ListView.BottomToTop
    // Every toast is made, also those that its band cuts off: each one goes when its time is up,
    // and toastsHeight counts them all (a room opens only as high as the toasts already made).
    cacheBuffer: 10000
    spacing: 5
    model: ListModel {}
    delegate: Toast {
        manager: root
    }
    displaced: Transition {
        NumberAnimation {
            property: "y"
            easing.type: Easing.InOutQuad
        }
    }

    Connections {
        target: inj_toastManagerUIStub
        function onShouldToast(textLoc) {
            root.show(textLoc)
        }
    }
}

import QtQuick
import QtQuick.Controls
import "Script/Popups.js" as Popups

// Every toast at once, newest at the bottom; no queue and no limit. Drawn above dialogs too, but
// never over an open question: while one shows, the toasts keep to the larger band above or below
// it, and what does not fit there is cut off rather than laid over its text or its buttons. A
// dialog that fills the window leaves no band: one that makes room for the toasts inside it (its
// toastRoom, an item that opens as high as toastsHeight asks) has them there, the others have them
// at the bottom as usual. A page may keep a strip clear of them, as its row of actions: toasts that
// would lie over it show above it instead (keepClearOf).
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
    // The strip kept clear, in the window, from its top to its bottom (see keepClearOf); measured
    // again whenever the item or anything it lies in moves or changes height, as a view scrolls.
    property Item _clearItem: null
    property real _clearTop: 0
    property real _clearBottom: 0
    property var _clearWatched: []
    // Where the toasts would end at the bottom, and whether they would lie over the strip there:
    // then they end above it, where the window leaves them room for all of them below the
    // header.
    readonly property real _usualBottom: _window.height - _footerRoom
    readonly property real _headerRoom: ApplicationWindow.header && ApplicationWindow.header.visible
                                        ? ApplicationWindow.header.height : 0
    readonly property bool _overStrip: !!_clearItem && toastsHeight > 0
                                       && _clearTop < _usualBottom
                                       && _clearBottom > _usualBottom - toastsHeight
                                       && _clearTop - 10 - toastsHeight >= _headerRoom
    readonly property real _stripBottomMargin: _window.height - _clearTop + 10

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

    // While a page shows, item covers a row the user acts on: a toast that would lie over it
    // shows above it. A later call takes the place of an earlier one; releaseClear(item) ends it.
    // Main thread, as every item.
    function keepClearOf(item) {
        _watchClear(false)
        _clearItem = item
        _watchClear(true)
        _measureClear()
    }

    function releaseClear(item) {
        if (_clearItem !== item)
            return
        _watchClear(false)
        _clearItem = null
    }

    // The item and every item it lies in, up to the window: a view that scrolls moves its
    // content item.
    function _watchClear(on) {
        if (!on) {
            for (const a of _clearWatched) {
                // Gone with its page.
                if (!a || !a.yChanged)
                    continue
                a.yChanged.disconnect(_measureClear)
                a.heightChanged.disconnect(_measureClear)
            }
            _clearWatched = []
            return
        }
        const list = []
        for (let a = _clearItem; a && a !== _window; a = a.parent) {
            a.yChanged.connect(_measureClear)
            a.heightChanged.connect(_measureClear)
            list.push(a)
        }
        _clearWatched = list
    }

    function _measureClear() {
        if (!_clearItem)
            return
        const top = _clearItem.mapToItem(_window, 0, 0).y
        _clearTop = top
        _clearBottom = top + _clearItem.height
    }

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
                             : _question && !_above ? _question.y + _question.height + 10 : 0
    anchors.bottomMargin: _room ? _window.height - _roomTop - _room.height
                                : _question && _above ? _window.height - _question.y + 10
                                : _overStrip ? _stripBottomMargin : _footerRoom
    clip: !!_question || !!_room
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

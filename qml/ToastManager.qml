import QtQuick
import QtQuick.Controls

// Every toast at once, newest at the bottom; no queue and no limit. Drawn above dialogs too.
ListView {
    id: root

    property int _nextId: 0

    function show(text, durationMs) {
        model.insert(0, {
            "text": text,
            "durationMs": durationMs === undefined ? 3000 : durationMs,
            "toastId": _nextId++
        })
    }

    function remove(toastId) {
        for (let i = 0; i < model.count; ++i) {
            if (model.get(i).toastId === toastId) {
                model.remove(i)
                return
            }
        }
    }

    parent: Overlay.overlay
    anchors.fill: parent
    // Above the window's footer, so that a toast never covers the pad's buttons (fold, home and
    // the lower arrows) while it is shown.
    anchors.bottomMargin: 10 + (ApplicationWindow.footer && ApplicationWindow.footer.visible
                                ? ApplicationWindow.footer.height : 0)
    z: 1000
    interactive: false
    // Takes no input: a press on the list, which lies over every popup, would count as a press
    // outside a modal popup, and the overlay would swallow it before the popup's buttons.
    enabled: false
    verticalLayoutDirection: ListView.BottomToTop
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

import QtQuick
import QtQuick.Controls

// A page that a workflow shows and removes through its stub. The window makes it once; it also
// goes, with everything above it, when the mount disconnects.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var mountConnection: inj_mountConnection
        readonly property var stackView: inj_stackView
    }

    readonly property bool connected: _m.mountConnection.connected

    function show() {
        _m.stackView.ensureShow(root)
    }

    function remove() {
        _m.stackView.inclusivePop(root)
    }

    visible: false

    Connections {
        target: _m.mountConnection
        function onMountChanged_q() {
            if (!_m.mountConnection.connected)
                root.remove()
        }
    }
}

import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A menu page: a plain pane behind a grid of three rows by three columns that fills the page
// below whatever the menu shows above its entries (aboveGrid).
Page {
    id: root

    default property alias entries: grid.data
    property alias aboveGrid: above.data

    // A page the menu holds for its own life, pushed as an item so it keeps its state; null while
    // the page is missing, and its entry then opens nothing.
    function makePage(name, properties) {
        const component = Qt.createComponent("qrc:/Page/" + name + ".qml")
        if (component.status !== Component.Ready)
            return null
        return component.createObject(root, Object.assign({ visible: false }, properties || {}))
    }

    // A page made anew on each push and destroyed when popped.
    function open(name) {
        _m.stackView.push("qrc:/Page/" + name + ".qml")
    }

    function pushPage(page) {
        if (page)
            _m.stackView.push(page)
    }

    QtObject {
        id: _m
        readonly property var stackView: inj_stackView
    }

    background: Pane {}
    // The entries are sized from the page, not from the grid, which may be shorter.
    Component.onCompleted: {
        // A list property is not iterable here: index it.
        for (let i = 0; i < grid.children.length; ++i) {
            const entry = grid.children[i]
            if (entry.pageHeight !== undefined)
                entry.pageHeight = Qt.binding(() => root.height)
        }
    }

    Item {
        id: above
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        height: childrenRect.y + childrenRect.height
    }

    // A menu with fewer rows keeps the rows of a full one and leaves the bottom empty.
    GridLayout {
        id: grid
        anchors.top: above.bottom
        anchors.topMargin: 6
        anchors.left: parent.left
        anchors.right: parent.right
        height: (root.height - above.height - anchors.topMargin) * Math.ceil(children.length / 3) / 3
        rows: 3
        columns: 3
    }
}

import QtQuick

// Centres its first child vertically and puts the child's horizontal centre at hCenterAnchor,
// moved just enough to stay inside.
Item {
    id: root

    property real hCenterAnchor: width / 2

    function place() {
        const child = children.length > 0 ? children[0] : null
        if (!child)
            return
        child.x = Math.min(width - child.width, Math.max(0, hCenterAnchor - child.width / 2))
        child.y = (height - child.height) / 2
    }

    onWidthChanged: place()
    onHeightChanged: place()
    onHCenterAnchorChanged: place()
    onChildrenChanged: place()
    Component.onCompleted: place()
}

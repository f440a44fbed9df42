import QtQuick
import QtQuick.Controls

// A row that opens a page: the title at the left, an arrow at the right.
UI_ListRow {
    id: root

    property string titleText: ""
    // A page path, a component or an item, as the page stack takes it.
    property var pushItem: null

    signal clicked

    Label {
        anchors.left: parent.left
        anchors.right: arrow.left
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        text: root.titleText
        wrapMode: Text.WordWrap
    }

    UI_Image2 {
        id: arrow
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: 10
        height: 21
        source: "qrc:/icons/app/20x20/back.png"
        rotation: 180
    }

    MouseArea {
        anchors.fill: parent
        onClicked: {
            root.clicked()
            if (root.pushItem)
                inj_stackView.push(root.pushItem)
        }
    }
}

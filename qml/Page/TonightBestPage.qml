import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."

// Tonight's best deep-sky objects, planets and double stars, one tab each. Exactly one list is
// displayed while the page is active, and none while it is hidden.
Page {
    id: root

    readonly property var listPages: [dsoPage, planetPage, doubleStarPage]
    readonly property alias currentTab: tabBar.currentIndex

    // n < 0 shows none.
    function showTab(n) {
        if (inner.depth > 1)
            inner.pop()
        if (n >= 0)
            inner.push(listPages[n])
    }

    background: Pane {}
    StackView.onActivated: showTab(tabBar.currentIndex)
    StackView.onDeactivated: showTab(-1)

    CatalogAstroListPage {
        id: dsoPage
        visible: false
        catalogList: inj_astroList_dso_bt
    }
    CatalogAstroListPage {
        id: planetPage
        visible: false
        catalogList: inj_astroList_ss_bt
    }
    CatalogAstroListPage {
        id: doubleStarPage
        visible: false
        catalogList: inj_astroList_double_bt
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        TabBar {
            id: tabBar
            objectName: "tabs"
            Layout.fillWidth: true
            Layout.minimumHeight: 50
            onCurrentIndexChanged: if (root.StackView.status === StackView.Active) root.showTab(currentIndex)

            UI_TabButton {
                text: qsTr("Deep Sky")
                height: parent.height
            }
            UI_TabButton {
                text: qsTr("Planet")
                height: parent.height
            }
            UI_TabButton {
                text: qsTr("Double Star")
                height: parent.height
            }
        }

        StackView {
            id: inner
            objectName: "innerStack"
            Layout.fillWidth: true
            Layout.fillHeight: true
            pushEnter: Transition {}
            pushExit: Transition {}
            popEnter: Transition {}
            popExit: Transition {}
            replaceEnter: Transition {}
            replaceExit: Transition {}
            initialItem: Item {}
        }
    }
}

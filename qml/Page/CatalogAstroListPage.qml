import QtQuick
import QtQuick.Controls

// One catalog list service on screen: its rows, its search, and the object page for a tapped
// row. The service keeps its list up to date only while told that the page is displayed.
BaseAstroListPage {
    id: root

    property var catalogList: null
    property bool isComet: false

    QtObject {
        id: _m
        readonly property var mainUIUtil: inj_mainUIUtil
        readonly property var objectInfoPage: inj_objectInfoPage
    }

    listModel: catalogList ? catalogList.list : []
    loadingList: catalogList ? catalogList.loadingList : false

    onSearchTextChanged: catalogList.setSearchText(searchText)
    onSelectedIndex: index => _m.objectInfoPage.go(catalogList.getAstroObj(index))

    StackView.onActivated: {
        _m.mainUIUtil.showCatalogMenu.push(isComet ? 2 : 1)
        // The service outlives this page, and a page made anew starts with an empty box: the
        // search the service lists by is the one this box shows, not one typed on an earlier page.
        catalogList.setSearchText(searchText)
        catalogList.setDisplayed(true)
    }
    StackView.onDeactivated: {
        _m.mainUIUtil.showCatalogMenu.pop()
        catalogList.setDisplayed(false)
    }
}

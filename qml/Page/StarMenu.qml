import QtQuick
import "../CommonUI"

// The star catalogs: each list page lives as long as the menu, so it keeps its search text and
// place between showings.
MenuGrid {
    id: root

    QtObject {
        id: _m
        readonly property var stackView: inj_stackView
    }

    property Item solarSystemPage: CatalogAstroListPage {
        visible: false
        catalogList: inj_astroList_ss
    }
    property Item namedStarPage: CatalogAstroListPage {
        visible: false
        catalogList: inj_astroList_star
    }
    property Item doubleStarPage: CatalogAstroListPage {
        visible: false
        catalogList: inj_astroList_double
    }
    property Item cometPage: CatalogAstroListPage {
        visible: false
        catalogList: inj_astroList_comet
        isComet: true
    }

    MenuButton {
        objectName: "solarSystem"
        text: qsTr("Solar System")
        iconSource: "qrc:/image/Star_icon/solarSystem.png"
        onClicked: _m.stackView.push(root.solarSystemPage)
    }
    MenuButton {
        objectName: "namedStar"
        text: qsTr("Named Star")
        iconSource: "qrc:/image/Star_icon/namedStar.png"
        onClicked: _m.stackView.push(root.namedStarPage)
    }
    MenuButton {
        objectName: "doubleStar"
        text: qsTr("Double Star")
        iconSource: "qrc:/image/Star_icon/doubleStar.png"
        onClicked: _m.stackView.push(root.doubleStarPage)
    }
    // Keeps the comet entry in its grid place.
    MenuButton {}
    MenuButton {
        objectName: "comet"
        text: qsTr("Comet")
        iconSource: "qrc:/image/Star_icon/comet.png"
        onClicked: _m.stackView.push(root.cometPage)
    }
}

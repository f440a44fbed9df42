import QtQuick
import QtQuick.Controls

// The sign of a site angle as two tabs: North/South for a latitude, West/East for a longitude.
// The first tab is positive.
TabBar {
    id: root

    property bool isLatitude: true

    function setSign(n) {
        currentIndex = n >= 0 ? 0 : 1
    }

    function getSign() {
        return currentIndex === 0 ? 1 : -1
    }

    // At night every text is red: the chosen side is told by weight as well as colour.
    component SignButton: TabButton {
        font.bold: checked
        opacity: checked ? 1 : 0.6
    }

    SignButton {
        text: root.isLatitude ? qsTr("North") : qsTr("West")
    }
    SignButton {
        text: root.isLatitude ? qsTr("South") : qsTr("East")
    }
}

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

    TabButton {
        text: root.isLatitude ? qsTr("North") : qsTr("West")
    }
    TabButton {
        text: root.isLatitude ? qsTr("South") : qsTr("East")
    }
}

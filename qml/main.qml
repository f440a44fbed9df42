import QtQuick
import QtQuick.Controls

ApplicationWindow {
    id: window

    width: 428
    height: 800
    visible: true
    title: inj_appVersion.appName

    Label {
        anchors.centerIn: parent
        text: window.title
    }
}

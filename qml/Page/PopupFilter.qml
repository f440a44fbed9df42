import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Ko.Quorvel
import "../CommonUI"
import ".."
import "../Util.js" as Util

// Sort order and filters of the catalog lists; on the comet list also the comet file's download.
UI_Dialog {
    id: root

    QtObject {
        id: _m
        readonly property var catalogSettings: inj_catalogSettings
        readonly property var altRange: inj_altRange
        readonly property var cometFile: inj_cometFile
        readonly property var mainUIUtil: inj_mainUIUtil
        readonly property var stackView: inj_stackView
    }

    readonly property bool filtered: _m.catalogSettings.enableAltRangeViewFilter
                                     || _m.catalogSettings.enableVmagFilter
    readonly property string altitudeText: _m.catalogSettings.enableAltRangeViewFilter
        ? Math.round(Util.radToDeg(_m.altRange.minAlt)) + "~" + Math.round(Util.radToDeg(_m.altRange.maxAlt)) + "°"
        : qsTr("Off")
    readonly property string magnitudeText: _m.catalogSettings.enableVmagFilter
        ? qsTr("Star") + ": " + _m.catalogSettings.maxStarVmag.toFixed(1) + " " + qsTr("Other") + ": "
          + _m.catalogSettings.maxDsoVmag.toFixed(1)
        : qsTr("Off")
    readonly property bool cometMode: _m.mainUIUtil.showCatalogMenu.value === 2
    readonly property string lastUpdated: {
        const time = _m.cometFile.downloadTime
        return time && !isNaN(time.getTime()) ? Qt.formatDateTime(time, "yyyy-MM-dd hh:mm:ss") : ""
    }

    function sortBy(order) {
        _m.catalogSettings.sortOrder = order
        close()
    }

    function openPage(url) {
        _m.stackView.push(url)
        close()
    }

    modal: true
    width: 320
    padding: 0
    topPadding: 0
    bottomPadding: 0

    component ChoiceRow: ItemDelegate {
        id: choice
        property string value: ""
        property bool marked: false
        Layout.fillWidth: true
        implicitHeight: 48
        // The row's name stays whole; its value takes what is left and is cut short there: a
        // value of its full width ran the name into it ("HelligkeitStern: 2.4 …").
        contentItem: RowLayout {
            spacing: 8
            Label {
                Layout.fillWidth: choice.value === ""
                Layout.minimumWidth: implicitWidth
                text: choice.text
            }
            Label {
                Layout.fillWidth: true
                visible: text !== ""
                text: choice.value
                opacity: 0.8
                horizontalAlignment: Text.AlignRight
                elide: Text.ElideRight
            }
            UI_Image {
                visible: choice.marked
                Layout.preferredWidth: 21
                Layout.preferredHeight: 21
                iconWidth: 21
                iconHeight: 21
                source: "qrc:/icons/app/20x20/check.png"
            }
        }
    }

    contentItem: ColumnLayout {
        spacing: 0

        UI_InfoHeader {
            Layout.fillWidth: true
            title: qsTr("Sort By")
        }
        ChoiceRow {
            objectName: "sortMagnitude"
            text: qsTr("Magnitude")
            marked: _m.catalogSettings.sortOrder === CatalogSortOrder.Vmag
            onClicked: root.sortBy(CatalogSortOrder.Vmag)
        }
        ChoiceRow {
            objectName: "sortName"
            text: qsTr("Name")
            marked: _m.catalogSettings.sortOrder === CatalogSortOrder.Name
            onClicked: root.sortBy(CatalogSortOrder.Name)
        }
        UI_InfoHeader {
            Layout.fillWidth: true
            title: qsTr("Filter")
            Item {
                Layout.fillWidth: true
                width: 1
                height: 1
            }
            UI_Image {
                objectName: "filterMark"
                visible: root.filtered
                iconWidth: 21
                iconHeight: 21
                width: 21
                height: 21
                source: "qrc:/image/Home_icon/catalog_menu.png"
            }
        }
        ChoiceRow {
            objectName: "altitudeFilter"
            text: qsTr("Altitude")
            value: root.altitudeText
            onClicked: root.openPage("qrc:/Page/AltitudeLimitPage.qml")
        }
        ChoiceRow {
            objectName: "magnitudeFilter"
            text: qsTr("Magnitude")
            value: root.magnitudeText
            onClicked: root.openPage("qrc:/Page/MagnitudeLimitPage.qml")
        }

        ColumnLayout {
            objectName: "cometDownload"
            Layout.fillWidth: true
            visible: root.cometMode
            spacing: 0

            UI_InfoHeader {
                Layout.fillWidth: true
                title: qsTr("Catalog Download")
            }
            RowLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 10
                Layout.rightMargin: 10
                Layout.minimumHeight: 56
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 0
                    // A failed download takes the place of the date until the next one starts.
                    Label {
                        objectName: "lastUpdatedTitle"
                        text: _m.cometFile.failure ? qsTr("Download failed") : qsTr("Last updated")
                    }
                    Label {
                        objectName: "lastUpdated"
                        Layout.fillWidth: true
                        text: _m.cometFile.failure ? _m.cometFile.failure : root.lastUpdated
                        opacity: 0.5
                        font.pixelSize: 13
                        wrapMode: Text.Wrap
                        maximumLineCount: 3
                        elide: Text.ElideRight
                    }
                }
                Button {
                    objectName: "update"
                    visible: !_m.cometFile.downloading
                    text: qsTr("Update")
                    onClicked: _m.cometFile.downloadAsync()
                }
                BusyIndicator {
                    visible: _m.cometFile.downloading
                    running: visible
                    Layout.preferredWidth: 40
                    Layout.preferredHeight: 40
                }
            }
            Label {
                Layout.fillWidth: true
                Layout.margins: 10
                text: qsTr("Source: IAU Minor Planet Center")
                font.pixelSize: 13
                wrapMode: Text.WordWrap
            }
        }
    }
}

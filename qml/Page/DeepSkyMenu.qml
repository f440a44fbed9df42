import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Ko.Quorvel
import "../CommonUI"
import ".."

// The named deep-sky list, and the search of one object by catalogue and number with a GoTo to it.
Page {
    id: root

    QtObject {
        id: _m
        readonly property var stackView: inj_stackView
        readonly property var mountConnection: inj_mountConnection
        readonly property var searchDSO: inj_searchDSO
        readonly property var objectInfoPage: inj_objectInfoPage
    }

    // In the order shown, each with its highest number, which the empty field offers as its range.
    readonly property var catalogues: [
        { text: QT_TR_NOOP("Messier"), value: DeepSkyCatalog.IdM, last: 110 },
        { text: QT_TR_NOOP("Caldwell"), value: DeepSkyCatalog.IdC, last: 109 },
        { text: QT_TR_NOOP("NGC"), value: DeepSkyCatalog.IdNgc, last: 7840 },
        { text: QT_TR_NOOP("IC"), value: DeepSkyCatalog.IdIc, last: 5386 }
    ]
    readonly property int lastNumber: {
        const entry = catalogues.find(c => c.value === _m.searchDSO.dsoType)
        return entry ? entry.last : 10000
    }
    property Item namedDsoPage: CatalogAstroListPage {
        visible: false
        catalogList: inj_astroList_dso
    }

    background: Pane {}
    StackView.onActivated: _m.searchDSO.refresh()

    // Scrolls where the window is too short for the tile, the search and its buttons above the
    // slew pad.
    UI_ScrollColumn {
        anchors.fill: parent
        spacing: 12

        // A short page gives the tile less height: its icon, then its label, get smaller.
        MenuButton {
            objectName: "namedDeepSky"
            pageWidth: root.width
            pageHeight: root.height
            text: qsTr("Named Deep Sky Object")
            iconSource: "qrc:/image/DeepSky_icon/namedDeepSky.png"
            Layout.alignment: Qt.AlignHCenter
            Layout.fillHeight: false
            Layout.fillWidth: false
            Layout.preferredWidth: Math.min(root.width - 20, implicitWidth * 1.6)
            Layout.preferredHeight: Math.min(implicitHeight, Math.max(80, root.height * 0.3))
            onClicked: _m.stackView.push(root.namedDsoPage)
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            UI_TranslatableComboBox {
                id: catalogueBox
                objectName: "catalogue"
                Layout.preferredWidth: 150
                tr_model: root.catalogues
                tr_modelToString: item => qsTr(item.text)
                Component.onCompleted: tr_setFromValue(_m.searchDSO.dsoType)
                onActivated: _m.searchDSO.dsoType = tr_currentValue
            }
            UI_TextInput {
                id: numberField
                objectName: "number"
                Layout.fillWidth: true
                isOnlyNumber: true
                hasCloseBtn: true
                placeholderText: "1 ~ " + root.lastNumber
                validator: RegularExpressionValidator {
                    regularExpression: /[1-9][0-9]{0,3}|10000/
                }
                // A new visit shows the number the search still holds.
                Component.onCompleted: text = _m.searchDSO.numberID > 0 ? String(_m.searchDSO.numberID) : ""
                onTextChanged: _m.searchDSO.numberID = text === "" ? -1 : parseInt(text)
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4

            Label {
                objectName: "resultName"
                Layout.fillWidth: true
                text: _m.searchDSO.show.a
                font.pixelSize: 14
                elide: Text.ElideRight
            }
            RowLayout {
                Layout.fillWidth: true
                Label {
                    objectName: "resultKind"
                    Layout.fillWidth: true
                    text: _m.searchDSO.show.c
                    font.pixelSize: 14
                    elide: Text.ElideRight
                }
                Label {
                    objectName: "resultMagnitude"
                    text: _m.searchDSO.show.b
                    font.pixelSize: 14
                    horizontalAlignment: Text.AlignRight
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            Button {
                objectName: "goTo"
                Layout.fillWidth: true
                text: qsTr("Go To")
                enabled: _m.mountConnection.connected && _m.searchDSO.slewToOk
                onClicked: _m.searchDSO.startGoTo()
            }
            Button {
                objectName: "more"
                Layout.fillWidth: true
                text: qsTr("More ...")
                enabled: _m.searchDSO.searchSuccess
                onClicked: _m.objectInfoPage.go(_m.searchDSO.getAstroObj())
            }
        }

        // Why Go To is greyed for the object found; only while a mount could go there.
        Label {
            objectName: "goToRefusal"
            Layout.fillWidth: true
            readonly property var prohibition: _m.searchDSO.slewToProhibition
            visible: text !== ""
            text: !_m.mountConnection.connected || prohibition === undefined ? ""
                  : prohibition === SlewToProhibition.TooCloseToSun
                    ? qsTranslate("mount", "Too close to Sun")
                    : qsTranslate("mount", "Altitude outside of limits")
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            font.pixelSize: 14
        }

        Item {
            Layout.fillHeight: true
        }
    }
}

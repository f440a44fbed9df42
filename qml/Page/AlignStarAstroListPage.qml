import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import ".."
import "../CommonUI"
import "../Words.js" as Words

// One of the three star lists of an alignment; the workflow asks for a star from it and hears
// which one the user tapped.
AlignWorkflowPage {
    id: root

    required property int index012

    QtObject {
        id: _m
        readonly property var calculator: inj_alignStarCalculator
        readonly property var stubs: inj_alignStarListUIStubs
        readonly property var mainUIUtil: inj_mainUIUtil
        readonly property var rows: [calculator.list0, calculator.list1, calculator.list2][root.index012]
    }

    Connections {
        target: _m.stubs
        function onShouldShow(index012, title) {
            if (index012 !== root.index012)
                return
            root.title = title
            root.show()
        }
        function onShouldInclusivePop(index012) {
            if (index012 === root.index012)
                root.remove()
        }
    }

    StackView.onActivated: {
        list.searchText = ""
        if (inj_mainFooter)
            inj_mainFooter.requestDisplay(false)
        _m.mainUIUtil.showCatalogMenu.push(1)
        _m.calculator.setDisplayed(root.index012, true)
    }
    StackView.onDeactivated: {
        _m.mainUIUtil.showCatalogMenu.pop()
        _m.calculator.setDisplayed(root.index012, false)
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Label {
            objectName: "title"
            Layout.fillWidth: true
            Layout.minimumHeight: 32
            Layout.margins: 6
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
            text: Words.keepWhole(root.title, inj_languageManager.language)
            font.bold: true
        }
        UI_RowDivider {
            Layout.fillWidth: true
        }
        BaseAstroListPage {
            id: list
            objectName: "list"
            Layout.fillWidth: true
            Layout.fillHeight: true
            enabled: root.connected
            listModel: _m.rows
            onSearchTextChanged: _m.calculator.setSearchText(root.index012, searchText)
            onSelectedIndex: index => {
                if (_m.rows[index].isEnableListItem) {
                    _m.stubs.select(root.index012, index)
                } else {
                    outOfLimits.reason = _m.rows[index].refusal
                    outOfLimits.open()
                }
            }
        }
    }

    // Says why the row cannot be chosen; a row without a reason is one out of the limits.
    CommonDialog {
        id: outOfLimits
        objectName: "outOfLimits"
        property string reason: ""
        heading: qsTr("Warning")
        content: reason !== "" ? reason : qsTr("Altitude out of limits.")
    }
}

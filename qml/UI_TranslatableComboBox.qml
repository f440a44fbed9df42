import QtQuick
import QtQuick.Controls
import QtQuick.Controls.Material
import QtQuick.Layouts

// A combo box whose texts follow the language. tr_model holds the items, plain values or objects
// with a value member; the shown texts are made from it and remade, keeping the selection, when
// the language or the double-length test mode changes.
UI_ComboBox {
    id: root

    property var tr_model: []
    property var tr_modelToString: function (item) {
        return item !== null && typeof item === "object" ? qsTr(item.text) : String(item)
    }
    property var tr_modelEqual: function (item, value) {
        return root._valueOf(item) === value
    }
    readonly property var tr_currentValue: currentIndex >= 0 && currentIndex < tr_model.length
        ? _valueOf(tr_model[currentIndex]) : undefined

    QtObject {
        id: _m
        readonly property var languageManager: inj_languageManager
        readonly property bool isNight: inj_nightManager.isNight
    }

    // Wide enough for its longest choice in the current language, and never squeezed below it by
    // a row's label, which wraps instead: a choice cut mid-letter cannot be read.
    implicitContentWidthPolicy: ComboBox.WidestText
    Layout.minimumWidth: implicitWidth

    // The dark style would show the chosen text in white at night.
    Material.foreground: _m.isNight ? Material.color(Material.Red) : "#dd000000"

    function _valueOf(item) {
        return item !== null && typeof item === "object" && item.value !== undefined ? item.value : item
    }

    function tr_indexOfValue(value) {
        for (let i = 0; i < tr_model.length; ++i)
            if (tr_modelEqual(tr_model[i], value))
                return i
        return -1
    }

    function tr_setFromValue(value) {
        currentIndex = tr_indexOfValue(value)
    }

    function _rebuild() {
        // A box that had no items starts at the first one, as a combo box does.
        const index = count === 0 && currentIndex < 0 ? 0 : currentIndex
        const texts = Array.from(tr_model, item => tr_modelToString(item))
        let widest = 0
        for (const text of texts) {
            _metrics.text = text
            widest = Math.max(widest, _metrics.advanceWidth)
        }
        _widestText = widest
        model = texts
        currentIndex = index < model.length ? index : -1
    }

    // The list is as wide as its longest text needs, even where the box is narrower, so that no
    // entry is cut short in a language with long words; it keeps the box's right edge.
    property real _widestText: 0
    readonly property TextMetrics _metrics: TextMetrics {
        font: root.font
    }
    popup.width: Math.max(width, _widestText + 40)
    popup.x: width - popup.width

    Component.onCompleted: _rebuild()
    onTr_modelChanged: _rebuild()

    Connections {
        target: _m.languageManager
        function onLanguageChanged_q() {
            root._rebuild()
        }
        // Double length retranslates the bindings without announcing a new language.
        function onDoubleLengthChanged() {
            root._rebuild()
        }
    }
}

import QtQml

QtObject {
    property ValueStack showHeader: ValueStack {
        defaultValue: true
    }
    property ValueStack showFooter: ValueStack {
        defaultValue: true
    }
}

import QtQml

CommonMainUIUtil {
    // false or 0: no catalog button; 1: the filter button; 2: the filter with the comet download.
    property ValueStack showCatalogMenu: ValueStack {
        defaultValue: false
    }
    property var stackView: null

    // One page at a time: a single pop down to the first page would skip the deactivation of
    // the pages in between, and with it the pops that keep the value stacks balanced.
    function goHome() {
        while (stackView && stackView.depth >= 2)
            stackView.pop()
    }
}

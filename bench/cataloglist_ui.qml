import QtQuick

// Probe driver for bench/cataloglist_ui.sh: the named deep-sky list (every shipped object) opened
// until its first rows are drawn, one search keystroke until the rows are redrawn, and the
// longest frame while the list scrolls from end to end. Prints "open-ms", "keystroke-ms" and
// "longest-frame-ms".
QtObject {
    id: driver

    property double t0: 0
    property bool drawn: false
    property var page: null
    property var view: null
    property double lastSwap: 0
    property double longestFrame: 0
    property bool scrolling: false
    property int changes: 0
    property int fullCount: 0
    property double loadedAt: 0
    readonly property var list: inj_astroList_dso

    function afterDrawn() {
        drawn = false
        probe.afterFrame(() => drawn = true)
    }

    function onSwap() {
        const now = Date.now()
        if (scrolling && lastSwap > 0)
            longestFrame = Math.max(longestFrame, now - lastSwap)
        lastSwap = now
    }

    property NumberAnimation scroll: NumberAnimation {
        property: "contentY"
        duration: 3000
        onFinished: driver.scrolling = false
    }

    function steps() {
        const w = probe.window
        const stack = w.inj_stackView
        return [
            { run: () => {
                  // Every shipped object: no altitude or magnitude filter.
                  inj_catalogSettings.enableAltRangeViewFilter = false
                  inj_catalogSettings.enableVmagFilter = false
                  const menu = stack.push("qrc:/Page/DeepSkyMenu.qml")
                  page = menu.namedDsoPage
                  view = page.listView
                  list.listChanged.connect(() => {
                      if (!list.loadingList && loadedAt === 0)
                          loadedAt = Date.now()
                  })
                  t0 = Date.now()
                  stack.push(page)
              },
              wait: () => !list.loadingList && list.list.length > 0 && view.count > 0 },
            { run: afterDrawn, wait: () => drawn },
            { run: () => {
                  console.info("open-ms: " + (Date.now() - t0) + " (" + view.count + " rows, built by the service after "
                               + (loadedAt - t0) + " ms)")
                  fullCount = view.count
                  list.listChanged.connect(() => ++changes)
                  changes = 0
                  t0 = Date.now()
                  page.searchText = "M"
              },
              wait: () => changes > 0 && !list.loadingList },
            { run: afterDrawn, wait: () => drawn },
            { run: () => {
                  console.info("keystroke-ms: " + (Date.now() - t0) + " (" + view.count + " rows)")
                  page.searchText = ""
              },
              wait: () => !list.loadingList && view.count === fullCount },
            { run: () => {
                  w.frameSwapped.connect(onSwap)
                  view.positionViewAtBeginning()
                  scroll.target = view
                  scroll.from = view.contentY
                  view.positionViewAtEnd()
                  scroll.to = view.contentY
                  view.positionViewAtBeginning()
                  lastSwap = 0
                  scrolling = true
                  scroll.start()
              },
              wait: () => !scrolling, timeoutMs: 20000 },
            { run: () => {
                  console.info("longest-frame-ms: " + longestFrame)
              } }
        ]
    }
}

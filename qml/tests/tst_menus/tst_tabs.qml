import QtQuick
import QtQuick.Controls
import QtTest
import ".."

// The tab bars of the pages, in every language at the narrowest window: each name stays within
// its tab, whole, and breaks between words only (a word longer than the tab gets a smaller
// font instead of being split, as "Doppelstern" once was).
WindowTestCase {
    name: "Tabs"
    // A hidden window keeps its size.
    when: windowShown

    // The narrowest window the program is made for.
    readonly property int narrowest: 360

    function cleanup() {
        window.inj_mainUIUtil.goHome()
        inj_languageManager.language = "en"
    }

    function test_namesStayWhole_data() {
        const rows = []
        for (const entry of inj_languageManager.availableLanguages) {
            for (const [page, bar] of [["TonightBestPage", "tabs"], ["IdentifyPage", "tabs"],
                                       ["CameraControlPage", "modeBar"],
                                       ["PolarScopePage", "hemisphereTabs"]])
                rows.push({ tag: entry.languageCode + " " + page, code: entry.languageCode,
                            page: page, bar: bar })
        }
        return rows
    }

    function test_namesStayWhole(data) {
        window.width = narrowest
        window.height = 640
        tryCompare(window.contentItem, "width", narrowest)
        inj_languageManager.language = data.code
        const page = open(data.page)
        const bar = child(page, data.bar)
        verify(bar.count >= 2)
        tryVerify(() => bar.width > 0 && bar.width <= narrowest, 5000,
                  "tab bar " + bar.width + " wide in a window " + window.width + " wide")
        for (let i = 0; i < bar.count; ++i) {
            const text = bar.itemAt(i).contentItem
            const label = data.code + " \"" + text.text + "\""
            verify(text.text.length > 0, label)
            verify(!text.truncated, label + " is cut short")
            verify(text.contentWidth <= text.width + 0.5,
                   label + ": " + text.contentWidth + " wide in " + text.width)
            verify(text.contentHeight <= text.height + 0.5,
                   label + ": " + text.contentHeight + " high in " + text.height)
            // Scripts without spaces break between any two characters; the others between words
            // (at a blank, hyphen or slash) only.
            if (!/[\u3040-\u30ff\u4e00-\u9fff]/.test(text.text)) {
                const words = text.text.split(/[\s\-\/]+/).filter(w => w.length > 0).length
                verify(text.lineCount <= words,
                       label + " breaks inside a word: " + text.lineCount + " lines")
            }
        }
    }
}

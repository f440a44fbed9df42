import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "qrc:/"
import "qrc:/Words.js" as Words

// The layout check of the probe on small scenes built to hold one fault each, beside sound ones
// that must give nothing: a check that never finds anything passes every walk. Each scene lies
// in a popup over the whole window, which the check then judges alone; a scene lists the kinds
// of finding it must give, no more and no fewer, and the texts that break inside a word, read in
// the language readAs (none: by the rules of every language).
QtObject {
    id: driver

    property Popup shown: null
    property bool checked: false
    property var failures: []

    readonly property var scenes: [
        { name: "sound scene", kinds: [], component: soundScene },
        { name: "control partly outside the window", component: pastWindowScene,
          kinds: ["control cut off by the window's edge"] },
        { name: "control outside an item that clips it, no view to scroll it in",
          component: clippedScene, kinds: ["control cut off by what clips it"] },
        { name: "control outside a view that scrolls it in", kinds: [],
          component: scrolledScene },
        { name: "text of a row running into the row's icon", component: crowdedRowScene,
          kinds: ["text over a picture beside it"] },
        { name: "text of a row that fits beside the row's icon", kinds: [],
          component: fittingRowScene },
        { name: "text of a row running into the row's icon, by night", night: true,
          component: crowdedRowScene, kinds: ["text over a picture beside it"] },
        { name: "text of a row that fits beside the row's icon, by night", night: true,
          kinds: [], component: fittingRowScene },
        // A German word split at the end of the label, in a text of as many lines as words.
        { name: "a word split by wrapping anywhere", kinds: [], component: wrapAnywhereScene,
          broken: ["Uhrzeigerposition des Polarsterns"] },
        { name: "words wrapped between them", kinds: [], component: wordWrapScene, broken: [] },
        { name: "a katakana word split", kinds: [], component: katakanaScene,
          broken: ["アライメントをリセット"] },
        { name: "a katakana word held together", kinds: [], component: katakanaKeptScene,
          broken: [] },
        // Chinese breaks between any two characters.
        { name: "Chinese broken between characters", kinds: [], component: chineseScene,
          broken: [] },
        // Read as Japanese, a compound of ideographs is one word.
        { name: "a compound of ideographs split", kinds: [], component: compoundScene,
          readAs: "ja", broken: ["AZ/EQ両用架台"] },
        { name: "a compound of ideographs split, not read as Japanese", kinds: [],
          component: compoundScene, broken: [] },
        { name: "a compound of ideographs held together", kinds: [], readAs: "ja",
          component: compoundKeptScene, broken: [] },
        // A term and its value are one word in every language; between an ideograph or kana
        // and the sign the layout breaks.
        { name: "a Chinese term broken from its value", kinds: [], component: termScene,
          text: "倾斜=00.0′", broken: ["倾斜=00.0′"] },
        { name: "a Chinese term held to its value", kinds: [], component: termScene,
          text: "倾斜=00.0′", language: "zh", broken: [] },
        { name: "a Japanese term broken from its value", kinds: [], component: termScene,
          readAs: "ja", text: "傾き=00.0′", broken: ["傾き=00.0′"] },
        { name: "a Japanese term held to its value", kinds: [], component: termScene,
          readAs: "ja", text: "傾き=00.0′", language: "ja", broken: [] },
        { name: "an English term and its value", kinds: [], component: termScene,
          text: "Tilt=00.0′", broken: [] },
        // Held at its sign only, a Chinese term breaks inside.
        { name: "a Chinese term split inside", kinds: [], component: japaneseScene,
          text: "倾斜\u2060=\u206000.0′", width: 20, broken: ["倾斜=00.0′"] }
    ].concat(sentenceScenes(japaneseTexts, "ja"), sentenceScenes(chineseTexts, "zh"),
             editedScenes())

    // Japanese sentences of the dialogs and pages, laid out as they are and held together where
    // a line must not break. As they are, each sentence is given the width of its text up to
    // the place where it split a word ("可|能性", "ありま|す", "読み|出し"), and breaks there;
    // held together, none of them breaks inside a word, read as Japanese. The longest text too,
    // in a width where it breaks in several places, also as an edited text.
    readonly property var japaneseTexts: [
        { text: "まだ動いている可能性があります。", after: "まだ動いている可" },
        { text: "停止コマンドが架台に届いていません。", after: "停止コマンドが架台に届いてい" },
        { text: "シャッターがまだ開いている可能性があります。",
          after: "シャッターがまだ開いている可能性がありま" },
        { text: "Mel・Mazの測定値がありません。", after: "Mel・Mazの測定値がありませ" },
        { text: "目に回復不能な障害が残ります。", after: "目に回復不能な障" },
        { text: "望遠鏡の前面にしっかりと取り付けた", after: "望遠鏡の前面にしっか" },
        { text: "望遠鏡で太陽を直接見ないでください。", after: "望遠鏡で太陽を直接見ないでくださ" },
        { text: "内部にこもる熱で望遠鏡の光学素子が損傷します。",
          after: "内部にこもる熱で望遠鏡の光学素子が損" },
        { text: "ハイバネートデータがあります。", after: "ハイバネートデータがありま" },
        { text: "架台の状態を復元しますか？", after: "架台の状態を復元します" },
        { text: "Wi-Fiモジュールが設定の読み出しを拒否しました。", after: "Wi-Fiモジュールが設定の読み" },
        { text: "望遠鏡で太陽を直接見ないでください。目に回復不能な障害が残ります。太陽を見るときは、望遠鏡の前面にしっかりと取り付けた適切な太陽フィルターを使用してください。",
          width: 250 }
    ]
    // Chinese sentences of the GoTo dialog, the same way: as they are, each breaks inside a word
    // ("仍在移|动"); held together, none does, read as Chinese. Read by the rules of every
    // language, a break between two ideographs splits nothing.
    readonly property var chineseTexts: [
        { text: "支架没有响应，可能仍在移动。", after: "支架没有响应，可能仍在移" },
        { text: "停止命令尚未送达支架：它可能仍在移动。", after: "停止命令尚" },
        { text: "停止命令会一直重发，直到支架响应。", after: "停止命令会一直重" }
    ]
    property FontMetrics japaneseMetrics: FontMetrics {
        font.pixelSize: 14
    }
    // Room for the text up to after, not for the next character.
    function widthOf(t) {
        return t.width || Math.ceil(japaneseMetrics.advanceWidth(t.after)) + 6
    }
    function sentenceScenes(texts, language) {
        const list = []
        for (const t of texts) {
            const head = t.after ? t.after + "|" : t.text.slice(0, 8) + "…"
            list.push({ name: head + " as it is", kinds: [], component: japaneseScene,
                        readAs: language, text: t.text, width: widthOf(t), broken: [t.text] })
            list.push({ name: head + " held together", kinds: [], component: japaneseScene,
                        readAs: language, text: t.text, width: widthOf(t), language: language,
                        broken: [] })
            if (language !== "ja")
                list.push({ name: head + " as it is, not read as " + language, kinds: [],
                            component: japaneseScene, text: t.text, width: widthOf(t),
                            broken: [] })
        }
        return list
    }
    function editedScenes() {
        const list = []
        const sun = japaneseTexts[japaneseTexts.length - 1]
        list.push({ name: "an edited text as it is", kinds: [], component: editedScene,
                    readAs: "ja", text: sun.text, width: sun.width, broken: [sun.text] })
        list.push({ name: "an edited text held together", kinds: [], component: editedScene,
                    readAs: "ja", text: sun.text, width: sun.width, language: "ja",
                    broken: [] })
        return list
    }


    // A popup over the whole window, its scene as content; the probe judges it alone.
    property Component frame: Component {
        Popup {
            parent: Overlay.overlay
            width: parent.width
            height: parent.height
            padding: 0
            closePolicy: Popup.NoAutoClose
            background: Rectangle {
                color: "white"
            }
        }
    }

    property Component soundScene: Component {
        ColumnLayout {
            width: 300
            Label {
                text: "Exposure"
            }
            Button {
                text: "Start"
            }
            RowLayout {
                Image {
                    source: "qrc:/image/Camera_icon/pause.png"
                    sourceSize: Qt.size(20, 20)
                }
                Label {
                    text: "60 s"
                }
            }
        }
    }

    // Half of the slider lies past the window's right edge. A control without a text: a button's
    // text would be cut off with it, a finding of another kind.
    property Component pastWindowScene: Component {
        Item {
            anchors.fill: parent
            Slider {
                x: parent.width - width / 2
                y: 40
                width: 100
            }
        }
    }

    // The slider hangs below a box that clips it, and nothing scrolls the box.
    property Component clippedScene: Component {
        Item {
            width: 200
            height: 60
            clip: true
            Slider {
                y: 30
                width: 100
            }
        }
    }

    // The same, in a view whose content the user scrolls to reach the slider.
    property Component scrolledScene: Component {
        Flickable {
            width: 200
            height: 60
            clip: true
            contentHeight: 300
            Slider {
                y: 200
                width: 100
            }
        }
    }

    // A row of two equal cells, a text and an icon: a text wider than its cell runs on into the
    // icon. By night the icon is drawn as its red copy, a shader effect.
    component RowCells: RowLayout {
        property alias text: label.text
        width: 120
        spacing: 6
        Label {
            id: label
            Layout.fillWidth: true
            Layout.minimumWidth: 0
            Layout.preferredWidth: 1
        }
        UI_Image {
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            source: "qrc:/image/Camera_icon/pause.png"
        }
    }

    property Component crowdedRowScene: Component {
        RowCells {
            text: "3600 seconds and more"
        }
    }
    property Component fittingRowScene: Component {
        RowCells {
            text: "60 s"
        }
    }

    component WrappedLabel: Label {
        width: 150
        font.pixelSize: 14
        wrapMode: Text.WordWrap
    }
    property Component wrapAnywhereScene: Component {
        WrappedLabel {
            width: 110
            wrapMode: Text.Wrap
            text: "Uhrzeigerposition des Polarsterns"
        }
    }
    property Component wordWrapScene: Component {
        WrappedLabel {
            text: "Uhrzeigerposition des Polarsterns"
        }
    }
    property Component katakanaScene: Component {
        WrappedLabel {
            width: 120
            text: "アライメントをリセット"
        }
    }
    property Component katakanaKeptScene: Component {
        WrappedLabel {
            width: 120
            text: Words.keepWhole("アライメントをリセット", "ja")
        }
    }
    property Component chineseScene: Component {
        WrappedLabel {
            width: 60
            text: "连接设置网络模拟器"
        }
    }

    property Component compoundScene: Component {
        WrappedLabel {
            width: 80
            text: "AZ/EQ両用架台"
        }
    }
    property Component compoundKeptScene: Component {
        WrappedLabel {
            width: 80
            text: Words.keepWhole("AZ/EQ両用架台", "ja")
        }
    }

    // The scene being opened, for the scenes made from its text: as it is, or held together
    // for its language.
    property var scene: null
    function sceneText() {
        return scene.language ? Words.keepWhole(scene.text, scene.language) : scene.text
    }

    property Component termScene: Component {
        WrappedLabel {
            width: 40
            text: driver.sceneText()
        }
    }
    property Component japaneseScene: Component {
        WrappedLabel {
            width: driver.scene.width
            text: driver.sceneText()
        }
    }
    property Component editedScene: Component {
        TextEdit {
            width: driver.scene.width
            readOnly: true
            font.pixelSize: 14
            wrapMode: TextEdit.WordWrap
            text: driver.sceneText()
        }
    }

    function kindsOf(findings) {
        return [...new Set(findings.map(f => f.kind))].sort()
    }

    function open(scene) {
        probe.window.inj_nightManager.setting = scene.night ? 1 : 0
        const popup = frame.createObject(probe.window.contentItem)
        driver.scene = scene
        scene.component.createObject(popup.contentItem)
        popup.open()
        shown = popup
        checked = false
    }

    function check(scene) {
        const findings = probe.overlaps([probe.window.inj_toaster])
        const found = kindsOf(findings)
        const wanted = scene.kinds.slice().sort()
        if (JSON.stringify(found) !== JSON.stringify(wanted)) {
            failures.push(scene.name + ": found " + JSON.stringify(found) + ", wanted "
                          + JSON.stringify(wanted))
            for (const f of findings)
                console.info("  " + f.kind + ": " + f.first + " at " + f.firstArea + " / "
                             + f.second + " at " + f.secondArea)
        }
        const words = probe.brokenWords(scene.readAs || "")
        const broken = words.map(b => b.text.replace(/\u2060/g, "")).sort()
        if (JSON.stringify(broken) !== JSON.stringify((scene.broken || []).slice().sort()))
            failures.push(scene.name + ": broken inside a word " + JSON.stringify(broken)
                          + ", wanted " + JSON.stringify(scene.broken || []) + " "
                          + JSON.stringify(words.map(b => b.lines.join("|"))))
        shown.close()
        shown.destroy()
        shown = null
        checked = true
    }

    function steps() {
        const list = []
        for (const scene of scenes) {
            list.push({ run: () => open(scene), wait: () => shown !== null && shown.opened })
            list.push({ run: () => probe.afterFrame(() => check(scene)), wait: () => checked })
        }
        list.push({ run: () => {
            if (failures.length)
                probe.fail(failures.join("; "))
        } })
        return list
    }
}

import QtQuick
import QtTest
import "qrc:/Words.js" as Words

// Where a label's lines may break: a Japanese text after the kana that end a phrase and after
// punctuation, never inside a word of katakana, ideographs or Latin letters; other languages as
// the text layout breaks them. The parts are what no line break splits, as measured for the font.
TestCase {
    name: "Words"

    function test_parts_data() {
        return [
            { tag: "a katakana word", text: "ネットワーク", language: "ja",
              parts: ["ネットワーク"] },
            { tag: "a particle ends the phrase", text: "アライメントをリセット", language: "ja",
              parts: ["アライメントを", "リセット"] },
            { tag: "ideographs and their particle", text: "同期でアライメント", language: "ja",
              parts: ["同期で", "アライメント"] },
            { tag: "a compound after a slash", text: "AZ/EQ両用架台", language: "ja",
              parts: ["AZ/", "EQ両用架台"] },
            { tag: "a comma stays with its phrase", text: "読み込み、ローカル", language: "ja",
              parts: ["読み込み、", "ローカル"] },
            { tag: "two verbs in one word", text: "設定の読み出しを拒否しました", language: "ja",
              parts: ["設定の", "読み出しを", "拒否しました"] },
            { tag: "a verb's stem before a second verb", text: "取り付けた", language: "ja",
              parts: ["取り付けた"] },
            { tag: "し ends the stem before 込む", text: "差し込み", language: "ja",
              parts: ["差し込み"] },
            { tag: "し ends the stem of 押す before 込む", text: "押し込み", language: "ja",
              parts: ["押し込み"] },
            { tag: "two verbs in one word before katakana", text: "読み出しエラー", language: "ja",
              parts: ["読み出し", "エラー"] },
            { tag: "kana that end a word before an ideograph", text: "まだ動いている可能性",
              language: "ja", parts: ["まだ", "動いている", "可能性"] },
            { tag: "a digit and its ideograph", text: "1星アライメント", language: "ja",
              parts: ["1星アライメント"] },
            { tag: "blanks in Japanese", text: "開けません: プログラム", language: "ja",
              parts: ["開けません:", "プログラム"] },
            { tag: "German as it is", text: "Uhrzeigerposition des Polarsterns", language: "de",
              parts: ["Uhrzeigerposition", "des", "Polarsterns"], same: true },
            { tag: "a hyphen and a slash end a part", text: "AZ/EQ-Montierung", language: "de",
              parts: ["AZ/", "EQ-", "Montierung"], same: true },
            { tag: "Chinese words not among those kept, a character a part", text: "连接设置",
              language: "zh", parts: ["连", "接", "设", "置"], same: true },
            { tag: "Chinese words of two ideographs", text: "可能仍在移动。", language: "zh",
              parts: ["可能", "仍在", "移动。"] },
            { tag: "the GoTo dialog's message in Chinese", text: "支架没有响应，可能仍在移动。",
              language: "zh", parts: ["支架", "没有", "响应，", "可能", "仍在", "移动。"] },
            { tag: "a Chinese word and a character alone", text: "它可能仍在移动", language: "zh",
              parts: ["它", "可能", "仍在", "移动"] },
            { tag: "a Chinese word in another language's text", text: "移动", language: "en",
              parts: ["移", "动"], same: true },
            // Latin letters break only next to an ideograph, in a text of any language.
            { tag: "a Latin term in a Chinese text", text: "正在GoTo中", language: "zh",
              parts: ["正在", "GoTo", "中"] },
            { tag: "a Latin term before an ideograph", text: "GoTo中", language: "en",
              parts: ["GoTo", "中"], same: true },
            // Shown in another language, the small kana and the long mark still follow.
            { tag: "katakana in another language", text: "ネットワーク", language: "en",
              parts: ["ネッ", "ト", "ワー", "ク"], same: true },
            { tag: "a verb ending after a particle", text: "可能性があります", language: "ja",
              parts: ["可能性が", "あります"] },
            { tag: "a verb and its ending", text: "届いていません", language: "ja",
              parts: ["届いていません"] },
            { tag: "a question and its particle", text: "復元しますか？", language: "ja",
              parts: ["復元しますか？"] },
            { tag: "kana that start a verb ending", text: "下がります", language: "ja",
              parts: ["下がります"] },
            { tag: "できる after a compound", text: "接続できません", language: "ja",
              parts: ["接続できません"] },
            { tag: "a word of kana", text: "しっかりと", language: "ja", parts: ["しっかりと"] },
            { tag: "を after kana", text: "ことをください", language: "ja",
              parts: ["ことを", "ください"] },
            { tag: "the topic particle after katakana", text: "データはありません", language: "ja",
              parts: ["データは", "ありません"] },
            { tag: "a Japanese term and its value", text: "Maz=0.1′   傾き=00.0′", language: "ja",
              parts: ["Maz=0.1′", "傾き=00.0′"] },
            { tag: "a Chinese term and its value", text: "倾斜=00.0′", language: "zh",
              parts: ["倾斜=00.0′"] },
            { tag: "Chinese terms and a text between them", text: "倾斜=0′ 连接设置", language: "zh",
              parts: ["倾斜=0′", "连", "接", "设", "置"] },
            { tag: "an English term and its value", text: "Tilt=00.0′", language: "en",
              parts: ["Tilt=00.0′"] },
            { tag: "a blank around the sign", text: "a = b", language: "en",
              parts: ["a", "=", "b"], same: true },
            { tag: "nothing", text: "", language: "ja", parts: [], same: true }
        ]
    }

    function test_parts(data) {
        const kept = Words.keepWhole(data.text, data.language)
        compare(kept.replace(/\u2060/g, ""), data.text, "nothing but joiners added")
        if (data.same)
            compare(kept, data.text)
        compare(Words.unbreakableParts(kept), data.parts)
        // The sign is held on both sides wherever it stands between two characters.
        if (/\S=\S/.test(data.text))
            verify(/\u2060=\u2060/.test(kept), "the sign held to the term and its value")
    }

    function test_sentences_data() {
        return [
            { tag: "English", list: ["The mount does not answer.", "The shutter may still be open."],
              text: "The mount does not answer. The shutter may still be open." },
            { tag: "Japanese", list: ["架台が応答しません。", "シャッターが開いています。"],
              text: "架台が応答しません。シャッターが開いています。" },
            { tag: "one", list: ["The shutter may still be open."],
              text: "The shutter may still be open." }
        ]
    }

    function test_sentences(data) {
        compare(Words.sentences(data.list), data.text)
    }
}

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
              parts: ["読み", "込み、", "ローカル"] },
            { tag: "a digit and its ideograph", text: "1星アライメント", language: "ja",
              parts: ["1星アライメント"] },
            { tag: "blanks in Japanese", text: "開けません: プログラム", language: "ja",
              parts: ["開けません:", "プログラム"] },
            { tag: "German as it is", text: "Uhrzeigerposition des Polarsterns", language: "de",
              parts: ["Uhrzeigerposition", "des", "Polarsterns"], same: true },
            { tag: "a hyphen and a slash end a part", text: "AZ/EQ-Montierung", language: "de",
              parts: ["AZ/", "EQ-", "Montierung"], same: true },
            { tag: "Chinese as it is, a character a part", text: "连接设置", language: "zh",
              parts: ["连", "接", "设", "置"], same: true },
            // Shown in another language, the small kana and the long mark still follow.
            { tag: "katakana in another language", text: "ネットワーク", language: "en",
              parts: ["ネッ", "ト", "ワー", "ク"], same: true },
            { tag: "nothing", text: "", language: "ja", parts: [], same: true }
        ]
    }

    function test_parts(data) {
        const kept = Words.keepWhole(data.text, data.language)
        compare(kept.replace(/\u2060/g, ""), data.text, "nothing but joiners added")
        if (data.same)
            compare(kept, data.text)
        compare(Words.unbreakableParts(kept), data.parts)
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

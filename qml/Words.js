.pragma library

// Where the lines of a wrapped label may break. Japanese is written without spaces, and a text
// layout breaks it between any two characters: a borrowed word in katakana ("ネットワーク"), a
// compound of ideographs or a verb and its ending ("ありま|す") came out split over two lines. A
// reader breaks a Japanese line after the kana that end a phrase (the particle of
// "アライメントを|リセット"), and a label does so too once a word joiner holds together every
// other pair of neighbouring letters. The joiner is not drawn and takes no width. A term and its
// value ("Tilt=00.0′") stay together in every language: between an ideograph or kana and the
// sign, or inside a Chinese term, the layout would break. Chinese is written without spaces too,
// and a reader takes a break between most two characters, but not inside a word of two
// ("仍在移|动"): the words of the texts that run over lines in a narrow window stay whole (see
// kChineseWords). Texts of other languages are otherwise returned as they are: those written with
// spaces break only at them (with word wrapping).

const kWordJoiner = "\u2060"

// Hiragana, katakana (with the prolonged sound mark), ideographs (with the repetition marks), and
// letters or digits of the scripts written with spaces, among them the full-width ones.
function _kind(c) {
    const u = c.charCodeAt(0)
    if (u >= 0x3041 && u <= 0x309f)
        return "hiragana"
    if ((u >= 0x30a0 && u <= 0x30ff && u !== 0x30fb) || (u >= 0x31f0 && u <= 0x31ff)
            || (u >= 0xff66 && u <= 0xff9f))
        return "katakana"
    if ((u >= 0x4e00 && u <= 0x9fff) || (u >= 0x3400 && u <= 0x4dbf)
            || (u >= 0xf900 && u <= 0xfaff) || (u >= 0x3005 && u <= 0x3007))
        return "ideograph"
    if (/[0-9A-Za-z\u00c0-\u024f\u0370-\u04ff\uff10-\uff19\uff21-\uff3a\uff41-\uff5a]/.test(c))
        return "letter"
    return ""
}

// The kana that end a phrase when they follow the word they mark ("架台が", "星で"): the kana
// written after an ideograph are otherwise the rest of its word, a verb ending among them
// ("届いていません"). Some of them start a verb ending themselves ("下がる", "できる") or a word
// ("のみ"). を is never part of a word.
const kParticles = "がはにでともへの"
const kNotParticle = /^(が[らりるれろっ]|でき|のみ)/

// The kana that end a verb's stem where a second verb follows it in one word ("読み出し",
// "取り付け", "書き込み"): written between two ideographs, they end no word.
const kStemEnds = "きしちひみりぎび"

// Whether the hiragana at index i of chars ends the stem of a verb compounded with the next.
function _endsStem(chars, i) {
    return i > 0 && i + 1 < chars.length && kStemEnds.includes(chars[i])
            && _kind(chars[i - 1]) === "ideograph" && _kind(chars[i + 1]) === "ideograph"
}

// The Chinese words that a line must not split, each two ideographs: those of the GoTo dialog's
// messages, which wrap beside Cancel at the smallest window. Chinese words are not told apart by
// their letters as Japanese ones are by their kana, so the words are named; any other pair of
// ideographs may still break. The probe (app/probe/probe.cpp, chineseWords) reads a line break
// with the same list: keep the two in step.
const kChineseWords = ["寻星", "支架", "没有", "响应", "可能", "仍在", "移动", "正在", "停止", "命令",
                       "尚未", "送达", "一直", "重发", "直到", "取消", "关闭"]

// For each index i of chars, whether chars[i - 1] and chars[i] lie in one of kChineseWords.
function _inChineseWord(chars) {
    const joined = []
    for (let i = 0; i < chars.length; ++i) {
        for (const word of kChineseWords) {
            const letters = Array.from(word)
            if (chars.slice(i, i + letters.length).join("") !== word)
                continue
            for (let k = 1; k < letters.length; ++k)
                joined[i + k] = true
        }
    }
    return joined
}

// Whether the hiragana at index i of chars ends a phrase.
function _endsPhrase(chars, i) {
    if (chars[i] === "を")
        return true
    if (i === 0 || !kParticles.includes(chars[i]))
        return false
    const before = _kind(chars[i - 1])
    return before !== "" && before !== "hiragana"
            && !kNotParticle.test(chars[i] + (i + 1 < chars.length ? chars[i + 1] : ""))
}

// text with a word joiner wherever a line must not break. language is the code of the language
// shown ("ja"). In every language, between the characters of a term and its value ("倾斜=00.0′",
// the characters between blanks around an equals sign). In Japanese, between two letters unless
// the first is hiragana that ends a word: before a letter that is not hiragana (unless it ends a
// verb's stem inside a compound), or, as a particle, before any. In Chinese, between the
// characters of a word of kChineseWords. Punctuation, blanks and symbols keep the layout's own
// rules.
function keepWhole(text, language) {
    if (!text)
        return text
    const chars = Array.from(text)
    const japanese = language === "ja"
    const inWord = language === "zh" ? _inChineseWord(chars) : []
    // Whether each character lies in a run of characters between blanks that holds "=".
    const inTerm = []
    for (let start = 0; start < chars.length;) {
        let end = start
        while (end < chars.length && /\S/.test(chars[end]))
            ++end
        const term = chars.slice(start, end).includes("=")
        for (let i = start; i < Math.max(end, start + 1); ++i)
            inTerm[i] = term
        start = Math.max(end, start + 1)
    }
    let out = ""
    for (let i = 0; i < chars.length; ++i) {
        const c = chars[i]
        if (i > 0) {
            const before = _kind(chars[i - 1])
            const kind = _kind(c)
            const term = inTerm[i - 1] && inTerm[i]
            const letters = japanese && before !== "" && kind !== ""
                    && !(before === "hiragana"
                         && ((kind !== "hiragana" && !_endsStem(chars, i - 1))
                             || _endsPhrase(chars, i - 1)))
            if (term || letters || inWord[i])
                out += kWordJoiner
        }
        out += c
    }
    return out
}

// The parts of a text that no line break splits, for the width its widest needs: words between
// blanks, a hyphen or a slash ending its part, and in a text of ideographs or kana each run that
// a word joiner holds together, or a single character. Punctuation other than an opening bracket,
// a small kana and the long mark never start a line: they stay with what they follow. Letters,
// digits and signs of the scripts written with spaces break only next to an ideograph, a kana or
// their punctuation ("00.0′" is one part).
const kIdeographic = /[\u3000-\u30ff\u3400-\u9fff\uf900-\ufaff\uff00-\uffef]/
function unbreakableParts(text) {
    const parts = []
    for (const word of text.replace(/([-\/])/g, "$1 ").split(/\s+/)) {
        if (!/[\u3040-\u30ff\u3400-\u9fff\uf900-\ufaff\uff66-\uff9f]/.test(word)) {
            if (word !== "")
                parts.push(word.replace(/\u2060/g, ""))
            continue
        }
        let part = ""
        let joined = true
        let before = ""
        for (const c of word) {
            if (c === kWordJoiner) {
                joined = true
                continue
            }
            const starts = (_kind(c) !== "" || /[（「『【〔〈《(\[{]/.test(c))
                    && !/[ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶー]/.test(c)
            if (!joined && starts && part !== ""
                    && (kIdeographic.test(c) || kIdeographic.test(before))) {
                parts.push(part)
                part = ""
            }
            part += c
            joined = false
            before = c
        }
        if (part !== "")
            parts.push(part)
    }
    return parts
}

// Sentences shown as one text: a blank between two, except after a full stop of the scripts
// written without blanks ("。"), which ends the sentence by itself.
function sentences(list) {
    let text = ""
    for (const sentence of list) {
        if (text !== "" && !/[。！？]$/.test(text))
            text += " "
        text += sentence
    }
    return text
}

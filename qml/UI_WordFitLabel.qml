import QtQuick
import QtQuick.Controls
import "Words.js" as Words

// A label that wraps between words, never inside one: a word wider than the label makes the
// font smaller rather than running past the label's edge onto what lies beside it. Its size is
// basePointSize (the style's own size by default), or basePixelSize where that is set; bold
// stands for font.bold, which this label sets together with the size. A Japanese text is held
// together where a line must not break by its owner (Words.keepWhole); its parts are then the
// words measured here.
Label {
    id: root

    property real basePointSize: 14
    property real basePixelSize: 0
    property bool bold: false
    // The width the label may take, where its own width follows its text (in a row layout):
    // measured against that, a smaller font cannot shrink the label and ask again.
    property real roomWidth: width
    readonly property real minimumScale: 0.6

    // The share of the base size at which the widest word fits; a line may also break after a
    // hyphen or a slash.
    readonly property real fit: {
        metrics.font
        const room = roomWidth - leftPadding - rightPadding
        let widest = 0
        for (const word of Words.unbreakableParts(text))
            widest = Math.max(widest, metrics.advanceWidth(word))
        return room > 0 && widest > room ? Math.max(minimumScale, room / widest) : 1
    }

    function _font(scale) {
        return basePixelSize > 0 ? Qt.font({ bold: bold, pixelSize: Math.floor(basePixelSize * scale) })
                                 : Qt.font({ bold: bold, pointSize: basePointSize * scale })
    }

    FontMetrics {
        id: metrics
        font: root._font(1)
    }

    wrapMode: Text.WordWrap
    font: _font(fit)
}

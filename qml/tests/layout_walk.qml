import "i18n"

// The layout run of the walk, at the probe's --window-size in its --language.
Walk {
    layout: true
}

import "i18n"

// The layout run over the pages built of labelled rows that scroll, for the probe's
// --double-length texts: their rows run past a small window, so each page must scroll and keep
// what it scrolls away off the header and the slew pad.
Walk {
    layout: true
    onlyPages: ["UserInterfacePage", "AltitudeLimitPage", "BacklashPage", "MagnitudeLimitPage",
        "AlignCompensationPage", "HibernatePage"]
}

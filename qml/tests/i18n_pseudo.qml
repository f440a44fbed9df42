import "i18n"

// The walk under the pseudo-translation (the probe's --double-length): hard-coded texts fail.
Walk {
    pseudo: true
}

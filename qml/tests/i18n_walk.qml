import "i18n"

// The translated run of the walk (the language comes from the probe's --language).
Walk {}

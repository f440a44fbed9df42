#include "pages/generalinfotext.h"

#include "astro/angleutil.h"

#include <cstdio>

namespace Ko {

namespace {

constexpr int kVersionMajor = 2;
constexpr int kVersionMinor = 1;
constexpr int kVersionPatch = 12;

} // namespace

std::string formatArcminutes(double arcminutes) {
    const SexagesimalParts p = splitAngleSexagesimal(true, 3, arcminutes / 60.0 / 180.0 * kPi);
    // The sign is that of the value as shown: -0.04′ reads 00.0′, not -00.0′.
    const bool zero = p.whole < 1 && formatFixed(0, 1, p.minutes) == "0.0";
    std::string text = p.sign < 0 && !zero ? "-" : "";
    if (p.whole >= 1)
        text += formatFixed(0, 0, p.whole) + "°";
    return text + formatFixed(2, 1, p.minutes) + "′";
}

std::string magnitudeText(float vmag) {
    if (vmag > kFaintestShownMagnitude)
        return "> " + formatFixed(0, 0, static_cast<double>(kFaintestShownMagnitude));
    return formatFixed(0, 1, static_cast<double>(vmag));
}

std::string appVersionText() {
    return "Pro " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionPatch);
}

std::string motorControllerVersionText(uint32_t version) {
    // Three fields of at most three, three and two characters: the buffer cannot overflow.
    char text[20];
    std::snprintf(text, sizeof text, "%d.%d.%02X", int(version & 0xFF), int((version >> 8) & 0xFF),
                  unsigned((version >> 16) & 0xFF));
    return text;
}

} // namespace Ko

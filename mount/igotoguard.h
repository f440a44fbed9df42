#pragma once

#include <QString>

namespace Ko {

// What a GoTo to a place in the sky must pass besides the mount's own altitude limits. The rule
// lives above this folder, with the Sun and the user's permission to observe it, so that a GoTo
// started here refuses the targets that every other way of moving the mount refuses.
// Threads: any thread.
class IGoToGuard {
public:
    virtual ~IGoToGuard() = default;

    // Why a GoTo to the position of date (right ascension and declination in radians) must be
    // refused, as the user reads it, or an empty text when it may go ahead. A target outside the
    // altitude limits yields an empty text too: the mount refuses it itself, and its caller says
    // so in its own words.
    virtual QString goToRefusal(double raNow, double decNow) const = 0;
};

} // namespace Ko

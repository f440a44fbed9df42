#pragma once

#include "link/ikodevice.h"

#include <utility>

namespace Ko {

// The travel limits of the mount's axes, application-wide: what the connected mount's position
// counter can represent, or every finite angle while no mount is connected. The pointing model
// keeps unwrapped axis-1 targets inside them.
// Threads: any thread.
class IMountAxisLimit {
public:
    virtual ~IMountAxisLimit() = default;

    // (lowest, highest) angle in radians.
    virtual std::pair<double, double> limits(AXISID axis) const = 0;
};

} // namespace Ko

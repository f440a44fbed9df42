#pragma once

#include "astro/coordtype.h"

#include <cstdint>
#include <string>

namespace Ko {

// A GoTo or tracking target. kind is the tracking rate (0 sidereal, 1 lunar, 2 solar) at which
// the mount follows the object after a GoTo to an equatorial position. Two targets are equal when
// name, both angles (exactly), frame and kind are.
// Threads: any thread (a value type).
struct MountTarget {
    std::string name;
    U_ASTRO_COORD coord;
    uint32_t kind = 0;

    bool operator==(const MountTarget&) const = default;
};

} // namespace Ko

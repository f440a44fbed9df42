#pragma once

#include "astro/coordtype.h"

#include <cstdint>

namespace Ko {

enum RiseTransitSetState : uint32_t {
    RisesAndSets = 0,
    Circumpolar = 1, // always above the horizon
    NeverRises = 2,
};

// Local clock times of today's crossings, hours in [0, 24); all 0 unless the object rises and
// sets.
struct RiseTransitSetResult {
    uint32_t state = RisesAndSets;
    double riseHours = 0;
    double transitHours = 0;
    double setHours = 0;
};

// Threads: any thread.
class IVisibility {
public:
    virtual ~IVisibility() = default;
    // coord.a is the right ascension and coord.b the declination of date; the type is not read.
    virtual RiseTransitSetResult riseTransitSet(const U_ASTRO_COORD& coord) const = 0;
};

} // namespace Ko

#pragma once

#include "astro/aa/planets/aaplanetposition.h"
#include "astro/aa/tables/aavsop87terms_uranus.h"

namespace Ko {

// Uranus's heliocentric position, ecliptic and equinox of date.
// Threads: any thread.
using AAUranusPosition = AAPlanetPosition<AAVSOP87Terms_Uranus>;

} // namespace Ko

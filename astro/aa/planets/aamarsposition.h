#pragma once

#include "astro/aa/planets/aaplanetposition.h"
#include "astro/aa/tables/aavsop87terms_mars.h"

namespace Ko {

// Mars's heliocentric position, ecliptic and equinox of date.
// Threads: any thread.
using AAMarsPosition = AAPlanetPosition<AAVSOP87Terms_Mars>;

} // namespace Ko

#pragma once

#include "astro/aa/planets/aaplanetposition.h"
#include "astro/aa/tables/aavsop87terms_mercury.h"

namespace Ko {

// Mercury's heliocentric position, ecliptic and equinox of date.
// Threads: any thread.
using AAMercuryPosition = AAPlanetPosition<AAVSOP87Terms_Mercury>;

} // namespace Ko

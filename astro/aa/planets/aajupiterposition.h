#pragma once

#include "astro/aa/planets/aaplanetposition.h"
#include "astro/aa/tables/aavsop87terms_jupiter.h"

namespace Ko {

// Jupiter's heliocentric position, ecliptic and equinox of date.
// Threads: any thread.
using AAJupiterPosition = AAPlanetPosition<AAVSOP87Terms_Jupiter>;

} // namespace Ko

#pragma once

#include "astro/aa/planets/aaplanetposition.h"
#include "astro/aa/tables/aavsop87terms_venus.h"

namespace Ko {

// Venus's heliocentric position, ecliptic and equinox of date.
// Threads: any thread.
using AAVenusPosition = AAPlanetPosition<AAVSOP87Terms_Venus>;

} // namespace Ko

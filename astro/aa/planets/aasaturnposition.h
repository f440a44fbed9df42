#pragma once

#include "astro/aa/planets/aaplanetposition.h"
#include "astro/aa/tables/aavsop87terms_saturn.h"

namespace Ko {

// Saturn's heliocentric position, ecliptic and equinox of date.
// Threads: any thread.
using AASaturnPosition = AAPlanetPosition<AAVSOP87Terms_Saturn>;

} // namespace Ko

#pragma once

#include "astro/aa/planets/aaplanetposition.h"
#include "astro/aa/tables/aavsop87terms_neptune.h"

namespace Ko {

// Neptune's heliocentric position, ecliptic and equinox of date.
// Threads: any thread.
using AANeptunePosition = AAPlanetPosition<AAVSOP87Terms_Neptune>;

} // namespace Ko

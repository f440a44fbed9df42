#pragma once

#include "astro/aa/planets/aaplanetposition.h"
#include "astro/aa/tables/aavsop87terms_earth.h"

namespace Ko {

// The Earth's heliocentric position, ecliptic and equinox of date, or (the J2000 forms)
// referred to the ecliptic and equinox J2000. The truncated series are good to about 0.4".
// Threads: any thread.
class AAEarthPosition : public AAPlanetPosition<AAVSOP87Terms_Earth> {
public:
    static double HelioLongitudeJ2000(bool bHighPrecision, double JD);
    static double HelioLatitudeJ2000(bool bHighPrecision, double JD);
};

} // namespace Ko

#pragma once

#include "astro/aa/aavsop87.h"

namespace Ko {

// A body's heliocentric position of VSOP87 from its terms class (L, B, R and their _TRUNCATED
// forms): longitude in [0, 360) and latitude in [-90, 90] degrees, radius vector in AU. High
// precision sums the complete series, low precision the truncated ones.
// Threads: any thread.
template <class Terms>
class AAPlanetPosition {
public:
    static double HelioLongitude(bool bHighPrecision, double JD) {
        return AAVSOP87::LongitudeDegrees(bHighPrecision ? Terms::L(JD) : Terms::L_TRUNCATED(JD));
    }
    static double HelioLatitude(bool bHighPrecision, double JD) {
        return AAVSOP87::LatitudeDegrees(bHighPrecision ? Terms::B(JD) : Terms::B_TRUNCATED(JD));
    }
    static double HelioRadius(bool bHighPrecision, double JD) {
        return bHighPrecision ? Terms::R(JD) : Terms::R_TRUNCATED(JD);
    }
};

} // namespace Ko

#pragma once

#include "astro/aa/aa3dcoordinate.h"

namespace Ko {

// Precession of positions between two epochs given as Julian Days.
class AAPrecessionCorr {
public:
    // Rigorous precession of a right ascension (hours) and declination (degrees) with the IAU
    // 1976 angles, FK5 system. Result: X right ascension in [0, 24), Y declination.
    static AA2DCoordinate PrecessRaDec(double Alpha, double Delta, double JD0, double JD);
};

} // namespace Ko

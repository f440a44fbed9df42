#pragma once

#include "astro/aa/aa3dcoordinate.h"

namespace Ko {

// The Sun as seen from the Earth's centre, from the Earth's VSOP87 position.
class AASunPosition {
public:
    // Geocentric equatorial rectangular coordinates (AU) referred to the mean equator and
    // equinox of JDEquinox.
    static AA3DCoordinate EquatorialXYZ(double JD, double JDEquinox, bool bHighPrecision);
};

} // namespace Ko

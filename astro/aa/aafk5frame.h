#pragma once

#include "astro/aa/aa3dcoordinate.h"

namespace Ko {

// Between the dynamical frame of VSOP87 (ecliptic and equinox J2000) and the FK5 equatorial
// frame.
class AAFK5Frame {
public:
    // Rectangular VSOP87 J2000 ecliptic coordinates to the FK5 equator and equinox J2000.
    static AA3DCoordinate FromVsopJ2000(const AA3DCoordinate& value);
    // The same, then precessed to the mean equator and equinox of the Julian Day JDEquinox.
    static AA3DCoordinate FromVsopOfEquinox(const AA3DCoordinate& value, double JDEquinox);
};

} // namespace Ko

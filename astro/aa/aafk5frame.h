#pragma once

#include "astro/aa/aa3dcoordinate.h"

namespace Ko {

// Between the dynamical frame of VSOP87 (ecliptic and equinox J2000) and the FK5 equatorial
// frame.
// Threads: any thread.
class AAFK5Frame {
public:
    // Rectangular VSOP87 J2000 ecliptic coordinates to the FK5 equator and equinox J2000.
    static AA3DCoordinate FromVsopJ2000(const AA3DCoordinate& value);
    // The same, then precessed to the mean equator and equinox of the Julian Day JDEquinox.
    static AA3DCoordinate FromVsopOfEquinox(const AA3DCoordinate& value, double JDEquinox);
    // Rectangular VSOP87 J2000 ecliptic coordinates to the FK4 equator and equinox B1950.
    static AA3DCoordinate FromVsopToB1950(const AA3DCoordinate& value);

    // What to add to a VSOP87 ecliptic longitude and latitude (degrees) of the Julian Day to
    // refer them to the FK5 system, degrees.
    static double CorrectionInLongitude(double Longitude, double Latitude, double JD);
    static double CorrectionInLatitude(double Longitude, double JD);
};

} // namespace Ko

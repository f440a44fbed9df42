#pragma once

namespace Ko {

// Pluto's heliocentric place from the periodic terms fitted to its numerical ephemeris:
// longitude in [0, 360) and latitude in degrees referred to the ecliptic and equinox J2000,
// radius vector in AU. Valid from 1885 to 2099 only.
// Threads: any thread.
class AAPlutoPosition {
public:
    static double EclipticLongitude(double JD);
    static double EclipticLatitude(double JD);
    static double RadiusVector(double JD);
};

} // namespace Ko

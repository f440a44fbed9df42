#pragma once

#include "astro/aa/aa3dcoordinate.h"

namespace Ko {

// Annual aberration: the shift of a star's place by the Earth's motion.
// Threads: any thread.
class AAAberrationCorr {
public:
    // The Earth's velocity, units of 1e-8 AU per day, referred to the FK5 equator and equinox
    // J2000: high precision the heliocentric VSOP87 rate, low precision the barycentric series of
    // Ron and Vondrak.
    static AA3DCoordinate EarthVelocity(double JD, bool bHighPrecision);
    // The shift of a right ascension (hours) and declination (degrees), arcseconds: X in right
    // ascension (as an angle of right ascension, not multiplied by cos Delta), Y in declination.
    static AA2DCoordinate EquatorialAberration(double Alpha, double Delta, double JD,
                                               bool bHighPrecision);
    // The shift of an ecliptic longitude and latitude (degrees), arcseconds, from the Sun's
    // longitude and the Earth's orbit (eccentricity and perihelion).
    static AA2DCoordinate EclipticAberration(double Lambda, double Beta, double JD,
                                             bool bHighPrecision);
};

} // namespace Ko

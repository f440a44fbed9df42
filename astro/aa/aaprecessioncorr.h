#pragma once

#include "astro/aa/aa3dcoordinate.h"

namespace Ko {

// Precession of positions between two epochs given as Julian Days.
// Threads: any thread.
class AAPrecessionCorr {
public:
    // Rigorous precession of a right ascension (hours) and declination (degrees) with the IAU
    // 1976 angles, FK5 system. Result: X right ascension in [0, 24), Y declination.
    static AA2DCoordinate PrecessRaDec(double Alpha, double Delta, double JD0, double JD);
    // The same in the FK4 system with Newcomb's angles (epochs counted in tropical centuries
    // from B1900.0).
    static AA2DCoordinate PrecessRaDecFK4(double Alpha, double Delta, double JD0, double JD);
    // Rigorous precession of an ecliptic longitude and latitude (degrees) from the ecliptic and
    // equinox of JD0 to those of JD. Result: X longitude in [0, 360), Y latitude.
    static AA2DCoordinate PrecessEcliptic(double Lambda, double Beta, double JD0, double JD);

    // A star's place t years later by its proper motion alone: PMAlpha in seconds of time and
    // PMDelta in arcseconds per year. Result: X right ascension (hours, not reduced), Y
    // declination.
    static AA2DCoordinate AdjustPositionUsingUniformProperMotion(double t, double Alpha,
                                                                 double Delta, double PMAlpha,
                                                                 double PMDelta);
    // The same by the star's motion in space: distance r (parsecs) and radial velocity
    // DeltaR (km/s) join the proper motions. Result: X right ascension in [0, 24), Y
    // declination.
    static AA2DCoordinate AdjustPositionUsingMotionInSpace(double r, double DeltaR, double t,
                                                           double Alpha, double Delta,
                                                           double PMAlpha, double PMDelta);
    // Proper motion in right ascension and declination to the motion in ecliptic longitude and
    // latitude, for a star at Alpha (hours), Delta and ecliptic latitude Beta with the
    // obliquity Epsilon (degrees). Rates of the coordinates themselves (that of the right
    // ascension as an angle, not multiplied by cos Delta), all in one unit.
    static AA2DCoordinate EquatorialPMToEcliptic(double Alpha, double Delta, double Beta,
                                                 double Epsilon, double PMAlpha, double PMDelta);
};

} // namespace Ko

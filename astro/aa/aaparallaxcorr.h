#pragma once

#include "astro/aa/aa3dcoordinate.h"

namespace Ko {

// A body's topocentric ecliptic place: longitude in [0, 360), latitude and semidiameter, degrees.
struct AATopocentricEclipticDetails {
    double Lambda = 0;
    double Beta = 0;
    double Semidiameter = 0;
};

// Diurnal parallax: the place of a body seen from the observer instead of the Earth's centre.
// Threads: any thread.
class AAParallaxCorr {
public:
    // Geocentric right ascension (hours), declination (degrees) and distance (AU) to
    // topocentric ones for a site at Longitude (degrees, positive WEST), Latitude (degrees) and
    // Height (metres) at a Julian Day read as Universal Time. Result: X right ascension in
    // [0, 24), Y declination. A distance below 4.263451510385646e-5 AU gives NaN.
    static AA2DCoordinate ToTopocentric(double Alpha, double Delta, double Distance,
                                        double Longitude, double Latitude, double Height,
                                        double JD);
    // The corrections alone, same arguments: X to add to the right ascension (hours), Y to the
    // declination (degrees).
    static AA2DCoordinate Equatorial2TopocentricDelta(double Alpha, double Delta, double Distance,
                                                      double Longitude, double Latitude,
                                                      double Height, double JD);
    // Geocentric ecliptic longitude, latitude and semidiameter (degrees) and distance (AU) of a
    // body to topocentric ones, with the obliquity Epsilon (degrees) and the site as above.
    static AATopocentricEclipticDetails Ecliptic2Topocentric(double Lambda, double Beta,
                                                             double Semidiameter, double Distance,
                                                             double Epsilon, double Longitude,
                                                             double Latitude, double Height,
                                                             double JD);
    // Equatorial horizontal parallax (degrees) of a body at a distance (AU), and the inverse.
    static double DistanceToParallax(double Distance);
    static double ParallaxToDistance(double Parallax);
};

} // namespace Ko

#pragma once

#include "astro/aa/aa3dcoordinate.h"

namespace Ko {

// Diurnal parallax: the place of a body seen from the observer instead of the Earth's centre.
class AAParallaxCorr {
public:
    // Geocentric right ascension (hours), declination (degrees) and distance (AU) to
    // topocentric ones for a site at Longitude (degrees, positive WEST), Latitude (degrees) and
    // Height (metres) at a Julian Day read as Universal Time. Result: X right ascension in
    // [0, 24), Y declination. A distance below 4.263451510385646e-5 AU gives NaN.
    static AA2DCoordinate ToTopocentric(double Alpha, double Delta, double Distance,
                                        double Longitude, double Latitude, double Height,
                                        double JD);
};

} // namespace Ko

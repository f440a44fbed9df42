#pragma once

namespace Ko {

// The observer's place relative to the Earth's centre on the IAU 1976 ellipsoid, in units of
// the equatorial radius; latitude in degrees, height above sea level in metres.
// Threads: any thread.
class AAObserverGlobe {
public:
    static double RhoSinPhiPrime(double GeographicalLatitude, double Height);
    static double RhoCosPhiPrime(double GeographicalLatitude, double Height);
    // Radius of the parallel of a latitude and radius of curvature of the meridian there, km.
    static double RadiusOfParallelOfLatitude(double GeographicalLatitude);
    static double RadiusOfCurvature(double GeographicalLatitude);
    // Geodesic distance (km) between two points given by latitude and longitude (degrees, both
    // longitudes counted the same way), by Andoyer's method: within some 50 m of the ellipsoid's
    // geodesic, not for nearly antipodal points.
    static double DistanceBetweenPoints(double GeographicalLatitude1, double GeographicalLongitude1,
                                        double GeographicalLatitude2,
                                        double GeographicalLongitude2);
};

} // namespace Ko

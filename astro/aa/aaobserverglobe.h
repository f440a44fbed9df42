#pragma once

namespace Ko {

// The observer's place relative to the Earth's centre on the IAU 1976 ellipsoid, in units of
// the equatorial radius; latitude in degrees, height above sea level in metres.
class AAObserverGlobe {
public:
    static double RhoSinPhiPrime(double GeographicalLatitude, double Height);
    static double RhoCosPhiPrime(double GeographicalLatitude, double Height);
};

} // namespace Ko

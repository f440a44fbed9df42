#include "astro/aa/aaobserverglobe.h"

#include "astro/aa/aacoordinatetransformation.h"

#include <cmath>

namespace Ko {

namespace {

// b / a of the ellipsoid (flattening 1 / 298.257) and its equatorial radius in metres.
constexpr double kAxisRatio = 0.99664719;
constexpr double kEquatorialRadius = 6378140;

} // namespace

double AAObserverGlobe::RhoSinPhiPrime(double GeographicalLatitude, double Height) {
    const double phi = AACoordinateTransformation::DegreesToRadians(GeographicalLatitude);
    const double u = std::atan(kAxisRatio * std::tan(phi));
    return kAxisRatio * std::sin(u) + Height / kEquatorialRadius * std::sin(phi);
}

double AAObserverGlobe::RhoCosPhiPrime(double GeographicalLatitude, double Height) {
    const double phi = AACoordinateTransformation::DegreesToRadians(GeographicalLatitude);
    const double u = std::atan(kAxisRatio * std::tan(phi));
    return std::cos(u) + Height / kEquatorialRadius * std::cos(phi);
}

} // namespace Ko

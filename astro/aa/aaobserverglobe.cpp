#include "astro/aa/aaobserverglobe.h"

#include "astro/aa/aacoordinatetransformation.h"

#include <cmath>

namespace Ko {

namespace {

// b / a of the ellipsoid (flattening 1 / 298.257) and its equatorial radius in metres.
constexpr double kAxisRatio = 0.99664719;
constexpr double kEquatorialRadius = 6378140;
// The ellipsoid's eccentricity squared and flattening, and a (1 - e^2) in km.
constexpr double kEccentricity2 = 0.0066943847614084;
constexpr double kFlattening = 0.0033528131778969143;
constexpr double kMeridianNumerator = 6335.4422767778715;

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

double AAObserverGlobe::RadiusOfParallelOfLatitude(double GeographicalLatitude) {
    const double phi = AACoordinateTransformation::DegreesToRadians(GeographicalLatitude);
    const double sinPhi = std::sin(phi);
    return kEquatorialRadius / 1000 * std::cos(phi) /
           std::sqrt(1 - kEccentricity2 * sinPhi * sinPhi);
}

double AAObserverGlobe::RadiusOfCurvature(double GeographicalLatitude) {
    const double sinPhi =
        std::sin(AACoordinateTransformation::DegreesToRadians(GeographicalLatitude));
    return kMeridianNumerator / std::pow(1 - kEccentricity2 * sinPhi * sinPhi, 1.5);
}

double AAObserverGlobe::DistanceBetweenPoints(double GeographicalLatitude1,
                                              double GeographicalLongitude1,
                                              double GeographicalLatitude2,
                                              double GeographicalLongitude2) {
    using CT = AACoordinateTransformation;
    const double F = CT::DegreesToRadians((GeographicalLatitude1 + GeographicalLatitude2) / 2);
    const double G = CT::DegreesToRadians((GeographicalLatitude1 - GeographicalLatitude2) / 2);
    const double lambda =
        CT::DegreesToRadians((GeographicalLongitude1 - GeographicalLongitude2) / 2);
    const double sinG2 = std::pow(std::sin(G), 2), cosG2 = std::pow(std::cos(G), 2);
    const double sinF2 = std::pow(std::sin(F), 2), cosF2 = std::pow(std::cos(F), 2);
    const double sinL2 = std::pow(std::sin(lambda), 2), cosL2 = std::pow(std::cos(lambda), 2);
    const double S = sinG2 * cosL2 + cosF2 * sinL2;
    const double C = cosG2 * cosL2 + sinF2 * sinL2;
    const double omega = std::atan(std::sqrt(S / C));
    const double R = std::sqrt(S * C) / omega;
    const double D = 2 * omega * kEquatorialRadius / 1000;
    const double H1 = (3 * R - 1) / (2 * C);
    const double H2 = (3 * R + 1) / (2 * S);
    return D * (1 + kFlattening * H1 * sinF2 * cosG2 - kFlattening * H2 * cosF2 * sinG2);
}

} // namespace Ko

#include "astro/aa/aasunposition.h"

#include "astro/aa/aacoordinatetransformation.h"
#include "astro/aa/aafk5frame.h"
#include "astro/aa/aanutationterms.h"
#include "astro/aa/planets/aaearthposition.h"
#include "astro/aa/tables/aaperiodicterms.h"

#include <cmath>

namespace Ko {

namespace {

using CT = AACoordinateTransformation;

// Aberration per AU of distance and per arcsecond a day of motion: the light time of 1 AU in
// days, negated.
constexpr double kAberrationPerRate = -0.005775518;
// The constant of aberration, arcseconds, for the low-precision path.
constexpr double kAberrationConstant = 20.4898;

AA3DCoordinate fromSpherical(double R, double longitude, double latitude) {
    const double l = CT::DegreesToRadians(longitude);
    const double b = CT::DegreesToRadians(latitude);
    return {R * std::cos(b) * std::cos(l), R * std::cos(b) * std::sin(l), R * std::sin(b)};
}

} // namespace

double AASunPosition::GeometricEclipticLongitude(double JD, bool bHighPrecision) {
    return CT::MapTo0To360Range(AAEarthPosition::HelioLongitude(bHighPrecision, JD) + 180);
}

double AASunPosition::GeometricEclipticLatitude(double JD, bool bHighPrecision) {
    return -AAEarthPosition::HelioLatitude(bHighPrecision, JD);
}

double AASunPosition::GeometricEclipticLongitudeJ2000(double JD, bool bHighPrecision) {
    return CT::MapTo0To360Range(AAEarthPosition::HelioLongitudeJ2000(bHighPrecision, JD) + 180);
}

double AASunPosition::GeometricEclipticLatitudeJ2000(double JD, bool bHighPrecision) {
    return -AAEarthPosition::HelioLatitudeJ2000(bHighPrecision, JD);
}

double AASunPosition::GeometricFK5EclipticLongitude(double JD, bool bHighPrecision) {
    const double longitude = GeometricEclipticLongitude(JD, bHighPrecision);
    const double latitude = GeometricEclipticLatitude(JD, bHighPrecision);
    return CT::MapTo0To360Range(longitude +
                                AAFK5Frame::CorrectionInLongitude(longitude, latitude, JD));
}

double AASunPosition::GeometricFK5EclipticLatitude(double JD, bool bHighPrecision) {
    const double longitude = GeometricEclipticLongitude(JD, bHighPrecision);
    return GeometricEclipticLatitude(JD, bHighPrecision) +
           AAFK5Frame::CorrectionInLatitude(longitude, JD);
}

double AASunPosition::ApparentEclipticLongitude(double JD, bool bHighPrecision) {
    const double R = AAEarthPosition::HelioRadius(bHighPrecision, JD);
    const double aberration =
        bHighPrecision ? kAberrationPerRate * R * VariationGeometricEclipticLongitude(JD) / 3600
                       : -kAberrationConstant / (3600 * R);
    return CT::MapTo0To360Range(GeometricFK5EclipticLongitude(JD, bHighPrecision) +
                                AANutationTerms::InLongitude(JD) / 3600 + aberration);
}

double AASunPosition::ApparentEclipticLatitude(double JD, bool bHighPrecision) {
    return GeometricFK5EclipticLatitude(JD, bHighPrecision);
}

double AASunPosition::VariationGeometricEclipticLongitude(double JD) {
    const double tau = (JD - 2451545) / 365250;
    double value = AAPeriodicTerms::SunLongitudeVariationConstant;
    for (const AASunLongitudeTerm& term : AAPeriodicTerms::SunLongitudeVariation)
        value += term.amplitude * std::pow(tau, term.power) *
                 std::sin(CT::DegreesToRadians(term.phase + term.rate * tau));
    return value;
}

AA3DCoordinate AASunPosition::EquatorialRectangularCoordinatesMeanEquinox(double JD,
                                                                          bool bHighPrecision) {
    const double l = CT::DegreesToRadians(GeometricFK5EclipticLongitude(JD, bHighPrecision));
    const double b = CT::DegreesToRadians(GeometricFK5EclipticLatitude(JD, bHighPrecision));
    const double R = AAEarthPosition::HelioRadius(bHighPrecision, JD);
    const double eps = CT::DegreesToRadians(AANutationTerms::MeanObliquity(JD));
    return {R * std::cos(b) * std::cos(l),
            R * (std::cos(b) * std::sin(l) * std::cos(eps) - std::sin(b) * std::sin(eps)),
            R * (std::cos(b) * std::sin(l) * std::sin(eps) + std::sin(b) * std::cos(eps))};
}

AA3DCoordinate AASunPosition::EclipticRectangularCoordinatesJ2000(double JD, bool bHighPrecision) {
    return fromSpherical(AAEarthPosition::HelioRadius(bHighPrecision, JD),
                         GeometricEclipticLongitudeJ2000(JD, bHighPrecision),
                         GeometricEclipticLatitudeJ2000(JD, bHighPrecision));
}

AA3DCoordinate AASunPosition::EquatorialRectangularCoordinatesJ2000(double JD,
                                                                    bool bHighPrecision) {
    return AAFK5Frame::FromVsopJ2000(EclipticRectangularCoordinatesJ2000(JD, bHighPrecision));
}

AA3DCoordinate AASunPosition::EquatorialRectangularCoordinatesB1950(double JD,
                                                                    bool bHighPrecision) {
    return AAFK5Frame::FromVsopToB1950(EclipticRectangularCoordinatesJ2000(JD, bHighPrecision));
}

AA3DCoordinate AASunPosition::EquatorialXYZ(double JD, double JDEquinox, bool bHighPrecision) {
    return AAFK5Frame::FromVsopOfEquinox(EclipticRectangularCoordinatesJ2000(JD, bHighPrecision),
                                         JDEquinox);
}

} // namespace Ko

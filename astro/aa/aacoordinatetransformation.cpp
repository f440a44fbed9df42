#include "astro/aa/aacoordinatetransformation.h"

#include "base/koassert.h"

#include <cmath>

namespace Ko {

namespace {

double mapToRange(double value, double turn) {
    double r = std::fmod(value, turn);
    if (r < 0)
        r += turn;
    // A tiny negative remainder plus a full turn rounds to the turn itself.
    return r >= turn ? 0.0 : r;
}

// Sine and cosine of 27.4 degrees, the inclination of the galactic equator to the B1950 one.
constexpr double kSinGalactic = 0.46019978478385165;
constexpr double kCosGalactic = 0.8878153851364013;

// A place (radians) in a frame turned by angle about the common X axis: the ecliptic and the
// equator are each other's turn by plus or minus the obliquity.
AA2DCoordinate turnAboutX(double lon, double lat, double angle) {
    return {std::atan2(std::sin(lon) * std::cos(angle) + std::tan(lat) * std::sin(angle),
                       std::cos(lon)),
            std::asin(std::sin(lat) * std::cos(angle) -
                      std::cos(lat) * std::sin(angle) * std::sin(lon))};
}

// Hour angle and declination to azimuth (from the south) and altitude (sign -1), or back (sign
// +1), radians: the same spherical triangle read from either corner.
AA2DCoordinate acrossMeridian(double x, double y, double latitude, double sign) {
    return {std::atan2(std::sin(x),
                       std::cos(x) * std::sin(latitude) + sign * std::tan(y) * std::cos(latitude)),
            std::asin(std::sin(latitude) * std::sin(y) -
                      sign * std::cos(latitude) * std::cos(y) * std::cos(x))};
}

} // namespace

double AACoordinateTransformation::MapTo0To360Range(double degrees) {
    return mapToRange(degrees, 360.0);
}

double AACoordinateTransformation::MapTo0To24Range(double hours) {
    return mapToRange(hours, 24.0);
}

double AACoordinateTransformation::MapTo0To2PIRange(double radians) {
    return mapToRange(radians, 6.283185307179586);
}

double AACoordinateTransformation::MapToMinus90To90Range(double degrees) {
    if (degrees > 270.0)
        return degrees - 360.0;
    if (degrees > 90.0)
        return 180.0 - degrees;
    return degrees;
}

double AACoordinateTransformation::DMSToDegrees(double Degrees, double Minutes, double Seconds,
                                                bool positive) {
    if (positive)
        return Degrees + Minutes / 60.0 + Seconds / 3600.0;
    KO_ASSERT(Degrees >= 0);
    KO_ASSERT(Minutes >= 0);
    KO_ASSERT(Seconds >= 0);
    return -(Degrees + Minutes / 60.0 + Seconds / 3600.0);
}

AA2DCoordinate AACoordinateTransformation::Equatorial2Ecliptic(double Alpha, double Delta,
                                                               double Epsilon) {
    const AA2DCoordinate r =
        turnAboutX(HoursToRadians(Alpha), DegreesToRadians(Delta), DegreesToRadians(Epsilon));
    return {MapTo0To360Range(RadiansToDegrees(r.X)), RadiansToDegrees(r.Y)};
}

AA2DCoordinate AACoordinateTransformation::Ecliptic2Equatorial(double Lambda, double Beta,
                                                               double Epsilon) {
    const AA2DCoordinate r =
        turnAboutX(DegreesToRadians(Lambda), DegreesToRadians(Beta), -DegreesToRadians(Epsilon));
    return {MapTo0To24Range(RadiansToHours(r.X)), RadiansToDegrees(r.Y)};
}

AA2DCoordinate AACoordinateTransformation::Equatorial2Horizontal(double LocalHourAngle,
                                                                 double Delta, double Latitude) {
    const AA2DCoordinate r = acrossMeridian(HoursToRadians(LocalHourAngle), DegreesToRadians(Delta),
                                            DegreesToRadians(Latitude), -1);
    return {MapTo0To360Range(RadiansToDegrees(r.X)), RadiansToDegrees(r.Y)};
}

AA2DCoordinate AACoordinateTransformation::Horizontal2Equatorial(double Azimuth, double Altitude,
                                                                 double Latitude) {
    const AA2DCoordinate r = acrossMeridian(DegreesToRadians(Azimuth), DegreesToRadians(Altitude),
                                            DegreesToRadians(Latitude), 1);
    return {MapTo0To24Range(RadiansToHours(r.X)), RadiansToDegrees(r.Y)};
}

AA2DCoordinate AACoordinateTransformation::Equatorial2Galactic(double Alpha, double Delta) {
    const double x = DegreesToRadians(192.25 - HoursToDegrees(Alpha));
    const double dec = DegreesToRadians(Delta);
    const double l =
        303 - RadiansToDegrees(std::atan2(std::sin(x), std::cos(x) * kSinGalactic -
                                                           std::tan(dec) * kCosGalactic));
    const double b =
        std::asin(std::sin(dec) * kSinGalactic + std::cos(dec) * kCosGalactic * std::cos(x));
    return {MapTo0To360Range(l), RadiansToDegrees(b)};
}

AA2DCoordinate AACoordinateTransformation::Galactic2Equatorial(double l, double b) {
    const double y = DegreesToRadians(l - 123);
    const double gb = DegreesToRadians(b);
    const double ra = RadiansToDegrees(std::atan2(std::sin(y), std::cos(y) * kSinGalactic -
                                                                   std::tan(gb) * kCosGalactic)) +
                      12.25;
    const double dec =
        std::asin(std::sin(gb) * kSinGalactic + std::cos(gb) * kCosGalactic * std::cos(y));
    return {MapTo0To24Range(DegreesToHours(ra)), RadiansToDegrees(dec)};
}

double AACoordinateTransformation::HourAngleLatitudeCombination(double H, double Delta,
                                                                double Latitude, double x,
                                                                double y) {
    const double h = HoursToRadians(H);
    const double tanDec = std::tan(DegreesToRadians(Delta));
    const double phi = DegreesToRadians(Latitude);
    return (std::sin(h) * std::sin(phi) * tanDec + std::cos(phi)) * x - std::cos(h) * tanDec * y;
}

double AACoordinateTransformation::HourAngleTiltCombination(double H, double b, double x,
                                                            double y) {
    const double h = HoursToRadians(H);
    return std::sin(h) * y + std::cos(h) * std::sin(DegreesToRadians(b)) * x;
}

} // namespace Ko

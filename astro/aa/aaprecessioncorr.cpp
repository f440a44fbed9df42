#include "astro/aa/aaprecessioncorr.h"

#include "astro/aa/aacoordinatetransformation.h"

#include <cmath>

namespace Ko {

namespace {

using CT = AACoordinateTransformation;

} // namespace

AA2DCoordinate AAPrecessionCorr::PrecessRaDec(double Alpha, double Delta, double JD0, double JD) {
    const double T = (JD0 - 2451545) / 36525;
    const double T2 = T * T;
    const double t = (JD - JD0) / 36525;
    const double t2 = t * t;
    const double t3 = t2 * t;

    const double linear = (2306.2181 + 1.39656 * T - 0.000139 * T2) * t;
    const double zeta = CT::DegreesToRadians(
        CT::DMSToDegrees(0, 0, linear + (0.30188 - 0.000344 * T) * t2 + 0.017998 * t3));
    const double z = CT::DegreesToRadians(
        CT::DMSToDegrees(0, 0, linear + (1.09468 + 0.000066 * T) * t2 + 0.018203 * t3));
    const double theta =
        CT::DegreesToRadians(CT::DMSToDegrees(0, 0,
                                              (2004.3109 - 0.8533 * T - 0.000217 * T2) * t -
                                                  (0.42665 + 0.000217 * T) * t2 - 0.041833 * t3));

    const double ra = CT::HoursToRadians(Alpha);
    const double dec = CT::DegreesToRadians(Delta);
    const double A = std::cos(dec) * std::sin(ra + zeta);
    const double B =
        std::cos(theta) * std::cos(dec) * std::cos(ra + zeta) - std::sin(theta) * std::sin(dec);
    const double C =
        std::sin(theta) * std::cos(dec) * std::cos(ra + zeta) + std::cos(theta) * std::sin(dec);
    return {CT::MapTo0To24Range(CT::RadiansToHours(std::atan2(A, B) + z)),
            CT::RadiansToDegrees(std::asin(C))};
}

} // namespace Ko

#include "astro/aa/aaprecessioncorr.h"

#include "astro/aa/aacoordinatetransformation.h"

#include <cmath>

namespace Ko {

namespace {

using CT = AACoordinateTransformation;

// Rotates a right ascension (hours) and declination (degrees) by the precession angles
// (radians) and returns the new place, right ascension in [0, 24).
AA2DCoordinate rotate(double Alpha, double Delta, double zeta, double z, double theta) {
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

double arcsecToRadians(double arcsec) {
    return CT::DegreesToRadians(CT::DMSToDegrees(0, 0, arcsec));
}

} // namespace

AA2DCoordinate AAPrecessionCorr::PrecessRaDec(double Alpha, double Delta, double JD0, double JD) {
    const double T = (JD0 - 2451545) / 36525;
    const double T2 = T * T;
    const double t = (JD - JD0) / 36525;
    const double t2 = t * t;
    const double t3 = t2 * t;

    const double linear = (2306.2181 + 1.39656 * T - 0.000139 * T2) * t;
    const double zeta = arcsecToRadians(linear + (0.30188 - 0.000344 * T) * t2 + 0.017998 * t3);
    const double z = arcsecToRadians(linear + (1.09468 + 0.000066 * T) * t2 + 0.018203 * t3);
    const double theta = arcsecToRadians((2004.3109 - 0.8533 * T - 0.000217 * T2) * t -
                                         (0.42665 + 0.000217 * T) * t2 - 0.041833 * t3);
    return rotate(Alpha, Delta, zeta, z, theta);
}

AA2DCoordinate AAPrecessionCorr::PrecessRaDecFK4(double Alpha, double Delta, double JD0,
                                                 double JD) {
    // B1900.0 and the tropical century.
    const double T = (JD0 - 2415020.3135) / 36524.2199;
    const double t = (JD - JD0) / 36524.2199;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double zetaArcsec = (2304.250 + 1.396 * T) * t + 0.302 * t2 + 0.018 * t3;
    const double zArcsec = zetaArcsec + 0.791 * t2 + 0.001 * t3;
    const double thetaArcsec = (2004.682 - 0.853 * T) * t - 0.426 * t2 - 0.042 * t3;
    return rotate(Alpha, Delta, arcsecToRadians(zetaArcsec), arcsecToRadians(zArcsec),
                  arcsecToRadians(thetaArcsec));
}

AA2DCoordinate AAPrecessionCorr::PrecessEcliptic(double Lambda, double Beta, double JD0,
                                                 double JD) {
    const double T = (JD0 - 2451545) / 36525;
    const double T2 = T * T;
    const double t = (JD - JD0) / 36525;
    const double t2 = t * t;
    const double t3 = t2 * t;

    const double eta = arcsecToRadians((47.0029 - 0.06603 * T + 0.000598 * T2) * t +
                                       (-0.03302 + 0.000598 * T) * t2 + 0.000060 * t3);
    const double pi = arcsecToRadians(629554.9824 + 3289.4789 * T + 0.60622 * T2 -
                                      (869.8089 + 0.50491 * T) * t + 0.03536 * t2);
    const double p = arcsecToRadians((5029.0966 + 2.22226 * T - 0.000042 * T2) * t +
                                     (1.11113 - 0.000042 * T) * t2 - 0.000006 * t3);
    const double lambda = CT::DegreesToRadians(Lambda);
    const double beta = CT::DegreesToRadians(Beta);
    const double A =
        std::cos(eta) * std::cos(beta) * std::sin(pi - lambda) - std::sin(eta) * std::sin(beta);
    const double B = std::cos(beta) * std::cos(pi - lambda);
    const double C =
        std::cos(eta) * std::sin(beta) + std::sin(eta) * std::cos(beta) * std::sin(pi - lambda);
    return {CT::MapTo0To360Range(CT::RadiansToDegrees(p + pi - std::atan2(A, B))),
            CT::RadiansToDegrees(std::asin(C))};
}

AA2DCoordinate AAPrecessionCorr::AdjustPositionUsingUniformProperMotion(double t, double Alpha,
                                                                        double Delta,
                                                                        double PMAlpha,
                                                                        double PMDelta) {
    return {Alpha + PMAlpha * t / 3600, Delta + PMDelta * t / 3600};
}

AA2DCoordinate AAPrecessionCorr::AdjustPositionUsingMotionInSpace(double r, double DeltaR, double t,
                                                                  double Alpha, double Delta,
                                                                  double PMAlpha, double PMDelta) {
    // km/s to parsecs per year, seconds of time and arcseconds to radians.
    const double dr = DeltaR / 977792;
    const double dAlpha = PMAlpha / 13751;
    const double dDelta = PMDelta / 206265;
    const double ra = CT::HoursToRadians(Alpha);
    const double dec = CT::DegreesToRadians(Delta);
    const double x = r * std::cos(dec) * std::cos(ra);
    const double y = r * std::cos(dec) * std::sin(ra);
    const double z = r * std::sin(dec);
    const double dx = x / r * dr - z * dDelta * std::cos(ra) - y * dAlpha;
    const double dy = y / r * dr - z * dDelta * std::sin(ra) + x * dAlpha;
    const double dz = z / r * dr + r * dDelta * std::cos(dec);
    const double x1 = x + t * dx;
    const double y1 = y + t * dy;
    const double z1 = z + t * dz;
    return {CT::MapTo0To24Range(CT::RadiansToHours(std::atan2(y1, x1))),
            CT::RadiansToDegrees(std::atan2(z1, std::sqrt(x1 * x1 + y1 * y1)))};
}

AA2DCoordinate AAPrecessionCorr::EquatorialPMToEcliptic(double Alpha, double Delta, double Beta,
                                                        double Epsilon, double PMAlpha,
                                                        double PMDelta) {
    const double ra = CT::HoursToRadians(Alpha);
    const double dec = CT::DegreesToRadians(Delta);
    const double beta = CT::DegreesToRadians(Beta);
    const double eps = CT::DegreesToRadians(Epsilon);
    const double cosBeta = std::cos(beta);
    const double common =
        std::cos(eps) * std::cos(dec) + std::sin(eps) * std::sin(dec) * std::sin(ra);
    return {(PMDelta * std::sin(eps) * std::cos(ra) + PMAlpha * std::cos(dec) * common) /
                (cosBeta * cosBeta),
            (PMDelta * common - PMAlpha * std::sin(eps) * std::cos(ra) * std::cos(dec)) / cosBeta};
}

} // namespace Ko

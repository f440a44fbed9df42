#include "astro/aa/aaparallaxcorr.h"

#include "astro/aa/aacoordinatetransformation.h"
#include "astro/aa/aaobserverglobe.h"
#include "astro/aa/aasiderealtimes.h"

#include <cmath>

namespace Ko {

namespace {

using CT = AACoordinateTransformation;

// The sine of the solar parallax at 1 AU, 8.794".
constexpr double kSinSolarParallax = 4.263451510385646e-5;

// The site's geocentric place and its local apparent sidereal time (radians).
struct Site {
    double rhoSinPhiPrime, rhoCosPhiPrime, localSidereal;
};

Site siteAt(double Longitude, double Latitude, double Height, double JD) {
    return {AAObserverGlobe::RhoSinPhiPrime(Latitude, Height),
            AAObserverGlobe::RhoCosPhiPrime(Latitude, Height),
            CT::HoursToRadians(AASiderealTimes::GreenwichApparent(JD) - Longitude / 15.0)};
}

double sinParallax(double Distance) {
    return std::sin(std::asin(kSinSolarParallax / Distance));
}

// The shift in right ascension and the topocentric declination, radians.
struct Shift {
    double deltaRa, declination;
};

Shift shiftOf(double Alpha, double Delta, double Distance, double Longitude, double Latitude,
              double Height, double JD) {
    const Site site = siteAt(Longitude, Latitude, Height, JD);
    const double sinPi = sinParallax(Distance);
    const double H = site.localSidereal - CT::HoursToRadians(Alpha);
    const double dec = CT::DegreesToRadians(Delta);
    const double denominator = std::cos(dec) - site.rhoCosPhiPrime * sinPi * std::cos(H);
    const double deltaRa = std::atan2(-site.rhoCosPhiPrime * sinPi * std::sin(H), denominator);
    return {deltaRa, std::atan2((std::sin(dec) - site.rhoSinPhiPrime * sinPi) * std::cos(deltaRa),
                                denominator)};
}

} // namespace

AA2DCoordinate AAParallaxCorr::ToTopocentric(double Alpha, double Delta, double Distance,
                                             double Longitude, double Latitude, double Height,
                                             double JD) {
    const Shift s = shiftOf(Alpha, Delta, Distance, Longitude, Latitude, Height, JD);
    return {CT::MapTo0To24Range(Alpha + CT::RadiansToHours(s.deltaRa)),
            CT::RadiansToDegrees(s.declination)};
}

AA2DCoordinate AAParallaxCorr::Equatorial2TopocentricDelta(double Alpha, double Delta,
                                                           double Distance, double Longitude,
                                                           double Latitude, double Height,
                                                           double JD) {
    const Shift s = shiftOf(Alpha, Delta, Distance, Longitude, Latitude, Height, JD);
    return {CT::RadiansToHours(s.deltaRa), CT::RadiansToDegrees(s.declination) - Delta};
}

AATopocentricEclipticDetails AAParallaxCorr::Ecliptic2Topocentric(double Lambda, double Beta,
                                                                  double Semidiameter,
                                                                  double Distance, double Epsilon,
                                                                  double Longitude, double Latitude,
                                                                  double Height, double JD) {
    const Site site = siteAt(Longitude, Latitude, Height, JD);
    const double sinPi = sinParallax(Distance);
    const double lambda = CT::DegreesToRadians(Lambda);
    const double beta = CT::DegreesToRadians(Beta);
    const double eps = CT::DegreesToRadians(Epsilon);
    const double s = CT::DegreesToRadians(Semidiameter);
    const double theta = site.localSidereal;

    const double N =
        std::cos(lambda) * std::cos(beta) - site.rhoCosPhiPrime * sinPi * std::cos(theta);
    const double lambdaTopo =
        std::atan2(std::sin(lambda) * std::cos(beta) -
                       sinPi * (site.rhoSinPhiPrime * std::sin(eps) +
                                site.rhoCosPhiPrime * std::cos(eps) * std::sin(theta)),
                   N);
    const double betaTopo = std::atan(
        std::cos(lambdaTopo) *
        (std::sin(beta) - sinPi * (site.rhoSinPhiPrime * std::cos(eps) -
                                   site.rhoCosPhiPrime * std::sin(eps) * std::sin(theta))) /
        N);
    const double sTopo = std::asin(std::cos(lambdaTopo) * std::cos(betaTopo) * std::sin(s) / N);
    return {CT::MapTo0To360Range(CT::RadiansToDegrees(lambdaTopo)), CT::RadiansToDegrees(betaTopo),
            CT::RadiansToDegrees(sTopo)};
}

double AAParallaxCorr::DistanceToParallax(double Distance) {
    return CT::RadiansToDegrees(std::asin(kSinSolarParallax / Distance));
}

double AAParallaxCorr::ParallaxToDistance(double Parallax) {
    return kSinSolarParallax / std::sin(CT::DegreesToRadians(Parallax));
}

} // namespace Ko

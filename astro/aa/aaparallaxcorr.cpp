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

} // namespace

AA2DCoordinate AAParallaxCorr::ToTopocentric(double Alpha, double Delta, double Distance,
                                             double Longitude, double Latitude, double Height,
                                             double JD) {
    const double rhoSinPhiPrime = AAObserverGlobe::RhoSinPhiPrime(Latitude, Height);
    const double rhoCosPhiPrime = AAObserverGlobe::RhoCosPhiPrime(Latitude, Height);
    const double theta0 = AASiderealTimes::GreenwichApparent(JD);
    const double sinPi = std::sin(std::asin(kSinSolarParallax / Distance));

    const double H = CT::HoursToRadians(theta0 - Longitude / 15.0 - Alpha);
    const double dec = CT::DegreesToRadians(Delta);
    const double denominator = std::cos(dec) - rhoCosPhiPrime * sinPi * std::cos(H);
    const double deltaRa = std::atan2(-rhoCosPhiPrime * sinPi * std::sin(H), denominator);
    return {CT::MapTo0To24Range(Alpha + CT::RadiansToHours(deltaRa)),
            CT::RadiansToDegrees(std::atan2(
                (std::sin(dec) - rhoSinPhiPrime * sinPi) * std::cos(deltaRa), denominator))};
}

} // namespace Ko

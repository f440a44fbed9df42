#include "astro/aa/planets/aaplutoposition.h"

#include "astro/aa/aacoordinatetransformation.h"
#include "astro/aa/tables/aaperiodicterms.h"

#include <cmath>

namespace Ko {

namespace {

using CT = AACoordinateTransformation;

struct PlutoSums {
    double longitude, latitude, radius;
};

PlutoSums sumsAt(double JD) {
    const double T = (JD - 2451545) / 36525;
    const double J = 34.35 + 3034.9057 * T;
    const double S = 50.08 + 1222.1138 * T;
    const double P = 238.96 + 144.96 * T;
    PlutoSums sums{0, 0, 0};
    for (const AAPlutoCoefficient& c : AAPeriodicTerms::Pluto) {
        const double alpha = CT::DegreesToRadians(c.J * J + c.S * S + c.P * P);
        const double s = std::sin(alpha);
        const double co = std::cos(alpha);
        sums.longitude += c.lonA * s + c.lonB * co;
        sums.latitude += c.latA * s + c.latB * co;
        sums.radius += c.radA * s + c.radB * co;
    }
    return sums;
}

} // namespace

double AAPlutoPosition::EclipticLongitude(double JD) {
    const double T = (JD - 2451545) / 36525;
    return CT::MapTo0To360Range(sumsAt(JD).longitude * 1e-6 + 238.958116 + 144.96 * T);
}

double AAPlutoPosition::EclipticLatitude(double JD) {
    return sumsAt(JD).latitude * 1e-6 - 3.908239;
}

double AAPlutoPosition::RadiusVector(double JD) {
    return sumsAt(JD).radius * 1e-7 + 40.7241346;
}

} // namespace Ko

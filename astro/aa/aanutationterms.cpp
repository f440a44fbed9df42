#include "astro/aa/aanutationterms.h"

#include "astro/aa/aacoordinatetransformation.h"
#include "astro/aa/tables/aaperiodicterms.h"

#include <cmath>

namespace Ko {

namespace {

using CT = AACoordinateTransformation;

// The five fundamental arguments of the nutation series, radians.
struct NutationArguments {
    double D, M, Mprime, F, Omega;
};

NutationArguments argumentsAt(double JD) {
    const double T = (JD - 2451545) / 36525;
    const double T2 = T * T;
    const double T3 = T2 * T;
    auto rad = [](double degrees) { return CT::DegreesToRadians(CT::MapTo0To360Range(degrees)); };
    return {rad(297.85036 + 445267.11148 * T - 0.0019142 * T2 + T3 / 189474),
            rad(357.52772 + 35999.05034 * T - 0.0001603 * T2 - T3 / 300000),
            rad(134.96298 + 477198.867398 * T + 0.0086972 * T2 + T3 / 56250),
            rad(93.27191 + 483202.017538 * T - 0.0036825 * T2 + T3 / 327270),
            rad(125.04452 - 1934.136261 * T + 0.0020708 * T2 + T3 / 450000)};
}

// Nutation in longitude and in obliquity, arcseconds.
struct Nutation {
    double longitude, obliquity;
};

Nutation nutationAt(double JD) {
    const double T = (JD - 2451545) / 36525;
    const NutationArguments a = argumentsAt(JD);
    Nutation n{0, 0};
    for (const AANutationCoefficient& c : AAPeriodicTerms::Nutation) {
        const double argument =
            c.D * a.D + c.M * a.M + c.Mprime * a.Mprime + c.F * a.F + c.Omega * a.Omega;
        n.longitude += (c.sincoeff1 + c.sincoeff2 * T) * std::sin(argument) * 0.0001;
        n.obliquity += (c.coscoeff1 + c.coscoeff2 * T) * std::cos(argument) * 0.0001;
    }
    return n;
}

} // namespace

double AANutationTerms::MeanObliquity(double JD) {
    const double U = (JD - 2451545) / 3652500;
    // Laskar's coefficients, arcseconds, of U^1 to U^10.
    static constexpr double kTerms[10] = {-4680.93, -1.55, 1999.25, -51.38, -249.67,
                                          -39.05,   7.12,  27.87,   5.79,   2.45};
    double value = CT::DMSToDegrees(23, 26, 21.448);
    double Un = U;
    for (double coefficient : kTerms) {
        value += CT::DMSToDegrees(0, 0, coefficient * Un);
        Un *= U;
    }
    return value;
}

double AANutationTerms::InLongitude(double JD) {
    return nutationAt(JD).longitude;
}

double AANutationTerms::InObliquity(double JD) {
    return nutationAt(JD).obliquity;
}

double AANutationTerms::TrueObliquity(double JD) {
    return MeanObliquity(JD) + InObliquity(JD) / 3600;
}

double AANutationTerms::SunMeanAnomaly(double JD) {
    const double T = (JD - 2451545) / 36525;
    return CT::MapTo0To360Range(357.5291092 + 35999.0502909 * T - 0.0001536 * T * T +
                                T * T * T / 24490000);
}

} // namespace Ko

#include "astro/aa/aaaberrationcorr.h"

#include "astro/aa/aacoordinatetransformation.h"
#include "astro/aa/aafk5frame.h"
#include "astro/aa/aasunposition.h"
#include "astro/aa/tables/aaperiodicterms.h"
#include "astro/aa/tables/aavsop87terms_eartha.h"

#include <cmath>
#include <iterator>

namespace Ko {

namespace {

using CT = AACoordinateTransformation;

// The speed of light, 1e-8 AU per day.
constexpr double kLightSpeed = 17314463350.0;
// The constant of aberration, arcseconds.
constexpr double kAberrationConstant = 20.49552;

AA3DCoordinate ronVondrakVelocity(double JD) {
    const double T = (JD - 2451545) / 36525;
    constexpr size_t kArguments = std::size(AAPeriodicTerms::RonVondrakArguments);
    double argument[kArguments];
    for (size_t i = 0; i < kArguments; ++i)
        argument[i] = AAPeriodicTerms::RonVondrakArguments[i].constant +
                      AAPeriodicTerms::RonVondrakArguments[i].rate * T;
    AA3DCoordinate v;
    for (const AAAberrationCoefficient& c : AAPeriodicTerms::RonVondrak) {
        double a = 0;
        for (size_t i = 0; i < kArguments; ++i)
            a += c.multipliers[i] * argument[i];
        const double s = std::sin(a);
        const double co = std::cos(a);
        v.X += (c.xsin + c.xsinT * T) * s + (c.xcos + c.xcosT * T) * co;
        v.Y += (c.ysin + c.ysinT * T) * s + (c.ycos + c.ycosT * T) * co;
        v.Z += (c.zsin + c.zsinT * T) * s + (c.zcos + c.zcosT * T) * co;
    }
    return v;
}

} // namespace

AA3DCoordinate AAAberrationCorr::EarthVelocity(double JD, bool bHighPrecision) {
    if (!bHighPrecision)
        return ronVondrakVelocity(JD);
    const AA3DCoordinate v = AAFK5Frame::FromVsopJ2000({AAVSOP87Terms_EarthA::X_DASH(JD),
                                                        AAVSOP87Terms_EarthA::Y_DASH(JD),
                                                        AAVSOP87Terms_EarthA::Z_DASH(JD)});
    return {v.X * 1e8, v.Y * 1e8, v.Z * 1e8};
}

AA2DCoordinate AAAberrationCorr::EquatorialAberration(double Alpha, double Delta, double JD,
                                                      bool bHighPrecision) {
    const double ra = CT::HoursToRadians(Alpha);
    const double dec = CT::DegreesToRadians(Delta);
    const AA3DCoordinate v = EarthVelocity(JD, bHighPrecision);
    const double dRa = (v.Y * std::cos(ra) - v.X * std::sin(ra)) / (kLightSpeed * std::cos(dec));
    const double dDec =
        -((v.X * std::cos(ra) + v.Y * std::sin(ra)) * std::sin(dec) - v.Z * std::cos(dec)) /
        kLightSpeed;
    return {CT::RadiansToDegrees(dRa) * 3600, CT::RadiansToDegrees(dDec) * 3600};
}

AA2DCoordinate AAAberrationCorr::EclipticAberration(double Lambda, double Beta, double JD,
                                                    bool bHighPrecision) {
    const double T = (JD - 2451545) / 36525;
    const double T2 = T * T;
    const double e = 0.016708634 - 0.000042037 * T - 0.0000001267 * T2;
    const double pi = CT::DegreesToRadians(102.93735 + 1.71946 * T + 0.00046 * T2);
    const double lambda = CT::DegreesToRadians(Lambda);
    const double beta = CT::DegreesToRadians(Beta);
    const double sun =
        CT::DegreesToRadians(AASunPosition::GeometricEclipticLongitude(JD, bHighPrecision));
    const double k = kAberrationConstant;
    return {(-k * std::cos(sun - lambda) + e * k * std::cos(pi - lambda)) / std::cos(beta),
            -k * std::sin(beta) * (std::sin(sun - lambda) - e * std::sin(pi - lambda))};
}

} // namespace Ko

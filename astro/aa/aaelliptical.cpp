#include "astro/aa/aaelliptical.h"

#include "astro/aa/aacoordinatetransformation.h"
#include "astro/aa/aakeplersolver.h"
#include "astro/aa/aanutationterms.h"
#include "astro/aa/aasunposition.h"

#include <cmath>

namespace Ko {

namespace {

using CT = AACoordinateTransformation;

// Light time per AU of distance, days.
constexpr double kLightTimePerAU = 0.0057755183;
// Bisection steps that bring the eccentric anomaly to the resolution of a double.
constexpr int kKeplerIterations = 53;

double angleBetween(double adjacent1, double adjacent2, double opposite) {
    return CT::RadiansToDegrees(
        std::acos((adjacent1 * adjacent1 + adjacent2 * adjacent2 - opposite * opposite) /
                  (2 * adjacent1 * adjacent2)));
}

} // namespace

double AAElliptical::MeanMotionFromSemiMajorAxis(double a) {
    return 0.9856076686 / (a * std::sqrt(a));
}

double AAElliptical::CometBrightness(double g, double delta, double k, double r) {
    return g + 5 * std::log10(delta) + k * std::log10(r);
}

AAEllipticalObjectDetails AAElliptical::CalculateFromOrbit(
    double JD, const AAOrbitOrientation& orientation, bool bHighPrecision,
    AAOrbitPoint (*pointAt)(const void* ctx, double JD0), const void* ctx) {
    const double epsilon =
        CT::DegreesToRadians(AANutationTerms::MeanObliquity(orientation.JDEquinox));
    const double omega = CT::DegreesToRadians(orientation.omega);
    const double i = CT::DegreesToRadians(orientation.i);
    const double w = CT::DegreesToRadians(orientation.w);
    const double sinEpsilon = std::sin(epsilon), cosEpsilon = std::cos(epsilon);
    const double sinOmega = std::sin(omega), cosOmega = std::cos(omega);
    const double sini = std::sin(i), cosi = std::cos(i);

    // The orbit's orientation in the equatorial frame as amplitude and phase per axis.
    const double F = cosOmega;
    const double G = sinOmega * cosEpsilon;
    const double H = sinOmega * sinEpsilon;
    const double P = -sinOmega * cosi;
    const double Q = cosOmega * cosi * cosEpsilon - sini * sinEpsilon;
    const double R = cosOmega * cosi * sinEpsilon + sini * cosEpsilon;
    const double a = std::sqrt(F * F + P * P);
    const double b = std::sqrt(G * G + Q * Q);
    const double c = std::sqrt(H * H + R * R);
    const double A = std::atan2(F, P);
    const double B = std::atan2(G, Q);
    const double C = std::atan2(H, R);

    const AA3DCoordinate sun =
        AASunPosition::EquatorialXYZ(JD, orientation.JDEquinox, bHighPrecision);

    AAEllipticalObjectDetails details;
    double JD0 = JD;
    double r = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const AAOrbitPoint point = pointAt(ctx, JD0);
        r = point.r;
        const double u = w + point.v;
        const double x = r * a * std::sin(A + u);
        const double y = r * b * std::sin(B + u);
        const double z = r * c * std::sin(C + u);
        if (pass == 0) {
            details.HeliocentricRectangularEquatorial = {x, y, z};
            const AA3DCoordinate ecliptic{
                r * (cosOmega * std::cos(u) - sinOmega * std::sin(u) * cosi),
                r * (sinOmega * std::cos(u) + cosOmega * std::sin(u) * cosi),
                r * sini * std::sin(u)};
            details.HeliocentricRectangularEcliptical = ecliptic;
            details.HeliocentricEclipticLongitude =
                CT::MapTo0To360Range(CT::RadiansToDegrees(std::atan2(ecliptic.Y, ecliptic.X)));
            details.HeliocentricEclipticLatitude = CT::RadiansToDegrees(std::asin(ecliptic.Z / r));
        }
        const double xi = sun.X + x;
        const double eta = sun.Y + y;
        const double zeta = sun.Z + z;
        const double ra = CT::MapTo0To24Range(CT::RadiansToHours(std::atan2(eta, xi)));
        const double dec = CT::RadiansToDegrees(std::atan2(zeta, std::sqrt(xi * xi + eta * eta)));
        const double distance = std::sqrt(xi * xi + eta * eta + zeta * zeta);
        const double lightTime = distance * kLightTimePerAU;
        if (pass == 0) {
            details.TrueGeocentricRA = ra;
            details.TrueGeocentricDeclination = dec;
            details.TrueGeocentricDistance = distance;
            details.TrueGeocentricLightTime = lightTime;
            JD0 = JD - lightTime;
        } else {
            details.AstrometricGeocentricRA = ra;
            details.AstrometricGeocentricDeclination = dec;
            details.AstrometricGeocentricDistance = distance;
            details.AstrometricGeocentricLightTime = lightTime;
        }
    }

    const double Rs = std::sqrt(sun.X * sun.X + sun.Y * sun.Y + sun.Z * sun.Z);
    const double delta = details.AstrometricGeocentricDistance;
    details.Elongation = angleBetween(Rs, delta, r);
    details.PhaseAngle = angleBetween(r, delta, Rs);
    return details;
}

AAEllipticalObjectDetails AAElliptical::Calculate(double JD,
                                                  const AAEllipticalObjectElements& elements,
                                                  bool bHighPrecision) {
    const auto pointAt = [](const void* ctx, double JD0) {
        const auto& el = *static_cast<const AAEllipticalObjectElements*>(ctx);
        const double M = MeanMotionFromSemiMajorAxis(el.a) * (JD0 - el.T);
        const double E = CT::DegreesToRadians(AAKeplerSolver::Solve(M, el.e, kKeplerIterations));
        const double v = 2 * std::atan(std::sqrt((1 + el.e) / (1 - el.e)) * std::tan(E / 2));
        return AAOrbitPoint{el.a * (1 - el.e * std::cos(E)), v};
    };
    return CalculateFromOrbit(JD, {elements.i, elements.w, elements.omega, elements.JDEquinox},
                              bHighPrecision, pointAt, &elements);
}

} // namespace Ko

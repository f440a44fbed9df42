#include "astro/aa/aaelliptical.h"

#include "astro/aa/aaaberrationcorr.h"
#include "astro/aa/aacoordinatetransformation.h"
#include "astro/aa/aafk5frame.h"
#include "astro/aa/aakeplersolver.h"
#include "astro/aa/aanutationterms.h"
#include "astro/aa/aaprecessioncorr.h"
#include "astro/aa/aasunposition.h"
#include "astro/aa/planets/aaearthposition.h"
#include "astro/aa/planets/aajupiterposition.h"
#include "astro/aa/planets/aamarsposition.h"
#include "astro/aa/planets/aamercuryposition.h"
#include "astro/aa/planets/aaneptuneposition.h"
#include "astro/aa/planets/aaplutoposition.h"
#include "astro/aa/planets/aasaturnposition.h"
#include "astro/aa/planets/aauranusposition.h"
#include "astro/aa/planets/aavenusposition.h"
#include "base/koassert.h"

#include <cmath>

namespace Ko {

namespace {

using CT = AACoordinateTransformation;

// Light time per AU of distance, days.
constexpr double kLightTimePerAU = 0.0057755183;
// Bisection steps that bring the eccentric anomaly to the resolution of a double.
constexpr int kKeplerIterations = 53;

// Heliocentric longitude, latitude (degrees) and radius vector (AU).
struct Spherical {
    double L, B, R;
};

template <class Position>
Spherical positionOf(double JD, bool bHighPrecision) {
    return {Position::HelioLongitude(bHighPrecision, JD),
            Position::HelioLatitude(bHighPrecision, JD), Position::HelioRadius(bHighPrecision, JD)};
}

Spherical planetAt(AAEllipticalObject object, double JD, bool bHighPrecision) {
    switch (object) {
    case AAEllipticalObject::MERCURY:
        return positionOf<AAMercuryPosition>(JD, bHighPrecision);
    case AAEllipticalObject::VENUS:
        return positionOf<AAVenusPosition>(JD, bHighPrecision);
    case AAEllipticalObject::MARS:
        return positionOf<AAMarsPosition>(JD, bHighPrecision);
    case AAEllipticalObject::JUPITER:
        return positionOf<AAJupiterPosition>(JD, bHighPrecision);
    case AAEllipticalObject::SATURN:
        return positionOf<AASaturnPosition>(JD, bHighPrecision);
    case AAEllipticalObject::URANUS:
        return positionOf<AAUranusPosition>(JD, bHighPrecision);
    case AAEllipticalObject::NEPTUNE:
        return positionOf<AANeptunePosition>(JD, bHighPrecision);
    case AAEllipticalObject::PLUTO:
        return {AAPlutoPosition::EclipticLongitude(JD), AAPlutoPosition::EclipticLatitude(JD),
                AAPlutoPosition::RadiusVector(JD)};
    }
    KO_ASSERT(false);
}

AA3DCoordinate rectangular(const Spherical& p) {
    const double l = CT::DegreesToRadians(p.L);
    const double b = CT::DegreesToRadians(p.B);
    return {p.R * std::cos(b) * std::cos(l), p.R * std::cos(b) * std::sin(l), p.R * std::sin(b)};
}

double angleBetween(double adjacent1, double adjacent2, double opposite) {
    return CT::RadiansToDegrees(
        std::acos((adjacent1 * adjacent1 + adjacent2 * adjacent2 - opposite * opposite) /
                  (2 * adjacent1 * adjacent2)));
}

} // namespace

double AAElliptical::MeanMotionFromSemiMajorAxis(double a) {
    return 0.9856076686 / (a * std::sqrt(a));
}

double AAElliptical::InstantaneousVelocity(double r, double a) {
    return 42.1219 * std::sqrt(1 / r - 1 / (2 * a));
}

double AAElliptical::VelocityAtPerihelion(double e, double a) {
    return 29.7847 / std::sqrt(a) * std::sqrt((1 + e) / (1 - e));
}

double AAElliptical::VelocityAtAphelion(double e, double a) {
    return 29.7847 / std::sqrt(a) * std::sqrt((1 - e) / (1 + e));
}

AAEllipticalPlanetaryDetails AAElliptical::Calculate(double JD, AAEllipticalObject object,
                                                     bool bHighPrecision) {
    // Pluto's theory refers to the ecliptic and equinox J2000, so its place is found against the
    // Earth of J2000 and precessed to the date afterwards; the planets' are of date throughout.
    const bool pluto = object == AAEllipticalObject::PLUTO;
    const Spherical earth =
        pluto ? Spherical{AAEarthPosition::HelioLongitudeJ2000(bHighPrecision, JD),
                          AAEarthPosition::HelioLatitudeJ2000(bHighPrecision, JD),
                          AAEarthPosition::HelioRadius(bHighPrecision, JD)}
              : positionOf<AAEarthPosition>(JD, bHighPrecision);
    const AA3DCoordinate e = rectangular(earth);

    // The place seen is where the planet was one light time ago; repeat until it settles.
    double tau = 0;
    double distance = 0;
    AA3DCoordinate g;
    Spherical previous{0, 0, 0};
    for (bool first = true;; first = false) {
        const Spherical p = planetAt(object, JD - tau, bHighPrecision);
        const AA3DCoordinate h = rectangular(p);
        g = {h.X - e.X, h.Y - e.Y, h.Z - e.Z};
        distance = std::sqrt(g.X * g.X + g.Y * g.Y + g.Z * g.Z);
        tau = distance * kLightTimePerAU;
        const bool settled = std::fabs(p.L - previous.L) <= 1e-5 &&
                             std::fabs(p.B - previous.B) <= 1e-5 &&
                             std::fabs(p.R - previous.R) <= 1e-6;
        previous = p;
        if (!first && settled)
            break;
    }

    double lambda = CT::MapTo0To360Range(CT::RadiansToDegrees(std::atan2(g.Y, g.X)));
    double beta = CT::RadiansToDegrees(std::atan2(g.Z, std::sqrt(g.X * g.X + g.Y * g.Y)));
    if (pluto) {
        const AA2DCoordinate ofDate = AAPrecessionCorr::PrecessEcliptic(lambda, beta, 2451545, JD);
        lambda = ofDate.X;
        beta = ofDate.Y;
    } else {
        const double dLambda = AAFK5Frame::CorrectionInLongitude(lambda, beta, JD);
        beta += AAFK5Frame::CorrectionInLatitude(lambda, JD);
        lambda += dLambda;
    }
    const AA2DCoordinate aberration =
        AAAberrationCorr::EclipticAberration(lambda, beta, JD, bHighPrecision);
    lambda = CT::MapTo0To360Range(lambda + AANutationTerms::InLongitude(JD) / 3600 +
                                  aberration.X / 3600);
    beta += aberration.Y / 3600;

    AAEllipticalPlanetaryDetails details;
    details.ApparentGeocentricLongitude = lambda;
    details.ApparentGeocentricLatitude = beta;
    details.ApparentGeocentricDistance = distance;
    details.ApparentLightTime = tau;
    const AA2DCoordinate equatorial =
        CT::Ecliptic2Equatorial(lambda, beta, AANutationTerms::TrueObliquity(JD));
    details.ApparentGeocentricRA = equatorial.X;
    details.ApparentGeocentricDeclination = equatorial.Y;
    return details;
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

#include "astro/astrocalc.h"

#include "astro/angleutil.h"
#include "base/clock.h"
#include "base/ilocation.h"
#include "base/koassert.h"

#include <algorithm>
#include <cmath>

namespace Ko {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerYear = 365.25;
constexpr double kArcsecToRad = 0.0002777777777777778 * kDeg;

double yearsSinceJ2000(double julianDate) {
    return (julianDate - kJ2000) / kDaysPerYear;
}

// Annual precession in (ra, dec), radians per year, plus the proper motion.
IAstroCalc::AnglePair annualRates(double ra, double dec, double raRate, double decRate) {
    const double dRa = (3.075 + 1.336 * std::sin(ra) * std::tan(dec) + raRate) * 15.0;
    const double dDec = 20.04 * std::cos(ra) + decRate;
    return {dRa * kArcsecToRad, dDec * kArcsecToRad};
}

// A refraction formula: numerator / tan(h + c / (h + d)) arc-minutes for an altitude h in degrees.
struct RefractionFormula {
    double numerator, c, d;
    // The lowest altitude (degrees) at which the formula is still sound: there the argument of
    // the tangent reaches 90 degrees and the correction falls to zero. Below it the argument runs
    // off towards the pole of c / (h + d) and the correction swings through absurd and infinite
    // values.
    double lowestDeg;
};

RefractionFormula makeFormula(double numerator, double c, double d) {
    const double b = 90.0 + d;
    return {numerator, c, d, -d + (b - std::sqrt(b * b - 4.0 * c)) / 2.0};
}

// Saemundsson's, from the true altitude, and Bennett's, from the refracted altitude.
const RefractionFormula kSaemundsson = makeFormula(1.02, 10.3, 5.11);
const RefractionFormula kBennett = makeFormula(1.0, 7.31, 4.4);

// The correction in degrees, already scaled by the pressure and temperature factors.
double refractionDeg(const RefractionFormula& f, double hDeg, double scale) {
    if (!(hDeg > f.lowestDeg && hDeg <= 90.0))
        return 0.0;
    const double arcmin = f.numerator / std::tan((hDeg + f.c / (hDeg + f.d)) * kDeg) * scale;
    return std::isfinite(arcmin) ? arcmin / 60.0 : 0.0;
}

// Pressure and temperature factors; an impossible site (above about 9 km, or at or below
// absolute zero) would make them negative or infinite, and then no correction is applied.
double atmosphereScale(double altitudeMeter, double temperatureCelsius) {
    const double pressure = (1013.0 - 1.33 * altitudeMeter / 12.0) / 1013.0;
    const double temperature = 283.0 / (273.0 + temperatureCelsius);
    const double scale = pressure * temperature;
    if (!(pressure > 0.0) || !(temperature > 0.0) || !std::isfinite(scale))
        return 0.0;
    return scale;
}

struct SouthStar {
    double ra0, raRate, dec0, decRate;
};

constexpr SouthStar kSouthStars[4] = {
    {6.143820766407838, 0.0005305432063972369, -1.5268513602980849, 9.621467638930052e-5},
    {5.958241361484325, 0.001727517378990302, -1.5501742920552213, 9.207231985737539e-5},
    {5.536155298505147, 0.0038475990362512873, -1.5525823616092924, 7.128482397190385e-5},
    {4.951433638060963, 0.002481889434340183, -1.529021386334731, 2.30042256116739e-5},
};

// Rounding can carry the sine of an altitude or declination of exactly 90 degrees (the zenith,
// the celestial pole) a hair past 1, and asin would then give NaN for a perfectly valid target.
double asinClamped(double x) {
    return std::asin(std::clamp(x, -1.0, 1.0));
}

U_ASTRO_COORD coordOf(const IAstroCalc::AnglePair& p, CoordType t) {
    return U_ASTRO_COORD{p.first, p.second, t};
}

// One step up the chain: frame k from frame k - 1.
U_ASTRO_COORD stepUp(const U_ASTRO_COORD& c, CoordType k, const CLocation& site, double julianDate,
                     double raRate, double decRate) {
    switch (k) {
    case CoordType::RDJNow:
        return coordOf(AstroCalc::precessStep(c.a, c.b, raRate, decRate, julianDate), k);
    case CoordType::HDTrue:
        return coordOf(
            AstroCalc::raDecToHourAngleDecStep({c.a, c.b}, julianDate, site.longitudeRad), k);
    case CoordType::AZTrue:
        return coordOf(AstroCalc::hourAngleDecToAzAltStep(c.a, c.b, site.latitudeRad), k);
    case CoordType::AZObsv:
        return coordOf(
            AstroCalc::refractStep(c.a, c.b, site.altitudeMeter, site.temperatureCelsius), k);
    default:
        return coordOf(AstroCalc::azAltToHourAngleDecStep(c.a, c.b, site.latitudeRad), k);
    }
}

// One step down the chain: frame k from frame k + 1.
U_ASTRO_COORD stepDown(const U_ASTRO_COORD& c, CoordType k, const CLocation& site,
                       double julianDate, double raRate, double decRate) {
    switch (k) {
    case CoordType::AZObsv:
        return coordOf(AstroCalc::hourAngleDecToAzAltStep(c.a, c.b, site.latitudeRad), k);
    case CoordType::AZTrue:
        return coordOf(
            AstroCalc::unrefractStep(c.a, c.b, site.altitudeMeter, site.temperatureCelsius), k);
    case CoordType::HDTrue:
        return coordOf(AstroCalc::azAltToHourAngleDecStep(c.a, c.b, site.latitudeRad), k);
    case CoordType::RDJNow:
        return coordOf(
            AstroCalc::hourAngleDecToRaDecStep({c.a, c.b}, julianDate, site.longitudeRad), k);
    default:
        return coordOf(AstroCalc::unprecessStep(c.a, c.b, raRate, decRate, julianDate), k);
    }
}

CoordType next(CoordType t, int delta) {
    return static_cast<CoordType>(static_cast<int>(t) + delta);
}

} // namespace

AstroCalc::AstroCalc(std::shared_ptr<ILocation> location, std::shared_ptr<IAstroClock> clock)
    : m_location(std::move(location)), m_clock(std::move(clock)) {}

double AstroCalc::greenwichSiderealAt(double julianDate) {
    const double d = julianDate - kJ2000;
    const double hours = std::fmod(18.697374558 + 24.06570982441908 * d, 24.0);
    return 2.0 * hours * kPi / 24.0;
}

double AstroCalc::localSiderealAt(double julianDate, double longitude) {
    return wrapTo2Pi(greenwichSiderealAt(julianDate) - longitude);
}

double AstroCalc::raToHourAngleStep(double ra, double julianDate, double longitude) {
    return wrapToPi(wrapTo2Pi(localSiderealAt(julianDate, longitude) - ra));
}

double AstroCalc::hourAngleToRaStep(double hourAngle, double julianDate, double longitude) {
    return wrapTo2Pi(localSiderealAt(julianDate, longitude) - hourAngle);
}

IAstroCalc::AnglePair AstroCalc::raDecToHourAngleDecStep(const AnglePair& raDec, double julianDate,
                                                         double longitude) {
    return {raToHourAngleStep(raDec.first, julianDate, longitude), raDec.second};
}

IAstroCalc::AnglePair AstroCalc::hourAngleDecToRaDecStep(const AnglePair& hourAngleDec,
                                                         double julianDate, double longitude) {
    return {hourAngleToRaStep(hourAngleDec.first, julianDate, longitude), hourAngleDec.second};
}

IAstroCalc::AnglePair AstroCalc::precessStep(double ra, double dec, double raRate, double decRate,
                                             double julianDate) {
    const double t = yearsSinceJ2000(julianDate);
    const auto [dRa, dDec] = annualRates(ra, dec, raRate, decRate);
    return {ra + dRa * t, dec + dDec * t};
}

IAstroCalc::AnglePair AstroCalc::unprecessStep(double ra, double dec, double raRate, double decRate,
                                               double julianDate) {
    const double t = yearsSinceJ2000(julianDate);
    const auto [dRa, dDec] = annualRates(ra, dec, raRate, decRate);
    return {ra - dRa * t, dec - dDec * t};
}

IAstroCalc::AnglePair AstroCalc::refractStep(double az, double alt, double altitudeMeter,
                                             double temperatureCelsius) {
    const double scale = atmosphereScale(altitudeMeter, temperatureCelsius);
    return {az, alt + refractionDeg(kSaemundsson, alt / kDeg, scale) * kDeg};
}

IAstroCalc::AnglePair AstroCalc::unrefractStep(double az, double alt, double altitudeMeter,
                                               double temperatureCelsius) {
    const double scale = atmosphereScale(altitudeMeter, temperatureCelsius);
    return {az, alt - refractionDeg(kBennett, alt / kDeg, scale) * kDeg};
}

// Each sine and cosine is taken once: this rotation runs for every target of a catalogue list.
IAstroCalc::AnglePair AstroCalc::hourAngleDecToAzAltStep(double hourAngle, double dec,
                                                         double latitude) {
    const double sinH = std::sin(hourAngle);
    const double cosH = std::cos(hourAngle);
    const double sinD = std::sin(dec);
    const double cosD = std::cos(dec);
    const double sinL = std::sin(latitude);
    const double cosL = std::cos(latitude);
    const double x = cosH * sinL - std::tan(dec) * cosL;
    const double y = sinH;
    const double az = (x == 0.0 && y == 0.0) ? 0.0 : wrapToPi(std::atan2(y, x) + kPi);
    return {az, asinClamped(sinD * sinL + cosH * cosD * cosL)};
}

double AstroCalc::altitudeStep(double hourAngle, double dec, double latitude) {
    return asinClamped(std::sin(dec) * std::sin(latitude) +
                       std::cos(hourAngle) * std::cos(dec) * std::cos(latitude));
}

IAstroCalc::AnglePair AstroCalc::azAltToHourAngleDecStep(double az, double alt, double latitude) {
    const double a = wrapTo2Pi(az + kPi);
    const double sinA = std::sin(a);
    const double cosA = std::cos(a);
    const double sinL = std::sin(latitude);
    const double cosL = std::cos(latitude);
    const double dec = asinClamped(std::sin(alt) * sinL - std::cos(alt) * cosL * cosA);
    const double ha = wrapToPi(std::atan2(sinA, cosA * sinL + std::tan(alt) * cosL));
    return {ha, dec};
}

double AstroCalc::poleStarRaAt(double julianDate) {
    return 0.6625124396466141 + 0.004877194097365428 * yearsSinceJ2000(julianDate);
}

double AstroCalc::poleStarScopeAngleAt(double julianDate, double longitude) {
    return poleStarRaAt(julianDate) - localSiderealAt(julianDate, longitude) + kPi;
}

std::array<IAstroCalc::AnglePair, 4> AstroCalc::southPoleStarsAt(double julianDate,
                                                                 double longitude) {
    const double t = yearsSinceJ2000(julianDate);
    const double lst = localSiderealAt(julianDate, longitude);
    std::array<AnglePair, 4> out;
    for (size_t i = 0; i < out.size(); ++i) {
        const SouthStar& s = kSouthStars[i];
        out[i] = {lst - (s.ra0 + s.raRate * t) + kPi, s.dec0 + s.decRate * t + kPi / 2.0};
    }
    return out;
}

double AstroCalc::angularSeparationOf(const U_ASTRO_COORD& p, const U_ASTRO_COORD& q) {
    double c = std::sin(p.b) * std::sin(q.b) + std::cos(p.b) * std::cos(q.b) * std::cos(p.a - q.a);
    c = std::max(std::min(c, 1.0), -1.0);
    return std::acos(c);
}

CoordFrames AstroCalc::CoordsCalc(const U_ASTRO_COORD& from, CoordType to, const CLocation& site,
                                  double julianDate, double raRate, double decRate) {
    if (from.type < to)
        return CoordsCalc_Forward(from, to, site, julianDate, raRate, decRate);
    return CoordsCalc_Backward(from, to, site, julianDate, raRate, decRate);
}

CoordFrames AstroCalc::CoordsCalc_Forward(const U_ASTRO_COORD& from, CoordType to,
                                          const CLocation& site, double julianDate, double raRate,
                                          double decRate) {
    KO_ASSERT((CoordType::RDJ2000 <= from.type) && (from.type <= to) && (to <= CoordType::HDObsv));
    CoordFrames frames;
    U_ASTRO_COORD c = from;
    frames[from.type] = c;
    for (CoordType k = next(from.type, 1); k <= to; k = next(k, 1)) {
        c = stepUp(c, k, site, julianDate, raRate, decRate);
        frames[k] = c;
    }
    return frames;
}

CoordFrames AstroCalc::CoordsCalc_Backward(const U_ASTRO_COORD& from, CoordType to,
                                           const CLocation& site, double julianDate, double raRate,
                                           double decRate) {
    KO_ASSERT((CoordType::RDJ2000 <= to) && (to <= from.type) && (from.type <= CoordType::HDObsv));
    CoordFrames frames;
    U_ASTRO_COORD c = from;
    frames[from.type] = c;
    for (CoordType k = from.type; k > to;) {
        k = next(k, -1);
        c = stepDown(c, k, site, julianDate, raRate, decRate);
        frames[k] = c;
    }
    return frames;
}

double AstroCalc::greenwichSiderealRad() const {
    return greenwichSiderealAt(m_clock->julianDate());
}

double AstroCalc::localSiderealRad() const {
    return localSiderealAt(m_clock->julianDate(), m_location->longitudeRad());
}

IAstroCalc::AnglePair AstroCalc::hourAngleDecToAzAlt(double hourAngle, double declination) const {
    return hourAngleDecToAzAltStep(hourAngle, declination, m_location->latitudeRad());
}

IAstroCalc::AnglePair AstroCalc::azAltToHourAngleDec(double azimuth, double altitude) const {
    return azAltToHourAngleDecStep(azimuth, altitude, m_location->latitudeRad());
}

double AstroCalc::altitudeOf(double hourAngle, double declination) const {
    return altitudeStep(hourAngle, declination, m_location->latitudeRad());
}

CoordFrames AstroCalc::allFramesAt(const U_ASTRO_COORD& from, CoordType to,
                                   double julianDate) const {
    return CoordsCalc(from, to, m_location->location(), julianDate, 0.0, 0.0);
}

CoordFrames AstroCalc::allFramesNow(const U_ASTRO_COORD& from, CoordType to) const {
    return allFramesAt(from, to, m_clock->julianDate());
}

U_ASTRO_COORD AstroCalc::convertAt(const U_ASTRO_COORD& from, CoordType to,
                                   int64_t offsetMs) const {
    const U_ASTRO_COORD ofDate = allFramesNow(from, CoordType::RDJNow)[CoordType::RDJNow].value();
    const double later = m_clock->julianDate() + static_cast<double>(offsetMs) / 86400000.0;
    return allFramesAt(ofDate, to, later)[to].value();
}

U_ASTRO_COORD AstroCalc::convertNow(const U_ASTRO_COORD& from, CoordType to) const {
    return allFramesNow(from, to)[to].value();
}

CoordFrames AstroCalc::allFramesFromJ2000(double ra, double dec, double raRate, double decRate,
                                          CoordType to) const {
    return CoordsCalc(U_ASTRO_COORD{ra, dec, CoordType::RDJ2000}, to, m_location->location(),
                      m_clock->julianDate(), raRate, decRate);
}

double AstroCalc::poleStarHourAngle() const {
    return poleStarScopeAngleAt(m_clock->julianDate(), m_location->longitudeRad());
}

double AstroCalc::poleStarHourAngleAt() const {
    const double jd = m_clock->julianDate();
    const double lst = localSiderealAt(jd, m_location->longitudeRad());
    return wrapToPi(wrapTo2Pi(lst - poleStarRaAt(jd)));
}

std::array<IAstroCalc::AnglePair, 4> AstroCalc::southPoleStars() const {
    return southPoleStarsAt(m_clock->julianDate(), m_location->longitudeRad());
}

double AstroCalc::angularSeparation(const U_ASTRO_COORD& p, const U_ASTRO_COORD& q) const {
    return angularSeparationOf(p, q);
}

} // namespace Ko

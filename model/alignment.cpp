#include "model/alignment.h"

#include "astro/angleutil.h"
#include "astro/astrocalc.h"
#include "link/imountaxislimit.h"
#include "model/mountmode.h"

#include <cfloat>
#include <cmath>

namespace Ko {

namespace {

using AnglePair = IAlignment::AnglePair;

constexpr double kHalfPi = kPi / 2;
constexpr double kArcminPerRad = 180.0 / kPi * 60.0;
// Within this many arc-minutes of either pole of axis 2 the forward corrections leave CH and NP
// out: 1 / cos and tan grow without bound there.
constexpr double kPoleSkipArcmin = 6.0;
// Below this |cos(axis 2)| the axis stands on a pole in floating point (cos(pi/2) is 6e-17):
// dividing by it would send infinities or NaN to the motors.
constexpr double kPoleCos = 1e-15;
// cos(pi/2) as a double, the weight the vertical-axis tilt gives axis 1.
const double kCosHalfPi = std::cos(kHalfPi);

bool isEQ(const ALIGNMENT_DATA& d) {
    return d.mountMode.value() == MountMode_::EQ;
}

double latitude(const ALIGNMENT_DATA& d) {
    return d.location.value().latitudeRad;
}

bool shouldFlipIn(const ALIGNMENT_DATA* d, AnglePair sky, FlippingMode_::E mode) {
    switch (mode) {
    case FlippingMode_::No:
        return false;
    case FlippingMode_::Yes:
        return true;
    default:
        // The model is read only here, so No and Yes work without one.
        return latitude(*d) >= 0 ? sky.first > 0 : sky.first < 0;
    }
}

// Axes to sky without ID, CH or NP.
AnglePair uncorrectedAxesToSky(const ALIGNMENT_DATA& d, double a1, double a2) {
    return anglesOf(d.mxmh * directionOf(a1, a2));
}

// Axes to sky with ID, and with CH and NP away from the poles of axis 2.
AnglePair correctedAxesToSky(const ALIGNMENT_DATA& d, AnglePair axes) {
    double a1 = axes.first;
    const double a2 = axes.second + d.cpid;
    const double w = wrapToPi(a2);
    const double fromNorth = std::fabs(w - kHalfPi) * kArcminPerRad;
    const double fromSouth = std::fabs(w + kHalfPi) * kArcminPerRad;
    if (fromNorth > kPoleSkipArcmin && fromSouth > kPoleSkipArcmin)
        a1 += d.cpch / std::cos(a2) + d.cpnp * std::tan(a2);
    return uncorrectedAxesToSky(d, a1, a2);
}

// Sky to mount axes, with the corrections undone: CH and NP taken at the axis-2 angle that still
// includes ID.
void removeCorrections(const ALIGNMENT_DATA& d, double& a1, double& a2) {
    const double c = std::cos(a2);
    if (std::fabs(c) >= kPoleCos)
        a1 = a1 - d.cpnp * std::tan(a2) - d.cpch / c;
    a2 -= d.cpid;
}

AnglePair coreSkyToAxes(const ALIGNMENT_DATA& d, AnglePair sky, bool corrections) {
    auto [a1, a2] = anglesOf(d.mxhm * directionOf(wrapToPi(sky.first), sky.second));
    if (corrections)
        removeCorrections(d, a1, a2);
    return {a1, a2};
}

// The EQ solution on the side that mode chooses; axis 2 comes back in [-pi/2, 3pi/2), beyond
// +-pi/2 on the flipped side.
AnglePair eqSkyToAxes(const ALIGNMENT_DATA& d, AnglePair sky, FlippingMode_::E mode,
                      bool corrections) {
    sky.first = wrapToPi(sky.first);
    auto [a1, a2] = coreSkyToAxes(d, sky, false);
    if (shouldFlipIn(&d, sky, mode)) {
        a1 = wrapToPi(a1 + kPi);
        a2 = wrapToPi(kPi - a2);
    }
    if (corrections) {
        removeCorrections(d, a1, a2);
        a1 = wrapToPi(a1);
        a2 = wrapToPi(a2);
    }
    if (a2 < -kHalfPi)
        a2 += k2Pi;
    return {a1, a2};
}

// Axis 1 takes the turn nearest the reference, within two turns of zero.
AnglePair azSkyToAxes(const ALIGNMENT_DATA& d, AnglePair sky, AnglePair reference) {
    auto [a1, a2] = coreSkyToAxes(d, sky, true);
    a1 = reference.first + wrapToPi(a1 - reference.first);
    if (a1 > k2Pi)
        a1 -= k2Pi;
    else if (a1 < -k2Pi)
        a1 += k2Pi;
    return {a1, a2};
}

AnglePair referenceAxesOf(const ALIGNMENT_DATA& d) {
    return isEQ(d) ? AnglePair{-kHalfPi, kHalfPi} : AnglePair{0.0, 0.0};
}

// Whether the axes lie nearer the flipped than the normal EQ solution of where they point.
bool isFlippedIn(const ALIGNMENT_DATA& d, AnglePair axes) {
    const AnglePair sky = correctedAxesToSky(d, axes);
    const AnglePair normal = eqSkyToAxes(d, sky, FlippingMode_::No, true);
    const AnglePair flipped = eqSkyToAxes(d, sky, FlippingMode_::Yes, true);
    return std::fabs(normal.second - axes.second) > std::fabs(flipped.second - axes.second);
}

} // namespace

Alignment::Alignment(std::shared_ptr<SharedAlignmentData> data,
                     std::shared_ptr<IMountAxisLimit> limits)
    : m_data(std::move(data)), m_limits(std::move(limits)) {}

AnglePair Alignment::referenceAxes() const {
    return referenceAxesOf(model()->value());
}

AnglePair Alignment::axisAzElError() const {
    const auto snap = model();
    const ALIGNMENT_DATA& d = snap->value();
    const double phi = latitude(d);
    if (isEQ(d)) {
        // Where the polar axis points.
        const auto [ha, dec] = uncorrectedAxesToSky(d, -kPi / 4, kHalfPi);
        auto [az, alt] = AstroCalc::hourAngleDecToAzAltStep(ha, dec, phi);
        if (phi >= 0)
            return {az, alt - phi};
        // Measured from the south in the southern hemisphere.
        az = az < 0 ? az + kPi : az - kPi;
        return {az, alt + phi};
    }
    const auto [ha, dec] = uncorrectedAxesToSky(d, 0.0, kHalfPi);
    const auto [az, alt] = AstroCalc::hourAngleDecToAzAltStep(ha, dec, phi);
    return {az, kHalfPi - alt};
}

double Alignment::axisTilt() const {
    const auto snap = model();
    const ALIGNMENT_DATA& d = snap->value();
    const double phi = latitude(d);
    if (isEQ(d)) {
        const AnglePair pole =
            phi >= 0 ? AnglePair{-kPi / 4, kHalfPi} : AnglePair{kPi / 4, -kHalfPi};
        auto [a1, a2] = coreSkyToAxes(d, pole, false);
        if (shouldFlipIn(&d, pole, FlippingMode_::Auto))
            a2 = wrapToPi(kPi - a2);
        if (a2 < -kHalfPi)
            a2 += k2Pi;
        // A perfect model puts either pole at axis 2 = +pi/2 (the southern default mirrors axis 2).
        return std::fabs(a2 - kHalfPi);
    }
    const auto [a1, a2] = coreSkyToAxes(d, {0.0, phi}, false);
    const double q = std::sin(a2 + d.cpid) + std::cos(a2 + d.cpid) * kCosHalfPi * std::cos(-a1);
    return std::fabs(q) <= 1 ? std::acos(q) : 0.0;
}

AnglePair Alignment::axesToSky(AnglePair axes) const {
    return correctedAxesToSky(model()->value(), axes);
}

AnglePair Alignment::skyToAxes(AnglePair sky, AnglePair reference) const {
    return skyToAxesOnSide(model()->value(), sky, reference, {});
}

AnglePair Alignment::skyToAxesOnSide(const ALIGNMENT_DATA& d, AnglePair sky, AnglePair reference,
                                     const Nullable<bool>& side) const {
    if (!isEQ(d))
        return azSkyToAxes(d, sky, reference);
    const FlippingMode_::E mode = m_flippingMode.load();
    auto [a1, a2] = eqSkyToAxes(d, sky, mode, true);
    // Axis 1 in (-3pi/2, pi/2].
    a1 = wrapToPi(a1);
    if (a1 > kHalfPi)
        a1 -= k2Pi;
    if (side.hasValue() && mode != FlippingMode_::Auto) {
        const double phi = latitude(d);
        const bool s = side.value();
        const double base = ((phi >= 0 && !s) || (phi < 0 && s)) ? -kHalfPi : -5 * kHalfPi;
        a1 = wrapDiffTo2Pi(base, a1);
    }
    return {a1, a2};
}

AnglePair Alignment::axisRates(AnglePair sky, double rate) const {
    const auto snap = model();
    const ALIGNMENT_DATA& d = snap->value();
    const auto [ha, dec] = sky;
    const Vector3 P = d.mxhm * directionOf(ha, dec);
    const Vector3 p = normalize(P);
    // How h moves when the hour angle grows at rate.
    const Vector3 dh =
        rate * Vector3{-std::cos(dec) * std::sin(ha), std::cos(dec) * std::cos(ha), 0};
    const Vector3 dP = d.mxhm * dh;
    const Vector3 z{0, 0, 1};
    // The unit tangent at P towards the pole of axis 2 splits the motion into its axis parts.
    const Vector3 t = normalize(z - project(z, P));
    const Vector3 d2 = project(dP, t);
    const Vector3 d1 = dP - d2;
    const Vector3 Ph = P - project(P, z);
    const Vector3 c = cross(Ph, d1);
    const double cosA2 = std::cos(anglesOf(p).second);
    // On the pole of axis 2 axis 1 has no finite rate: hold it rather than send NaN.
    const double rate1 = cosA2 < kPoleCos ? 0.0 : (c.z > 0 ? 1 : -1) * norm(d1) / cosA2;
    const double rate2 = (d2.z > 0 ? 1 : -1) * norm(d2);
    return {rate1, rate2};
}

FlippingMode_::E Alignment::flippingMode() const {
    return m_flippingMode.load();
}

void Alignment::setFlippingMode(FlippingMode_::E mode) {
    m_flippingMode.store(mode);
    flippingModeChanged();
}

bool Alignment::shouldFlip(AnglePair sky, FlippingMode_::E mode) const {
    if (mode != FlippingMode_::Auto)
        return shouldFlipIn(nullptr, sky, mode);
    return shouldFlipIn(&model()->value(), sky, mode);
}

bool Alignment::isFlipped(AnglePair axes) const {
    return isFlippedIn(model()->value(), axes);
}

AnglePair Alignment::uncorrectedSkyToAxes(AnglePair sky, FlippingMode_::E mode) const {
    const auto snap = model();
    const ALIGNMENT_DATA& d = snap->value();
    return isEQ(d) ? eqSkyToAxes(d, sky, mode, false) : coreSkyToAxes(d, sky, false);
}

AnglePair Alignment::skyToAxesWithSide(AnglePair sky, bool side) const {
    const auto snap = model();
    const ALIGNMENT_DATA& d = snap->value();
    return skyToAxesOnSide(d, sky, referenceAxesOf(d), side);
}

std::unique_ptr<IAlignment::TrailPointsStart>
Alignment::createTrailPointsStart(AnglePair axes) const {
    auto start = std::make_unique<TrailPointsStart_Internal>();
    const auto snap = model();
    if (isEQ(snap->value()))
        start->flipped = isFlippedIn(snap->value(), axes);
    return start;
}

AnglePair Alignment::skyToAxesWithStart(AnglePair sky, AnglePair reference,
                                        const TrailPointsStart& start) const {
    const auto snap = model();
    const ALIGNMENT_DATA& d = snap->value();
    if (!isEQ(d))
        return azSkyToAxes(d, sky, reference);
    const auto* internal = dynamic_cast<const TrailPointsStart_Internal*>(&start);
    // A start made elsewhere carries no side, like an empty one.
    const bool flipped = (internal ? internal->flipped : Nullable<bool>()).value();
    const auto [a1, a2] =
        eqSkyToAxes(d, sky, flipped ? FlippingMode_::Yes : FlippingMode_::No, true);
    const auto [lo, hi] = m_limits ? m_limits->limits(0) : AnglePair{-DBL_MAX, DBL_MAX};
    double v = reference.first + wrapToPi(a1 - reference.first);
    // At most one turn either way: the first rule that applies wins.
    if (v > 3 * kHalfPi || v >= hi)
        v -= k2Pi;
    else if (v < -5 * kHalfPi || v <= lo)
        v += k2Pi;
    return {v, a2};
}

bool Alignment::canAutoFlip() const {
    return isEQ(model()->value()) && m_flippingMode.load() == FlippingMode_::Auto;
}

double Alignment::normalizeAxisAngle(AXISID axis, double angle) const {
    if (isEQ(model()->value()) && axis == 1 && angle < -kHalfPi)
        return angle + k2Pi;
    return angle;
}

} // namespace Ko

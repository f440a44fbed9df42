#include "model/alignersteps.h"

#include "astro/angleutil.h"

#include <cmath>

namespace Ko::AlignerSteps {

namespace {

// Star 3 and its partner must differ by more than this in axis 1 (and by as much from a half
// turn): closer, the CH solve divides almost nothing by almost nothing.
constexpr double kMinAxis1Apart = 5 * kDeg;

double skySeparationCos(const ALIGNMENT_PAIR& p, const ALIGNMENT_PAIR& q) {
    return std::sin(p.dec) * std::sin(q.dec) +
           std::cos(p.dec) * std::cos(q.dec) * std::cos(p.ha - q.ha);
}

} // namespace

std::pair<double, double> correctedAxes(const ALIGNMENT_PAIR& p, const Terms& t) {
    const double y = p.axis2 + t.id;
    return {p.axis1 + t.ch / std::cos(y) + t.np * std::tan(y), y};
}

Nullable<double> solveId(const ALIGNMENT_PAIR& p, const ALIGNMENT_PAIR& q, const Terms& t) {
    const auto [xP, yP] = correctedAxes(p, t);
    const auto [xQ, yQ] = correctedAxes(q, t);
    const double c = std::cos(xP - xQ);
    const double cq = (2 * skySeparationCos(p, q) - std::cos(yP - yQ) * (c + 1)) / (c - 1);
    if (!std::isfinite(cq) || std::fabs(cq) > 1)
        return {};
    const double s = wrapToPi(yP + yQ);
    const double a = s < 0 ? -std::acos(cq) : std::acos(cq);
    const double id = t.id + (a - s) * 0.5;
    if (!std::isfinite(id))
        return {};
    return id;
}

Nullable<double> solveCh(const ALIGNMENT_PAIR& p, const ALIGNMENT_PAIR& q, const Terms& t) {
    const Terms noCh{t.id, 0.0, t.np};
    const auto [xP, yP] = correctedAxes(p, noCh);
    const auto [xQ, yQ] = correctedAxes(q, noCh);
    const double cq =
        (skySeparationCos(p, q) - std::sin(yP) * std::sin(yQ)) / (std::cos(yP) * std::cos(yQ));
    if (!std::isfinite(cq) || std::fabs(cq) > 1)
        return {};
    const double s = wrapToPi(xP - xQ);
    const double a = s > 0 ? std::acos(cq) : -std::acos(cq);
    const double ch = (a - s) / (1 / std::cos(yP) - 1 / std::cos(yQ));
    if (!std::isfinite(ch))
        return {};
    return ch;
}

bool rotationFromPairs(const ALIGNMENT_PAIR& p1, const ALIGNMENT_PAIR& p2, const Terms& t,
                       Matrix3& mxhm, Matrix3& mxmh) {
    const auto [x1, y1] = correctedAxes(p1, t);
    const auto [x2, y2] = correctedAxes(p2, t);
    const Vector3 m1 = directionOf(x1, y1), m2 = directionOf(x2, y2);
    const Vector3 h1 = directionOf(p1.ha, p1.dec), h2 = directionOf(p2.ha, p2.dec);
    Matrix3 M, S;
    setColumn(M, 0, m1);
    setColumn(M, 1, m2);
    setColumn(M, 2, normalize(cross(m1, m2)));
    setColumn(S, 0, h1);
    setColumn(S, 1, h2);
    setColumn(S, 2, normalize(cross(h1, h2)));
    Matrix3 sInv = S, mInv = M;
    if (invert(sInv) != 0 || invert(mInv) != 0)
        return false;
    mxhm = M;
    mxhm *= sInv;
    mxmh = S;
    mxmh *= mInv;
    return true;
}

int chPartner(const ALIGNMENT_PAIR (&pairs)[3], const double (&cosA2)[3]) {
    const double d13 = std::fabs(wrapToPi(pairs[0].axis1 - pairs[2].axis1));
    const double d23 = std::fabs(wrapToPi(pairs[1].axis1 - pairs[2].axis1));
    if (d13 < kMinAxis1Apart || d13 > kPi - kMinAxis1Apart)
        return 1;
    if (d23 <= kMinAxis1Apart || d23 >= kPi - kMinAxis1Apart)
        return 0;
    const double w2 = std::fabs(1 / cosA2[1] - 1 / cosA2[2]);
    const double w1 = std::fabs(1 / cosA2[0] - 1 / cosA2[2]);
    return w2 > w1 ? 1 : 0;
}

} // namespace Ko::AlignerSteps
